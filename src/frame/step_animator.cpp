#include "frame/step_animator.h"

#include "frame/services.h"

#include <QPointer>

void StepAnimator::start(std::vector<Step> steps, int intervalMs, Step done)
{
    stop();
    steps_ = std::move(steps);
    done_ = std::move(done);
    interval_ = intervalMs;
    running_ = true;
    run(0, generation_);
}

void StepAnimator::stop()
{
    ++generation_;
    running_ = false;
    steps_.clear();
    done_ = {};
}

void StepAnimator::run(std::size_t index, unsigned generation)
{
    if (index < steps_.size()) {
        // A step may stop the animation or delete its owner.
        QPointer<StepAnimator> self(this);
        const Step step = steps_[index];
        step();
        if (!self || generation_ != generation)
            return;
        services().timer->after(interval_, this, [self, index, generation] {
            if (self && self->generation_ == generation)
                self->run(index + 1, generation);
        });
        return;
    }
    running_ = false;
    const Step done = std::move(done_);
    done_ = {};
    steps_.clear();
    if (done)
        done();
}
