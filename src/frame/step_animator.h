#pragma once
// Animations made of steps a fixed time apart, driven by the step timer:
// nothing waits and no event loop is nested, so the window keeps painting
// and handling input between the steps. Stopping (or destroying the
// animator) drops every step still to come.

#include <QObject>
#include <cstdint>
#include <functional>

class StepAnimator final : public QObject {
    Q_OBJECT
public:
    explicit StepAnimator(QObject *parent = nullptr);

    // Runs step(0) at once, then step(k) for k = 1 .. steps - 1 when k x `ms`
    // have passed since the start, and `finished` at steps x `ms`. A step
    // that comes late does not put off the ones after it: each is timed from
    // the start, not from the step before. A running animation is stopped
    // first.
    void start(int steps, int ms, std::function<void(int)> step, std::function<void()> finished);
    void stop();
    bool running() const { return running_; }

private:
    void run(unsigned generation, int index);

    unsigned generation_ = 0;
    bool running_ = false;
    int steps_ = 0;
    int ms_ = 0;
    std::int64_t start_ = 0;   // on the step timer's clock
    std::function<void(int)> step_;
    std::function<void()> finished_;
};
