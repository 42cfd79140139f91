// Times the cheers on Form20 as a child hears them: for a number of right
// answers, from the Enter of the answer to the moment the cheer is heard on
// the default input, which is to be the output's monitor (see below). The
// sound module is loaded as the program loads it when the child leaves the
// splash screen. Usage: tolvena-sound-bench [ANSWERS]   (default 10)

#include "drills/typed_drill_screen.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "frame/state.h"
#include "platform/platform.h"
#include "shell/shell.h"
#include "wait.h"

#include <QApplication>
#include <QAudioSource>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int answers = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    installFonts();
    registerAllScreens();
    shared().SuoniAttivi = -1;

    // What the output plays, heard on the default input: Qt lists no
    // monitor, so the monitor is made a source of its own, for example
    //   pactl load-module module-remap-source master=SINK.monitor source_name=ascolto
    //   pactl set-default-source ascolto
    const QAudioDevice monitor = QMediaDevices::defaultAudioInput();
    if (monitor.isNull()) {
        std::fprintf(stderr, "no sound input: is a PulseAudio server running?\n");
        return 2;
    }
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QAudioSource source(monitor, format);
    source.setBufferSize(44100 * 2 / 100);   // 10 ms
    QElapsedTimer clock;
    clock.start();
    qint64 heardAt = -1;   // when sound was last heard to begin, ms on `clock`
    qint64 quietSince = 0;
    QIODevice *in = source.start();
    QObject::connect(in, &QIODevice::readyRead, [&] {
        const QByteArray data = in->readAll();
        const auto *s = reinterpret_cast<const qint16 *>(data.constData());
        const qsizetype n = data.size() / 2;
        const qint64 now = clock.elapsed();
        for (qsizetype i = 0; i < n; ++i) {
            if (std::abs(s[i]) < 300)
                continue;
            const qint64 at = now - (n - i) * 1000 / 44100;
            if (heardAt < 0 && at - quietSince > 200)
                heardAt = at;
            quietSince = now;
            return;
        }
    });

    platformStarted();
    waitFor([] { return false; }, 1500);   // the child reads the menus meanwhile

    auto *screen = qobject_cast<TypedDrillScreen *>(openScreen(QStringLiteral("Form20")));
    waitFor([] { return false; }, 500);
    static const QRegularExpression line(QStringLiteral("(\\d+) - (\\d+) ="));
    std::vector<qint64> delays;
    for (int i = 0; i < answers; ++i) {
        const auto m = line.match(screen->EtichettaNumero->text());
        QTest::keyClicks(screen->Text1, QString::number(m.captured(1).toInt() - m.captured(2).toInt()));
        heardAt = -1;
        const qint64 enter = clock.elapsed();
        QTest::keyClick(screen->Text1, Qt::Key_Return);
        if (!waitFor([&] { return heardAt >= 0; }, 5000)) {
            std::fprintf(stderr, "answer %d: no cheer was heard\n", i + 1);
            return 3;
        }
        delays.push_back(heardAt - enter);
        std::printf("answer %d: cheer heard %lld ms after Enter\n", i + 1, heardAt - enter);
        waitFor([] { return false; }, 1200);   // the cheer ends
        QTest::mouseClick(screen->findChild<QToolButton *>(QStringLiteral("BottoneAvanti")), Qt::LeftButton);
    }
    std::vector<qint64> sorted = delays;
    std::sort(sorted.begin(), sorted.end());
    std::printf("first %lld ms, tenth %lld ms, median of %d %lld ms\n", delays.front(),
                delays[std::min<std::size_t>(9, delays.size() - 1)], answers, sorted[sorted.size() / 2]);
    delete screen;
    services().sound.reset();
    return 0;
}
