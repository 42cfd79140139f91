#include "abacus/abacus_screen.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QToolButton>

namespace {

using Wire = AbacusModel::Wire;

double toGet(int value, double span, int low = 0) { return (value - low + 0.5) / span; }

void type(QLineEdit *field, const QString &text)
{
    field->clear();
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void click(QAbstractButton *b, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(b, Qt::LeftButton);
}

// The colour painted at a point of the client area given in twips.
QColor colourAt(AbacusScreen *s, int x, int y)
{
    const QImage shot = s->centralWidget()->grab().toImage();
    return shot.pixelColor(px(x), px(y));
}

const QColor red = QColor(255, 0, 0), blue = QColor(0, 0, 255),
             lightBlue = QColor(128, 128, 255), lightRed = QColor(255, 128, 128),
             green = QColor(0, 128, 0);

} // namespace

class AbacusScreenTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

    AbacusScreen *open(const char *name)
    {
        auto *screen = qobject_cast<AbacusScreen *>(openScreen(QString::fromLatin1(name)));
        if (screen && !QTest::qWaitForWindowExposed(screen))
            return nullptr;
        return screen;
    }

    // Runs the next waiting step of an animation; they come 0.3 s apart.
    bool step()
    {
        if (fakes.timer->pending.empty())
            return false;
        auto s = std::move(fakes.timer->pending.front());
        fakes.timer->pending.pop_front();
        if (s.ms != 300)
            return false;
        s.step();
        return true;
    }

    static void lay(AbacusScreen *s, int hundreds, int tens, int units)
    {
        if (hundreds)
            click(s->plusButton(Wire::Hundreds), hundreds);
        click(s->plusButton(Wire::Tens), tens);
        click(s->plusButton(Wire::Units), units);
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    // Opening: the first exercise, its text and field, the controls' states.
    void opening()
    {
        fakes.random->push({0.5, toGet(98, 89, 10), toGet(89, 88, 5)});
        AbacusScreen *s = open("Form99d");
        QVERIFY(s);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 98 -  9 = "));
        QCOMPARE(s->Text1->x(), s->EtichettaNumero->geometry().right() + 1);
        QCOMPARE(s->Text1->y(), px(360));
        QCOMPARE(s->Text1->maxLength(), 4);
        QVERIFY(s->BottoneAvanti->isVisible());
        QVERIFY(!s->BottoneAvanti->isEnabled());
        QVERIFY(s->BottoneCambio->isEnabled());
        QVERIFY(s->Bot_ricomincia->isEnabled());
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(s->abacus()->accessibleName(), QStringLiteral("abaco"));
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("0 decine, 0 unità"));
        QCOMPARE(s->plusButton(Wire::Units)->text(), QStringLiteral("+ u"));
        QCOMPARE(s->minusButton(Wire::Tens)->objectName(), QStringLiteral("Command1"));
        QVERIFY(s->findChild<QAction *>(QStringLiteral("mnuesci")));
        QCOMPARE(background(s->centralWidget()), bgr(palette()[10]));

        // "avanti" moves the field to the end of the new text.
        type(s->Text1, QStringLiteral("89"));
        fakes.random->push({0.5, toGet(10, 89, 10), 0.3});
        click(s->BottoneAvanti);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 10 -  5 = "));
        QCOMPARE(s->Text1->x(), s->EtichettaNumero->geometry().right() + 1);
        QVERIFY(s->Text1->text().isEmpty());
    }

