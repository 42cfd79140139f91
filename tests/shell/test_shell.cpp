#include "column/column_screen.h"
#include "drills/typed_drill.h"
#include "fakes.h"
#include "frame/exercise_screen.h"
#include "frame/focus_frame.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "shell/catalogue.h"
#include "shell/shell.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <array>
#include <set>

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
        f.random->push({0.5});   // entry 10: &H000040C0
        QWidget *menu = openScreen("FormMenu");
        QCOMPARE(shared().NumeroEsatti, std::int16_t(0));
        QCOMPARE(shared().NumeroErrati, std::int16_t(0));
        auto *check = child<QCheckBox>(menu, "Check1");
        QVERIFY(check->isChecked());
        QCOMPARE(background(menu), bgr(0x0040C0));
        QCOMPARE(background(check), bgr(0x0040C0));
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
        frameWidget<QAction>(drill, "MenuEsci")->trigger();
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

    // "Leggi ad alta voce" stands under "Suoni attivati" in its look, is off
    // at start, keeps its state from menu to menu, and is disabled with the
    // reason when the program cannot speak.
    void readAloudBox_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("click");
        QTest::addColumn<bool>("checked");
        QTest::newRow("off at start") << "" << false << false;
        QTest::newRow("ticked") << "" << true << true;
        QTest::newRow("no Italian voice") << "manca una voce italiana" << true << false;
    }
    void readAloudBox()
    {
        QFETCH(QString, reason);
        QFETCH(bool, click);
        QFETCH(bool, checked);
        f.speech->reason = reason;
        QWidget *menu = openScreen("FormMenu");
        auto *box = child<QCheckBox>(menu, "Check2");
        auto *sounds = child<QCheckBox>(menu, "Check1");
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Leggi ad alta voce"));
        QCOMPARE(box->font(), sounds->font());
        QCOMPARE(box->x(), sounds->x());
        QVERIFY(box->y() > sounds->geometry().bottom());
        QVERIFY(box->geometry().bottom() < child<QWidget>(menu, "BottoneEsci")->y());
        QCOMPARE(box->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!box->isChecked());
        if (click)
            QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(f.speech->starts, click ? 1 : 0);
        QCOMPARE(box->isEnabled(), reason.isEmpty());
        menu = openScreen("FormMenu", menu);
        settle();
        box = child<QCheckBox>(menu, "Check2");
        QCOMPARE(box->isChecked(), checked);
        QCOMPARE(shared().LeggiAdAltaVoce, std::int16_t(checked ? -1 : 0));
        QCOMPARE(box->isEnabled(), reason.isEmpty());
        QCOMPARE(box->toolTip(), reason);
        QCOMPARE(box->accessibleDescription(), reason);
    }

    void exitQuestion()
    {
        QWidget *menu = openScreen("FormMenu");
        const QColor colour = background(menu);
        f.messages->answers = {MessageBoxes::Answer::No};
        QTest::mouseClick(child<QToolButton>(menu, "BottoneEsci"), Qt::LeftButton);
        QCOMPARE(f.messages->shown.last().text, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(f.messages->shown.last().title, QStringLiteral("Esercitazioni sulle Tolvena"));
        QCOMPARE(f.messages->shown.last().icon, MessageBoxes::Icon::Question);
        QCOMPARE(f.messages->shown.last().buttons, MessageBoxes::Buttons::YesNo);
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
                QVERIFY(c->rect().contains(b->geometry()));
            }
            QCOMPARE(buttons, design->name == "FormMenuNumeri" ? 32 : 21);
            QVERIFY(catalogueButton(c, "torna al menu")->isEnabled());
            c->close();
        }
        QWidget *numbers = openScreen("FormMenuNumeri");
        QVERIFY(catalogueButton(numbers, " - 1    - 10   - 100"));
        QVERIFY(catalogueButton(numbers, "-1  -10  -100  -1.000"));
        QVERIFY(catalogueButton(numbers, "  - 1"));
    }

    // The registry in one pass: every catalogue button opens a screen that
    // returns to that catalogue, every screen that returns to a catalogue has
    // a button there, and every column screen has its rule and its layout.
    void cataloguesAndScreensAgree()
    {
        std::set<QString> reached;
        for (const CatalogueDesign *design : {&numbersCatalogue(), &graphicCatalogue()}) {
            QVERIFY(screenExists(design->name));
            for (const CatalogueEntry &e : design->entries) {
                const ScreenRow *row = e.heading ? nullptr : screenRow(e.target);
                const Catalogue back =
                    e.target == QLatin1String("FormMenu") ? Catalogue::None : design->catalogue;
                QVERIFY2(e.heading || (row && row->returnsTo == back), qPrintable(e.target));
                reached.insert(e.target);
            }
        }
        for (const QString &name : registeredScreens())
            QVERIFY2(screenRow(name)->returnsTo == Catalogue::None || reached.count(name),
                     qPrintable(name));
        for (const ColumnScreenRow &row : columnScreenRows())
            QVERIFY2(row.rule.draw && !row.layout.clientArea.isEmpty(), qPrintable(row.name));
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
            QCOMPARE(frameWidget<QLabel>(drill, "EtichettaEsatti")->text(), QStringLiteral("0"));
            f.messages->answers = {MessageBoxes::Answer::Yes};
            frameWidget<QAction>(drill, "MenuEsci")->trigger();
            settle();
            numbers = screenNamed("FormMenuNumeri");
            QVERIFY(numbers);
            QCOMPARE(visibleScreens(), 1);
        }
    }

    void screensAreNamedByTheirPlace_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("place");
        QTest::newRow("typed") << "FormMenuNumeri" << "Command17" << "meno 1 meno 10" << "entro 99"
                               << "entro 99, meno 1 meno 10";
        QTest::newRow("repeated caption") << "FormMenuNumeri" << "Command3" << "meno unità"
                                          << "entro 999" << "entro 999, meno unità";
        QTest::newRow("column without heading") << "FormMenuNumeri" << "Command19" << "meno 10"
                                                << "entro 999" << "entro 999, meno 10";
        QTest::newRow("abacus") << "FormMenuGrafici" << "Command8" << "con cambio"
                                << "entro 99, abaco" << "entro 99, abaco, con cambio";
        QTest::newRow("back") << "FormMenuGrafici" << "Command26" << "torna al menu" << "" << "";
    }
    void screensAreNamedByTheirPlace()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, heading);
        QFETCH(QString, place);
        QWidget *menu = openScreen(catalogue);
        auto *b = menu->findChild<QPushButton *>(button);
        QCOMPARE(b->accessibleName(), name);
        QCOMPARE(b->accessibleDescription(), heading);
        b->click();
        QWidget *screen = onlyScreen();
        QVERIFY(screen && screen != menu);
        QCOMPARE(screen->accessibleName(), place);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Esercitazioni sulle Tolvena"));
    }

    void focusFrameFollowsTheKeyboard()
    {
        installFocusFrame();
        QWidget *menu = openScreen(QStringLiteral("FormMenuNumeri"));
        QApplication::setActiveWindow(menu);
        QVERIFY(QTest::qWaitForWindowActive(menu));
        // The first focus a screen sets shows: a band of 3 + 1 design pixels
        // (4 pixels at zoom 1) all round the button, in front of the others.
        auto *first = menu->findChild<QPushButton *>(QStringLiteral("Command1"));
        QCOMPARE(QApplication::focusWidget(), first);
        QWidget *frame = focusFrameOf(first);
        QVERIFY(frame);
        QCOMPARE(frame->geometry(), first->geometry().adjusted(-4, -4, 4, 4));
        QCOMPARE(frame->grab().toImage().pixelColor(0, frame->height() / 2), QColor(Qt::black));
        QCOMPARE(frame->grab().toImage().pixelColor(2, frame->height() / 2), QColor(Qt::black));
        QCOMPARE(frame->grab().toImage().pixelColor(3, frame->height() / 2), QColor(Qt::white));
        QVERIFY(!frame->mask().contains(frame->rect().center()));   // the button stays in sight
        first->raise();
        QTest::keyClick(first, Qt::Key_Tab);
        QWidget *next = QApplication::focusWidget();
        QCOMPARE(frame->parentWidget()->children().last(), frame);   // in front of the others
        QVERIFY(next != first);
        QVERIFY(!focusFrameOf(first));
        QCOMPARE(focusFrameOf(next), frame);
        QCOMPARE(frame->geometry(), next->geometry().adjusted(-4, -4, 4, 4));
        // A control that marks its own focus is left to it.
        next->setProperty(OwnFocusFrame, true);
        first->setFocus();
        next->setFocus();
        QVERIFY(!focusFrameOf(next));
    }

    void altTakesTheKeyboardToTheMenuBar()
    {
        installFocusFrame();
        // On every screen the arrows go along the whole bar and round, and
        // Esc gives the keys back where they were.
        for (const QString &name : registeredScreens()) {
            auto *s = qobject_cast<ExerciseScreen *>(openScreen(name));
            if (!s)
                continue;
            QApplication::setActiveWindow(s);
            QVERIFY(QTest::qWaitForWindowActive(s));
            QWidget *keys = QApplication::focusWidget();
            QTest::keyPress(keys, Qt::Key_Alt, Qt::AltModifier);
            QTest::keyRelease(keys, Qt::Key_Alt);
            const QList<QAction *> items = s->menuBar()->actions();
            for (int i = 0; i <= items.size(); ++i) {
                QVERIFY2(s->menuBar()->activeAction() == items[i % items.size()], qPrintable(name));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            }
            if (name == QLatin1String("Form20")) {
                // The item shows in the highlight colour, its neighbour does not.
                QCOMPARE(s->menuBar()->activeAction(), frameWidget<QAction>(s, "MenuInformazioni"));
                const QImage bar = s->menuBar()->grab().toImage();
                const QColor highlight = s->menuBar()->palette().color(QPalette::Highlight);
                const auto lit = [&](QAction *a) {
                    const QRect r = s->menuBar()->actionGeometry(a);
                    return bar.pixelColor(r.left() + 2, r.center().y()) == highlight;
                };
                QVERIFY(lit(frameWidget<QAction>(s, "MenuInformazioni")));
                QVERIFY(!lit(frameWidget<QAction>(s, "MenuAzzera")));
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QCOMPARE(s->menuBar()->activeAction(), nullptr);
            QVERIFY2(QApplication::focusWidget() == keys, qPrintable(name));
            delete s;
        }
    }

    void maximumNumberIsHandedOver_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("maximum");
        QTest::newRow("Tolvena") << "Command1" << 10;
        QTest::newRow("Tolvena varie") << "Command2" << 20;
        QTest::newRow("possibili entro 20") << "Command28" << 20;
        QTest::newRow("possibili entro 99") << "Command29" << 99;
        QTest::newRow("possibili entro 999") << "Command25" << 999;
        QTest::newRow("possibili entro 9 999") << "Command30" << 9999;
    }
    void maximumNumberIsHandedOver()
    {
        // Buttons that set it do so before their screen opens; others leave it.
        QFETCH(QString, button);
        QFETCH(int, maximum);
        shared().NumeroMassimo = 0;
        QWidget *numbers = openScreen("FormMenuNumeri");
        auto *b = numbers->findChild<QPushButton *>(button);
        QVERIFY(b && b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(int(shared().NumeroMassimo), maximum);
        closeAllScreens();
        shared().NumeroMassimo = 99;
        numbers = openScreen("FormMenuNumeri");
        QTest::mouseClick(catalogueButton(numbers, "- 1   - 10"), Qt::LeftButton);
        QCOMPARE(shared().NumeroMassimo, std::int16_t(99));
    }

    // The splash screen as designed: texts, places and fonts.
    void splashScreen()
    {
        FormAvvio avvio;
        QStringList seen;
        for (QLabel *l : avvio.findChildren<QLabel *>())
            seen << l->objectName() + QLatin1Char('|') + l->text() + QLatin1Char('|')
                        + QString::number(l->font().pixelSize());
        seen.sort();
        QCOMPARE(seen, QStringList({"Label1|31 luglio 2002|16", "Label2|Esercitazioni matematiche|24",
                                    "Label2|Tolvena|93"}));
        QCOMPARE(avvio.findChild<QLabel *>("Label1")->geometry(), QRect(48, 344, 113, 25));
        QCOMPARE(avvio.BottoneAvvio->geometry(), QRect(248, 400, 295, 87));
        QCOMPARE(avvio.BottoneAvvio->font().pixelSize(), 32);
        QCOMPARE(avvio.windowTitle(), QStringLiteral("Tolvena"));
    }

    // Each screen opens in the middle of the room the display leaves, at the
    // size it keeps, wherever the screen before it stood; one larger than the
    // room keeps its top left corner in it.
    void screensOpenCentred_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("splash to menu") << "FormAvvio" << "FormMenu";
        QTest::newRow("menu to catalogue") << "FormMenu" << "FormMenuNumeri";
        QTest::newRow("catalogue to a drill") << "FormMenuNumeri" << "Form20";
        QTest::newRow("catalogue to the bars") << "FormMenuGrafici" << "FormBarreTolvena";
        QTest::newRow("drill back to its catalogue") << "Form17" << "FormMenuNumeri";
        QTest::newRow("column screen") << "FormMenuNumeri" << "Form33";
    }
    void screensOpenCentred()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QWidget *before = openScreen(from);
        QVERIFY(before);
        before->move(before->screen()->availableGeometry().topLeft() + QPoint(37, 23));
        QWidget *next = openScreen(to, before);
        QVERIFY(next);
        const QRect room = next->screen()->availableGeometry();
        const QRect window = next->frameGeometry();
        const QSize size = next->size();
        QCoreApplication::processEvents();
        QCOMPARE(next->size(), size);
        QCOMPARE(next->frameGeometry(), window);
        for (auto [start, length, roomStart, roomLength] :
             {std::array{window.x(), window.width(), room.x(), room.width()},
              std::array{window.y(), window.height(), room.y(), room.height()}}) {
            if (length <= roomLength)
                QVERIFY(std::abs(2 * (start - roomStart) + length - roomLength) <= 1);
            else
                QCOMPARE(start, roomStart);
        }
    }

    // The menu and each catalogue come on a new colour at every opening.
    void newColourAtEveryOpening()
    {
        for (const char *name : {"FormMenu", "FormMenuNumeri", "FormMenuGrafici"}) {
            f.random->push({0.0});   // entry 1: &H00C0C0FF
            QWidget *first = openScreen(name);
            QCOMPARE(background(first), bgr(0xC0C0FF));
            f.random->push({0.99});  // entry 18: &H00FF00FF
            QWidget *second = openScreen(name, first);
            settle();
            QCOMPARE(background(second), bgr(0xFF00FF));
            closeAllScreens();
        }
    }

    // Tab starts at the design's first button and goes round every button of
    // the table from there; Shift+Tab goes back to the one before it.
    void catalogueTabOrderGoesRound_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<QString>("before");
        QTest::newRow("numbers") << "FormMenuNumeri"
                                 << QStringList{"Command1", "Command9", "Command23", "Command2"}
                                 << "Command12";
        QTest::newRow("graphic") << "FormMenuGrafici"
                                 << QStringList{"Command3", "Command4", "Command12", "Command5"} << "Command10";
    }
    void catalogueTabOrderGoesRound()
    {
        QFETCH(QString, catalogue);
        QFETCH(QStringList, start);
        QFETCH(QString, before);
        QWidget *c = openScreen(catalogue);
        // The window's own chain starts there too, for a window that gets
        // the keyboard back with no focus of its own.
        QWidget *chainFirst = c->nextInFocusChain();
        while (chainFirst != c && !(chainFirst->focusPolicy() & Qt::TabFocus))
            chainFirst = chainFirst->nextInFocusChain();
        QCOMPARE(chainFirst->objectName(), start.first());
        QApplication::setActiveWindow(c);
        QVERIFY(QTest::qWaitForWindowActive(c));
        QStringList order;
        for (int i = 0; i < 40; ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (i > 0 && focus->objectName() == start.first())
                break;
            order << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(order.mid(0, start.size()), start);
        int enabled = 0;
        for (QPushButton *b : c->findChildren<QPushButton *>())
            enabled += b->isEnabled() ? 1 : 0;
        QCOMPARE(order.size(), enabled);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), before);
    }

    // The arrows read the wall as the eye does: down a column, across to the
    // button of the next column at the nearest height, and stop at an edge.
    void catalogueArrowsFollowTheColumns_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("keys");   // Up, Down, Left, Right
        QTest::addColumn<QStringList>("path");
        QTest::newRow("down the first column") << "FormMenuNumeri" << "Command1" << "DDDDDDDD"
            << QStringList{"Command9", "Command23", "Command2", "Command28", "Command14",
                           "Command24", "Command15", "Command15"};
        QTest::newRow("along the bottom and back") << "FormMenuNumeri" << "Command15" << "RRRRULLU"
            << QStringList{"Command3", "Command7", "Command26", "Command26", "Command30",
                           "Command4", "Command10", "Command8"};
        QTest::newRow("first column's edges") << "FormMenuNumeri" << "Command12" << "UL"
            << QStringList{"Command12", "Command12"};
        QTest::newRow("graphic") << "FormMenuGrafici" << "Command3" << "LURRDD"
            << QStringList{"Command1", "Command1", "Command3", "Command23", "Command15",
                           "Command6"};
    }
    void catalogueArrowsFollowTheColumns()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, from);
        QFETCH(QString, keys);
        QWidget *c = openScreen(catalogue);
        QApplication::setActiveWindow(c);
        QVERIFY(QTest::qWaitForWindowActive(c));
        c->findChild<QPushButton *>(from)->setFocus();
        const QHash<QChar, Qt::Key> arrow{{'U', Qt::Key_Up}, {'D', Qt::Key_Down},
                                          {'L', Qt::Key_Left}, {'R', Qt::Key_Right}};
        QStringList path;
        for (QChar k : keys) {
            QTest::keyClick(QApplication::focusWidget(), arrow.value(k));
            path << QApplication::focusWidget()->objectName();
        }
        QTEST(path, "path");
    }

    // Enter presses the focused button as Space does, keypad Enter too.
    void enterPressesTheFocusedButton()
    {
        QVERIFY(Main());
        auto *avvio = child<QToolButton>(screenNamed("FormAvvio"), "BottoneAvvio");
        avvio->setFocus();
        QTest::keyClick(avvio, Qt::Key_Return);
        settle();
        QWidget *menu = screenNamed("FormMenu");
        QVERIFY(menu);
        auto *numbers = child<QPushButton>(menu, "Command2");
        QTest::keyClick(numbers, Qt::Key_Enter, Qt::KeypadModifier);
        settle();
        QWidget *catalogue = screenNamed("FormMenuNumeri");
        QVERIFY(catalogue);
        QTest::keyClick(catalogueButton(catalogue, "- 1   - 10"), Qt::Key_Return);
        settle();
        QVERIFY(screenNamed("Form20"));
        // A disabled button and a check box take no Enter.
        openScreen("FormMenu", screenNamed("Form20"));
        settle();
        auto *check = child<QCheckBox>(screenNamed("FormMenu"), "Check1");
        QTest::keyClick(check, Qt::Key_Return);
        QVERIFY(check->isChecked());
    }
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"
