#pragma once
// Possible or impossible: a subtraction of two numbers drawn up to
// NumeroMassimo, and the child says whether it can be done at all.

#include "frame/verdict.h"

#include <QString>

class PossibleDrill {
public:
    enum class Button { Possibile = 0, Impossibile = 1 };

    // A new exercise, both numbers from 1 to NumeroMassimo.
    void next();
    // The child pressed button `index`; once answered right, presses are ignored.
    Verdict press(int index);

    // G9(A), " - ", G9(B), " = ".
    QString text() const;
    bool answered() const { return answered_; }

    double Minuendo = 0;
    double Sottraendo = 0;
    int RispostaEsatta = 0;   // 0 "possibile": A is at least B; 1 "impossibile"

private:
    bool answered_ = false;
};

// The maxima the panel offers, by option index.
constexpr int possibleMaxima[4] = {20, 99, 999, 9999};
