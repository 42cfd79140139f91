// The number writers: for any whole number, the text holds exactly its
// figures (blanks aside; G writes 0 as blanks only), B puts one blank where the sign of a positive
// number goes, and reading the text back gives the number.

#include "fuzz.h"
#include "frame/numbers.h"

#include <cstring>

namespace {
void property(long long x)
{
    const QString figures = QString::number(x);
    const QString shown = QStringLiteral("%1").arg(x);
    const struct {
        const char *name;
        QString text;
    } written[] = {{"B", B(x)}, {"G", G(x)}, {"G9", G9(x)}, {"F", F(x)}};
    for (const auto &w : written) {
        // "### ###" has no place that always shows a digit: G(0) is blanks only.
        const bool blankZero = x == 0 && !std::strcmp(w.name, "G");
        require(QString(w.text).remove(QLatin1Char(' ')) == (blankZero ? QString() : figures), w.name, shown);
        const bool exact = x > -(1LL << 53) && x < (1LL << 53);
        if (exact)
            require(readLeadingNumber(w.text) == double(x), w.name, shown);
        if (x >= 0 && x < 100000000000000000LL)
            require(readDigits(w.text) == x, w.name, shown);
    }
    if (x >= 0)
        require(B(x) == QLatin1Char(' ') + figures, "B of a positive number", shown);
    else
        require(B(x) == figures, "B of a negative number", shown);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Eight bytes make one number; short inputs make small numbers.
    long long x = 0;
    std::memcpy(&x, data, std::min<std::size_t>(size, sizeof x));
    property(x);
    property(x % 100000);
    return 0;
}
