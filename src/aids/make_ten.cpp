#include "aids/make_ten.h"

#include "frame/numbers.h"
#include "frame/services.h"

void MakeTenModel::next()
{
    n_ = Int(Rnd() * target_) + 1;
    if (n_ == lastSolved_)
        --n_;
    solved_ = false;
}

Verdict MakeTenModel::press(int i)
{
    if (solved_)
        return Verdict::Ignored;
    if (n_ + i != target_)
        return Verdict::Wrong;
    solved_ = true;
    lastSolved_ = n_;
    return Verdict::Right;
}

QString MakeTenModel::text() const
{
    const QString missing = solved_ ? F(target_ - n_) : gap_;
    return QLatin1Char(' ') + F(n_) + QStringLiteral(" + ") + missing + QStringLiteral(" = ")
           + QString::number(target_) + QLatin1Char(' ');
}
