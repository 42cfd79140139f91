// Runs one real exchange on an abacus screen, with the program's own timer,
// and prints its wall time and the processor time the process used during it.
// Usage: tolvena-abacus-bench [SCREEN]   (default Form99d3)

#include "abacus/abacus_screen.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "shell/shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Ends the loop when the beads' buttons come back at the end of the exchange.
class EndWatcher final : public QObject {
public:
    EndWatcher(QWidget *button, QEventLoop *loop) : button_(button), loop_(loop)
    {
        button->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == button_ && event->type() == QEvent::EnabledChange && button_->isEnabled())
            loop_->quit();
        return false;
    }

private:
    QWidget *button_;
    QEventLoop *loop_;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installFonts();
    registerAllScreens();
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Form99d3");
    auto *screen = qobject_cast<AbacusScreen *>(openScreen(name));
    if (!screen || !screen->BottoneCambio) {
        std::fprintf(stderr, "%s has no exchange\n", qPrintable(name));
        return 2;
    }
    QTest::qWaitForWindowExposed(screen);
    for (int i = 0; i < 3; ++i)
        screen->plusButton(AbacusModel::Tens)->click();
    for (int i = 0; i < 9; ++i)
        screen->plusButton(AbacusModel::Units)->click();
    app.processEvents();

    QEventLoop loop;
    EndWatcher watcher(screen->plusButton(AbacusModel::Units), &loop);
    QElapsedTimer wall;
    const double cpu0 = cpuSeconds();
    wall.start();
    screen->BottoneCambio->click();
    loop.exec();
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpu0;
    std::printf("exchange on %s: wall %.3f s (target 5.4 s, %+.2f %%), cpu %.3f s = %.2f %% of one core\n",
                qPrintable(name), seconds, (seconds / 5.4 - 1) * 100, cpu, cpu / seconds * 100);
    std::printf("counts after: %s\n", qPrintable(screen->abacus()->accessibleDescription()));
    delete screen;
    return 0;
}
