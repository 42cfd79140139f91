#pragma once
// Animations in steps a fixed time apart (the blinking exchanges of the
// abacus and the tens-and-units screens). Each step is posted to the step
// timer of the services: nothing waits, no event loop is nested, and the
// window stays usable while the steps run.

#include <QObject>

#include <functional>
#include <vector>

class StepAnimator final : public QObject {
public:
    using Step = std::function<void()>;

    explicit StepAnimator(QObject *parent = nullptr) : QObject(parent) {}

    // Runs the first step at once and each following step `intervalMs`
    // later; `done` runs one interval after the last step. Starting again
    // drops whatever was still to run.
    void start(std::vector<Step> steps, int intervalMs, Step done = {});
    // Drops the steps still to run, and `done` with them.
    void stop();
    bool running() const { return running_; }

private:
    void run(std::size_t index, unsigned generation);

    std::vector<Step> steps_;
    Step done_;
    int interval_ = 0;
    unsigned generation_ = 0;
    bool running_ = false;
};
