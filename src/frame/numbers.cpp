#include "frame/numbers.h"

#include <limits>

namespace {

// Lays out the digits of x, right-aligned, on a digit pattern: '#' holds a
// digit if there is one and vanishes otherwise, '0' always holds a digit, and
// a blank is always written. Digits beyond the pattern's places are kept.
QString pattern(long long x, QStringView pat)
{
    // The magnitude as unsigned: the most negative number has no positive twin.
    const unsigned long long magnitude =
        x < 0 ? 0ULL - static_cast<unsigned long long>(x) : static_cast<unsigned long long>(x);
    const QString digits = QString::number(magnitude);
    QString out;
    int d = digits.size() - 1;
    for (int i = pat.size() - 1; i >= 0; --i) {
        const QChar p = pat.at(i);
        if (p == QLatin1Char(' '))
            out.prepend(QLatin1Char(' '));
        else if (d >= 0 && (p == QLatin1Char('0') || digits != QLatin1String("0")))
            out.prepend(digits.at(d--));
        else if (p == QLatin1Char('0'))
            out.prepend(QLatin1Char('0'));
    }
    if (digits != QLatin1String("0"))
        while (d >= 0)
            out.prepend(digits.at(d--));
    if (x < 0)
        out.prepend(QLatin1Char('-'));
    return out;
}

} // namespace

QString B(long long x)
{
    return x < 0 ? QString::number(x) : QLatin1Char(' ') + QString::number(x);
}

QString G(long long x) { return pattern(x, u"### ###"); }

QString G9(long long x) { return pattern(x, u"### ### ##0"); }

QString F(long long x) { return G9(x); }

long long readDigits(const QString &text)
{
    constexpr long long cap = std::numeric_limits<long long>::max() / 10 - 9;
    long long value = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            continue;
        if (value < cap)
            value = value * 10 + (u - u'0');
    }
    return value;
}

double readLeadingNumber(const QString &text)
{
    QString s;
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            s.append(c);
    int i = 0;
    bool negative = false;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-'))) {
        negative = s.at(i) == QLatin1Char('-');
        ++i;
    }
    double value = 0;
    bool point = false;
    double scale = 1;
    for (; i < s.size(); ++i) {
        const char16_t u = s.at(i).unicode();
        if (u >= u'0' && u <= u'9') {
            if (point) {
                scale /= 10;
                value += (u - u'0') * scale;
            } else {
                value = value * 10 + (u - u'0');
            }
        } else if (u == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}
