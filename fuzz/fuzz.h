#pragma once
// What every fuzz target shares: the entry point libFuzzer calls, and a
// check that stops the run with a message.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

inline void require(bool ok, const char *what, const QString &input)
{
    if (ok)
        return;
    std::fprintf(stderr, "property broken: %s\ninput: '%s'\n", what, qPrintable(input));
    std::abort();
}

// The bytes as typed text two ways: as UTF-8, and as raw UTF-16 code units
// (so that lone surrogates and any code point come in too).
inline QString asUtf8(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}
inline QString asUtf16(const std::uint8_t *data, std::size_t size)
{
    return QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2));
}
