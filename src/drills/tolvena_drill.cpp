#include "drills/tolvena_drill.h"

#include "frame/numbers.h"
#include "frame/services.h"
#include "frame/state.h"

namespace {
QString subtraction(int a, int b, int c)
{
    return B(a) + QStringLiteral(" - ") + B(b) + QStringLiteral(" = ") + B(c);
}
} // namespace

TypedExercise TolvenaDrill::draw() const
{
    int m = 0, taken = 0, difference = 0;
    if (range == Range::UpToMaximum) {
        m = Int(Rnd() * shared().NumeroMassimo) + 1;
        taken = Int(Rnd() * m) + 1;
        difference = m - taken;
    } else {
        taken = Int(10 * Rnd());
        difference = Int(10 * Rnd());
        m = taken + difference;
    }
    shared().NumeroCasuale = static_cast<std::int16_t>(m);

    if (TrovaIlResto)
        return {B(m) + QStringLiteral(" - ") + B(taken) + QStringLiteral(" = __"), difference,
                subtraction(m, taken, difference)};
    switch (Int(3 * Rnd()) + 1) {
    case 1:
        return {B(m) + QStringLiteral(" - __ = ") + B(difference), taken,
                subtraction(m, taken, difference)};
    case 2:
        // The difference is shown after the minus sign; the gap stands for
        // the number taken away, now in the place of the result.
        return {B(m) + QStringLiteral(" - ") + B(difference) + QStringLiteral(" = __  "), taken,
                subtraction(m, difference, taken)};
    default:
        return {QStringLiteral("__ - ") + B(difference) + QStringLiteral(" = ") + B(taken), m,
                subtraction(m, difference, taken)};
    }
}

TypedDrillRow tolvenaRow(const QString &name)
{
    return {.name = name,
            .draw = {},   // the screen's
            .left = 360,
            .top = 1080,
            .clientArea = {9495, 6885},
            .reseedOnLoad = true,
            .avantiEnabled = true};
}
