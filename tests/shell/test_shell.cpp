#include "drills/typed_drill.h"
#include "fakes.h"
#include "frame/exercise_screen.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "shell/catalogue.h"
#include "shell/shell.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
template <class T> T *child(QWidget *screen, const QString &name)
{
    return screen ? screen->findChild<T *>(name) : nullptr;
}

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QPushButton *catalogueButton(QWidget *catalogue, const QString &caption)
{
    for (QPushButton *b : catalogue->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    Fakes f{};

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { f = installFakes(); }
    void cleanup() { closeAllScreens(); }

    void secondCopyOnlyShowsTheError()
    {
        f.instance->free = false;
        QVERIFY(!Main());
        QCOMPARE(f.messages->shown.size(), 1);
        QCOMPARE(f.messages->shown[0].text,
                 QString::fromUtf8("E' già stata avviata una copia di questo programma!"));
        QCOMPARE(f.messages->shown[0].title, QStringLiteral("Error"));
        QCOMPARE(f.messages->shown[0].icon, MessageBoxes::Icon::Error);
        QCOMPARE(f.messages->shown[0].buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(visibleScreens(), 0);
        QCOMPARE(f.random->reseeds, 0);
    }

    void startUp()
    {
        shared().SuoniAttivi = 0;
        QVERIFY(Main());
        QCOMPARE(f.random->reseeds, 1);
        QCOMPARE(shared().SuoniAttivi, std::int16_t(-1));
        QVERIFY(screenNamed("FormAvvio"));
        QCOMPARE(visibleScreens(), 1);
        QVERIFY(f.messages->shown.isEmpty());   // a 1024-pixel display asks nothing
        auto *avvio = child<QToolButton>(screenNamed("FormAvvio"), "BottoneAvvio");
        QCOMPARE(avvio->text(), QStringLiteral("Avvio"));
        QTest::mouseClick(avvio, Qt::LeftButton);
        settle();
        QVERIFY(screenNamed("FormMenu"));
        QCOMPARE(visibleScreens(), 1);
    }

    void narrowDisplayQuestion_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("asked");
        QTest::newRow("799 asks") << 799 << true;
        QTest::newRow("800 is enough") << 800 << false;
        QTest::newRow("640 asks") << 640 << true;
    }
    void narrowDisplayQuestion()
    {
        QFETCH(int, width);
        QFETCH(bool, asked);
        f.display->width = width;
        f.random->push({0.0});
        FormAvvio avvio;
        QCOMPARE(f.messages->shown.size(), asked ? 1 : 0);
        if (asked) {
            const RecordedBox &box = f.messages->shown[0];
            QCOMPARE(box.title, QStringLiteral("software didattico - Velandri"));
            QCOMPARE(box.icon, MessageBoxes::Icon::Question);
            QCOMPARE(box.buttons, MessageBoxes::Buttons::YesNo);
            QCOMPARE(box.text, QString::fromUtf8(
                "Per una corretta visualizzazione dei programmi è necessaria almeno una "
                "risoluzione 800 x 600.\r\nModifico la risoluzione dello schermo?"));
        }
        QVERIFY(f.display->changes.isEmpty());   // "No" (or no question) changes nothing
        QCOMPARE(background(&avvio), bgr(0xC0C0FF));
    }

    void resolutionOutcomes_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("switched") << 0 << QStringLiteral("Cambio risoluzione OK. ");
        QTest::newRow("restart") << 1 << QString::fromUtf8("Per cambiare risoluzione è necessario 'Riavviare il sistema'");
        QTest::newRow("failed") << -1 << QStringLiteral("Risoluzione non supportata");
        QTest::newRow("no such mode") << -4 << QStringLiteral("Risoluzione non supportata");
        QTest::newRow("other") << 7 << QStringLiteral("Risoluzione non supportata");
    }
    void resolutionOutcomes()
    {
        QFETCH(int, result);
        QFETCH(QString, message);
        f.display->width = 640;
        f.display->result = result;
        f.messages->answers = {MessageBoxes::Answer::Yes};
        FormAvvio avvio;
        QCOMPARE(f.display->changes.size(), 1);
        QCOMPARE(f.display->changes[0], qMakePair(800, 600));
        QCOMPARE(f.messages->shown.size(), 2);
        QCOMPARE(f.messages->shown[1].text, message);
        QCOMPARE(f.messages->shown[1].title, QStringLiteral("Esercitazioni sulle Tolvena"));
        QCOMPARE(f.messages->shown[1].icon, MessageBoxes::Icon::Information);
    }

    void mainMenuResetsAndMirrorsTheSwitch()
    {
        shared().NumeroEsatti = 5;
        shared().NumeroErrati = 3;
        QWidget *menu = openScreen("FormMenu");
        QCOMPARE(shared().NumeroEsatti, std::int16_t(0));
        QCOMPARE(shared().NumeroErrati, std::int16_t(0));
        auto *check = child<QCheckBox>(menu, "Check1");
        QVERIFY(check->isChecked());
        QCOMPARE(background(check), background(menu));
        QCOMPARE(check->cursor().shape(), Qt::BitmapCursor);

        // Clear the box, visit a catalogue, come back: still cleared, and silent.
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(shared().SuoniAttivi, std::int16_t(0));
        QTest::mouseClick(child<QPushButton>(menu, "Command2"), Qt::LeftButton);
        settle();
        QWidget *numbers = screenNamed("FormMenuNumeri");
        QVERIFY(numbers);
        QTest::mouseClick(catalogueButton(numbers, "- 1   - 10"), Qt::LeftButton);
        settle();
        auto *drill = qobject_cast<ExerciseScreen *>(screenNamed("Form20"));
        QVERIFY(drill);
        auto *field = drill->findChild<QWidget *>("Text1");
        QTest::keyClicks(field, "1000");
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(shared().NumeroErrati, std::int16_t(1));
        f.messages->answers = {MessageBoxes::Answer::Yes};
        drill->MenuEsci->trigger();
        settle();
        QTest::mouseClick(catalogueButton(screenNamed("FormMenuNumeri"), "torna al menu"), Qt::LeftButton);
        settle();
        menu = screenNamed("FormMenu");
        QVERIFY(menu);
        QVERIFY(!child<QCheckBox>(menu, "Check1")->isChecked());
        QCOMPARE(shared().NumeroErrati, std::int16_t(0));
        QVERIFY(f.sound->played.isEmpty());
        QTest::mouseClick(child<QCheckBox>(menu, "Check1"), Qt::LeftButton);
        QCOMPARE(shared().SuoniAttivi, std::int16_t(-1));
    }

    void exitQuestion()
    {
        QWidget *menu = openScreen("FormMenu");
        const QColor colour = background(menu);
        f.messages->answers = {MessageBoxes::Answer::No};
        QTest::mouseClick(child<QToolButton>(menu, "BottoneEsci"), Qt::LeftButton);
        QCOMPARE(f.messages->shown.last().text, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(f.messages->shown.last().icon, MessageBoxes::Icon::Question);
        QCOMPARE(f.application->quits, 0);
        QCOMPARE(screenNamed("FormMenu"), menu);
        QCOMPARE(background(menu), colour);
        f.messages->answers = {MessageBoxes::Answer::Yes};
        QTest::mouseClick(child<QToolButton>(menu, "BottoneEsci"), Qt::LeftButton);
        QCOMPARE(f.application->quits, 1);
    }

    void cataloguesAreLaidOutFromTheirTables()
    {
        for (const CatalogueDesign *design : {&numbersCatalogue(), &graphicCatalogue()}) {
            QWidget *c = openScreen(design->name);
            int buttons = 0;
            for (const CatalogueEntry &e : design->entries) {
                if (e.heading)
                    continue;
                ++buttons;
                QPushButton *b = nullptr;
                for (QPushButton *candidate : c->findChildren<QPushButton *>(e.name))
                    if (candidate->text() == e.caption)
                        b = candidate;
                QVERIFY2(b, qPrintable(e.name));
                QCOMPARE(b->isEnabled(), screenExists(e.target));
                QVERIFY(c->rect().contains(b->geometry()));
            }
            QCOMPARE(buttons, design->name == "FormMenuNumeri" ? 32 : 21);
            QVERIFY(catalogueButton(c, "torna al menu")->isEnabled());
            c->close();
        }
        // Every typed-answer drill can be reached.
        for (const TypedDrillRow &row : typedDrillRows()) {
            bool found = false;
            for (const CatalogueEntry &e : numbersCatalogue().entries)
                found = found || e.target == row.name;
            QVERIFY2(found, qPrintable(row.name));
        }
        QWidget *numbers = openScreen("FormMenuNumeri");
        QVERIFY(catalogueButton(numbers, " - 1    - 10   - 100"));
        QVERIFY(catalogueButton(numbers, "-1  -10  -100  -1.000"));
        QVERIFY(catalogueButton(numbers, "  - 1"));
    }

    void walkingEveryDrillKeepsOneScreen()
    {
        QWidget *numbers = openScreen("FormMenuNumeri");
        for (const TypedDrillRow &row : typedDrillRows()) {
            QPushButton *b = nullptr;
            for (const CatalogueEntry &e : numbersCatalogue().entries)
                if (e.target == row.name)
                    b = numbers->findChild<QPushButton *>(e.name);
            QVERIFY(b);
            QPointer<QWidget> was(numbers);
            QTest::mouseClick(b, Qt::LeftButton);
            settle();
            QVERIFY(was.isNull());
            auto *drill = qobject_cast<ExerciseScreen *>(screenNamed(row.name));
            QVERIFY2(drill, qPrintable(row.name));
            QCOMPARE(visibleScreens(), 1);
            QCOMPARE(drill->EtichettaEsatti->text(), QStringLiteral("0"));
            f.messages->answers = {MessageBoxes::Answer::Yes};
            drill->MenuEsci->trigger();
            settle();
            numbers = screenNamed("FormMenuNumeri");
            QVERIFY(numbers);
            QCOMPARE(visibleScreens(), 1);
        }
    }

    void maximumNumberIsHandedOver()
    {
        // Buttons that set it do so before their screen opens; others leave it.
        for (const CatalogueEntry &e : numbersCatalogue().entries) {
            if (e.heading || e.numeroMassimo == 0)
                continue;
            shared().NumeroMassimo = 0;
            auto *c = new CatalogueScreen(numbersCatalogue());
            auto *b = c->findChild<QPushButton *>(e.name);
            if (!b->isEnabled())
                continue;
            QTest::mouseClick(b, Qt::LeftButton);
            QCOMPARE(int(shared().NumeroMassimo), e.numeroMassimo);
            closeAllScreens();
        }
        shared().NumeroMassimo = 99;
        QWidget *numbers = openScreen("FormMenuNumeri");
        QTest::mouseClick(catalogueButton(numbers, "- 1   - 10"), Qt::LeftButton);
        QCOMPARE(shared().NumeroMassimo, std::int16_t(99));
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
