#include "drills/possible_drill.h"

#include "frame/numbers.h"
#include "frame/services.h"
#include "frame/state.h"

void PossibleDrill::next()
{
    const int maximum = shared().NumeroMassimo;
    Minuendo = Int(Rnd() * maximum) + 1;
    Sottraendo = Int(Rnd() * maximum) + 1;
    RispostaEsatta = Minuendo < Sottraendo ? 1 : 0;
    answered_ = false;
}

Verdict PossibleDrill::press(int index)
{
    if (answered_)
        return Verdict::Ignored;
    if (index != RispostaEsatta)
        return Verdict::Wrong;
    answered_ = true;
    return Verdict::Right;
}

QString PossibleDrill::text() const
{
    return G9(static_cast<long long>(Minuendo)) + QStringLiteral(" - ")
           + G9(static_cast<long long>(Sottraendo)) + QStringLiteral(" = ");
}
