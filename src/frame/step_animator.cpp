#include "frame/step_animator.h"

#include "frame/services.h"

#include <QPointer>

#include <algorithm>

StepAnimator::StepAnimator(QObject *parent) : QObject(parent) {}

void StepAnimator::start(int steps, int ms, std::function<void(int)> step,
                         std::function<void()> finished)
{
    stop();
    running_ = true;
    steps_ = steps;
    ms_ = ms;
    start_ = services().timer->now();
    step_ = std::move(step);
    finished_ = std::move(finished);
    run(generation_, 0);
}

void StepAnimator::stop()
{
    ++generation_;
    running_ = false;
}

// Step `index` of the animation started as `generation`; index == steps_ is
// the end. A step left over from a stopped animation does nothing.
void StepAnimator::run(unsigned generation, int index)
{
    if (generation != generation_ || !running_)
        return;
    if (index >= steps_) {
        running_ = false;
        ++generation_;
        auto finished = finished_;
        if (finished)
            finished();
        return;
    }
    if (step_)
        step_(index);
    // The step may have stopped the animation, or started another.
    if (generation != generation_)
        return;
    // Step index + 1 is due (index + 1) x ms after the start; a late step
    // leaves less time to the next, never more than one step's time.
    const std::int64_t due = start_ + std::int64_t(index + 1) * ms_;
    const int wait = int(std::clamp<std::int64_t>(due - services().timer->now(), 0, ms_));
    QPointer<StepAnimator> self(this);
    services().timer->after(wait, this, [self, generation, index] {
        if (self)
            self->run(generation, index + 1);
    });
}
