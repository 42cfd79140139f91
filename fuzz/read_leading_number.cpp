// readLeadingNumber: never NaN; finite for any text a field can hold; its sign
// is the sign typed; and it is the number the C library reads from the text's
// beginning (blanks taken out).

#include "fuzz.h"
#include "frame/numbers.h"

#include <cmath>
#include <string>

namespace {
void property(const QString &text)
{
    const double value = readLeadingNumber(text);
    require(!std::isnan(value), "NaN", text);
    QString packed = text;
    packed.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    // The leading number as plain ASCII: a sign, digits with at most one point.
    std::string number;
    qsizetype i = 0;
    if (i < packed.size() && (packed.at(i) == QLatin1Char('+') || packed.at(i) == QLatin1Char('-')))
        number += char(packed.at(i++).unicode());
    bool point = false, digits = false;
    for (; i < packed.size(); ++i) {
        const char16_t c = packed.at(i).unicode();
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c != u'.' || point)
            break;
        point = point || c == u'.';
        number += char(c);
    }
    if (number.size() < 300)
        require(std::isfinite(value), "not finite", text);
    if (packed.startsWith(QLatin1Char('-')))
        require(value <= 0, "minus read as positive", text);
    else
        require(value >= 0, "negative without a minus", text);
    if (!digits) {
        require(value == 0, "no number but not 0", text);
    } else if (number.size() <= 30) {
        const double expected = std::strtod(number.c_str(), nullptr);
        require(std::fabs(value - expected) <= 1e-9 * std::max(1.0, std::fabs(expected)),
                "not the number typed", text);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    property(asUtf8(data, size));
    property(asUtf16(data, size));
    return 0;
}
