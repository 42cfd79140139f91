#include "aids/bars.h"
#include "aids/bars_screen.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
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
} // namespace

class BarsTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    // The draws of one exercise, in their order: the asked bar (none for
    // type 1), the red value, the yellow value.
    void drawsInOrder_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<Bar>("asked");
        QTest::addColumn<int>("giallo");
        QTest::addColumn<int>("verde");
        QTest::addColumn<int>("rosso");
        QTest::newRow("type 1 draws no choice") << 10 << 1 << QList<double>{0.95, 0.5}
                                                << Bar::Red << 5 << 5 << 10;
        QTest::newRow("type 2, choice 1 green") << 10 << 2 << QList<double>{0.4, 0.0, 0.9}
                                                << Bar::Green << 0 << 1 << 1;
        QTest::newRow("type 2, choice 2 yellow") << 10 << 2 << QList<double>{0.5, 0.35, 0.5}
                                                 << Bar::Yellow << 2 << 2 << 4;
        QTest::newRow("type 3, choice 1 green") << 10 << 3 << QList<double>{0.0, 0.6, 0.3}
                                                << Bar::Green << 2 << 5 << 7;
        QTest::newRow("type 3, choice 2 yellow") << 10 << 3 << QList<double>{0.4, 0.2, 0.99}
                                                 << Bar::Yellow << 2 << 1 << 3;
        QTest::newRow("type 3, choice 3 red") << 10 << 3 << QList<double>{0.7, 0.05, 0.5}
                                              << Bar::Red << 0 << 1 << 1;
        QTest::newRow("within 20, red 20") << 20 << 3 << QList<double>{0.99, 0.99, 0.5}
                                           << Bar::Red << 10 << 10 << 20;
        QTest::newRow("within 20, type 1") << 20 << 1 << QList<double>{0.6, 0.25}
                                           << Bar::Red << 3 << 10 << 13;
    }
    void drawsInOrder()
    {
        QFETCH(int, maximum);
        QFETCH(int, type);
        QFETCH(QList<double>, draws);
        QFETCH(Bar, asked);
        QFETCH(int, giallo);
        QFETCH(int, verde);
        QFETCH(int, rosso);
        BarsModel m(maximum);
        m.setType(type);
        for (double d : draws)
            fakes.random->push({d});
        m.next();
        QCOMPARE(fakes.random->draws, draws.size());
        QCOMPARE(m.asked(), asked);
        QCOMPARE(m.value(Bar::Yellow), giallo);
        QCOMPARE(m.value(Bar::Green), verde);
        QCOMPARE(m.value(Bar::Red), rosso);
        const int values[3] = {giallo, verde, rosso};
        QCOMPARE(m.answer(), values[int(asked)]);
    }

    void textsAndInstructions_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("instruction");
        QTest::newRow("green") << QList<double>{0.0, 0.6, 0.3} << QStringList{" 2", "?", " 7"}
                               << "Trova il numero che corrisponde alla barra verde";
        QTest::newRow("yellow") << QList<double>{0.4, 0.2, 0.99} << QStringList{"?", " 1", " 3"}
                                << "Trova il numero che corrisponde alla barra gialla";
        QTest::newRow("red") << QList<double>{0.7, 0.95, 0.0} << QStringList{" 0", " 10", "?"}
                             << "Trova il numero che corrisponde alla barra rossa";
    }
    void textsAndInstructions()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QStringList, texts);
        QFETCH(QString, instruction);
        BarsModel m(10);
        m.setType(3);
        for (double d : draws)
            fakes.random->push({d});
        m.next();
        QCOMPARE(m.text(Bar::Yellow), texts[0]);
        QCOMPARE(m.text(Bar::Green), texts[1]);
        QCOMPARE(m.text(Bar::Red), texts[2]);
        QCOMPARE(m.instruction(), instruction);
    }

    void answers()
    {
        BarsModel m(10);
        fakes.random->push({0.0, 0.6, 0.3});   // green asked: 2 + 5 = 7
        m.setType(3);
        m.next();
        QCOMPARE(m.press(7), BarsModel::Outcome::Wrong);
        QCOMPARE(m.press(2), BarsModel::Outcome::Wrong);
        QCOMPARE(m.text(Bar::Green), QStringLiteral("?"));
        QCOMPARE(m.press(5), BarsModel::Outcome::Right);
        QCOMPARE(m.text(Bar::Green), QStringLiteral(" 5"));
        QVERIFY(m.answered());
        QCOMPARE(m.press(5), BarsModel::Outcome::Ignored);
        QCOMPARE(m.press(1), BarsModel::Outcome::Ignored);
        m.next();
        QVERIFY(!m.answered());
    }

    void typesAndRanges_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("askable");   // yellow, green, red
        QTest::newRow("10, type 1") << 10 << 1 << QList<int>{0, 0, 1};
        QTest::newRow("10, type 2") << 10 << 2 << QList<int>{1, 1, 0};
        QTest::newRow("10, type 3") << 10 << 3 << QList<int>{1, 1, 1};
        QTest::newRow("20, type 1") << 20 << 1 << QList<int>{0, 0, 1};
        QTest::newRow("20, type 2") << 20 << 2 << QList<int>{1, 1, 0};
        QTest::newRow("20, type 3") << 20 << 3 << QList<int>{1, 1, 1};
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
            QVERIFY(g >= 0 && g <= r - 1);
            QVERIFY(g != r);
            QVERIFY(v >= 1);
            QCOMPARE(g + v, r);
            asked[int(m.asked())] = 1;
            reds[r] = 1;
        }
        QCOMPARE(asked, askable);
        QCOMPARE(reds.count(1), maximum);   // every red value comes up
        // A type outside the menu is refused.
        m.setType(0);
        QCOMPARE(m.type(), type);
        m.setType(4);
        QCOMPARE(m.type(), type);
    }

    void squaresInWords_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("words");
        QTest::newRow("3, 4, 7") << QList<double>{0.0, 0.6, 0.45}
                                 << "3 quadretti gialli, 4 quadretti verdi, 7 quadretti rossi";
        QTest::newRow("0, 1, 1") << QList<double>{0.0, 0.0, 0.5}
                                 << "0 quadretti gialli, 1 quadretto verde, 1 quadretto rosso";
        QTest::newRow("1, 1, 2") << QList<double>{0.0, 0.1, 0.5}
                                 << "1 quadretto giallo, 1 quadretto verde, 2 quadretti rossi";
    }
    void squaresInWords()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QString, words);
        BarsModel m(10);
        m.setType(3);
        for (double d : draws)
            fakes.random->push({d});
        m.next();
        QCOMPARE(m.squaresDescription(), QString());
        m.help();
        QCOMPARE(m.squaresDescription(), words);
        m.next();
        QCOMPARE(m.squaresDescription(), QString());
    }

    void screensFromTheCatalogue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("entro il 10") << "Command1" << "FormBarreTolvena" << 11
                                     << "Tipo esercizio         "
                                     << QStringList{"trova la barra rossa",
                                                    "trova le barre gialla e verde",
                                                    "trova una barra"};
        QTest::newRow("entro il 20") << "Command2" << "FormBarreTolvena20" << 21
                                     << "Scegli esercizio           "
                                     << QStringList{"trova la barra rossa",
                                                    "trova la barra gialla o verde",
                                                    "trova tutte le barre"};
    }
    void screensFromTheCatalogue()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(int, buttons);
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        BarsScreen *s = openBars(button);
        QVERIFY(s);
        QCOMPARE(s->objectName(), screen);
        QCOMPARE(menuBarCaptions(s).size(), 4);
        QCOMPARE(menuBarCaptions(s)[1], menu);
        QCOMPARE(s->mnuEsercizio->objectName(), QStringLiteral("mnuEsercizio"));
        const QList<QAction *> actions = s->mnuEsercizio->actions();
        QCOMPARE(actions.size(), 3);
        const QStringList ids{"mnuRossa", "mnuGiallaVerde", "mnuTutteBarre"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(actions[i]->text(), items[i]);
            QCOMPARE(actions[i]->objectName(), ids[i]);
            QCOMPARE(actions[i]->isChecked(), i == 1);
        }
        QCOMPARE(s->model().type(), 2);
        QCOMPARE(int(s->Bottone.size()), buttons);
        for (int i = 0; i < buttons; ++i) {
            QCOMPARE(s->Bottone[i]->text(), QString::number(i));
            QVERIFY(s->Bottone[i]->isEnabled());
            QCOMPARE(s->Bottone[i]->cursor().shape(), Qt::BitmapCursor);
        }
        QVERIFY(s->BottoneAvanti->isVisible());
        QVERIFY(!s->BottoneAvanti->isEnabled());
        QCOMPARE(s->Command3D1->text(), QStringLiteral("Aiuto"));
        QCOMPARE(s->Command3D1->cursor().shape(), Qt::BitmapCursor);   // the lamp
        QVERIFY(!s->Command3D1->icon().isNull());
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
        QCOMPARE(s->barre->accessibleName(), QStringLiteral("barre"));
        QCOMPARE(s->n1->accessibleName(), QStringLiteral("barra gialla"));
        QCOMPARE(s->n2->accessibleName(), QStringLiteral("barra verde"));
        QCOMPARE(s->n3->accessibleName(), QStringLiteral("barra rossa"));
        QVERIFY(s->model().asked() != Bar::Red);
        // The window holds every control.
        const QRect client = s->centralWidget()->rect();
        for (QPushButton *b : s->Bottone)
            QVERIFY(client.contains(b->geometry()));
        QVERIFY(client.contains(s->BottoneAvanti->geometry()));
        QVERIFY(client.contains(s->Command3D1->geometry()));
    }

    void layoutOfTheBars_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<double>>("draws");   // colour, choice, red, yellow
        QTest::addColumn<QRect>("yellow");          // twips, in the client area
        QTest::addColumn<QRect>("green");
        QTest::addColumn<QRect>("red");
        QTest::addColumn<QRect>("firstGreenSquare");
        QTest::addColumn<QRect>("lastRedSquare");
        // 3 + 4 = 7 within 10, green asked.
        QTest::newRow("within 10") << "Command1" << QList<double>{0.0, 0.0, 0.6, 0.45}
                                   << QRect(500, 1600, 1500, 500) << QRect(2000, 1600, 2000, 495)
                                   << QRect(500, 2100, 3500, 495) << QRect(2000, 2800, 500, 500)
                                   << QRect(3500, 3300, 500, 500);
        // 5 + 9 = 14 within 20, yellow asked.
        QTest::newRow("within 20") << "Command2" << QList<double>{0.0, 0.5, 0.65, 0.4}
                                   << QRect(400, 1600, 2000, 330) << QRect(2400, 1600, 3600, 330)
                                   << QRect(400, 2000, 5600, 330) << QRect(2400, 2800, 405, 405)
                                   << QRect(5600, 3200, 405, 405);
    }
    void layoutOfTheBars()
    {
        QFETCH(QString, button);
        QFETCH(QList<double>, draws);
        QFETCH(QRect, yellow);
        QFETCH(QRect, green);
        QFETCH(QRect, red);
        QFETCH(QRect, firstGreenSquare);
        QFETCH(QRect, lastRedSquare);
        BarsScreen *s = openBars(button);
        QVERIFY(s);
        for (double d : draws)
            fakes.random->push({d});
        s->mnuGiallaVerde->trigger();
        QWidget *area = s->centralWidget();
        const auto inArea = [area](QWidget *w) { return QRect(w->mapTo(area, QPoint(0, 0)), w->size()); };
        QCOMPARE(inArea(s->n1), twipsRect(yellow.x(), yellow.y(), yellow.width(), yellow.height()));
        QCOMPARE(inArea(s->n2), twipsRect(green.x(), green.y(), green.width(), green.height()));
        QCOMPARE(inArea(s->n3), twipsRect(red.x(), red.y(), red.width(), red.height()));
        QCOMPARE(s->n1->font().pixelSize(), pointsToPixels(12));
        QVERIFY(s->n1->font().bold());
        QCOMPARE(background(s->n1), bgr(0x00FFFF));
        QCOMPARE(background(s->n2), bgr(0x00FF00));
        QCOMPARE(background(s->n3), bgr(0x0000FF));
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QCOMPARE(inArea(s->aiuto[1][0]),
                 twipsRect(firstGreenSquare.x(), firstGreenSquare.y(), firstGreenSquare.width(),
                           firstGreenSquare.height()));
        QLabel *last = s->aiuto[2][s->model().value(Bar::Red) - 1];
        QCOMPARE(inArea(last), twipsRect(lastRedSquare.x(), lastRedSquare.y(), lastRedSquare.width(),
                                         lastRedSquare.height()));
        QCOMPARE(background(s->aiuto[0][0]), bgr(0x80FFFF));
        QCOMPARE(background(s->aiuto[1][0]), bgr(0x00FF00));
        QCOMPARE(background(s->aiuto[2][0]), bgr(0x0000FF));
    }

    void wrongThenRight()
    {
        BarsScreen *s = openBars(QStringLiteral("Command1"));
        QVERIFY(s);
        fakes.random->push({0.0, 0.0, 0.6, 0.45});   // colour; green asked, 3 + 4 = 7
        s->mnuGiallaVerde->trigger();
        QCOMPARE(s->n1->text(), QStringLiteral(" 3"));
        QCOMPARE(s->n2->text(), QStringLiteral("?"));
        QCOMPARE(s->n3->text(), QStringLiteral(" 7"));
        QCOMPARE(s->n2->accessibleDescription(), QStringLiteral("?"));
        QCOMPARE(s->Label3->text(), QStringLiteral("Trova il numero che corrisponde alla barra verde"));

        QTest::mouseClick(s->Bottone[7], Qt::LeftButton);
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 1"));
        QVERIFY(s->ComandoIconaNo->isVisible());
        QVERIFY(!s->ComandoIconaSi->isVisible());
        QCOMPARE(s->n2->text(), QStringLiteral("?"));
        QVERIFY(s->Bottone[4]->isEnabled());
        QVERIFY(!s->BottoneAvanti->isEnabled());

        QTest::mouseClick(s->Bottone[4], Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 1"));
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(shared().NumeroErrati, 1);
        QVERIFY(s->ComandoIconaSi->isVisible());
        QCOMPARE(s->n1->text(), QStringLiteral(" 3"));
        QCOMPARE(s->n2->text(), QStringLiteral(" 4"));
        QCOMPARE(s->n3->text(), QStringLiteral(" 7"));
        QCOMPARE(s->n2->accessibleDescription(), QStringLiteral(" 4"));
        for (QPushButton *b : s->Bottone)
            QVERIFY(!b->isEnabled());
        QVERIFY(s->BottoneAvanti->isEnabled());
        QCOMPARE(fakes.sound->played.size(), 2);
        QVERIFY(fakes.sound->played[0].endsWith(QStringLiteral("no.wav")));

        // "avanti" draws the next exercise and opens the buttons again.
        fakes.random->push({0.0, 0.5, 0.0, 0.0});   // colour; yellow asked, 0 + 1 = 1
        QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
        QCOMPARE(s->n1->text(), QStringLiteral("?"));
        QVERIFY(s->n1->isHidden());   // a yellow bar of no length
        QCOMPARE(s->n2->text(), QStringLiteral(" 1"));
        QVERIFY(!s->BottoneAvanti->isEnabled());
        QVERIFY(s->Bottone[0]->isEnabled());
        QTest::mouseClick(s->Bottone[0], Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 2"));
        QCOMPARE(s->n1->text(), QStringLiteral(" 0"));
    }

    void helpShowsTheSquaresAndCosts()
    {
        BarsScreen *s = openBars(QStringLiteral("Command1"));
        QVERIFY(s);
        // Help at 0 costs nothing.
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(shared().NumeroEsatti, 0);
        // Five right answers.
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(s->Bottone[s->model().answer()], Qt::LeftButton);
            QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
        }
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 5"));
        fakes.random->push({0.0, 0.0, 0.6, 0.45});   // colour; green asked, 3 + 4 = 7
        s->mnuGiallaVerde->trigger();
        QCOMPARE(s->barre->accessibleDescription(), QString());
        for (const auto &row : s->aiuto)
            QCOMPARE(shown(row), 0);

        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 4"));
        QCOMPARE(shown(s->aiuto[0]), 3);
        QCOMPARE(shown(s->aiuto[1]), 4);
        QCOMPARE(shown(s->aiuto[2]), 7);
        QCOMPARE(s->barre->accessibleDescription(),
                 QStringLiteral("3 quadretti gialli, 4 quadretti verdi, 7 quadretti rossi"));
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 3"));
        QCOMPARE(shared().NumeroEsatti, 3);
        QCOMPARE(shown(s->aiuto[2]), 7);
        // Help changes neither the exercise nor the buttons, and works after the answer.
        QCOMPARE(s->n2->text(), QStringLiteral("?"));
        QVERIFY(s->Bottone[4]->isEnabled());
        QTest::mouseClick(s->Bottone[4], Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 4"));
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 3"));
        QCOMPARE(shown(s->aiuto[1]), 4);

        // The squares are gone with the next exercise.
        QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
        for (const auto &row : s->aiuto)
            QCOMPARE(shown(row), 0);
        QCOMPARE(s->barre->accessibleDescription(), QString());
    }

    void checkMarksFollowTheChoice()
    {
        BarsScreen *s = openBars(QStringLiteral("Command2"));
        QVERIFY(s);
        const auto ticks = [s] {
            return QList<bool>{s->mnuRossa->isChecked(), s->mnuGiallaVerde->isChecked(),
                               s->mnuTutteBarre->isChecked()};
        };
        QCOMPARE(ticks(), (QList<bool>{false, true, false}));
        s->mnuRossa->trigger();
        QCOMPARE(ticks(), (QList<bool>{true, false, false}));
        QCOMPARE(s->model().type(), 1);
        QCOMPARE(s->model().asked(), Bar::Red);
        QCOMPARE(s->n3->text(), QStringLiteral("?"));
        QCOMPARE(s->Label3->text(), QStringLiteral("Trova il numero che corrisponde alla barra rossa"));
        s->mnuTutteBarre->trigger();
        QCOMPARE(ticks(), (QList<bool>{false, false, true}));
        QCOMPARE(s->model().type(), 3);

        // The item already ticked draws a new exercise too, and keeps its tick.
        fakes.random->push({0.0, 0.9, 0.3, 0.5});   // colour; red asked, 3 + 4 = 7
        const int before = fakes.random->draws;
        s->mnuTutteBarre->trigger();
        QCOMPARE(fakes.random->draws - before, 4);
        QCOMPARE(ticks(), (QList<bool>{false, false, true}));
        QCOMPARE(s->n3->text(), QStringLiteral("?"));
        QCOMPARE(s->n1->text(), QStringLiteral(" 3"));
        QCOMPARE(background(s->centralWidget()), bgr(palette()[1]));
        // Choosing a type counts nothing and closes an answered exercise.
        QTest::mouseClick(s->Bottone[7], Qt::LeftButton);
        QVERIFY(s->BottoneAvanti->isEnabled());
        s->mnuGiallaVerde->trigger();
        QVERIFY(!s->BottoneAvanti->isEnabled());
        QVERIFY(s->Bottone[20]->isEnabled());
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(shared().NumeroErrati, 0);
    }

    void azzeraDrawsANewExercise()
    {
        BarsScreen *s = openBars(QStringLiteral("Command1"));
        QVERIFY(s);
        QTest::mouseClick(s->Bottone[s->model().answer()], Qt::LeftButton);
        QTest::mouseClick(s->Bottone[0], Qt::LeftButton);   // ignored: answered
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
        QTest::mouseClick(s->Command3D1, Qt::LeftButton);
        fakes.random->push({0.0, 0.0, 0.6, 0.45});
        const int before = fakes.random->draws;
        s->MenuAzzera->trigger();
        QCOMPARE(fakes.random->draws - before, 4);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
        QCOMPARE(shared().NumeroEsatti, 0);
        QCOMPARE(s->n2->text(), QStringLiteral("?"));
        QVERIFY(s->Bottone[4]->isEnabled());
        QVERIFY(!s->BottoneAvanti->isEnabled());
        for (const auto &row : s->aiuto)
            QCOMPARE(shown(row), 0);
    }

    void keyboardReachesEverything()
    {
        BarsScreen *s = openBars(QStringLiteral("Command1"));
        QVERIFY(s);
        QWidget *w = s->Bottone[0];
        for (int i = 1; i <= 10; ++i) {
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus)
                w = w->nextInFocusChain();
            QCOMPARE(w, s->Bottone[i]);
        }
        fakes.random->push({0.0, 0.0, 0.6, 0.45});
        s->mnuGiallaVerde->trigger();
        s->activateWindow();
        s->Bottone[4]->setFocus();
        QTest::keyClick(s->Bottone[4], Qt::Key_Space);
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(s->BottoneAvanti));
        QTest::keyClick(s->BottoneAvanti, Qt::Key_Return);
        QVERIFY(s->Bottone[0]->isEnabled());
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(s->Bottone[0]));
    }

    // Any sequence of number buttons, help, "avanti" and menu items leaves a
    // described state: waiting with "?" and open buttons, or answered with
    // every number shown and "avanti" on; counts never below 0.
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
            case 0:
            case 1:
                QTest::mouseClick(s->Bottone[pick() % s->Bottone.size()], Qt::LeftButton);
                break;
            case 2:
                QTest::mouseClick(s->Bottone[s->model().answer()], Qt::LeftButton);
                break;
            case 3:
                QTest::mouseClick(s->Command3D1, Qt::LeftButton);
                break;
            case 4:
                QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
                break;
            case 5:
                s->mnuEsercizio->actions()[int(pick() % 3)]->trigger();
                break;
            case 6:
                s->MenuAzzera->trigger();
                break;
            default:
                s->MenuEsci->trigger();   // answered No
                break;
            }
            const BarsModel &m = s->model();
            QVERIFY(shared().NumeroEsatti >= 0 && shared().NumeroErrati >= 0);
            const bool answered = m.answered();
            QCOMPARE(s->BottoneAvanti->isEnabled(), answered);
            for (QPushButton *b : s->Bottone)
                QCOMPARE(b->isEnabled(), !answered);
            const QStringList texts{s->n1->text(), s->n2->text(), s->n3->text()};
            QCOMPARE(texts.count(QStringLiteral("?")), answered ? 0 : 1);
            QCOMPARE(m.value(Bar::Yellow) + m.value(Bar::Green), m.value(Bar::Red));
            const int squares = shown(s->aiuto[0]) + shown(s->aiuto[1]) + shown(s->aiuto[2]);
            QCOMPARE(squares, m.helpShown() ? 2 * m.value(Bar::Red) : 0);
        }
    }
};

QTEST_MAIN(BarsTest)
#include "test_bars.moc"
