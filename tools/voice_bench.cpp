// Reads aloud with the real speech engine on Form20 and prints, for a number
// of right answers, the time from the Enter of the answer to the moment the
// engine starts speaking, and the resident memory before and after.
// Usage: tolvena-voice-bench [ANSWERS] [--suoni]   (default 10, sounds off)

#include "drills/typed_drill_screen.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "platform/linux/modules.h"
#include "frame/state.h"
#include "frame/voice.h"
#include "shell/shell.h"
#include "wait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}


} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int answers = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const bool sounds = argc > 2 && QByteArray(argv[2]) == "--suoni";
    installFonts();
    registerAllScreens();
    shared().SuoniAttivi = sounds ? -1 : 0;

    QElapsedTimer clock;
    qint64 startedAt = -1;
    bool speaking = false;
    int ended = 0;   // sentences the engine has finished
    Services s;
    s.speech = qtSpeech(QStringLiteral("speechd"), [&](bool on) {
        speaking = on;
        if (!on)
            ++ended;
        if (on && startedAt < 0)
            startedAt = clock.elapsed();
    });
    installServices(std::move(s));

    auto *screen = qobject_cast<TypedDrillScreen *>(openScreen(QStringLiteral("Form20")));
    waitFor([] { return false; }, 300);
    const long before = residentKiB();
    QElapsedTimer startup;
    startup.start();
    setReadingAloud(true);
    if (!waitFor([] { return services().speech->status() == Speech::Status::Ready; }, 30000)) {
        std::fprintf(stderr, "the engine is not ready: %s\n", qPrintable(readAloudUnavailable()));
        return 2;
    }
    std::printf("engine ready after %lld ms (the window went on meanwhile)\n", startup.elapsed());

    static const QRegularExpression line(QStringLiteral("(\\d+) - (\\d+) ="));
    std::vector<qint64> delays;
    for (int i = 0; i < answers; ++i) {
        const auto m = line.match(screen->EtichettaNumero->text());
        const int result = m.captured(1).toInt() - m.captured(2).toInt();
        QTest::keyClicks(screen->Text1, QString::number(result));
        startedAt = -1;
        clock.start();
        QTest::keyClick(screen->Text1, Qt::Key_Return);
        if (!waitFor([&] { return startedAt >= 0; }, 10000)) {
            std::fprintf(stderr, "answer %d: the engine never started speaking\n", i + 1);
            return 3;
        }
        delays.push_back(startedAt);
        waitFor([&] { return !speaking; }, 10000);
        // The next exercise is said too: wait until it has been.
        const int said = ended;
        QTest::mouseClick(screen->findChild<QToolButton *>(QStringLiteral("BottoneAvanti")), Qt::LeftButton);
        waitFor([&] { return ended > said; }, 10000);
    }
    waitFor([&] { return !speaking; }, 10000);
    const long after = residentKiB();
    std::sort(delays.begin(), delays.end());
    std::printf("Enter to speech (sounds %s), %d answers: min %lld ms, median %lld ms, max %lld ms\n",
                sounds ? "on" : "off", answers, delays.front(), delays[delays.size() / 2],
                delays.back());
    std::printf("resident memory: %ld KiB before the engine, %ld KiB after\n", before, after);
    stopReading();
    services().speech.reset();
    services().sound.reset();
    return 0;
}
