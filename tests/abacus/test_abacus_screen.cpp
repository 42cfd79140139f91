#include "abacus/abacus_screen.h"
#include "design.h"
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

void type(QLineEdit *field, const QString &text)
{
    field->clear();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

void click(QAbstractButton *b, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(b, Qt::LeftButton);
}

// Whether `colour` is painted at a point of the client area, in twips.
bool painted(AbacusScreen *s, int x, int y, QColor colour)
{
    return s->centralWidget()->grab().toImage().pixelColor(px(x), px(y)) == colour;
}

const QColor red(255, 0, 0), blue(0, 0, 255), lightBlue(128, 128, 255);

} // namespace

class AbacusScreenTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

    AbacusScreen *open(const QString &name)
    {
        auto *screen = qobject_cast<AbacusScreen *>(openScreen(name));
        return screen && QTest::qWaitForWindowExposed(screen) ? screen : nullptr;
    }

    // Runs the next animation step if it waited 0.3 s.
    bool step()
    {
        if (fakes.timer->pending.empty() || fakes.timer->pending.front().ms != 300)
            return false;
        auto s = std::move(fakes.timer->pending.front());
        fakes.timer->pending.pop_front();
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

    // Where the controls stand, what they say, and the keyboard order with
    // "avanti" disabled, as the screen opens, and enabled.
    void focusOrder_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("order");   // "avanti" is disabled
        QTest::addColumn<QStringList>("withAvanti");
        QTest::addColumn<QRect>("plusUnits");     // twips
        QTest::addColumn<QRect>("cambio");        // empty where there is none
        QTest::addColumn<QRect>("ricomincia");
        QTest::addColumn<QRect>("avanti");
        QTest::addColumn<QRect>("iconaSi");
        QTest::addColumn<QStringList>("names");   // + u, - da, + h, - h, the exchanges
        const QString u = QStringLiteral("più un'unità"), da = QStringLiteral("meno una decina"),
                      h = QStringLiteral("più un centinaio"), hm = QStringLiteral("meno un centinaio"),
                      tenToUnits = QStringLiteral("cambio di una decina in dieci unità"),
                      hundredToTens = QStringLiteral("cambio di un centinaio in dieci decine");
        QTest::newRow("Form99d3") << "Form99d3" << QStringList{"Bot_u", "Bot_da", "Command1",
            "Command2", "Text1", "Bot_ricomincia", "BottoneCambio", "Bot_u"}
            << QStringList{"Bot_u", "Bot_da", "Command1", "Command2", "Text1", "Bot_ricomincia",
                           "BottoneAvanti", "BottoneCambio"}
            << QRect(5280, 7320, 975, 735) << QRect(3480, 3600, 1485, 960)
            << QRect(9000, 5520, 1905, 990) << QRect(9000, 6960, 1935, 975)
            << QRect(9420, 360, 1095, 975) << QStringList{u, da, tenToUnits};
        QTest::newRow("Form99d1") << "Form99d1" << QStringList{"Bot_u", "Bot_da", "Command1",
            "Command2", "Bot_ricomincia", "Text1", "Bot_u"}
            << QStringList{"Bot_u", "Bot_da", "Command1", "Command2", "BottoneAvanti",
                           "Bot_ricomincia", "Text1"}
            << QRect(4920, 7080, 975, 735) << QRect()
            << QRect(9360, 5400, 1905, 990) << QRect(9360, 6840, 1935, 975)
            << QRect(9780, 240, 1095, 975) << QStringList{u, da};
        QTest::newRow("Form999c") << "Form999c" << QStringList{"Bot_u", "Bot_da", "Bot_h",
            "Command1", "Command2", "Command3", "Text1", "Bot_ricomincia", "BottoneCambio",
            "BottoneCambio2", "Bot_u"}
            << QStringList{"Bot_u", "Bot_da", "Bot_h", "Command1", "Command2", "Command3", "Text1",
                           "BottoneAvanti", "Bot_ricomincia", "BottoneCambio", "BottoneCambio2"}
            << QRect(6360, 7305, 765, 630) << QRect(4800, 5280, 1170, 960)
            << QRect(9120, 4560, 1905, 990) << QRect(9120, 6480, 1935, 975)
            << QRect(9540, 480, 1095, 975) << QStringList{u, da, h, hm, tenToUnits, hundredToTens};
        QTest::newRow("Form999a") << "Form999a" << QStringList{"Bot_u", "Bot_da", "Bot_h",
            "Command1", "Command2", "Command3", "Text1", "Bot_ricomincia", "Bot_u"}
            << QStringList{"Bot_u", "Bot_da", "Bot_h", "Command1", "Command2", "Command3", "Text1",
                           "BottoneAvanti", "Bot_ricomincia"}
            << QRect(6360, 7305, 765, 630) << QRect()
            << QRect(9120, 4560, 1905, 990) << QRect(9120, 6480, 1935, 975)
            << QRect(9540, 480, 1095, 975) << QStringList{u, da, h, hm};
    }
    void focusOrder()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, order);
        QFETCH(QRect, cambio);
        AbacusScreen *s = open(screen);
        QVERIFY(s && QTest::qWaitForWindowActive(s));
        QStringList seen;
        for (int i = 0; i < order.size(); ++i) {
            seen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen, order);
        QFETCH(QRect, plusUnits);
        QFETCH(QRect, ricomincia);
        QFETCH(QRect, avanti);
        QFETCH(QRect, iconaSi);
        QCOMPARE(s->plusButton(Wire::Units)->geometry(), twips(plusUnits));
        QCOMPARE(s->plusButton(Wire::Units)->text(), QStringLiteral("+ u"));
        QCOMPARE(s->Bot_ricomincia->geometry(), twips(ricomincia));
        QCOMPARE(s->Bot_ricomincia->text(), QStringLiteral("Ricomincia"));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twips(avanti));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->geometry(), twips(iconaSi));
        if (cambio.isValid()) {
            QCOMPARE(s->BottoneCambio->geometry(), twips(cambio));
            QCOMPARE(s->BottoneCambio->text(), QStringLiteral("Cambio"));
        }
        QCOMPARE(s->Text1->maxLength(), 4);
        QStringList names{s->plusButton(Wire::Units)->accessibleName(),
                          s->minusButton(Wire::Tens)->accessibleName()};
        if (s->model().wires() == 3)
            names << s->plusButton(Wire::Hundreds)->accessibleName()
                  << s->minusButton(Wire::Hundreds)->accessibleName();
        for (QToolButton *c : {s->BottoneCambio, s->BottoneCambio2})
            if (c && cambio.isValid())
                names << c->accessibleName();
        QTEST(names, "names");
        frameWidget<QToolButton>(s, "BottoneAvanti")->setEnabled(true);
        QTEST(tabOrder(s->plusButton(Wire::Units)), "withAvanti");
    }

    // The text, the field after it, the beads painted bottom-up to their limits.
    void exerciseAndBeads()
    {
        fakes.random->push({0.5, (88 + 0.5) / 89, (84 + 0.5) / 88});
        AbacusScreen *s = open(QStringLiteral("Form99d3"));
        QVERIFY(s);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 98 -  9 = "));
        QCOMPARE(s->Text1->x(), s->EtichettaNumero->geometry().right() + 1);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible() && !frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->abacus()->accessibleName(), QStringLiteral("abaco"));
        click(s->plusButton(Wire::Tens), 12);
        click(s->plusButton(Wire::Units), 25);
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("9 decine, 19 unità"));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("9 decine, 19 unità"));
        // Centres: tens bead 8 (2300, 1800), units 0 (6060, 6600), 9 (6060,
        // 1200) and 18 (5400, 1800), 600 twips each.
        QVERIFY(painted(s, 2600, 2100, red));
        QVERIFY(painted(s, 6360, 6900, blue));
        QVERIFY(painted(s, 6360, 1500, lightBlue));
        QVERIFY(painted(s, 5700, 2100, lightBlue));
        click(s->minusButton(Wire::Units), 9);
        QVERIFY(painted(s, 6360, 1500, lightBlue));
        QVERIFY(!painted(s, 5700, 6900, lightBlue));
        click(s->minusButton(Wire::Tens), 12);
        QVERIFY(!painted(s, 2600, 6900, red));
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("0 decine, 10 unità"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));

        AbacusScreen *d1 = open(QStringLiteral("Form99d1"));
        QVERIFY(!d1->findChild<QToolButton *>(QStringLiteral("BottoneCambio")));
        click(d1->plusButton(Wire::Units), 12);
        QCOMPARE(d1->model().count(Wire::Units), 9);
        QVERIFY(painted(d1, 6000, 1980, blue));   // the top one at (5700, 1680)
        AbacusScreen *a = open(QStringLiteral("Form999a"));
        QVERIFY(a->BottoneCambio->isHidden() && a->BottoneCambio2->isHidden());
        // Three wires, 550 twips a bead: the lowest of each and the tenth.
        lay(a, 1, 10, 10);
        QVERIFY(painted(a, 1100, 6800, QColor(0, 128, 0)));     // pal_h(0) at (915, 6615)
        QVERIFY(painted(a, 4180, 6800, red));                   // pal_da(0) at (4005, 6615)
        QVERIFY(painted(a, 4180, 1850, QColor(255, 128, 128)));  // pal_da(9) at (4005, 1665)
        QVERIFY(painted(a, 7100, 6800, blue));                  // pal_u(0) at (6930, 6615)
        QVERIFY(painted(a, 7100, 1850, lightBlue));             // pal_u(9) at (6945, 1665)
    }

    // 3 tens and 9 units: the top ten blinks and goes, units 9..18 blink and
    // stay, a step every 0.3 s; meanwhile the abacus controls wait.
    void exchangeStepByStep()
    {
        AbacusScreen *s = open(QStringLiteral("Form99d"));
        QVERIFY(s);
        lay(s, 0, 3, 9);
        s->BottoneCambio->setFocus();
        QTest::keyClick(s->BottoneCambio, Qt::Key_Space);
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("2 decine, 9 unità"));
        QVERIFY(!painted(s, 2600, 5700, red));   // ten bead 2 at (2300, 5400): first blink
        //                     after step: 2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18
        const bool tenShown[17] =        {1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        const bool unitsShown[17] =      {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
        for (int i = 0; i < 17; ++i) {
            QVERIFY(step());
            QCOMPARE(painted(s, 2600, 5700, red), tenShown[i]);
            QCOMPARE(painted(s, 6360, 1500, lightBlue), unitsShown[i]);   // bead 9
            QCOMPARE(painted(s, 5700, 2100, lightBlue), unitsShown[i]);   // bead 18
            QVERIFY(painted(s, 2600, 6300, red));                         // ten bead 1
            for (QAbstractButton *b : {(QAbstractButton *)s->plusButton(Wire::Units),
                                       (QAbstractButton *)s->minusButton(Wire::Tens),
                                       (QAbstractButton *)s->BottoneCambio,
                                       (QAbstractButton *)s->Bot_ricomincia})
                QVERIFY(!b->isEnabled());
            QVERIFY(s->Text1->isEnabled());
            QCOMPARE(s->focusWidget(), s->Text1);   // the keys wait where they change no bead
        }
        QVERIFY(step());   // the last wait ends it
        QVERIFY(fakes.timer->pending.empty());
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("2 decine, 19 unità"));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("2 decine, 19 unità"));
        QVERIFY(!s->BottoneCambio->isEnabled());
        QVERIFY(s->plusButton(Wire::Units)->isEnabled() && s->Bot_ricomincia->isEnabled());
        QCOMPARE(s->focusWidget(), s->Text1);   // "Cambio" is closed now
        // "Ricomincia": the beads go, "Cambio" comes back, the text stays.
        s->Text1->setText(QStringLiteral("12"));
        click(s->Bot_ricomincia);
        QCOMPARE(s->abacus()->accessibleDescription(), QStringLiteral("0 decine, 0 unità"));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("0 decine, 0 unità"));
        QVERIFY(s->BottoneCambio->isEnabled());
        QCOMPARE(s->Text1->text(), QStringLiteral("12"));
        // "Cambio" pressed where the keys are not (as a screen reader does):
        // they wait in the field and go back to "+ u" at the end.
        lay(s, 0, 1, 0);
        s->plusButton(Wire::Units)->setFocus();
        s->BottoneCambio->click();
        QCOMPARE(s->focusWidget(), s->Text1);
        fakes.timer->runAll();
        QCOMPARE(s->focusWidget(), s->plusButton(Wire::Units));
    }

    void refusedExchange_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("sounds");
        QTest::addColumn<int>("button");   // 0 BottoneCambio, 1 BottoneCambio2
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("buzzes");
        QTest::newRow("Form99d sounds on") << "Form99d" << -1 << 0 << 0 << 1;
        QTest::newRow("Form99d sounds off") << "Form99d3" << 0 << 0 << 0 << 0;
        QTest::newRow("Form999b sounds off") << "Form999b" << 0 << 0 << 1 << 0;
        QTest::newRow("Form999d hundreds") << "Form999d" << -1 << 1 << 1 << 0;
        QTest::newRow("Form99d3 sounds on") << "Form99d3" << -1 << 0 << 0 << 1;
        QTest::newRow("Form999b hundreds") << "Form999b" << -1 << 1 << 1 << 0;
        QTest::newRow("Form999c sounds on") << "Form999c" << -1 << 0 << 1 << 0;
    }
    // With no bead on the wire above: one wrong answer, nothing moves.
    void refusedExchange()
    {
        QFETCH(QString, screen);
        QFETCH(int, sounds);
        QFETCH(int, button);
        QFETCH(int, beeps);
        QFETCH(int, buzzes);
        AbacusScreen *s = open(screen);
        QVERIFY(s);
        shared().SuoniAttivi = std::int16_t(sounds);
        click(s->plusButton(Wire::Units), 3);
        QToolButton *cambio = button ? s->BottoneCambio2 : s->BottoneCambio;
        click(cambio);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible() && !frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QCOMPARE(fakes.sound->beeps, beeps);
        QCOMPARE(fakes.sound->played.size(), buzzes);
        QVERIFY(fakes.timer->pending.empty() && cambio->isEnabled());
        QCOMPARE(s->model().count(Wire::Units), 3);
        // After the counts of the three beads, the refusal.
        QCOMPARE(fakes.announcer->spoken.size(), 4);
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("Sbagliato, riprova. Esatti 0, errati 1."));
    }

    void answers()
    {
        AbacusScreen *s = open(QStringLiteral("Form999d"));
        QVERIFY(s);
        s->pose({45, 27, 18});
        type(s->Text1, QString());
        type(s->Text1, QStringLiteral("19"));
        type(s->Text1, QStringLiteral("19"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 2"));
        QCOMPARE(s->Text1->text(), QStringLiteral("19"));
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        type(s->Text1, QStringLiteral("18 "));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QVERIFY(!s->Text1->isEnabled() && !s->Bot_ricomincia->isEnabled());
        QCOMPARE(QApplication::focusWidget(), frameWidget<QToolButton>(s, "BottoneAvanti"));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("Esatto! 45 meno 27 uguale 18. Esatti 1, errati 2."));
        QCOMPARE(s->plusButton(Wire::Tens)->accessibleName(), QStringLiteral("più una decina"));
        QCOMPARE(s->BottoneCambio2->accessibleName(), QStringLiteral("cambio di un centinaio in dieci decine"));
        click(s->plusButton(Wire::Tens));   // the beads stay usable
        QCOMPARE(s->model().count(Wire::Tens), 1);
        click(frameWidget<QToolButton>(s, "BottoneAvanti"));
        QVERIFY(s->Text1->isEnabled() && s->Bot_ricomincia->isEnabled());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->Text1->x(), s->EtichettaNumero->geometry().right() + 1);
    }

    // Solved and "avanti" in the middle of an exchange; "Cambio" hammered,
    // "Azzera conteggio": the late steps touch nothing.
    void inputDuringAnExchange()
    {
        AbacusScreen *s = open(QStringLiteral("Form999d"));
        QVERIFY(s);
        s->pose({300, 100, 200});
        lay(s, 1, 2, 0);
        click(s->BottoneCambio, 5);
        click(s->BottoneCambio2, 5);
        QVERIFY(step());
        frameWidget<QAction>(s, "MenuAzzera")->trigger();
        type(s->Text1, QStringLiteral("200"));
        QCOMPARE(fakes.timer->runAll(), 17);
        QCOMPARE(s->abacus()->accessibleDescription(),
                 QStringLiteral("1 centinaio, 1 decina, 10 unità"));
        QVERIFY(!s->Bot_ricomincia->isEnabled());   // solved meanwhile
        QVERIFY(s->BottoneCambio2->isEnabled() && !s->BottoneCambio->isEnabled());
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));

        click(s->BottoneCambio2);
        QVERIFY(step() && step());
        click(frameWidget<QToolButton>(s, "BottoneAvanti"));
        QVERIFY(!s->model().exchanging() && s->BottoneCambio2->isEnabled());
        fakes.timer->runAll();
        QCOMPARE(s->model().count(Wire::Tens), 0);
        QVERIFY(s->BottoneCambio2->isEnabled() && s->Bot_ricomincia->isEnabled());
    }

    // Leaving, or closing the window, with an exchange under way.
    void leavingDuringAnExchange()
    {
        AbacusScreen *s = open(QStringLiteral("Form99d"));
        lay(s, 0, 1, 0);
        click(s->BottoneCambio);
        fakes.messages->answers.push_back(MessageBoxes::Answer::Yes);
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QVERIFY(screenNamed(QStringLiteral("FormMenuGrafici")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fakes.timer->runAll();
        AbacusScreen *t = open(QStringLiteral("Form999d"));
        lay(t, 1, 0, 0);
        click(t->BottoneCambio2);
        t->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(fakes.timer->runAll(), 1);
    }

    // Any button, text and step in any order: counts stay in range.
    void anyInput_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("Form99d1") << "Form99d1";
        QTest::newRow("Form99d") << "Form99d";
        QTest::newRow("Form999d") << "Form999d";
    }
    void anyInput()
    {
        QFETCH(QString, screen);
        AbacusScreen *s = open(screen);
        QVERIFY(s);
        QRandomGenerator pick(7);
        const QStringList texts{"", "12", "abc", " 0 ", "-3", "1.5", "x 7", "12345"};
        const auto buttons = s->centralWidget()->findChildren<QAbstractButton *>();
        for (int i = 0; i < 600; ++i) {
            const int what = int(pick.bounded(10));
            if (what < 7)
                click(buttons[int(pick.bounded(buttons.size()))]);
            else if (what == 7)
                type(s->Text1, texts[int(pick.bounded(texts.size()))]);
            else
                step();
            QVERIFY(s->Text1->text().size() <= 4);
            for (int w : {0, 1, 2})
                QVERIFY(s->model().count(w) >= 0 && s->model().count(w) <= s->model().limit(w));
        }
        fakes.timer->runAll();
        QVERIFY(!s->model().exchanging());
    }
};

QTEST_MAIN(AbacusScreenTest)
#include "test_abacus_screen.moc"
