#pragma once
// Coloured bars: a yellow and a green bar end to end, and a red bar as long
// as both (yellow + green = red). One bar shows "?" instead of its number and
// the child clicks the number it stands for. The help lays out each bar as a
// row of unit squares.

#include "frame/verdict.h"

#include <QString>

class BarsModel {
public:
    enum class Bar { Yellow, Green, Red };

    // `maximum`: the largest red value, 10 or 20.
    explicit BarsModel(int maximum) : maximum_(maximum) {}

    // The exercise type of the menu: 1 asks the red bar, 2 the yellow or the
    // green bar, 3 any bar. Other values are refused.
    void setType(int type);
    int type() const { return type_; }

    // A new exercise: first the asked bar (no draw for type 1), then the red
    // value from 1 to the maximum and the yellow value below it.
    void next();
    // The child clicked number `i`; once answered, clicks are ignored.
    Verdict press(int i);
    // The help lays out the unit squares until the next exercise.
    void help() { helpShown_ = true; }

    int value(Bar bar) const;
    Bar asked() const { return asked_; }
    int answer() const { return value(asked_); }
    bool answered() const { return answered_; }
    bool helpShown() const { return helpShown_; }
    int maximum() const { return maximum_; }

    // What a bar shows: its number (' 7'), or "?" on the asked bar until
    // the right answer.
    QString text(Bar bar) const;
    QString instruction() const;
    // The unit squares the help shows, told in words; empty without help.
    QString squaresDescription() const;

private:
    int maximum_;
    int type_ = 2;
    Bar asked_ = Bar::Red;
    int rosso_ = 1;
    int giallo_ = 0;
    bool answered_ = false;
    bool helpShown_ = false;
};
