#pragma once
// The remainder and missing-number drills: a small subtraction with a gap of
// underscores where the difference, the number taken away or the starting
// number stands. They are typed-answer drills: the same check, the same
// screen, with a menu to choose the kind of gap.

#include "drills/typed_drill.h"

struct TolvenaDrill {
    enum class Range {
        UpToMaximum,   // starting number 1..NumeroMassimo, number taken away at least 1
        BelowTen,      // number taken away and difference 0..9 each
    };
    Range range = Range::UpToMaximum;
    // true: the difference is missing ("trova il resto"); false: one of the
    // three numbers, drawn at random ("trova un numero ").
    bool TrovaIlResto = true;

    // A new exercise: answer and completed subtraction (`TestoSoluzione`).
    // Sets NumeroCasuale to the starting number.
    TypedExercise draw() const;
};

// The design of the two screens; the draw is the screen's to supply.
TypedDrillRow tolvenaRow(const QString &name);
