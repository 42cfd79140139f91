#include "aids/hundred_count.h"

#include "frame/numbers.h"
#include "frame/services.h"

#include <QtGlobal>

void HundredCountModel::next()
{
    n_ = Int(Rnd() * 101);
    Q_ASSERT(n_ >= 0 && n_ <= 100);
    solved_ = false;
}

HundredCountModel::Outcome HundredCountModel::check(const QString &typed)
{
    if (solved_ || typed.isEmpty())
        return Outcome::Ignored;
    if (n_ + readLeadingNumber(typed) != 100)
        return Outcome::Wrong;
    solved_ = true;
    return Outcome::Right;
}

QString HundredCountModel::before() const { return B(n_) + QStringLiteral(" + "); }

QString HundredCountModel::after() const { return QStringLiteral(" = 100"); }
