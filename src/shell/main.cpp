#include "frame/look.h"
#include "frame/services.h"
#include "frame/twips.h"
#include "shell/shell.h"
#include "shell/zoom.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmapCache>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption zoomOption(
        QStringLiteral("zoom"),
        QStringLiteral("Ingrandimento delle finestre in percentuale: 100, 125, 150, 175, 200, 250, 300."),
        QStringLiteral("percentuale"));
    parser.addOption(zoomOption);
    parser.process(app);

    QString error;
    std::optional<QString> requested;
    if (parser.isSet(zoomOption))
        requested = parser.value(zoomOption);
    setZoom(startZoom(requested, &error));
    if (!error.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(error));

    installFonts();
    // Our drawings are few and small; the style's caches need little room.
    QPixmapCache::setCacheLimit(static_cast<int>(2048 * zoom() * zoom()));
    registerAllScreens();
    if (!Main())
        return 0;
    const int rc = app.exec();
    // Sound effects go before the application object does.
    services().sound.reset();
    return rc;
}
