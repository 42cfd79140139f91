// readDigits: any text reads a value from 0 up, never more than the cap; with
// up to 18 digits it is exactly those digits read in order; one more digit
// typed never makes the value smaller.

#include "fuzz.h"
#include "frame/numbers.h"

#include <string>

namespace {
void property(const QString &text)
{
    const long long value = readDigits(text);
    require(value >= 0, "negative value", text);
    std::string digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += char(c.unicode());
    const std::size_t first = digits.find_first_not_of('0');
    const std::size_t significant = first == std::string::npos ? 0 : digits.size() - first;
    if (significant <= 18)
        require(value == (digits.empty() ? 0 : std::stoll(digits)), "not the digits typed", text);
    require(readDigits(text + QLatin1Char('7')) >= value, "one more digit reads less", text);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    property(asUtf8(data, size));
    property(asUtf16(data, size));
    return 0;
}
