#include "aids/complete_squares.h"

#include "frame/numbers.h"
#include "frame/services.h"

#include <QtGlobal>

void SquaresModel::next()
{
    if (!rule_.kinds) {
        numero_ = Int(Rnd() * (rule_.total + 1));
    } else {
        const int k = Int(Rnd() * 4) + 1;
        if (k == 1)
            numero_ = Int(Rnd() * rule_.anyCount) + rule_.anyFrom;
        else if (k == 2)
            numero_ = Int(Rnd() * rule_.hundredsCount + 1) * 100;
        else
            numero_ = Int(Rnd() * rule_.tensCount + 1) * 10;
    }
    Q_ASSERT(numero_ >= 0 && numero_ <= rule_.total);
    restart();
    solved_ = false;
}

bool SquaresModel::unit()
{
    if (quadretti_ >= 100)
        return false;
    squares_[static_cast<std::size_t>(quadretti_++)] = Square::Unit;
    return true;
}

bool SquaresModel::ten()
{
    // A ten is refused only when it no longer fits: from 91 on.
    if (quadretti_ > 90)
        return false;
    for (int j = 0; j < 10; ++j)
        squares_[static_cast<std::size_t>(quadretti_++)] = Square::Ten;
    return true;
}

bool SquaresModel::hundred()
{
    if (centinaia_ >= rule_.bigSquares)
        return false;
    ++centinaia_;
    return true;
}

void SquaresModel::restart()
{
    quadretti_ = 0;
    centinaia_ = 0;
    squares_.fill(Square::Plain);
}

Verdict SquaresModel::check(const QString &typed)
{
    if (solved_ || (typed.isEmpty() && !rule_.judgeEmpty))
        return Verdict::Ignored;
    if (readDigits(typed) != numero_)
        return Verdict::Wrong;
    solved_ = true;
    return Verdict::Right;
}

SquaresModel::Square SquaresModel::square(int i) const
{
    if (i < 0 || i >= 100)
        return Square::Plain;
    return squares_[static_cast<std::size_t>(i)];
}

QString SquaresModel::before() const { return B(known()) + QStringLiteral("  +  "); }

QString SquaresModel::description() const
{
    QString d = quadretti_ == 1 ? QStringLiteral("1 quadretto colorato")
                                : QStringLiteral("%1 quadretti colorati").arg(quadretti_);
    if (rule_.bigSquares > 0)
        d += centinaia_ == 1 ? QStringLiteral(", 1 centinaio colorato")
                             : QStringLiteral(", %1 centinaia colorate").arg(centinaia_);
    return d;
}
