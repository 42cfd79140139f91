#pragma once
// The hundred table: a subtraction in figures, the first number marked in
// the table, and the child clicks the cell of the result. The four screens
// differ only in how they draw the numbers.

#include "frame/verdict.h"

#include <QString>

class HundredTableModel {
public:
    enum class Draw {
        Units,        // take away 0 to 8 units from 10..89
        Tens,         // take away whole tens below the first number
        Any,          // take away 1 to the first number
        TensOrUnits,  // whole tens or 0 to 9 units, chosen at random
    };
    enum class Mark { Plain, First, Answered };

    explicit HundredTableModel(Draw draw) : draw_(draw) {}

    // A new exercise; the marks of the one before go with it.
    void next();
    // The child clicked cell `i`. The answered cell takes no more clicks.
    Verdict press(int i);

    // The exercise text, completed with the result once answered.
    QString text() const;
    // How cell `i` is marked: the first number, the answered result, or not.
    Mark mark(int i) const;
    int primo() const { return primo_; }
    int secondo() const { return secondo_; }
    int differenza() const { return differenza_; }
    bool solved() const { return solved_; }
    Draw draw() const { return draw_; }

private:
    int unitsUpTo(int most);
    int tensBelow(int first);

    Draw draw_;
    int primo_ = 0;
    int secondo_ = 0;
    int differenza_ = 0;
    bool solved_ = false;
    bool drawn_ = false;
};
