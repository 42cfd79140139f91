#include "frame/look.h"
#include "frame/services.h"
#include "shell/shell.h"

#include <QApplication>
#include <QPixmapCache>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installFonts();
    // Our drawings are few and small; the style's caches need little room.
    QPixmapCache::setCacheLimit(2048);
    registerAllScreens();
    if (!Main())
        return 0;
    const int rc = app.exec();
    // Sound effects go before the application object does.
    services().sound.reset();
    return rc;
}
