#include "aids/bars.h"
#include "aids/bars_screen.h"
#include "design.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <random>

Q_DECLARE_METATYPE(BarsModel::Bar)

namespace {
using Bar = BarsModel::Bar;

BarsScreen *openBars(const QString &button)
{
    return qobject_cast<BarsScreen *>(fromGraphicCatalogue(button));
}

int shown(const std::vector<QLabel *> &squares)
{
    int n = 0;
    for (QLabel *q : squares)
        n += q->isVisible();
    return n;
}

QRect inArea(QWidget *w)
{
    return QRect(w->mapTo(w->window()->findChild<QWidget *>(QStringLiteral("area")), QPoint(0, 0)),
                 w->size());
}
} // namespace

class BarsTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup()
    {
        closeAllScreens();
        setZoom(1);
    }

    // The draws of one exercise in their order: the asked bar (none for
    // type 1), the red value, the yellow value.
    void drawsInOrder_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<Bar>("asked");
        QTest::addColumn<QStringList>("texts");   // yellow, green, red
        QTest::newRow("type 1 draws no choice") << 10 << 1 << QList<double>{0.95, 0.5} << Bar::Red
                                                << QStringList{" 5", " 5", "?"};
        QTest::newRow("type 2, green") << 10 << 2 << QList<double>{0.4, 0.0, 0.9} << Bar::Green
                                       << QStringList{" 0", "?", " 1"};
        QTest::newRow("type 2, yellow") << 10 << 2 << QList<double>{0.5, 0.35, 0.5} << Bar::Yellow
                                        << QStringList{"?", " 2", " 4"};
        QTest::newRow("type 3, yellow") << 10 << 3 << QList<double>{0.4, 0.2, 0.99} << Bar::Yellow
                                        << QStringList{"?", " 1", " 3"};
        QTest::newRow("type 3, red") << 10 << 3 << QList<double>{0.7, 0.95, 0.0} << Bar::Red
                                     << QStringList{" 0", " 10", "?"};
        QTest::newRow("within 20, red 20") << 20 << 3 << QList<double>{0.0, 0.99, 0.5} << Bar::Green
                                           << QStringList{" 10", "?", " 20"};
    }
    void drawsInOrder()
    {
        QFETCH(int, maximum);
        QFETCH(int, type);
        QFETCH(QList<double>, draws);
        QFETCH(Bar, asked);
        QFETCH(QStringList, texts);
        BarsModel m(maximum);
        m.setType(type);
        for (double d : draws)
            fakes.random->push({d});
        m.next();
        QCOMPARE(fakes.random->draws, draws.size());
        QCOMPARE(m.asked(), asked);
        QCOMPARE((QStringList{m.text(Bar::Yellow), m.text(Bar::Green), m.text(Bar::Red)}), texts);
    }

    void typesAndRanges_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("askable");   // yellow, green, red
        QTest::newRow("type 1") << 10 << 1 << QList<int>{0, 0, 1};
        QTest::newRow("type 2") << 10 << 2 << QList<int>{1, 1, 0};
        QTest::newRow("type 3") << 10 << 3 << QList<int>{1, 1, 1};
        QTest::newRow("within 20") << 20 << 3 << QList<int>{1, 1, 1};
    }
    void typesAndRanges()
    {
        QFETCH(int, maximum);
        QFETCH(int, type);
        QFETCH(QList<int>, askable);
        BarsModel m(maximum);
        m.setType(type);
        QList<int> asked{0, 0, 0};
        QList<int> reds(maximum + 1, 0);
        for (int i = 0; i < 3000; ++i) {
            m.next();
            const int g = m.value(Bar::Yellow), v = m.value(Bar::Green), r = m.value(Bar::Red);
            QVERIFY(r >= 1 && r <= maximum);
            QVERIFY(g >= 0 && g != r && v >= 1);
            QCOMPARE(g + v, r);
            asked[int(m.asked())] = 1;
            reds[r] = 1;
        }
        QCOMPARE(asked, askable);
        QCOMPARE(reds.count(1), maximum);
        m.setType(4);   // not on the menu
        QCOMPARE(m.type(), type);
    }

    void squaresInWords()
    {
        BarsModel m(10);
        fakes.random->push({0.0, 0.1, 0.5});   // 1 + 1 = 2
        m.next();
        m.help();
        QCOMPARE(m.squaresDescription(),
                 QStringLiteral("1 quadretto giallo, 1 quadretto verde, 2 quadretti rossi"));
    }

    void screensFromTheCatalogue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("captions");   // the menu, then its items
        QTest::newRow("FormBarreTolvena")
            << "Command1" << 11
            << QStringList{"Tipo esercizio         ", "trova la barra rossa",
                           "trova le barre gialla e verde", "trova una barra"};
        QTest::newRow("FormBarreTolvena20")
            << "Command2" << 21
            << QStringList{"Scegli esercizio           ", "trova la barra rossa",
                           "trova la barra gialla o verde", "trova tutte le barre"};
    }
    void screensFromTheCatalogue()
    {
        QFETCH(QString, button);
        QFETCH(int, buttons);
        QFETCH(QStringList, captions);
        BarsScreen *s = openBars(button);
        QVERIFY(s);
        QStringList shownCaptions{menuBarCaptions(s)[1]};
        for (QAction *a : s->mnuEsercizio->actions())
            shownCaptions << a->text();
        QCOMPARE(shownCaptions, captions);
        QVERIFY(s->mnuGiallaVerde->isChecked() && !s->mnuRossa->isChecked());
        QCOMPARE(int(s->Bottone.size()), buttons);
        QCOMPARE(s->Bottone.back()->text(), QString::number(buttons - 1));
        QCOMPARE(s->Bottone.back()->cursor().shape(), Qt::BitmapCursor);   // the white arrow
        QCOMPARE(s->Command3D1->cursor().shape(), Qt::BitmapCursor);       // the lamp
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible() && !frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->barre->accessibleName(), QStringLiteral("barre"));
        QCOMPARE(s->n3->accessibleName(), QStringLiteral("barra rossa"));
        const QRect client = s->centralWidget()->rect();
        QVERIFY(client.contains(s->Bottone.back()->geometry()));
        QVERIFY(client.contains(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry()));
    }

    void layoutOfTheBars_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<double>>("draws");   // colour, choice, red, yellow
        QTest::addColumn<QList<QRect>>("places");   // yellow, green, red, first green and last red square
        // First and last answer button, Label3, "Aiuto", "avanti", the happy face.
        QTest::addColumn<QList<QRect>>("controls");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QList<int>>("yellowSides");   // aiuto1(0..20)
        // 3 + 4 = 7 within 10; 5 + 9 = 14 within 20.
        QTest::newRow("within 10") << "Command1" << QList<double>{0.0, 0.0, 0.6, 0.45}
                                   << QList<QRect>{{500, 1600, 1500, 500}, {2000, 1600, 2000, 495},
                                                   {500, 2100, 3500, 495}, {2000, 2800, 500, 500},
                                                   {3500, 3300, 500, 500}}
                                   << QList<QRect>{{570, 4590, 765, 765}, {10200, 4590, 765, 765},
                                                   {600, 5520, 5175, 495}, {1200, 6360, 1875, 960},
                                                   {8880, 6360, 1935, 975}, {9060, 240, 1095, 975}}
                                   << "Trova il numero che corrisponde alla barra verde"
                                   << QList<int>(21, 500);
        QTest::newRow("within 20") << "Command2" << QList<double>{0.0, 0.5, 0.65, 0.4}
                                   << QList<QRect>{{400, 1600, 2000, 330}, {2400, 1600, 3600, 330},
                                                   {400, 2000, 5600, 330}, {2400, 2800, 405, 405},
                                                   {5600, 3200, 405, 405}}
                                   << QList<QRect>{{345, 4515, 800, 645}, {9960, 5250, 800, 645},
                                                   {360, 6120, 5175, 495}, {1200, 6960, 1875, 960},
                                                   {8880, 6960, 1935, 975}, {9060, 840, 1095, 975}}
                                   << "Trova il numero che corrisponde alla barra gialla"
                                   << QList<int>{405, 405, 405, 405, 400, 400, 400, 400, 400, 400, 400,
                                                 400, 400, 400, 400, 400, 400, 400, 405, 405, 405};
    }
    void layoutOfTheBars()
    {
        QFETCH(QString, button);
        QFETCH(QList<double>, draws);
        QFETCH(QList<QRect>, places);
        QFETCH(QList<QRect>, controls);
        QFETCH(QList<int>, yellowSides);
        setZoom(2);   // where 400 and 405 twips are not the same pixels
        BarsScreen *s = openBars(button);
        QVERIFY(s);
        for (double d : draws)
            fakes.random->push({d});
        s->mnuGiallaVerde->trigger();
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        const QList<QWidget *> shown{s->n1, s->n2, s->n3, s->aiuto[1][0],
                                     s->aiuto[2][s->model().value(Bar::Red) - 1]};
        for (int i = 0; i < shown.size(); ++i) {
            const QRect &p = places[i];
            QCOMPARE(inArea(shown[i]), twipsRect(p.x(), p.y(), p.width(), p.height()));
        }
        for (int i = 0; i < yellowSides.size(); ++i)
            QCOMPARE(s->aiuto[0][i]->size(), twipsRect(0, 0, yellowSides[i], yellowSides[i]).size());
        const QList<QWidget *> others{s->Bottone.front(), s->Bottone.back(), s->Label3,
                                      s->Command3D1, frameWidget<QToolButton>(s, "BottoneAvanti"), frameWidget<QLabel>(s, "ComandoIconaSi")};
        for (int i = 0; i < others.size(); ++i)
            QCOMPARE(inArea(others[i]), twips(controls[i]));
        QTEST(s->Label3->text(), "instruction");
        QCOMPARE(s->Command3D1->text(), QStringLiteral("Aiuto"));
        QCOMPARE(background(s->n1), bgr(0x00FFFF));
        QCOMPARE(background(s->n2), bgr(0x00FF00));
        QCOMPARE(background(s->n3), bgr(0x0000FF));
        QCOMPARE(background(s->aiuto[0][0]), bgr(0x80FFFF));
        QCOMPARE(background(s->aiuto[1][0]), bgr(0x00FF00));
        QCOMPARE(background(s->aiuto[2][0]), bgr(0x0000FF));
        // Painted so, not only told: the middle of the yellow and the red bar.
        const QImage shot = s->centralWidget()->grab().toImage();
        const QRect yellow = inArea(s->n1), red = inArea(s->n3);
        QCOMPARE(shot.pixelColor(yellow.left() + 3, yellow.center().y()), QColor(255, 255, 0));
        QCOMPARE(shot.pixelColor(red.left() + 3, red.center().y()), QColor(255, 0, 0));
        // The keyboard reaches the answers in order, then "Aiuto", then "avanti".
        frameWidget<QToolButton>(s, "BottoneAvanti")->setEnabled(true);
        const QStringList order = tabOrder(s->Bottone.front());
        QCOMPARE(order.size(), int(s->Bottone.size()) + 2);
        QCOMPARE(order.mid(order.size() - 3), QStringList({QStringLiteral("Bottone(%1)").arg(s->Bottone.size() - 1),
                                                            "Command3D1", "BottoneAvanti"}));
        QCOMPARE(order.front(), QStringLiteral("Bottone(0)"));
    }

    void wrongThenRight()
    {
        BarsScreen *s = openBars(QStringLiteral("Command1"));
        QVERIFY(s);
        fakes.random->push({0.0, 0.0, 0.6, 0.45});   // colour; green asked, 3 + 4 = 7
        s->mnuGiallaVerde->trigger();
        QCOMPARE(s->n2->text(), QStringLiteral("?"));
        QCOMPARE(s->Label3->text(), QStringLiteral("Trova il numero che corrisponde alla barra verde"));
        QTest::mouseClick(s->Bottone[7], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible());
        QCOMPARE(s->n2->text(), QStringLiteral("?"));
        QTest::mouseClick(s->Bottone[4], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QCOMPARE((QStringList{s->n1->text(), s->n2->text(), s->n3->text()}),
                 (QStringList{" 3", " 4", " 7"}));
        QCOMPARE(s->n2->accessibleDescription(), QStringLiteral(" 4"));
        QVERIFY(!s->Bottone[0]->isEnabled() && !s->Bottone[10]->isEnabled());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());

        // With the keyboard: "avanti" has the focus, Enter presses it.
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(frameWidget<QToolButton>(s, "BottoneAvanti")));
        fakes.random->push({0.0, 0.5, 0.0, 0.0});   // colour; yellow asked, 0 + 1 = 1
        QTest::keyClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::Key_Return);
        QCOMPARE(s->n1->text(), QStringLiteral("?"));
        // A yellow bar of no length shows nothing, yet the screen reader finds it.
        QVERIFY(s->n1->isVisible());
        QCOMPARE(inArea(s->n1), twipsRect(500, 1600, 0, 500));
        QCOMPARE(s->n1->accessibleDescription(), QStringLiteral("?"));
        QVERIFY(s->n2->isVisible());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(s->Bottone[0]));
        QTest::keyClick(s->Bottone[0], Qt::Key_Space);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 2"));
        QCOMPARE(s->n1->text(), QStringLiteral(" 0"));
        // "Azzera conteggio" given with the keys closes "avanti", which had
        // them: they come back to the screen, not to the menu bar.
        QApplication::setActiveWindow(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        QCOMPARE(QApplication::focusWidget(), frameWidget<QToolButton>(s, "BottoneAvanti"));
        QTest::keyClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(s->menuBar(), Qt::Key_Return);
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), s->centralWidget());
    }

    void helpShowsTheSquaresAndCosts()
    {
        BarsScreen *s = openBars(QStringLiteral("Command1"));
        QVERIFY(s);
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);   // at 0 it costs nothing
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QCOMPARE(shared().NumeroEsatti, 0);
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(s->Bottone[s->model().answer()], Qt::LeftButton);
            QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        }
        fakes.random->push({0.0, 0.0, 0.6, 0.45});   // colour; green asked, 3 + 4 = 7
        s->mnuGiallaVerde->trigger();
        QCOMPARE(shown(s->aiuto[0]) + shown(s->aiuto[1]) + shown(s->aiuto[2]), 0);
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 3"));
        QCOMPARE(shared().NumeroEsatti, 3);
        QCOMPARE(shown(s->aiuto[0]), 3);
        QCOMPARE(shown(s->aiuto[1]), 4);
        QCOMPARE(shown(s->aiuto[2]), 7);
        QCOMPARE(s->barre->accessibleDescription(),
                 QStringLiteral("3 quadretti gialli, 4 quadretti verdi, 7 quadretti rossi"));
        // Neither the exercise nor the buttons change.
        QCOMPARE(s->n2->text(), QStringLiteral("?"));
        QVERIFY(s->Bottone[4]->isEnabled());
        QTest::mouseClick(s->Bottone[4], Qt::LeftButton);
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(shown(s->aiuto[0]) + shown(s->aiuto[1]) + shown(s->aiuto[2]), 0);
        QCOMPARE(s->barre->accessibleDescription(), QString());
    }

    void menusDrawANewExercise()
    {
        BarsScreen *s = openBars(QStringLiteral("Command2"));
        QVERIFY(s);
        const auto ticks = [s] {
            return QList<bool>{s->mnuRossa->isChecked(), s->mnuGiallaVerde->isChecked(),
                               s->mnuTutteBarre->isChecked()};
        };
        s->mnuRossa->trigger();
        QCOMPARE(ticks(), (QList<bool>{true, false, false}));
        QCOMPARE(s->n3->text(), QStringLiteral("?"));
        QCOMPARE(s->Label3->text(), QStringLiteral("Trova il numero che corrisponde alla barra rossa"));
        s->mnuTutteBarre->trigger();
        QCOMPARE(ticks(), (QList<bool>{false, false, true}));
        // The ticked item again: a new exercise, the tick stays.
        fakes.random->push({0.0, 0.9, 0.3, 0.5});   // colour; red asked, 3 + 4 = 7
        const int before = fakes.random->draws;
        s->mnuTutteBarre->trigger();
        QCOMPARE(fakes.random->draws - before, 4);
        QCOMPARE(ticks(), (QList<bool>{false, false, true}));
        QCOMPARE(s->n1->text(), QStringLiteral(" 3"));
        QTest::mouseClick(s->Bottone[7], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QTest::mouseClick(s->Bottone[1], Qt::LeftButton);
        // "Azzera conteggio" resets the counts and draws a new exercise.
        fakes.random->push({0.0, 0.9, 0.3, 0.5});
        const int beforeAzzera = fakes.random->draws;
        frameWidget<QAction>(s, "MenuAzzera")->trigger();
        QCOMPARE(fakes.random->draws - beforeAzzera, 4);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
        QCOMPARE(s->n3->text(), QStringLiteral("?"));
        QVERIFY(s->Bottone[7]->isEnabled() && !frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(shown(s->aiuto[2]), 0);
    }

    // Any sequence of number buttons, help, "avanti" and menu items leaves a
    // described state: waiting with one "?" and open buttons, or answered
    // with every number shown and "avanti" on; counts never below 0.
    void anySequenceKeepsADescribedState_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("FormBarreTolvena") << "Command1";
        QTest::newRow("FormBarreTolvena20") << "Command2";
    }
    void anySequenceKeepsADescribedState()
    {
        QFETCH(QString, button);
        BarsScreen *s = openBars(button);
        QVERIFY(s);
        std::mt19937 pick(11);
        for (int step = 0; step < 600; ++step) {
            switch (pick() % 8) {
            case 0: case 1: QTest::mouseClick(s->Bottone[pick() % s->Bottone.size()], Qt::LeftButton); break;
            case 2: QTest::mouseClick(s->Bottone[s->model().answer()], Qt::LeftButton); break;
            case 3: QTest::mouseClick(s->Command3D1, Qt::LeftButton); break;
            case 4: QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton); break;
            case 5: s->mnuEsercizio->actions()[int(pick() % 3)]->trigger(); break;
            case 6: frameWidget<QAction>(s, "MenuAzzera")->trigger(); break;
            default: frameWidget<QAction>(s, "MenuEsci")->trigger(); break;   // answered No
            }
            const BarsModel &m = s->model();
            QVERIFY(shared().NumeroEsatti >= 0 && shared().NumeroErrati >= 0);
            QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled(), m.answered());
            for (QPushButton *b : s->Bottone)
                QCOMPARE(b->isEnabled(), !m.answered());
            const QStringList texts{s->n1->text(), s->n2->text(), s->n3->text()};
            QCOMPARE(texts.count(QStringLiteral("?")), m.answered() ? 0 : 1);
            const int squares = shown(s->aiuto[0]) + shown(s->aiuto[1]) + shown(s->aiuto[2]);
            QCOMPARE(squares, m.helpShown() ? 2 * m.value(Bar::Red) : 0);
        }
    }
};

QTEST_MAIN(BarsTest)
#include "test_bars.moc"
