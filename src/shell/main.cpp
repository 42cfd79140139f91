#include "frame/feedback.h"
#include "frame/focus_frame.h"
#include "frame/look.h"
#include "frame/services.h"
#include "frame/twips.h"
#include "shell/command_line.h"
#include "shell/shell.h"
#include "shell/zoom.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdio>

namespace {

void say(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), to);
}

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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tolvena"));
    QApplication::setApplicationVersion(ProgramVersion);
    QGuiApplication::setDesktopFileName(ProgramId);

    // One zoom for the whole run, before the first window.
    QString zoomError;
    setZoom(startZoom(line.zoom, &zoomError));
    if (!zoomError.isEmpty())
        say(stderr, zoomError + QLatin1Char('\n'));

    installFonts();
    installFocusFrame();
    // Our drawings are few and small; the style's caches need little room.
    QPixmapCache::setCacheLimit(static_cast<int>(2048 * zoom() * zoom()));
    // Say once what is wrong with the sounds; the program goes on without them.
    for (const QString &problem : soundProblems(soundFolder()))
        say(stderr, QStringLiteral("tolvena: %1\n").arg(problem));
    registerAllScreens();
    if (!Main())
        return 0;
    const int rc = app.exec();
    // Sound effects go before the application object does.
    services().sound.reset();
    return rc;
}
