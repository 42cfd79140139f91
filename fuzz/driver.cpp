// Runs a fuzz target without libFuzzer: over every file of the folders and
// files named on the command line, then over inputs drawn from a fixed seed
// (-runs=N, 20 000 when not given). Options of libFuzzer's are otherwise
// ignored, so the same test line serves both builds.

#include "fuzz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>
#include <vector>

int main(int argc, char **argv)
{
    long runs = 20000;
    long files = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("-runs=")))
            runs = arg.mid(6).toLong();
        if (arg.startsWith(QLatin1Char('-')))
            continue;
        QStringList paths;
        if (QFileInfo(arg).isDir())
            for (const QString &f : QDir(arg).entryList(QDir::Files, QDir::Name))
                paths << arg + QLatin1Char('/') + f;
        else
            paths << arg;
        for (const QString &p : paths) {
            QFile f(p);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = f.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                   std::size_t(bytes.size()));
            ++files;
        }
    }
    // Generated inputs lean on the bytes that matter: digits, blanks, signs,
    // full stops, and now and then anything.
    std::mt19937_64 engine(20261209);
    static const char common[] = "0123456789 \t+-.,9";
    std::vector<std::uint8_t> input;
    for (long r = 0; r < runs; ++r) {
        input.resize(engine() % 64);
        for (auto &b : input)
            b = engine() % 4 ? std::uint8_t(common[engine() % (sizeof common - 1)])
                             : std::uint8_t(engine());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%ld corpus files and %ld generated inputs passed\n", files, runs);
    return 0;
}
