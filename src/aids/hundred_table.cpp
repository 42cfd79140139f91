#include "aids/hundred_table.h"

#include "frame/numbers.h"
#include "frame/services.h"

#include <QtGlobal>

int HundredTableModel::tensBelow(int first)
{
    const int t = Int(Rnd() * first);
    return 10 * (t / 10);
}

int HundredTableModel::unitsUpTo(int most)
{
    // Units above the first number would leave a result below 0, which no
    // cell answers: such draws are made again.
    for (int tries = 0; tries < 1000; ++tries) {
        const int units = Int(Rnd() * 10);
        if (units <= most)
            return units;
    }
    return most;
}

void HundredTableModel::next()
{
    switch (draw_) {
    case Draw::Units:
        primo_ = Int(Rnd() * 80) + 10;
        secondo_ = Int(Rnd() * 9);
        differenza_ = primo_ - secondo_;
        break;
    case Draw::Tens:
        primo_ = Int(Rnd() * 99) + 1;
        secondo_ = tensBelow(primo_);
        differenza_ = primo_ - secondo_;
        break;
    case Draw::Any:
        primo_ = Int(Rnd() * 99) + 1;
        differenza_ = Int(Rnd() * primo_);
        secondo_ = primo_ - differenza_;
        break;
    case Draw::TensOrUnits: {
        const int k = Int(Rnd() * 2);
        primo_ = Int(Rnd() * 99) + 1;
        secondo_ = k == 0 ? tensBelow(primo_) : unitsUpTo(primo_);
        differenza_ = primo_ - secondo_;
        break;
    }
    }
    Q_ASSERT(primo_ >= 0 && primo_ <= 99);
    Q_ASSERT(differenza_ >= 0 && differenza_ <= primo_ && secondo_ == primo_ - differenza_);
    solved_ = false;
    drawn_ = true;
}

Verdict HundredTableModel::press(int i)
{
    if (!drawn_ || (solved_ && i == differenza_))
        return Verdict::Ignored;
    if (i != differenza_)
        return Verdict::Wrong;
    solved_ = true;
    return Verdict::Right;
}

QString HundredTableModel::text() const
{
    QString t = B(primo_) + QStringLiteral(" - ") + B(secondo_) + QStringLiteral(" = ");
    if (solved_)
        t += B(differenza_);
    return t;
}

HundredTableModel::Mark HundredTableModel::mark(int i) const
{
    if (!drawn_)
        return Mark::Plain;
    if (solved_ && i == differenza_)
        return Mark::Answered;
    if (i == primo_)
        return Mark::First;
    return Mark::Plain;
}
