#include "aids/tens_units.h"

#include "frame/numbers.h"
#include "frame/services.h"

#include <algorithm>

namespace {
int unitsOf(int x) { return x - 10 * Int(x / 10.0); }
} // namespace

void TensUnitsModel::next()
{
    drawNumbers();
    answered_ = false;
    clear();
}

void TensUnitsModel::drawNumbers()
{
    if (kind_ == Kind::NoExchange) {
        // 1, 10 and 11 leave only 0 for the second number: drawn again, as 0 is.
        int a = 0, b = 0;
        do {
            a = Int(Rnd() * 10);
            b = Int(Rnd() * 10);
            Q_ASSERT(a >= 0 && a <= 9 && b >= 0 && b <= 9);
            primo_ = 10 * a + b;
        } while (primo_ == 0 || primo_ == 1 || primo_ == 10 || primo_ == 11);
        do {
            const int c = Int(a * Rnd());
            const int e = Int(b * Rnd());
            secondo_ = 10 * c + e;
        } while (secondo_ == 0);
        return;
    }
    do {
        primo_ = Int(Rnd() * 79) + 20;
        secondo_ = Int(Rnd() * (primo_ - 10)) + 5;
        Q_ASSERT(primo_ >= 20 && primo_ <= 98 && secondo_ >= 5 && secondo_ <= primo_ - 6);
    } while (kind_ == Kind::NeedsExchange && unitsOf(primo_) >= unitsOf(secondo_));
}

QString TensUnitsModel::text() const
{
    return B(primo_) + QStringLiteral(" - ") + B(secondo_) + QStringLiteral(" = ");
}

Verdict TensUnitsModel::judge(const QString &typed)
{
    if (answered_ || (typed.isEmpty() && kind_ != Kind::NoExchange))
        return Verdict::Ignored;
    if (readLeadingNumber(typed) != differenza())
        return Verdict::Wrong;
    answered_ = true;
    return Verdict::Right;
}

// A button shows the element whose index is the count. Where that one shows
// already (one was taken from below it), the lowest hidden one shows
// instead, so that the count stays what is on show.
template <std::size_t N>
bool TensUnitsModel::showNext(std::array<bool, N> &shown, int count)
{
    if (inRange(count, int(N)) && !shown[count]) {
        shown[count] = true;
        return true;
    }
    auto hidden = std::find(shown.begin(), shown.end(), false);
    if (hidden == shown.end())
        return false;
    *hidden = true;
    return true;
}

bool TensUnitsModel::addTen()
{
    if (exchanging())
        return false;
    return showNext(tens_, contaDecine());
}

bool TensUnitsModel::addUnit()
{
    // After an exchange the units stay above 8 until some are taken away.
    if (exchanging() || contaUnita() > 8)
        return false;
    return showNext(units_, contaUnita());
}

template <std::size_t N>
bool TensUnitsModel::take(std::array<bool, N> &shown, int i)
{
    if (exchanging() || !inRange(i, int(N)) || !shown[i])
        return false;
    shown[i] = false;
    return true;
}

bool TensUnitsModel::takeTen(int i) { return take(tens_, i); }
bool TensUnitsModel::takeUnit(int i) { return take(units_, i); }
bool TensUnitsModel::takeStripUnit(int i) { return take(strip_, i); }

void TensUnitsModel::clear()
{
    tens_.fill(false);
    units_.fill(false);
    strip_.fill(false);
    exchangingTen_ = -1;
    exchangeUsed_ = false;
}

TensUnitsModel::ExchangeStart TensUnitsModel::beginExchange()
{
    if (!offersExchange() || exchanging() || exchangeUsed_)
        return ExchangeStart::Ignored;
    // The last ten added, whose index is the count less one; where that one
    // was taken away, the highest ten on show.
    const int last = contaDecine() - 1;
    if (last >= 0 && tens_[last]) {
        exchangingTen_ = last;
        return ExchangeStart::Started;
    }
    for (int i = tens - 1; i >= 0; --i)
        if (tens_[i]) {
            exchangingTen_ = i;
            return ExchangeStart::Started;
        }
    return ExchangeStart::Refused;
}

void TensUnitsModel::finishExchange()
{
    if (!exchanging())
        return;
    tens_[exchangingTen_] = false;
    strip_.fill(true);
    exchangingTen_ = -1;
    exchangeUsed_ = true;
}

int TensUnitsModel::contaDecine() const
{
    return static_cast<int>(std::count(tens_.begin(), tens_.end(), true));
}

int TensUnitsModel::contaUnita() const
{
    return static_cast<int>(std::count(units_.begin(), units_.end(), true)
                            + std::count(strip_.begin(), strip_.end(), true));
}

QString TensUnitsModel::description() const
{
    const int d = contaDecine();
    return QString::number(d) + (d == 1 ? QStringLiteral(" decina, ") : QStringLiteral(" decine, "))
           + QString::number(contaUnita()) + QStringLiteral(" unità");
}
