#include "frame/feedback.h"
#include "frame/focus_frame.h"
#include "frame/look.h"
#include "frame/services.h"
#include "frame/twips.h"
#include "frame/voice.h"
#include "shell/command_line.h"
#include "shell/shell.h"
#include "shell/zoom.h"
#include "platform/platform.h"
#ifdef Q_OS_WIN
#include "platform/win32/desktop.h"
#endif

#include <QApplication>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

// `shown`: said even where no console is there to say it in, in a box.
void say(std::FILE *to, const QString &text, bool shown = true)
{
#ifdef Q_OS_WIN
    platformSay(to, text, shown);   // a program without a console of its own
#else
    Q_UNUSED(shown);
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), to);
#endif
}

// While the application is made, Qt's messages are held back: when no
// platform loads, Qt's fatal error becomes our one line and exit 1; when one
// does, they are said after all (a Wayland display that refused us, say).
QStringList heldBack;

void holdBack(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        say(stderr, noWindowSystemText());
        std::_Exit(1);
    }
    heldBack << qFormatLogMessage(type, context, message);
}

// Runs `then` once, just after a window that `which` picks has been painted.
class AfterPaint final : public QObject {
public:
    AfterPaint(std::function<bool(const QWidget *)> which, std::function<void()> then)
        : which_(std::move(which)), then_(std::move(then))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow() && which_(static_cast<QWidget *>(watched))) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, then_);
        }
        return false;
    }

private:
    std::function<bool(const QWidget *)> which_;
    std::function<void()> then_;
};

} // namespace

int main(int argc, char **argv)
{
    // The command line is answered before any window system is reached.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        say(stderr, line.error + QStringLiteral("\nUsa «tolvena --help» per l'elenco delle opzioni.\n"));
        return 2;
    }
    if (line.help) {
        say(stdout, helpText());
        return 0;
    }
    if (line.version) {
        say(stdout, versionText());
        return 0;
    }

    const ZoomRequest zoomRequest = readZoomRequest(line.zoom);
    if (!zoomRequest.error.isEmpty())
        say(stderr, zoomRequest.error + QLatin1Char('\n'));

#ifndef Q_OS_WIN
    // The window system, before Qt looks for one (Windows has only its own).
    const WindowSystem windows = chooseWindowSystem(
        line.platform, qEnvironmentVariable("QT_QPA_PLATFORM"),
        qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("XDG_RUNTIME_DIR"),
        qEnvironmentVariable("DISPLAY"));
    if (windows.none) {
        say(stderr, noWindowSystemText());
        return 1;
    }
    if (!windows.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", windows.platform.toUtf8());
#endif

    std::jthread prepared = platformPrepare();
    const QtMessageHandler earlier = qInstallMessageHandler(holdBack);
    QApplication app(argc, argv);
    qInstallMessageHandler(earlier);
    for (const QString &message : std::as_const(heldBack))
        say(stderr, message + QLatin1Char('\n'), false);   // Qt's, not ours: never a box
    QApplication::setApplicationName(QStringLiteral("tolvena"));
    QApplication::setApplicationVersion(ProgramVersion);
    QGuiApplication::setDesktopFileName(ProgramId);
    installQtItalian();

    // One zoom for the whole run, before the first window.
    QString zoomWarning;
    setZoom(startZoom(zoomRequest.zoom, services().display->availableSize(), &zoomWarning));
    if (!zoomWarning.isEmpty())
        say(stderr, zoomWarning + QLatin1Char('\n'));

#ifdef Q_OS_WIN
    loadMissingFaces(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
#endif
    installFonts();
    installFocusFrame();
    // Our drawings are few and small; the style's caches need little room.
    QPixmapCache::setCacheLimit(static_cast<int>(2048 * zoom() * zoom()));
    // Say once what is wrong with the sounds; the program goes on without them.
    for (const QString &problem : soundProblems(soundFolder()))
        say(stderr, QStringLiteral("tolvena: %1\n").arg(problem));
    registerAllScreens();
    if (prepared.joinable())
        prepared.join();
    if (!Main())
        return 0;
    // What the splash screen does not need is made ready once the child has
    // left it; reading aloud asked for on the command line starts as it shows.
    AfterPaint started([](const QWidget *w) { return w->objectName() != QLatin1String("FormAvvio"); },
                       platformStarted);
    AfterPaint voice([](const QWidget *) { return true; }, [voice = line.voice] {
        if (voice)
            setReadingAloud(true);
    });
    const int rc = app.exec();
    // Sound effects and speech go before the application object does.
    services().sound.reset();
    stopReading();
    services().speech.reset();
    return rc;
}
