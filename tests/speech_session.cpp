// The program as a child meets it, but with a fixed sequence of draws, so that
// a screen-reader session can type the right answer: opens the screen named
// on the command line with the real services and runs until it is closed.
// Usage: tolvena-speech-session SCREEN [SEED]

#include "fakes.h"
#include "frame/focus_frame.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "shell/shell.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return 2;
    auto random = std::make_unique<FakeRandom>();
    random->seed(args.size() > 1 ? args.at(1).toULongLong() : 1);
    Services s;
    s.random = std::move(random);
    installServices(std::move(s));
    installFonts();
    installFocusFrame();
    registerAllScreens();
    if (!openScreen(args.first()))
        return 2;
    const int rc = app.exec();
    services().sound.reset();
    return rc;
}
