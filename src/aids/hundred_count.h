#pragma once
// Completing 100 on the table: the first N cells are counted, and the child
// types how many are missing.

#include "frame/verdict.h"

#include <QString>

class HundredCountModel {
public:

    // A new exercise: N from 0 to 100.
    void next();
    // The typed answer, judged by its leading number; an empty field, or an
    // exercise already answered, is not judged.
    Verdict check(const QString &typed);

    int n() const { return n_; }
    bool solved() const { return solved_; }
    // ' 37 + ' and " = 100", the line around the answer field.
    QString before() const;
    QString after() const;

private:
    int n_ = 0;
    bool solved_ = false;
};
