// What the frame promises on every exercise screen.

#include "fakes.h"
#include "frame/exercise_screen.h"
#include "frame/navigation.h"
#include "frame/scoreboard.h"
#include "frame/state.h"
#include "shell/shell.h"

#include <QPointer>
#include <QTest>

namespace {
void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The two counters as shown, "esatti/errati".
QString shown(const ExerciseScreen *s)
{
    return frameWidget<QLabel>(s, "EtichettaEsatti")->text() + '/' + frameWidget<QLabel>(s, "EtichettaErrati")->text();
}
} // namespace

class FrameContractTest : public QObject {
    Q_OBJECT
    Fakes f{};

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { f = installFakes(); }
    void cleanup()
    {
        f.messages->onShow = nullptr;
        closeAllScreens();
    }

    void everyScreenKeepsThePromises_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : registeredScreens())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyScreenKeepsThePromises()
    {
        QFETCH(QString, name);
        // It opens with both counts at 0, whatever the last screen left.
        shared().NumeroEsatti = 7;
        shared().NumeroErrati = 3;
        f.display->available = QSize(800, 600);
        QPointer<ExerciseScreen> s = qobject_cast<ExerciseScreen *>(openScreen(name));
        if (!s)
            QSKIP("not an exercise screen");
        QCOMPARE(s->esatti(), 0);
        QCOMPARE(s->errati(), 0);
        QCOMPARE(shown(s), QStringLiteral("0/0"));
        // On an 800 x 600 display the window fits, frame and menu bar included.
        QVERIFY(s->frameGeometry().width() <= 800 && s->frameGeometry().height() <= 600);

        // "Esci" asks first, and "No" changes nothing.
        auto *board = s->findChild<Scoreboard *>();
        board->right();
        board->wrong();
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        settle();
        QCOMPARE(f.messages->shown.size(), 1);
        QCOMPARE(f.messages->shown[0].buttons, MessageBoxes::Buttons::YesNo);
        QVERIFY(s && s->isVisible());
        QCOMPARE(shown(s), QStringLiteral(" 1/ 1"));

        // The counters stop at 32767.
        if (s->design().ownCounters) {
            while (s->esatti() < 32767) {
                board->right();
                board->wrong();
            }
        } else {
            shared().NumeroEsatti = 32767;
            shared().NumeroErrati = 32767;
        }
        board->right();
        board->wrong();
        QCOMPARE(shown(s), QStringLiteral(" 32767/ 32767"));
        delete s;

        // Closing the window is safe at any moment: as it opens, or while a
        // box of its own is up, whatever the box answers then.
        f.messages->fallback = MessageBoxes::Answer::Yes;
        for (const char *item : {"", "MenuInformazioni", "MenuEsci"}) {
            QPointer<ExerciseScreen> t = qobject_cast<ExerciseScreen *>(openScreen(name));
            f.messages->onShow = [&t] {
                t->close();
                settle();
            };
            if (*item)
                frameWidget<QAction>(t, item)->trigger();
            if (t)
                t->close();
            settle();
            QVERIFY(!t);
            f.messages->onShow = nullptr;
            f.timer->runAll();
            QCOMPARE(visibleScreens(), 0);
        }
    }
};

QTEST_MAIN(FrameContractTest)
#include "test_frame_contract.moc"
