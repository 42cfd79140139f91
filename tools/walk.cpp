// Walks splash -> menu -> each catalogue -> every screen it opens -> back, many times
// over, and prints the resident memory after each round, to show that screens
// are destroyed when they are left. Usage: tolvena-walk [ROUNDS]

#include "frame/exercise_screen.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "shell/catalogue.h"
#include "shell/shell.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <malloc.h>

namespace {
// Every question is answered Yes, as a child leaving each screen would.
class AnswerYes final : public MessageBoxes {
public:
    Answer show(QWidget *, const QString &, const QString &, Icon, Buttons b) override
    {
        return b == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
};

long residentKiB()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QWidget *current(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == name)
            return w;
    return nullptr;
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    installFonts();
    registerAllScreens();
    Services s;
    s.messages = std::make_unique<AnswerYes>();
    installServices(std::move(s));
    QPixmapCache::setCacheLimit(argc > 2 ? atoi(argv[2]) : 2048);   // as the program does
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    long atRound10 = -1, highest = -1;
    for (int round = 1; round <= rounds; ++round) {
        openScreen(QStringLiteral("FormAvvio"));
        settle();
        current(QStringLiteral("FormAvvio"))->findChild<QToolButton *>(QStringLiteral("BottoneAvvio"))->click();
        settle();
        // Every screen of both catalogues, and back: the main menu's Command2
        // opens the numbers catalogue, Command1 the graphic one.
        int visited = 0;
        const struct {
            const CatalogueDesign *design;
            const char *menuButton;
        } catalogues[] = {{&numbersCatalogue(), "Command2"}, {&graphicCatalogue(), "Command1"}};
        for (const auto &c : catalogues) {
            current(QStringLiteral("FormMenu"))->findChild<QPushButton *>(QLatin1String(c.menuButton))->click();
            settle();
            for (const CatalogueEntry &e : c.design->entries) {
                if (e.heading || e.target == QLatin1String("FormMenu") || !screenExists(e.target))
                    continue;
                current(c.design->name)->findChild<QPushButton *>(e.name)->click();
                settle();
                auto *screen = qobject_cast<ExerciseScreen *>(current(e.target));
                if (!screen)
                    continue;
                ++visited;
                if (auto *field = screen->findChild<QLineEdit *>(QStringLiteral("Text1"))) {
                    QTest::keyClicks(field, QStringLiteral("12"));
                    QTest::keyClick(field, Qt::Key_Return);
                }
                screen->findChild<QAction *>(screen->design().exitName)->trigger();
                settle();
            }
            // "torna al menu"
            for (const CatalogueEntry &e : c.design->entries)
                if (!e.heading && e.target == QLatin1String("FormMenu"))
                    current(c.design->name)->findChild<QPushButton *>(e.name)->click();
            settle();
        }
        current(QStringLiteral("FormMenu"))->close();
        settle();
        const long rss = residentKiB();
        if (round == 10)
            atRound10 = rss;
        if (round > 10)
            highest = std::max(highest, rss);
        std::printf("round %d screens %d rss_kib %ld heap_kib %zu windows %lld\n", round, visited, residentKiB(), mallinfo2().uordblks / 1024,
                    static_cast<long long>(QApplication::topLevelWidgets().size()));
    }
    if (atRound10 >= 0 && highest >= 0)
        std::printf("after round 10: rss %ld KiB, highest later %ld KiB, growth %ld KiB: %s\n", atRound10,
                    highest, highest - atRound10, highest - atRound10 <= 1024 ? "flat (within 1 MiB)" : "GROWS");
    // What is left besides Qt's pixmap cache (which Qt trims on its own timer).
    QPixmapCache::clear();
    QCoreApplication::processEvents();
    std::printf("after clearing the pixmap cache: rss_kib %ld heap_kib %zu\n", residentKiB(),
                mallinfo2().uordblks / 1024);
    if (argc > 3)
        std::_Exit(0);   // keep everything alive, for a heap profiler's leak list
    services().sound.reset();
    return 0;
}
