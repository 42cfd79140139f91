// Opens every registered screen (or those named on the command line) and saves
// a picture of each into the folder given first, for looking at the layouts.
// Usage: tolvena-screenshots [--zoom N] OUTDIR [SCREEN...]

#include "frame/focus_frame.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "frame/twips.h"
#include "shell/shell.h"
#include "shell/zoom.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == QStringLiteral("--zoom")) {
        const auto z = zoomFromPercent(args.at(1));
        if (!z)
            return 2;
        setZoom(*z);
        args = args.mid(2);
    }
    installFonts();
    installFocusFrame();
    registerAllScreens();
    if (args.isEmpty())
        return 2;
    QDir out(args.first());
    out.mkpath(QStringLiteral("."));
    const QStringList names = args.mid(1);
    int saved = 0;
    for (const QString &name : names) {
        QWidget *w = openScreen(name);
        if (!w)
            continue;
        QApplication::setActiveWindow(w);   // the first focus shows as it does on a desktop
        for (int i = 0; i < 20; ++i)
            app.processEvents();
        w->grab().save(out.filePath(name + QStringLiteral(".png")));
        ++saved;
        delete w;
    }
    services().sound.reset();
    return saved == names.size() ? 0 : 1;
}
