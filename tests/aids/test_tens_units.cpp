#include "aids/tens_units.h"
#include "aids/tens_units_screen.h"
#include "design.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <random>

Q_DECLARE_METATYPE(TensUnitsModel::Kind)

namespace {
using Kind = TensUnitsModel::Kind;

TensUnitsScreen *openTensUnits(const QString &button)
{
    return qobject_cast<TensUnitsScreen *>(fromGraphicCatalogue(button));
}

int shown(const std::vector<QAbstractButton *> &blocks)
{
    int n = 0;
    for (QAbstractButton *b : blocks)
        n += !b->isHidden();
    return n;
}

void click(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }

void typeAnswer(QLineEdit *field, const QString &text)
{
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
}
} // namespace

class TensUnitsTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

    // Runs the next `n` steps of the animation.
    void step(int n)
    {
        for (int i = 0; i < n && !fakes.timer->pending.empty(); ++i) {
            QCOMPARE(fakes.timer->pending.front().ms, 300);
            auto s = std::move(fakes.timer->pending.front());
            fakes.timer->pending.pop_front();
            s.step();
        }
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    // The draws in their order, with every "draw again".
    void draws_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("differenza");
        // 59 - 29 has no exchange: both drawn again.
        QTest::newRow("with exchange") << Kind::NeedsExchange << QList<double>{0.5, 0.5, 0.0, 0.0}
                                       << " 20 -  5 = " << 15;
        QTest::newRow("either") << Kind::Either << QList<double>{0.5, 0.5} << " 59 -  29 = " << 30;
        QTest::newRow("largest") << Kind::Either << QList<double>{0.999, 0.999} << " 98 -  92 = " << 6;
        // 1 and 10 drawn again, then 53; its second number 0 drawn again.
        QTest::newRow("without exchange")
            << Kind::NoExchange << QList<double>{0.0, 0.1, 0.15, 0.05, 0.5, 0.3, 0.0, 0.0, 0.5, 0.9}
            << " 53 -  22 = " << 31;
        QTest::newRow("11 drawn again") << Kind::NoExchange << QList<double>{0.1, 0.1, 0.0, 0.9, 0.0, 0.5}
                                        << " 9 -  4 = " << 5;
    }
    void draws()
    {
        QFETCH(Kind, kind);
        QFETCH(QList<double>, draws);
        QFETCH(QString, text);
        QFETCH(int, differenza);
        TensUnitsModel m(kind);
        for (double d : draws)
            fakes.random->push({d});
        m.next();
        QCOMPARE(fakes.random->draws, draws.size());
        QCOMPARE(m.text(), text);
        QCOMPARE(m.differenza(), differenza);
    }

    void numbersOverManyDraws_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::newRow("FormGrafMeno") << Kind::NeedsExchange;
        QTest::newRow("FormGrafMeno2") << Kind::Either;
        QTest::newRow("FormGrafMeno1") << Kind::NoExchange;
    }
    void numbersOverManyDraws()
    {
        QFETCH(Kind, kind);
        TensUnitsModel m(kind);
        int withExchange = 0;
        for (int i = 0; i < 3000; ++i) {
            m.next();
            const int p = m.primo(), s = m.secondo();
            const bool exchange = p % 10 < s % 10;
            withExchange += exchange;
            if (kind == Kind::NoExchange) {
                QVERIFY(p >= 2 && p <= 99 && p != 10 && p != 11);
                QVERIFY(s >= 1);
                QVERIFY(s / 10 < p / 10 || (s / 10 == 0 && p / 10 == 0));
                QVERIFY(s % 10 < p % 10 || (s % 10 == 0 && p % 10 == 0));
            } else {
                QVERIFY(p >= 20 && p <= 98);
                QVERIFY(s >= 5 && s <= p - 6);
            }
        }
        if (kind == Kind::NeedsExchange)
            QCOMPARE(withExchange, 3000);
        else if (kind == Kind::NoExchange)
            QCOMPARE(withExchange, 0);
        else
            QVERIFY(withExchange > 300 && withExchange < 2700);
    }

    void screensFromTheCatalogue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("exchange");
        QTest::addColumn<QRect>("decine");     // twips
        QTest::addColumn<QRect>("lastTen");
        QTest::addColumn<QRect>("lastUnit");
        QTest::addColumn<QPoint>("etNumero");
        QTest::addColumn<QRect>("ricomincia");
        QTest::addColumn<QRect>("avanti");
        QTest::addColumn<QRect>("iconaSi");
        QTest::addColumn<QStringList>("order");   // with "avanti" enabled
        QTest::addColumn<int>("bottom");   // twips below the frame's top: its bottom line
        QTest::addColumn<int>("sides");    // and where its two sides end
        QTest::newRow("senza cambio") << "Command27" << "FormGrafMeno1" << false
                                      << QRect(6600, 2520, 1300, 600) << QRect(3120, 3600, 2415, 255)
                                      << QRect(5640, 3960, 255, 255) << QPoint(720, 480)
                                      << QRect(8640, 4200, 1905, 1110) << QRect(8640, 6840, 1935, 975)
                                      << QRect(9060, 360, 1095, 975)
                                      << QStringList{"Risultato", "BotDecine1", "BotUnita1",
                                                     "BottoneRicomincia", "BottoneAvanti"}
                                      << 2040 << 2055;
        QTest::newRow("con cambio") << "Command9" << "FormGrafMeno" << true
                                    << QRect(6720, 2520, 1300, 600) << QRect(3360, 3600, 2415, 255)
                                    << QRect(5880, 3960, 255, 255) << QPoint(840, 480)
                                    << QRect(8760, 3960, 1905, 1110) << QRect(8760, 6840, 1935, 975)
                                    << QRect(9180, 360, 1095, 975)
                                    << QStringList{"Risultato", "BotDecine1", "BotUnita1", "Cambio",
                                                   "BottoneRicomincia", "BottoneAvanti"}
                                    << 2640 << 2640;
    }
    void screensFromTheCatalogue()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(bool, exchange);
        QFETCH(QRect, decine);
        QFETCH(QRect, lastTen);
        QFETCH(QRect, lastUnit);
        QFETCH(int, bottom);
        QFETCH(int, sides);
        TensUnitsScreen *s = openTensUnits(button);
        QVERIFY(s);
        QCOMPARE(s->objectName(), screen);
        QCOMPARE(bool(s->Cambio), exchange);
        QCOMPARE(int(s->Unita2.size()), exchange ? 10 : 0);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible() && !frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->BotDecine1->geometry(), twipsRect(decine.x(), decine.y(), 1300, 600));
        QWidget *area = s->centralWidget();
        const auto inArea = [area](QWidget *w) { return QRect(w->mapTo(area, QPoint(0, 0)), w->size()); };
        QCOMPARE(inArea(s->Decina1[8]), twipsRect(lastTen.x(), lastTen.y(), 2415, 255));
        QCOMPARE(inArea(s->Unita1[8]), twipsRect(lastUnit.x(), lastUnit.y(), 255, 255));
        if (exchange) {
            QCOMPARE(inArea(s->Unita2[9]), twipsRect(960 + 480 * 9, 4680, 255, 255));
            QCOMPARE(s->Cambio->geometry(), twipsRect(6720, 4440, 1335, 615));
            QCOMPARE(s->Cambio->text(), QStringLiteral("Cambio"));
        }
        QFETCH(QPoint, etNumero);
        QFETCH(QRect, ricomincia);
        QFETCH(QRect, avanti);
        QFETCH(QRect, iconaSi);
        QCOMPARE(s->EtNumero->pos(), twipsPoint(etNumero.x(), etNumero.y()));
        QCOMPARE(s->BottoneRicomincia->geometry(), twips(ricomincia));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twips(avanti));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->geometry(), twips(iconaSi));
        QCOMPARE((QStringList{s->BotDecine1->text(), s->BotUnita1->text(), s->BottoneRicomincia->text()}),
                 (QStringList{"Decine", "Unità", "Ricomincia"}));
        QCOMPARE(s->Risultato->maxLength(), 3);
        QCOMPARE(background(s->EtNumero), QApplication::palette().color(QPalette::Window));
        // A ten is painted red, a unit blue.
        click(s->BotDecine1);
        click(s->BotUnita1);
        for (auto [block, colour] : {std::pair{s->Decina1[0], QColor(255, 0, 0)},
                                     std::pair{s->Unita1[0], QColor(0, 0, 255)}}) {
            const QImage shot = block->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() / 2), colour);
        }
        click(s->BottoneRicomincia);
        frameWidget<QToolButton>(s, "BottoneAvanti")->setEnabled(true);
        QTEST(tabOrder(s->Risultato), "order");
        for (QWidget *w : {static_cast<QWidget *>(s->BotDecine1), static_cast<QWidget *>(s->Decina1[0]),
                           static_cast<QWidget *>(s->Unita1[0]), static_cast<QWidget *>(s->BottoneRicomincia)})
            QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(s->workArea->accessibleName(), QStringLiteral("decine e unità"));
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("0 decine, 0 unità"));
        const QImage frame = s->workArea->grab().toImage();
        const QColor black(Qt::black);
        QCOMPARE(frame.height(), px(sides) + 1);
        QCOMPARE(frame.pixelColor(0, px(sides)), black);
        QCOMPARE(frame.pixelColor(px(600), px(bottom)), black);
        QCOMPARE(frame.pixelColor(px(600), px(sides)) == black, sides == bottom);
        // The answer field follows the text.
        QCOMPARE(s->Risultato->x(), s->EtNumero->geometry().right() + 1);
        const QRect client = area->rect();
        for (QWidget *w : area->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (!w->isHidden())
                QVERIFY2(client.contains(w->geometry()), qPrintable(w->objectName()));
    }

    void tenClicksShowNineTens()
    {
        TensUnitsScreen *s = openTensUnits(QStringLiteral("Command9"));
        QVERIFY(s);
        for (int i = 0; i < 10; ++i)
            click(s->BotDecine1);
        QCOMPARE(shown(s->Decina1), 9);
        for (int i = 0; i < 10; ++i)
            click(s->BotUnita1);
        QCOMPARE(shown(s->Unita1), 9);
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("9 decine, 9 unità"));
        // Taken from the middle (with the mouse, or Space on a ten reached
        // with Tab), and added again: count and picture agree.
        s->Decina1[2]->setFocus();
        QTest::keyClick(s->Decina1[2], Qt::Key_Space);
        click(s->Unita1[5]);
        QVERIFY(s->Decina1[2]->isHidden());
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("8 decine, 8 unità"));
        QCOMPARE(fakes.announcer->spoken.mid(fakes.announcer->spoken.size() - 2),
                 QStringList({"8 decine, 9 unità", "8 decine, 8 unità"}));
        click(s->BotDecine1);
        click(s->BotUnita1);
        QCOMPARE(fakes.announcer->spoken.mid(fakes.announcer->spoken.size() - 2),
                 QStringList({"9 decine, 8 unità", "9 decine, 9 unità"}));
        QVERIFY(!s->Decina1[2]->isHidden());
        QVERIFY(!s->Unita1[5]->isHidden());
        QCOMPARE(s->model().contaDecine(), 9);
        QCOMPARE(shown(s->Decina1), 9);
        // "Ricomincia" clears the area; the typed text stays here.
        s->Risultato->setText(QStringLiteral("4"));
        click(s->BottoneRicomincia);
        QCOMPARE(shown(s->Decina1) + shown(s->Unita1), 0);
        QCOMPARE(s->Risultato->text(), QStringLiteral("4"));
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("0 decine, 0 unità"));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("0 decine, 0 unità"));
        // Taken away with the keys, a ten or unit hands them on to the next
        // one shown, else to the one before, else to the answer field.
        for (int i = 0; i < 3; ++i)
            click(s->BotDecine1);
        click(s->BotUnita1);
        s->Decina1[1]->setFocus();
        for (QWidget *next : QList<QWidget *>{s->Decina1[2], s->Unita1[0], s->Decina1[0], s->Risultato}) {
            QTest::keyClick(s->focusWidget(), Qt::Key_Space);
            QCOMPARE(s->focusWidget(), next);
        }
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("0 decine, 0 unità"));

        // "Decine" shows the ten of the count, or the lowest hidden one where
        // that shows already; "Cambio" takes the ten of the count less one.
        for (int i = 0; i < 4; ++i)
            click(s->BotDecine1);
        click(s->Decina1[1]);
        click(s->Decina1[2]);
        click(s->BotDecine1);
        QVERIFY(!s->Decina1[2]->isHidden() && s->Decina1[1]->isHidden());
        click(s->BotDecine1);
        QVERIFY(!s->Decina1[1]->isHidden());
        click(s->Decina1[0]);
        click(s->Cambio);
        QCOMPARE(s->model().exchangingTen(), 2);
    }

    void exchangeSteppedThrough()
    {
        TensUnitsScreen *s = openTensUnits(QStringLiteral("Command7"));
        QVERIFY(s);
        click(s->Cambio);   // no ten: refused and counted
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible());
        QCOMPARE(fakes.sound->played.size(), 1);
        QVERIFY(fakes.sound->played[0].endsWith(QStringLiteral("no.wav")));
        QVERIFY(fakes.timer->pending.empty());

        click(s->BotDecine1);
        click(s->BotDecine1);
        click(s->BotUnita1);
        s->Cambio->setFocus();
        QTest::keyClick(s->Cambio, Qt::Key_Space);
        // The first blink at once; the work area takes no orders meanwhile,
        // nor the keys, which wait in the answer field.
        QVERIFY(s->Decina1[1]->isHidden());
        QVERIFY(s->exchangeRunning());
        for (QWidget *b : QList<QWidget *>{s->BotDecine1, s->BotUnita1, s->Cambio, s->BottoneRicomincia, s->Decina1[0]})
            QVERIFY(!b->isEnabled());
        QCOMPARE(s->focusWidget(), s->Risultato);
        QCOMPARE(fakes.timer->pending.size(), std::size_t(1));
        step(1);
        QVERIFY(!s->Decina1[1]->isHidden());
        click(s->Decina1[1]);
        click(s->Decina1[0]);
        click(s->Unita1[0]);
        for (Qt::Key k : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space})
            QTest::keyClick(s->focusWidget(), k);
        QCOMPARE(s->focusWidget(), s->Risultato);
        QCOMPARE(s->model().contaDecine(), 2);
        QCOMPARE(s->model().contaUnita(), 1);
        step(7);   // nine blinks of the ten
        QVERIFY(s->Decina1[1]->isHidden());
        QCOMPARE(shown(s->Unita2), 0);
        step(1);   // first blink of the units
        QCOMPARE(shown(s->Unita2), 10);
        step(1);
        QCOMPARE(shown(s->Unita2), 0);
        step(7);
        QCOMPARE(shown(s->Unita2), 10);
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("2 decine, 1 unità"));
        step(1);   // the end
        QVERIFY(!s->exchangeRunning());
        QVERIFY(fakes.timer->pending.empty());
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("1 decina, 11 unità"));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("1 decina, 11 unità"));
        QVERIFY(s->Decina1[1]->isHidden() && !s->Decina1[0]->isHidden());
        QCOMPARE(shown(s->Unita2), 10);
        QVERIFY(!s->Cambio->isEnabled());
        QVERIFY(s->BotDecine1->isEnabled() && s->BottoneRicomincia->isEnabled());
        QCOMPARE(s->focusWidget(), s->Risultato);   // "Cambio" is closed now

        // "Unità" adds nothing above 8 units; a changed unit goes on a click.
        click(s->BotUnita1);
        QCOMPARE(shown(s->Unita1), 1);
        click(s->Unita2[3]);
        click(s->Unita2[4]);
        QVERIFY(s->Unita2[3]->isHidden());
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("1 decina, 9 unità"));
        click(s->BotUnita1);
        QCOMPARE(shown(s->Unita1), 1);
        click(s->Unita2[0]);
        click(s->BotUnita1);   // one unit and seven changed: Unita1(8)
        QCOMPARE(shown(s->Unita1), 2);
        QVERIFY(!s->Unita1[8]->isHidden());
        click(s->Cambio);   // disabled: nothing
        QVERIFY(fakes.timer->pending.empty());
        // "Ricomincia" offers the exchange again.
        click(s->BottoneRicomincia);
        QVERIFY(s->Cambio->isEnabled());
        QCOMPARE(shown(s->Unita2), 0);
    }

    void answersDuringAndAfterTheExchange()
    {
        fakes.random->push({0.0, 0.0, 0.5, 0.5, 0.0, 0.0});   // catalogue, colour, 20 - 5
        TensUnitsScreen *s = openTensUnits(QStringLiteral("Command9"));
        QVERIFY(s);
        QCOMPARE(s->EtNumero->text(), QStringLiteral(" 20 -  5 = "));
        typeAnswer(s->Risultato, QString());
        QCOMPARE(s->errati(), 0);
        click(s->BotDecine1);
        click(s->Cambio);
        step(4);
        typeAnswer(s->Risultato, QStringLiteral("14"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QCOMPARE(s->Risultato->text(), QStringLiteral("14"));
        typeAnswer(s->Risultato, QStringLiteral("15a"));   // the leading number counts
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QVERIFY(!s->Risultato->isEnabled());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(frameWidget<QToolButton>(s, "BottoneAvanti")));
        step(100);
        // Answered: building goes on, "Ricomincia" waits for the next exercise.
        QVERIFY(!s->BottoneRicomincia->isEnabled());
        QVERIFY(s->BotDecine1->isEnabled());
        click(s->BotDecine1);
        QCOMPARE(shown(s->Decina1), 1);

        // "avanti" in the middle of an exchange stops it at once.
        click(frameWidget<QToolButton>(s, "BottoneAvanti"));
        QVERIFY(s->Risultato->isEnabled());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        click(s->BotDecine1);
        click(s->Cambio);
        step(3);
        click(frameWidget<QToolButton>(s, "BottoneAvanti"));   // disabled: nothing
        QVERIFY(s->exchangeRunning());
        typeAnswer(s->Risultato, QString::number(s->model().differenza()));
        click(frameWidget<QToolButton>(s, "BottoneAvanti"));
        QVERIFY(!s->exchangeRunning());
        QCOMPARE(shown(s->Decina1) + shown(s->Unita2), 0);
        QVERIFY(s->Cambio->isEnabled());
        QVERIFY(s->BottoneRicomincia->isEnabled());
        QCOMPARE(s->workArea->accessibleDescription(), QStringLiteral("0 decine, 0 unità"));
        // The dropped step of the old exchange does not hurry a new one.
        click(s->BotDecine1);
        click(s->Cambio);
        QCOMPARE(fakes.timer->pending.size(), std::size_t(2));
        step(1);
        QVERIFY(s->Decina1[0]->isHidden());
        QCOMPARE(fakes.timer->pending.size(), std::size_t(1));
        step(1);
        QVERIFY(!s->Decina1[0]->isHidden());
    }

    void leavingMidExchange()
    {
        TensUnitsScreen *s = openTensUnits(QStringLiteral("Command9"));
        QVERIFY(s);
        click(s->BotDecine1);
        click(s->Cambio);
        step(10);
        fakes.messages->answers.push_back(MessageBoxes::Answer::Yes);
        QPointer<TensUnitsScreen> gone(s);
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(onlyScreen()->objectName(), QStringLiteral("FormMenuGrafici"));
        QVERIFY(!gone);
        // The step still waiting belonged to the closed screen: it goes
        // without a successor and without touching anything.
        QCOMPARE(fakes.timer->pending.size(), std::size_t(1));
        QVERIFY(!fakes.timer->pending.front().context);
        const int errati = shared().NumeroErrati;
        QCOMPARE(fakes.timer->runAll(), 1);
        QVERIFY(fakes.timer->pending.empty());
        QCOMPARE(onlyScreen()->objectName(), QStringLiteral("FormMenuGrafici"));
        QCOMPARE(shared().NumeroErrati, errati);

        closeAllScreens();
        s = openTensUnits(QStringLiteral("Command7"));
        QVERIFY(s);
        click(s->BotDecine1);
        click(s->Cambio);
        QCOMPARE(fakes.timer->pending.size(), std::size_t(1));
        QVERIFY(fakes.timer->pending.front().context);
        delete s;
        QVERIFY(!fakes.timer->pending.front().context);
        QCOMPARE(fakes.timer->runAll(), 1);
        QVERIFY(fakes.timer->pending.empty());
    }

    void noExchangeScreenInsists()
    {
        fakes.random->push({0.0, 0.0, 0.1, 0.1, 0.0, 0.9, 0.0, 0.5});   // 9 - 4
        TensUnitsScreen *s = openTensUnits(QStringLiteral("Command27"));
        QVERIFY(s);
        QCOMPARE(s->EtNumero->text(), QStringLiteral(" 9 -  4 = "));
        typeAnswer(s->Risultato, QStringLiteral("6"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QCOMPARE(fakes.messages->shown.size(), 1);
        const RecordedBox box = fakes.messages->shown[0];
        QCOMPARE(box.text, QStringLiteral("Controlla esattamente il risultato"));
        QCOMPARE(box.title, QStringLiteral("Esercitazioni sulle Tolvena"));
        QCOMPARE(box.icon, MessageBoxes::Icon::Error);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
        QCOMPARE(fakes.sound->played.size(), 2);
        QVERIFY(fakes.sound->played[1].endsWith(QStringLiteral("no.wav")));
        // An empty field counts as 0, so wrong.
        typeAnswer(s->Risultato, QString());
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 2"));
        QCOMPARE(fakes.messages->shown.size(), 2);
        // "Ricomincia" clears the field too.
        click(s->BotDecine1);
        s->Risultato->setText(QStringLiteral("3"));
        click(s->BottoneRicomincia);
        QCOMPARE(s->Risultato->text(), QString());
        QCOMPARE(shown(s->Decina1), 0);
        typeAnswer(s->Risultato, QStringLiteral("5"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(fakes.messages->shown.size(), 2);
        QVERIFY(!s->BottoneRicomincia->isEnabled());
        click(frameWidget<QToolButton>(s, "BottoneAvanti"));
        QVERIFY(s->BottoneRicomincia->isEnabled());
    }

    // Any clicks, typing and menu items, also during an exchange: counts in
    // range and equal to what is shown, one exchange an exercise.
    void anySequenceKeepsCountsAndPicture_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("FormGrafMeno1") << "Command27";
        QTest::newRow("FormGrafMeno") << "Command9";
        QTest::newRow("FormGrafMeno2") << "Command7";
    }
    void anySequenceKeepsCountsAndPicture()
    {
        QFETCH(QString, button);
        TensUnitsScreen *s = openTensUnits(button);
        QVERIFY(s);
        std::mt19937 pick(3);
        const QStringList texts{"", "7", "x", "99", " 1 2", "-3", "1.5"};
        for (int n = 0; n < 1500; ++n) {
            switch (pick() % 13) {
            case 0: case 1: click(s->BotDecine1); break;
            case 2: case 3: click(s->BotUnita1); break;
            case 4: click(s->Decina1[pick() % 9]); break;
            case 5: click(s->Unita1[pick() % 9]); break;
            case 6: if (!s->Unita2.empty()) click(s->Unita2[pick() % 10]); break;
            case 7: if (s->Cambio) click(s->Cambio); break;
            case 8: click(s->BottoneRicomincia); break;
            case 9: typeAnswer(s->Risultato, pick() % 3 ? texts[pick() % texts.size()]
                                                         : QString::number(s->model().differenza()));
                    break;
            case 10: click(frameWidget<QToolButton>(s, "BottoneAvanti")); break;
            case 11: (pick() % 2 ? frameWidget<QAction>(s, "MenuAzzera") : frameWidget<QAction>(s, "MenuEsci"))->trigger(); break;   // Esci: No
            default: step(int(pick() % 6)); break;
            }
            const TensUnitsModel &m = s->model();
            QVERIFY(m.contaDecine() >= 0 && m.contaDecine() <= 9);
            QVERIFY(m.contaUnita() >= 0 && m.contaUnita() <= 19);
            QCOMPARE(s->exchangeRunning(), m.exchanging());
            if (!m.exchanging()) {
                QCOMPARE(shown(s->Decina1), m.contaDecine());
                QCOMPARE(shown(s->Unita1) + shown(s->Unita2), m.contaUnita());
            }
            QVERIFY(shown(s->Unita1) <= 9);
            QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled(), m.answered());
            QCOMPARE(s->Risultato->isEnabled(), !m.answered());
            QVERIFY(shared().NumeroEsatti >= 0 && shared().NumeroErrati >= 0);
        }
    }
};

QTEST_MAIN(TensUnitsTest)
#include "test_tens_units.moc"
