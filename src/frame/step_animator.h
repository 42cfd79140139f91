#pragma once
// Animations made of steps a fixed time apart, driven by the step timer:
// nothing waits and no event loop is nested, so the window keeps painting
// and handling input between the steps. Stopping (or destroying the
// animator) drops every step still to come.

#include <QObject>
#include <functional>

class StepAnimator final : public QObject {
    Q_OBJECT
public:
    explicit StepAnimator(QObject *parent = nullptr);

    // Runs step(0) at once, then step(1) .. step(steps - 1), each `ms` after
    // the one before, and `finished` `ms` after the last step. A running
    // animation is stopped first.
    void start(int steps, int ms, std::function<void(int)> step, std::function<void()> finished);
    void stop();
    bool running() const { return running_; }

private:
    void run(unsigned generation, int index);

    unsigned generation_ = 0;
    bool running_ = false;
    int steps_ = 0;
    int ms_ = 0;
    std::function<void(int)> step_;
    std::function<void()> finished_;
};
