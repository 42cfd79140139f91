#pragma once
// Making 10 and 20: the screen shows a number, a plus sign and a gap, and the
// child clicks the number that completes the target. An exercise solved just
// before is not asked again at once.

#include "frame/verdict.h"

#include <QString>

class MakeTenModel {
public:

    // `gap`: the underscores that stand for the missing number.
    MakeTenModel(int target, QString gap) : target_(target), gap_(std::move(gap)) {}

    // A new exercise: n from 1 to the target, one less when it equals the n
    // solved last (so 0 can come after a solved 1).
    void next();
    // The child clicked number `i`; once solved, clicks are ignored.
    Verdict press(int i);

    // The exercise, or the completed equation once solved.
    QString text() const;

    int target() const { return target_; }
    int n() const { return n_; }
    int lastSolved() const { return lastSolved_; }
    bool solved() const { return solved_; }

private:
    int target_;
    QString gap_;
    int n_ = 0;
    int lastSolved_ = 0;
    bool solved_ = false;
};
