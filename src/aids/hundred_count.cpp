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

Verdict HundredCountModel::check(const QString &typed)
{
    if (solved_ || typed.isEmpty())
        return Verdict::Ignored;
    if (n_ + readLeadingNumber(typed) != 100)
        return Verdict::Wrong;
    solved_ = true;
    return Verdict::Right;
}

QString HundredCountModel::before() const { return B(n_) + QStringLiteral(" + "); }

QString HundredCountModel::after() const { return QStringLiteral(" = 100"); }
