#include "frame/look.h"
#include "frame/services.h"
#include "shell/shell.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installFonts();
    registerAllScreens();
    if (!Main())
        return 0;
    const int rc = app.exec();
    // Sound effects go before the application object does.
    services().sound.reset();
    return rc;
}
