#include "abacus/abacus_model.h"

#include "frame/numbers.h"
#include "frame/services.h"

#include <QStringList>

namespace {

AbacusExercise fromResult(int primo, int risposta) { return {primo, primo - risposta, risposta}; }

// Three digits: minuend 1..999, result 0..minuend - 1, drawn again while
// `again` holds for the tens (t1, t2) and units (u1, u2) of the two numbers.
template <typename Again> AbacusExercise threeDigits(Again again)
{
    AbacusExercise e;
    do {
        const int primo = Int(Rnd() * 999) + 1;
        const int risposta = Int(Rnd() * primo);
        e = fromResult(primo, risposta);
    } while (again(digit(e.primo, 1), digit(e.primo, 0), digit(e.secondo, 1),
                   digit(e.secondo, 0)));
    return e;
}

QString counted(int n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

} // namespace

namespace AbacusDraws {

// Minuend 10..98, result 5..minuend - 6: some need an exchange, some don't.
AbacusExercise withAndWithout()
{
    const int primo = Int(Rnd() * 89) + 10;
    const int risposta = Int(Rnd() * (primo - 10) + 5);
    return fromResult(primo, risposta);
}

// As above, drawn again until the units of the minuend lack.
AbacusExercise alwaysExchange()
{
    AbacusExercise e;
    do
        e = withAndWithout();
    while (digit(e.primo, 0) >= digit(e.secondo, 0));
    return e;
}

// Digit by digit, each digit of the result below the minuend's (or both 0),
// so no exchange is ever needed and the result is never 0. The minuends 1,
// 10 and 11 admit no result other than 0, so they are drawn again like 0.
AbacusExercise neverExchange()
{
    int t = 0, u = 0, primo = 0;
    do {
        t = Int(Rnd() * 10);
        u = Int(Rnd() * 10);
        primo = 10 * t + u;
    } while (primo == 0 || primo == 1 || primo == 10 || primo == 11);
    int risposta = 0;
    do {
        const int tr = Int(Rnd() * t);
        const int ur = Int(Rnd() * u);
        risposta = 10 * tr + ur;
    } while (risposta == 0);
    return fromResult(primo, risposta);
}

AbacusExercise noExchanges()
{
    return threeDigits([](int t1, int u1, int t2, int u2) { return t1 < t2 || u1 < u2; });
}

AbacusExercise oneExchange()
{
    return threeDigits([](int t1, int u1, int t2, int u2) {
        return !((t1 < t2 && u1 >= u2) || (t1 > t2 && u1 < u2));
    });
}

AbacusExercise someExchange()
{
    return threeDigits([](int t1, int u1, int t2, int u2) { return t1 >= t2 && u1 >= u2; });
}

AbacusExercise anyExchanges()
{
    return threeDigits([](int, int, int, int) { return false; });
}

} // namespace AbacusDraws

int digit(int number, int place)
{
    for (int i = 0; i < place; ++i)
        number /= 10;
    return number % 10;
}

void AbacusModel::next()
{
    start(rule_.draw());
}

void AbacusModel::start(const AbacusExercise &exercise)
{
    animation_.reset();
    count_ = {};
    used_ = {};
    exercise_ = exercise;
}

QString AbacusModel::text() const
{
    return B(exercise_.primo) + QStringLiteral(" - ") + B(exercise_.secondo) + QStringLiteral(" = ");
}

bool AbacusModel::add(int wire)
{
    if (wire < 0 || wire >= wires() || exchanging() || count_[wire] >= limit(wire))
        return false;
    ++count_[wire];
    return true;
}

bool AbacusModel::remove(int wire)
{
    if (wire < 0 || wire >= wires() || exchanging() || count_[wire] <= 0)
        return false;
    --count_[wire];
    return true;
}

bool AbacusModel::clear()
{
    if (exchanging())
        return false;
    count_ = {};
    used_ = {};
    return true;
}

bool AbacusModel::exchangeAvailable(int lower) const
{
    return rule_.exchanges && lower >= Units && lower + 1 < wires() && !used_[lower]
           && !exchanging();
}

AbacusModel::Exchange AbacusModel::startExchange(int lower)
{
    if (!exchangeAvailable(lower))
        return Exchange::Unavailable;
    const int higher = lower + 1;
    if (count_[lower] >= 10 || count_[higher] == 0)
        return Exchange::Refused;
    --count_[higher];
    animation_ = Animation{lower, count_[higher], count_[lower], 0};
    return Exchange::Started;
}

void AbacusModel::exchangeStep()
{
    if (animation_ && animation_->done < ExchangeSteps)
        ++animation_->done;
}

void AbacusModel::finishExchange()
{
    if (!animation_)
        return;
    const int lower = animation_->lower;
    animation_.reset();
    count_[lower] += 10;
    used_[lower] = true;
}

bool AbacusModel::beadShown(int wire, int index) const
{
    if (animation_) {
        const Animation &a = *animation_;
        const int blinks = a.done;
        // The bead given up starts shown and blinks 9 times, then goes.
        if (wire == a.lower + 1 && index == a.given)
            return blinks <= 9 && blinks % 2 == 0;
        // The ten received start hidden and blink 9 times, then stay.
        if (wire == a.lower && index >= a.first && index < a.first + 10)
            return blinks > 9 && (blinks - 9) % 2 == 1;
    }
    return index >= 0 && index < count_[wire];
}

QString AbacusModel::description() const
{
    QStringList parts;
    if (wires() == 3)
        parts << counted(count_[Hundreds], "centinaio", "centinaia");
    parts << counted(count_[Tens], "decina", "decine");
    parts << counted(count_[Units], "unità", "unità");
    return parts.join(QStringLiteral(", "));
}

std::optional<bool> AbacusModel::check(const QString &typed) const
{
    if (typed.isEmpty())
        return std::nullopt;
    return readLeadingNumber(typed) == static_cast<double>(exercise_.risposta);
}