    void focusOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Form99d3") << "Form99d3"
                                  << QStringList{"Bot_u", "Bot_da", "Command1", "Command2",
                                                 "Text1", "Bot_ricomincia", "BottoneCambio",
                                                 "Bot_u"};
        QTest::newRow("Form99d1") << "Form99d1"
                                  << QStringList{"Bot_u", "Bot_da", "Command1", "Command2",
                                                 "Bot_ricomincia", "Text1", "Bot_u"};
        QTest::newRow("Form999c") << "Form999c"
                                  << QStringList{"Bot_u", "Bot_da", "Bot_h", "Command1",
                                                 "Command2", "Command3", "Text1",
                                                 "Bot_ricomincia", "BottoneCambio",
                                                 "BottoneCambio2", "Bot_u"};
        QTest::newRow("Form999a") << "Form999a"
                                  << QStringList{"Bot_u", "Bot_da", "Bot_h", "Command1",
                                                 "Command2", "Command3", "Text1",
                                                 "Bot_ricomincia", "Bot_u"};
    }
    // The first focus and Tab through the controls ("avanti" is disabled).
    void focusOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        auto *s = qobject_cast<AbacusScreen *>(openScreen(screen));
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            seen << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(seen, order);
    }

    // The beads drawn bottom-up, at their limits, and the description.
    void beadButtons()
    {
        AbacusScreen *s = open("Form99d3");
        QVERIFY(s);
        click(s->plusButton(Wire::Tens), 12);
        QCOMPARE(s->model().count(Wire::Tens), 9);
        click(s->plusButton(Wire::Units), 25);
        QCOMPARE(s->model().count(Wire::Units), 19);
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("9 decine, 19 unità"));
        // Tens bead 8 at (2300, 1800); units 0 at (6060, 6600), 9 at (6060,
        // 1200), 18 at (5400, 1800): 600 twips each, centres below.
        QCOMPARE(colourAt(s, 2600, 2100), red);
        QCOMPARE(colourAt(s, 6360, 6900), blue);
        QCOMPARE(colourAt(s, 6360, 1500), lightBlue);
        QCOMPARE(colourAt(s, 5700, 2100), lightBlue);
        click(s->minusButton(Wire::Units), 9);
        QCOMPARE(s->model().count(Wire::Units), 10);
        QCOMPARE(colourAt(s, 6360, 1500), lightBlue);   // bead 9 stays
        QVERIFY(colourAt(s, 5700, 6900) != lightBlue);  // bead 10 went
        click(s->minusButton(Wire::Tens), 12);
        click(s->minusButton(Wire::Units), 12);
        QCOMPARE(s->model().count(Wire::Tens), 0);
        QCOMPARE(s->model().count(Wire::Units), 0);
        QVERIFY(colourAt(s, 2600, 6900) != red);
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("0 decine, 0 unità"));
        // Nothing is judged or played.
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
        QVERIFY(fakes.sound->played.isEmpty());
    }

    void limitsOfForm99d1()
    {
        AbacusScreen *s = open("Form99d1");
        QVERIFY(s);
        QVERIFY(!s->BottoneCambio);
        QVERIFY(!s->findChild<QToolButton *>(QStringLiteral("BottoneCambio")));
        click(s->plusButton(Wire::Units), 12);
        QCOMPARE(s->model().count(Wire::Units), 9);
        // Unit beads left 5700, the top one at 1680: all blue.
        QCOMPARE(colourAt(s, 6000, 1980), blue);
        QCOMPARE(colourAt(s, 6000, 4950), blue);
        QCOMPARE(s->plusButton(Wire::Units)->cursor().shape(), Qt::BitmapCursor);
    }

    // 3 tens and 9 units: the top ten blinks and goes, units 9..18 blink and
    // stay, one step every 0.3 s, with the controls waiting.
    void exchangeStepByStep()
    {
        AbacusScreen *s = open("Form99d");
        QVERIFY(s);
        lay(s, 0, 3, 9);
        click(s->BottoneCambio);
        QCOMPARE(s->model().count(Wire::Tens), 2);
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("2 decine, 9 unità"));
        // The first blink is made at once: the ten bead (2300, 5400) is hidden.
        QVERIFY(colourAt(s, 2600, 5700) != red);
        QCOMPARE(fakes.timer->pending.size(), size_t(1));
        for (QAbstractButton *b : {static_cast<QAbstractButton *>(s->plusButton(Wire::Units)),
                                   static_cast<QAbstractButton *>(s->minusButton(Wire::Tens)),
                                   static_cast<QAbstractButton *>(s->BottoneCambio),
                                   static_cast<QAbstractButton *>(s->Bot_ricomincia)})
            QVERIFY(!b->isEnabled());
        QVERIFY(s->Text1->isEnabled());

        //                     after step: 2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18
        const bool tenShown[17] =        {1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        const bool unitsShown[17] =      {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
        for (int i = 0; i < 17; ++i) {
            QVERIFY(step());
            QCOMPARE(colourAt(s, 2600, 5700) == red, tenShown[i]);
            QCOMPARE(colourAt(s, 6360, 1500) == lightBlue, unitsShown[i]);   // bead 9
            QCOMPARE(colourAt(s, 5700, 6900) == lightBlue, unitsShown[i]);   // bead 10
            QCOMPARE(colourAt(s, 5700, 2100) == lightBlue, unitsShown[i]);   // bead 18
            QCOMPARE(colourAt(s, 2600, 6300) == red, true);                  // ten bead 1
            QVERIFY(!s->BottoneCambio->isEnabled());
            QVERIFY(!s->plusButton(Wire::Tens)->isEnabled());
        }
        QCOMPARE(s->model().count(Wire::Units), 9);
        QVERIFY(step());   // the last wait ends the exchange
        QVERIFY(fakes.timer->pending.empty());
        QCOMPARE(s->model().count(Wire::Tens), 2);
        QCOMPARE(s->model().count(Wire::Units), 19);
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("2 decine, 19 unità"));
        QVERIFY(!s->BottoneCambio->isEnabled());
        QVERIFY(s->plusButton(Wire::Units)->isEnabled());
        QVERIFY(s->Bot_ricomincia->isEnabled());
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));

        // "Ricomincia": all beads off, "Cambio" back, the exercise and text stay.
        const QString text = s->EtichettaNumero->text();
        s->Text1->setText(QStringLiteral("12"));
        click(s->Bot_ricomincia);
        QCOMPARE(s->model().count(Wire::Units), 0);
        QCOMPARE(s->model().count(Wire::Tens), 0);
        QVERIFY(s->BottoneCambio->isEnabled());
        QCOMPARE(s->EtichettaNumero->text(), text);
        QCOMPARE(s->Text1->text(), QStringLiteral("12"));
        QVERIFY(colourAt(s, 6360, 1500) != lightBlue);
    }

    void refusedExchange_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("sounds");
        QTest::addColumn<bool>("lower");     // the hundreds exchange
        QTest::addColumn<QList<int>>("beads");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("buzzes");
        QTest::newRow("Form99d 10 units") << "Form99d" << -1 << false << QList<int>{0, 3, 10} << 0 << 1;
        QTest::newRow("Form99d3 no ten") << "Form99d3" << -1 << false << QList<int>{0, 0, 2} << 0 << 1;
        QTest::newRow("Form99d silent") << "Form99d" << 0 << false << QList<int>{0, 0, 0} << 0 << 0;
        QTest::newRow("Form999b silent") << "Form999b" << 0 << false << QList<int>{0, 0, 0} << 1 << 0;
        QTest::newRow("Form999c sounds") << "Form999c" << -1 << false << QList<int>{0, 1, 12} << 1 << 0;
        QTest::newRow("Form999d hundreds") << "Form999d" << 0 << true << QList<int>{2, 10, 0} << 1 << 0;
        QTest::newRow("Form999b no hundred") << "Form999b" << -1 << true << QList<int>{0, 3, 0} << 1 << 0;
    }
    // A refused exchange counts one wrong answer and moves nothing.
    void refusedExchange()
    {
        QFETCH(QString, screen);
        QFETCH(int, sounds);
        QFETCH(bool, lower);
        QFETCH(QList<int>, beads);
        QFETCH(int, beeps);
        QFETCH(int, buzzes);
        auto *s = qobject_cast<AbacusScreen *>(openScreen(screen));
        QVERIFY(s);
        shared().SuoniAttivi = std::int16_t(sounds);
        lay(s, beads[0], beads[1], beads[2]);
        QToolButton *cambio = lower ? s->BottoneCambio2 : s->BottoneCambio;
        click(cambio);
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 1"));
        QVERIFY(s->ComandoIconaNo->isVisible());
        QVERIFY(!s->ComandoIconaSi->isVisible());
        QCOMPARE(fakes.sound->beeps, beeps);
        QCOMPARE(fakes.sound->played.size(), buzzes);
        if (buzzes)
            QVERIFY(fakes.sound->played.first().endsWith(QStringLiteral("no.wav")));
        QVERIFY(fakes.timer->pending.empty());
        QVERIFY(cambio->isEnabled());
        QCOMPARE(s->model().count(Wire::Units), beads[2]);
        QCOMPARE(s->model().count(Wire::Tens), beads[1]);
        click(cambio);
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 2"));
    }

    // A hundred into ten tens, then a ten into ten units.
    void hundredsThenTens()
    {
        AbacusScreen *s = open("Form999c");
        QVERIFY(s);
        lay(s, 3, 0, 4);
        click(s->BottoneCambio2);
        QVERIFY(!s->BottoneCambio->isEnabled());   // waits for the exchange
        QCOMPARE(fakes.timer->runAll(), 18);
        QCOMPARE(s->model().count(Wire::Hundreds), 2);
        QCOMPARE(s->model().count(Wire::Tens), 10);
        QVERIFY(!s->BottoneCambio2->isEnabled());
        QVERIFY(s->BottoneCambio->isEnabled());
        // Hundreds 0..1 green at 915; tens 9 (4005, 1665) and 0 (4005, 6615).
        QCOMPARE(colourAt(s, 1190, 6340), green);
        QVERIFY(colourAt(s, 1190, 5240) != green);
        QCOMPARE(colourAt(s, 4280, 1940), lightRed);
        QCOMPARE(colourAt(s, 4280, 6890), red);
        QCOMPARE(s->abacus()->accessibleDescription(),
                 QStringLiteral("2 centinaia, 10 decine, 4 unità"));
        click(s->BottoneCambio);
        fakes.timer->runAll();
        QCOMPARE(s->model().count(Wire::Tens), 9);
        QCOMPARE(s->model().count(Wire::Units), 14);
        QVERIFY(!s->BottoneCambio->isEnabled());
        // Units 10..13 in the second column at 6270.
        QCOMPARE(colourAt(s, 6545, 6890), lightBlue);
        QCOMPARE(colourAt(s, 6545, 5240), lightBlue);
        QVERIFY(colourAt(s, 6545, 4690) != lightBlue);
        // "Ricomincia" gives both back.
        click(s->Bot_ricomincia);
        QVERIFY(s->BottoneCambio->isEnabled());
        QVERIFY(s->BottoneCambio2->isEnabled());
        QCOMPARE(s->abacus()->accessibleDescription(),
                 QStringLiteral("0 centinaia, 0 decine, 0 unità"));
    }

    void exchangeButtonsOfEachScreen_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("shown");
        QTest::newRow("Form99d1") << "Form99d1" << 0;
        QTest::newRow("Form99d3") << "Form99d3" << 1;
        QTest::newRow("Form99d") << "Form99d" << 1;
        QTest::newRow("Form999a") << "Form999a" << 0;
        QTest::newRow("Form999b") << "Form999b" << 2;
        QTest::newRow("Form999c") << "Form999c" << 2;
        QTest::newRow("Form999d") << "Form999d" << 2;
    }
    void exchangeButtonsOfEachScreen()
    {
        QFETCH(QString, screen);
        QFETCH(int, shown);
        auto *s = qobject_cast<AbacusScreen *>(openScreen(screen));
        QVERIFY(s);
        int visible = 0;
        for (auto *b : s->findChildren<QToolButton *>())
            if (b->text() == QLatin1String("Cambio") && b->isVisible())
                ++visible;
        QCOMPARE(visible, shown);
        for (auto *b : s->findChildren<QToolButton *>())
            if (b->text() == QLatin1String("Cambio"))
                QCOMPARE(b->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(s->Bot_ricomincia->cursor().shape(), Qt::BitmapCursor);
        // The catalogue button leads here.
        QVERIFY(screenExists(screen));
    }

    void answers()
    {
        fakes.random->push({0.5, toGet(45, 89, 10), toGet(18, 35, 5)});
        AbacusScreen *s = open("Form99d");
        QVERIFY(s);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 45 -  27 = "));
        type(s->Text1, QString());
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
        type(s->Text1, QStringLiteral("19"));
        type(s->Text1, QStringLiteral("19"));
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 2"));
        QCOMPARE(s->Text1->text(), QStringLiteral("19"));
        QVERIFY(s->ComandoIconaNo->isVisible());
        QVERIFY(!s->BottoneAvanti->isEnabled());
        type(s->Text1, QStringLiteral("18 "));
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QVERIFY(s->ComandoIconaSi->isVisible());
        QVERIFY(!s->Text1->isEnabled());
        QVERIFY(!s->Bot_ricomincia->isEnabled());
        QVERIFY(s->BottoneAvanti->isEnabled());
        QCOMPARE(QApplication::focusWidget(), s->BottoneAvanti);
        // The beads stay usable once solved.
        click(s->plusButton(Wire::Tens));
        QCOMPARE(s->model().count(Wire::Tens), 1);
        QVERIFY(s->BottoneCambio->isEnabled());
        click(s->BottoneAvanti);
        QVERIFY(s->Text1->isEnabled());
        QVERIFY(s->Bot_ricomincia->isEnabled());
        QVERIFY(!s->BottoneAvanti->isEnabled());
        QCOMPARE(s->model().count(Wire::Tens), 0);
        QVERIFY(s->ComandoIconaSi->isVisible());   // the faces stay
    }

    // "avanti" in the middle of an exchange: the steps left touch nothing.
    void avantiDuringAnExchange()
    {
        AbacusScreen *s = open("Form99d");
        QVERIFY(s);
        lay(s, 0, 4, 2);
        click(s->BottoneCambio);
        QVERIFY(step());
        QVERIFY(step());
        // Typing and Enter still work meanwhile.
        type(s->Text1, QString::number(s->model().exercise().risposta));
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QVERIFY(!s->Bot_ricomincia->isEnabled());
        QVERIFY(s->BottoneAvanti->isEnabled());
        click(s->BottoneAvanti);
        QCOMPARE(s->model().count(Wire::Tens), 0);
        QVERIFY(!s->model().exchanging());
        QVERIFY(s->BottoneCambio->isEnabled());
        QVERIFY(s->plusButton(Wire::Tens)->isEnabled());
        fakes.timer->runAll();
        QCOMPARE(s->model().count(Wire::Units), 0);
        QCOMPARE(s->model().count(Wire::Tens), 0);
        QVERIFY(s->BottoneCambio->isEnabled());
        QVERIFY(s->Bot_ricomincia->isEnabled());
        QVERIFY(colourAt(s, 6360, 6900) != blue);
    }

    // Solved during an exchange: its end leaves "Ricomincia" disabled.
    void solvedDuringAnExchange()
    {
        AbacusScreen *s = open("Form999d");
        QVERIFY(s);
        lay(s, 1, 0, 0);
        click(s->BottoneCambio2);
        type(s->Text1, QString::number(s->model().exercise().risposta));
        fakes.timer->runAll();
        QCOMPARE(s->model().count(Wire::Tens), 10);
        QVERIFY(!s->Bot_ricomincia->isEnabled());
        QVERIFY(!s->BottoneCambio2->isEnabled());
        QVERIFY(s->BottoneCambio->isEnabled());
        QVERIFY(s->BottoneAvanti->isEnabled());
    }

    // "Cambio" clicked many times fast makes one exchange and counts nothing.
    void cambioManyTimes()
    {
        AbacusScreen *s = open("Form99d3");
        QVERIFY(s);
        lay(s, 0, 2, 0);
        click(s->BottoneCambio, 6);
        QTest::keyClick(s->BottoneCambio, Qt::Key_Space);
        QCOMPARE(fakes.timer->runAll(), 18);
        click(s->BottoneCambio, 3);
        QCOMPARE(s->model().count(Wire::Tens), 1);
        QCOMPARE(s->model().count(Wire::Units), 10);
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
    }

    void azzeraDuringAnExchange()
    {
        AbacusScreen *s = open("Form999b");
        QVERIFY(s);
        lay(s, 0, 1, 3);
        click(s->BottoneCambio);
        click(s->BottoneCambio2);   // disabled meanwhile
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
        step();
        s->MenuAzzera->trigger();
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));
        fakes.timer->runAll();
        QCOMPARE(s->model().count(Wire::Units), 13);
        QCOMPARE(s->model().count(Wire::Tens), 0);
    }

    // Leaving, or closing the window, with an exchange under way.
    void leavingDuringAnExchange()
    {
        AbacusScreen *s = open("Form99d");
        QVERIFY(s);
        lay(s, 0, 1, 0);
        click(s->BottoneCambio);
        step();
        fakes.messages->answers.push_back(MessageBoxes::Answer::Yes);
        s->MenuEsci->trigger();
        QVERIFY(screenNamed(QStringLiteral("FormMenuGrafici")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fakes.timer->runAll();

        AbacusScreen *t = open("Form999d");
        QVERIFY(t);
        lay(t, 1, 0, 0);
        click(t->BottoneCambio2);
        t->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fakes.timer->runAll();
        QVERIFY(!screenNamed(QStringLiteral("Form999d")));
    }

    // Any button in any order, the timer now and then: counts stay in range
    // and nothing is counted but answers and refusals.
    void anyClicks_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("Form99d1") << "Form99d1";
        QTest::newRow("Form99d") << "Form99d";
        QTest::newRow("Form999d") << "Form999d";
    }
    void anyClicks()
    {
        QFETCH(QString, screen);
        auto *s = qobject_cast<AbacusScreen *>(openScreen(screen));
        QVERIFY(s);
        QRandomGenerator pick(7);
        const QStringList texts{"", "12", "abc", "9999", " 0 ", "-3", "1.5", "x 7", "0", "12345"};
        for (int i = 0; i < 600; ++i) {
            QList<QAbstractButton *> buttons = s->centralWidget()->findChildren<QAbstractButton *>();
            QAbstractButton *b = buttons[int(pick.bounded(buttons.size()))];
            const int what = int(pick.bounded(10));
            if (what < 6)
                click(b);
            else if (what == 6)
                type(s->Text1, texts[int(pick.bounded(texts.size()))]);
            else if (what == 7)
                step();
            else if (what == 8)
                s->MenuAzzera->trigger();
            else
                QTest::keyClick(s, Qt::Key_Tab);
            QVERIFY(s->Text1->text().size() <= 4);
            const int units = s->model().count(Wire::Units);
            QVERIFY(units >= 0 && units <= s->model().limit(Wire::Units));
            QVERIFY(s->model().count(Wire::Tens) >= 0
                    && s->model().count(Wire::Tens) <= s->model().limit(Wire::Tens));
            QVERIFY(s->model().count(Wire::Hundreds) >= 0
                    && s->model().count(Wire::Hundreds) <= s->model().limit(Wire::Hundreds));
        }
        fakes.timer->runAll();
        QVERIFY(!s->model().exchanging());
    }
};

QTEST_MAIN(AbacusScreenTest)
#include "test_abacus_screen.moc"
