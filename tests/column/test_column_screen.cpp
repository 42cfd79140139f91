#include "column/column_screen.h"
#include "column/label_drag.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

namespace {

// The instructions of the design, written out here rather than taken from the code.
namespace Said {
const QString PrimoNumero = QStringLiteral("Incolonna il primo numero trascinando le cifre con il mouse.");
const QString SecondoNumero = QStringLiteral("Incolonna il secondo numero trascinando le cifre con il mouse.");
const QString CambioUnita = QStringLiteral(
    "Le unità non ti bastano. Cambia una decina in unità trascinando il rettangolino viola.");
const QString CambioDecine = QStringLiteral(
    "Le decine non ti bastano. Cambia un centinaio in decine trascinando il rettangolino viola.");
const QString Unita = QStringLiteral("Sottrai le unità. Scrivi il risultato e premi invio.");
const QString Decine = QStringLiteral("Sottrai le decine. Scrivi il risultato e premi invio.");
const QString Centinaia = QStringLiteral("Sottrai le centinaia. Scrivi il risultato e premi invio.");
// What a digit that may be carried says of the keys.
const QString CarryDigit = QStringLiteral("Spazio per prenderla, Tab per scegliere dove, Spazio per posarla");
} // namespace Said

// The draw that makes Int(span * r) + low come out as `value`.
double toGet(int value, int span, int low = 0) { return (value - low + 0.5) / span; }

QPoint globalCentre(QWidget *w) { return w->mapToGlobal(w->rect().center()); }

// Presses on `from`, moves in two steps and lets go over `to`, as the child does.
void drag(QWidget *from, QWidget *to)
{
    const QPoint start = from->rect().center();
    const QPoint end = from->mapFromGlobal(globalCentre(to));
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    QTest::mouseMove(from, (start + end) / 2);
    QTest::mouseMove(from, end);
    QTest::mouseRelease(from, Qt::LeftButton, {}, end);
}

void type(QLineEdit *field, const QString &text)
{
    field->clear();
    if (!text.isEmpty())
        QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

QLabel *child(QWidget *screen, const char *name)
{
    return screen->findChild<QLabel *>(QString::fromLatin1(name));
}

// A key pressed and let go where the keyboard focus is, `times` times, as the
// child does: the release goes wherever the press has moved the focus.
void hit(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < times; ++i) {
        QTest::keyPress(static_cast<QWidget *>(nullptr), key, modifiers);
        QTest::keyRelease(static_cast<QWidget *>(nullptr), key, modifiers);
    }
}

// Digits typed where the focus is, then Enter.
void answerWithKeys(const char *digits)
{
    QTest::keyClicks(static_cast<QWidget *>(nullptr), QString::fromLatin1(digits));
    hit(Qt::Key_Return);
}

QWidget *focused() { return QApplication::focusWidget(); }

} // namespace

class ColumnScreenTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

    ColumnScreen *open(const char *name)
    {
        auto *screen = qobject_cast<ColumnScreen *>(openScreen(QString::fromLatin1(name)));
        if (screen && !QTest::qWaitForWindowExposed(screen))
            return nullptr;
        return screen;
    }

    // Drags every shown digit of a row into its own cell.
    static void placeRow(ColumnScreen *s, int row)
    {
        for (int c = s->model().columns() - 1; c >= 0; --c)
            if (!s->lineLabel(row, c)->text().isEmpty())
                drag(s->lineLabel(row, c), s->cell(row, c));
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    // 23 - 18 on Form24, from the first drag to "avanti", with the mouse and keys.
    void twoDigitsWithTheExchange()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QCOMPARE(s->lineLabel(Minuend, Tens)->text(), QStringLiteral(" 2"));
        QCOMPARE(s->lineLabel(Subtrahend, Units)->text(), QStringLiteral(" 8"));
        QCOMPARE(s->lineLabel(Minuend, Tens)->accessibleName(), QStringLiteral("2, decine del primo numero"));
        QCOMPARE(s->lineLabel(Subtrahend, Units)->accessibleName(), QStringLiteral("8, unità del secondo numero"));
        QCOMPARE(s->Label3->text(), Said::PrimoNumero);
        QCOMPARE(s->accessibleDescription(), "23 meno 18 in colonna. " + Said::PrimoNumero
                                                 + " Con la tastiera: Tab sceglie una cifra, Spazio la "
                                                   "prende, le frecce la portano sopra una casella, "
                                                   "Spazio la lascia.");
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QVERIFY(s->exchangeMark(Units)->isHidden());
        QCOMPARE(s->lineLabel(Minuend, Units)->cursor().shape(), Qt::BitmapCursor);

        // The subtrahend waits for the minuend.
        drag(s->lineLabel(Subtrahend, Units), s->cell(Subtrahend, Units));
        QCOMPARE(s->cell(Subtrahend, Units)->text(), QString());

        placeRow(s, Minuend);
        QCOMPARE(s->cell(Minuend, Tens)->text(), QStringLiteral(" 2"));
        QCOMPARE(s->cell(Minuend, Units)->text(), QStringLiteral(" 3"));
        QCOMPARE(s->Label3->text(), Said::SecondoNumero);
        placeRow(s, Subtrahend);
        QCOMPARE(s->cell(Subtrahend, Units)->text(), QStringLiteral(" 8"));
        QCOMPARE(s->Label3->text(), Said::CambioUnita);
        QVERIFY(s->exchangeMark(Units)->isVisible());
        QVERIFY(s->exchangeTarget(Units)->isVisible());
        QVERIFY(!s->resultField(Units)->isEnabled());

        drag(s->exchangeMark(Units), s->exchangeTarget(Units));
        QCOMPARE(s->exchangeMark(Units)->text(), QStringLiteral("-1"));
        QCOMPARE(s->exchangeTarget(Units)->text(), QStringLiteral("1"));
        QCOMPARE(s->Label3->text(), Said::Unita);
        QVERIFY(s->resultField(Units)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), s->resultField(Units));
        QCOMPARE(s->resultField(Units)->accessibleName(), QStringLiteral("unità del risultato"));
        QCOMPARE(s->resultField(Tens)->accessibleName(), QStringLiteral("decine del risultato"));

        // A wrong units digit: sad face, one wrong, the buzzer, the text stays.
        type(s->resultField(Units), QStringLiteral("4"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible());
        QCOMPARE(fakes.sound->played.size(), 1);
        QVERIFY(fakes.sound->played.first().endsWith(QStringLiteral("no.wav")));
        QCOMPARE(fakes.sound->beeps, 0);
        QCOMPARE(s->resultField(Units)->text(), QStringLiteral("4"));

        type(s->resultField(Units), QStringLiteral("5"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QVERIFY(!s->resultField(Units)->isEnabled());
        QVERIFY(s->resultField(Tens)->isEnabled());
        QCOMPARE(s->Label3->text(), Said::Decine);

        // The tens answer 0 must be typed.
        type(s->resultField(Tens), QString());
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        type(s->resultField(Tens), QStringLiteral("0"));
        QCOMPARE(s->Lris->text(), QStringLiteral(" 5"));
        QCOMPARE(s->Lris->x(), s->Label7->geometry().right() + 1);
        QVERIFY(s->Lris->width() > 0);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(shared().NumeroEsatti, 1);
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QVERIFY(!s->resultField(Tens)->isEnabled());
        // Enter again on the solved exercise counts nothing.
        QTest::keyClick(s->resultField(Tens), Qt::Key_Return);
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(fakes.announcer->spoken, (QStringList{"Al suo posto: decine del primo numero: 2.",
                                                       "Al suo posto: unità del primo numero: 3.",
                                                       Said::SecondoNumero,
                                                       "Al suo posto: decine del secondo numero: 1.",
                                                       "Al suo posto: unità del secondo numero: 8.",
                                                       Said::CambioUnita + " Con la tastiera: Tab va al "
                                                       "rettangolino viola, Spazio lo prende, le frecce "
                                                       "lo portano al suo posto, Spazio lo lascia.",
                                                       "Al suo posto: cambio nelle unità: 1.",
                                                       Said::Unita,
                                                       "Sbagliato, riprova. Esatti 0, errati 1.",
                                                       "Esatto! 23 meno 18 uguale 5. Esatti 1, errati 1."}));

        // "avanti": a fresh exercise on the same cyan, counts kept.
        fakes.random->push({toGet(57, 79, 20), toGet(20, 57)});
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(s->lineLabel(Minuend, Units)->text(), QStringLiteral(" 7"));
        QCOMPARE(s->Label3->text(), Said::PrimoNumero);
        QCOMPARE(s->cell(Minuend, Units)->text(), QString());
        QVERIFY(s->exchangeMark(Units)->isHidden());
        QCOMPARE(s->exchangeMark(Units)->text(), QString());
        QCOMPARE(s->resultField(Units)->text(), QString());
        QCOMPARE(s->Lris->text(), QString());
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(background(s->centralWidget()), QColor(Qt::cyan));
    }

    // 512 - 117 on Form37 with the sounds off: wrong units and tens digits
    // beep, a wrong hundreds digit plays nothing; with sounds on it buzzes.
    void threeDigitsWithBothExchanges()
    {
        shared().SuoniAttivi = 0;
        fakes.random->push({toGet(512, 979, 20), toGet(116, 512)});
        ColumnScreen *s = open("Form37");
        QVERIFY(s);
        shared().SuoniAttivi = 0;
        placeRow(s, Minuend);
        placeRow(s, Subtrahend);
        QCOMPARE(s->cell(Subtrahend, Hundreds)->text(), QStringLiteral(" 1"));
        QCOMPARE(s->Label3->text(), Said::CambioUnita);
        QVERIFY(s->exchangeMark(Tens)->isHidden());
        drag(s->exchangeMark(Units), s->exchangeTarget(Units));

        type(s->resultField(Units), QStringLiteral("15"));   // two characters: wrong
        QCOMPARE(fakes.sound->beeps, 1);
        type(s->resultField(Units), QStringLiteral("5"));
        QCOMPARE(s->Label3->text(), Said::CambioDecine);
        QVERIFY(s->exchangeMark(Tens)->isVisible());
        QVERIFY(!s->resultField(Tens)->isEnabled());
        drag(s->exchangeMark(Tens), s->exchangeTarget(Tens));
        QCOMPARE(s->exchangeMark(Tens)->text(), QStringLiteral("-1"));
        QCOMPARE(s->exchangeTarget(Tens)->text(), QStringLiteral("1"));
        QCOMPARE(s->Label3->text(), Said::Decine);

        type(s->resultField(Tens), QStringLiteral("8"));
        QCOMPARE(fakes.sound->beeps, 2);
        type(s->resultField(Tens), QStringLiteral("9"));
        QCOMPARE(s->Label3->text(), Said::Centinaia);

        type(s->resultField(Hundreds), QStringLiteral("4"));
        QCOMPARE(fakes.sound->beeps, 2);
        QVERIFY(fakes.sound->played.isEmpty());
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 3"));
        shared().SuoniAttivi = -1;
        type(s->resultField(Hundreds), QStringLiteral("2"));
        QCOMPARE(fakes.sound->played.size(), 1);
        QVERIFY(fakes.sound->played.first().endsWith(QStringLiteral("no.wav")));

        type(s->resultField(Hundreds), QStringLiteral("3"));
        QCOMPARE(s->Lris->text(), QStringLiteral(" 395"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 4"));
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
    }

    // On the three-column screen without exchanges a wrong units or tens digit
    // beeps, sounds on or off; a wrong hundreds digit buzzes.
    void beepsForWrongUnitsAndTens()
    {
        // 587 - 342, drawn digit by digit from the units up.
        fakes.random->push({0.75, 2.5 / 7, 0.85, 4.5 / 8, 0.55, 3.5 / 5});
        ColumnScreen *s = open("Form33");
        QVERIFY(s);
        QCOMPARE(s->model().minuend(), 587);
        QCOMPARE(s->model().subtrahend(), 342);
        placeRow(s, Minuend);
        placeRow(s, Subtrahend);
        type(s->resultField(Units), QStringLiteral("4"));
        QCOMPARE(fakes.sound->beeps, 1);
        type(s->resultField(Units), QStringLiteral("5"));
        shared().SuoniAttivi = 0;
        type(s->resultField(Tens), QStringLiteral("5"));
        QCOMPARE(fakes.sound->beeps, 2);
        type(s->resultField(Tens), QStringLiteral("4"));
        QVERIFY(fakes.sound->played.isEmpty());
        shared().SuoniAttivi = -1;
        type(s->resultField(Hundreds), QStringLiteral("3"));
        QCOMPARE(fakes.sound->beeps, 2);
        QCOMPARE(fakes.sound->played.size(), 1);
        QVERIFY(fakes.sound->played.first().endsWith(QStringLiteral("no.wav")));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 3"));
    }

    // While the button is down over a moving label the aeroplane shows and an
    // outline follows; let go on nothing, nothing happens.
    void dragShowsPointerAndOutline()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QLabel *source = s->lineLabel(Minuend, Units);
        const QPoint start = source->rect().center();
        QTest::mousePress(source, Qt::LeftButton, {}, start);
        QVERIFY(!QApplication::overrideCursor());
        QTest::mouseMove(source, start + QPoint(40, 200));
        QVERIFY(s->drag()->dragging());
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BitmapCursor);
        QFrame *outline = s->drag()->outline();
        QVERIFY(outline->isVisible());
        QCOMPARE(outline->size(), source->size());
        const QPoint first = outline->pos();
        QTest::mouseMove(source, start + QPoint(60, 230));
        QCOMPARE(outline->pos(), first + QPoint(20, 30));
        QTest::mouseRelease(source, Qt::LeftButton, {}, start + QPoint(60, 230));
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!outline->isVisible());
        QVERIFY(!s->drag()->pressed());
        QCOMPARE(s->model().digits().Cifre1, 2);
        for (int r : {Minuend, Subtrahend})
            for (int c : {Units, Tens})
                QCOMPARE(s->cell(r, c)->text(), QString());
    }

    // Drops of the wrong digit, on the other row, on a filled cell, on
    // nothing, and the exchange dragged twice: nothing is placed or counted twice.
    void badDropsChangeNothing()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Tens));       // ' 3' is not ' 2'
        drag(s->lineLabel(Minuend, Units), s->cell(Subtrahend, Units));   // other row
        drag(s->lineLabel(Minuend, Units), s->Label3);                    // not a target
        drag(s->lineLabel(Minuend, Units), frameWidget<QToolButton>(s, "BottoneAvanti"));
        QCOMPARE(s->model().digits().Cifre1, 2);
        for (int r : {Minuend, Subtrahend})
            for (int c : {Units, Tens})
                QCOMPARE(s->cell(r, c)->text(), QString());

        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Units));
        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Units));      // no longer draggable
        drag(s->lineLabel(Minuend, Tens), s->cell(Minuend, Units));       // filled
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("No, questa casella è già piena."));
        QCOMPARE(s->model().digits().Cifre1, 1);
        drag(s->lineLabel(Minuend, Tens), s->cell(Minuend, Tens));
        placeRow(s, Subtrahend);
        // The mark on a cell, then a digit on the mark's target: refused.
        drag(s->exchangeMark(Units), s->cell(Minuend, Units));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("No, non va qui."));
        drag(s->lineLabel(Subtrahend, Units), s->exchangeTarget(Units));
        QCOMPARE(s->exchangeTarget(Units)->text(), QString());
        QCOMPARE(s->model().digits().u1, 3);
        drag(s->exchangeMark(Units), s->exchangeTarget(Units));
        drag(s->exchangeMark(Units), s->exchangeTarget(Units));
        QCOMPARE(s->model().digits().u1, 13);
        QCOMPARE(s->exchangeMark(Units)->text(), QStringLiteral("-1"));
        QCOMPARE(shared().NumeroEsatti, 0);
        QCOMPARE(shared().NumeroErrati, 0);
    }

    // A minuend such as 44: either ' 4' goes into either cell of its row.
    void equalDigitsSwapCells()
    {
        fakes.random->push({toGet(44, 79, 20), toGet(20, 44)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        drag(s->lineLabel(Minuend, Tens), s->cell(Minuend, Units));
        QCOMPARE(s->cell(Minuend, Units)->text(), QStringLiteral(" 4"));
        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Tens));   // its cell is filled: retired
        QCOMPARE(s->cell(Minuend, Tens)->text(), QString());
        drag(s->lineLabel(Minuend, Tens), s->cell(Minuend, Tens));
        QCOMPARE(s->cell(Minuend, Tens)->text(), QStringLiteral(" 4"));
        QCOMPARE(s->Label3->text(), Said::SecondoNumero);
    }

    // A one-digit minuend on Form23: the line closes up, the tens answer may
    // be confirmed empty. No exchange marks exist on this screen.
    void oneDigitLineClosesUp()
    {
        fakes.random->push({0.75, 0.5, 0.05, 0.5});   // 7 - 3
        ColumnScreen *s = open("Form23");
        QVERIFY(s);
        QVERIFY(!child(s, "CambioUp"));
        QCOMPARE(s->lineLabel(Minuend, Tens)->text(), QString());
        QCOMPARE(s->lineLabel(Minuend, Tens)->width(), 0);
        QCOMPARE(s->lineLabel(Minuend, Units)->x(), s->lineLabel(Minuend, Tens)->x());
        QCOMPARE(s->lineLabel(Subtrahend, Units)->x(), s->Label6->geometry().right() + 1);
        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Tens));
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("No, questa casella resta vuota."));
        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Units));
        drag(s->lineLabel(Subtrahend, Units), s->cell(Subtrahend, Units));
        QCOMPARE(s->Label3->text(), Said::Unita);
        QVERIFY(s->resultField(Units)->isEnabled());
        type(s->resultField(Units), QStringLiteral("4"));
        type(s->resultField(Tens), QString());
        QCOMPARE(s->Lris->text(), QStringLiteral(" 4"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
    }

    // Enter in a field that is not open yet, or a held key's repeats, count nothing.
    void keysBeforeTheFieldOpens()
    {
        fakes.random->push({toGet(305, 979, 20), toGet(106, 305)});
        ColumnScreen *s = open("Form34");
        QVERIFY(s);
        QCOMPARE(s->lineLabel(Minuend, Tens)->text(), QStringLiteral(" 0"));
        for (int c : {Units, Tens, Hundreds}) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(s->resultField(c), &release);
        }
        placeRow(s, Minuend);
        placeRow(s, Subtrahend);
        QKeyEvent early(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(s->resultField(Units), &early);   // still the exchange step
        drag(s->exchangeMark(Units), s->exchangeTarget(Units));
        s->resultField(Units)->setText(QStringLiteral("7"));
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(s->resultField(Units), &repeat);
        QCOMPARE(shared().NumeroErrati, 0);
        QCOMPARE(fakes.sound->beeps, 0);
        type(s->resultField(Units), QStringLiteral("8"));
        QCOMPARE(s->Label3->text(), Said::CambioDecine);
        drag(s->exchangeMark(Tens), s->exchangeTarget(Tens));
        type(s->resultField(Tens), QString());   // da1 is 10 after the exchange: ignored
        QCOMPARE(shared().NumeroErrati, 0);
        type(s->resultField(Tens), QStringLiteral("9"));
        type(s->resultField(Hundreds), QStringLiteral("1"));
        QCOMPARE(s->Lris->text(), QStringLiteral(" 198"));
    }

    // Moves and the release may reach the widget under the mouse instead of
    // the grabbing label: the drop still lands.
    void releaseSentToTheTarget()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QLabel *source = s->lineLabel(Minuend, Units);
        QLabel *target = s->cell(Minuend, Units);
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        const QPoint local = target->rect().center();
        const QPoint global = target->mapToGlobal(local);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QVERIFY(s->drag()->dragging());
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &release);
        QCOMPARE(target->text(), QStringLiteral(" 3"));
        QVERIFY(!QApplication::overrideCursor());
        // The real release, reaching the label afterwards, changes nothing.
        QTest::mouseRelease(source, Qt::LeftButton, {}, source->mapFromGlobal(global));
        QCOMPARE(s->model().digits().Cifre1, 1);
    }

    // "Esci" in the middle of a drag: the screen goes, the pointer comes back.
    void leavingInTheMiddleOfADrag()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QPointer<ColumnScreen> alive(s);
        QLabel *source = s->lineLabel(Minuend, Units);
        QTest::mousePress(source, Qt::LeftButton, {}, source->rect().center());
        QTest::mouseMove(source, source->rect().center() + QPoint(30, 150));
        QVERIFY(QApplication::overrideCursor());
        fakes.messages->answers.push_back(MessageBoxes::Answer::Yes);
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
        QVERIFY(!QApplication::overrideCursor());
        QWidget *menu = onlyScreen();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("FormMenuNumeri"));
        // A late release over the catalogue does nothing.
        QTest::mouseRelease(menu, Qt::LeftButton, {}, menu->rect().center());
        QCOMPARE(onlyScreen(), menu);
    }

    // Answering No to the question keeps the exercise as it stood.
    void stayingKeepsTheExercise()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        placeRow(s, Minuend);
        const int draws = fakes.random->draws;
        fakes.messages->answers.push_back(MessageBoxes::Answer::No);
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QCOMPARE(fakes.messages->shown.last().text, QStringLiteral("Vuoi tornare al menù?"));
        s->activateWindow();
        QApplication::processEvents();
        QCOMPARE(fakes.random->draws, draws);
        QCOMPARE(s->Label3->text(), Said::SecondoNumero);
        QCOMPARE(s->cell(Minuend, Units)->text(), QStringLiteral(" 3"));
    }

    // Form24a, 23 - 18, from the first digit to "avanti" with keys only: the
    // focus starts on the first digit, each drop moves it on to the next
    // digit to place, the exchange mark, then the answer fields.
    void form24aWithKeysOnly()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24a");
        QVERIFY(s);
        LabelDrag *d = s->drag();
        QLabel *lda1 = s->lineLabel(Minuend, Tens);
        QCOMPARE(focused(), lda1);
        QVERIFY(d->focusFrame()->isVisible());
        QVERIFY(d->focusFrame()->geometry().contains(lda1->geometry()));
        QCOMPARE(lda1->accessibleName(), QStringLiteral("2, decine del primo numero"));
        QCOMPARE(lda1->accessibleDescription(), Said::CarryDigit);
        QCOMPARE(s->Label3->accessibleDescription(),
                 QStringLiteral("Con la tastiera: Tab sceglie una cifra, Spazio la prende, le "
                                "frecce la portano sopra una casella, Spazio la lascia."));
        const QStringList &spoken = fakes.announcer->spoken;

        hit(Qt::Key_Space);
        QVERIFY(d->held());
        QCOMPARE(d->heldLabel(), lda1);
        QCOMPARE(lda1->accessibleDescription(), QStringLiteral("in mano"));
        QCOMPARE(spoken.last(), QStringLiteral("in mano: 2, decine del primo numero. Le frecce "
                                               "scelgono dove, Spazio lascia, Esc annulla."));
        QVERIFY(d->outline()->isVisible());
        QCOMPARE(d->outline()->geometry(), lda1->geometry());
        QCOMPARE(d->keyTarget(), nullptr);
        hit(Qt::Key_Tab);   // the targets: Eda1, Eu1, Eda2, Eu2 (the exchange's is hidden)
        QCOMPARE(d->keyTarget(), s->cell(Minuend, Tens));
        QCOMPARE(spoken.last(), QStringLiteral("sopra: decine del primo numero"));
        QCOMPARE(d->outline()->geometry().center(), s->cell(Minuend, Tens)->geometry().center());
        QVERIFY(d->focusFrame()->geometry().contains(s->cell(Minuend, Tens)->geometry()));
        hit(Qt::Key_Return);
        QVERIFY(!d->held());
        QVERIFY(!d->outline()->isVisible());
        QCOMPARE(lda1->accessibleDescription(), QString());
        QCOMPARE(spoken.last(), QStringLiteral("Al suo posto: decine del primo numero: 2."));
        QCOMPARE(s->cell(Minuend, Tens)->text(), QStringLiteral(" 2"));
        QCOMPARE(focused(), s->lineLabel(Minuend, Units));

        hit(Qt::Key_Return);
        hit(Qt::Key_Right, 2);
        QCOMPARE(d->keyTarget(), s->cell(Minuend, Units));
        hit(Qt::Key_Space);
        QCOMPARE(s->cell(Minuend, Units)->text(), QStringLiteral(" 3"));
        QCOMPARE(s->Label3->text(), Said::SecondoNumero);
        QCOMPARE(spoken.last(), Said::SecondoNumero);
        QCOMPARE(focused(), s->lineLabel(Subtrahend, Tens));

        hit(Qt::Key_Space);
        hit(Qt::Key_Backtab, 2, Qt::ShiftModifier);   // from the last target back one
        QCOMPARE(d->keyTarget(), s->cell(Subtrahend, Tens));
        hit(Qt::Key_Return);
        QCOMPARE(focused(), s->lineLabel(Subtrahend, Units));
        hit(Qt::Key_Return);
        hit(Qt::Key_Down, 4);
        QCOMPARE(d->keyTarget(), s->cell(Subtrahend, Units));
        hit(Qt::Key_Return);
        QCOMPARE(s->Label3->text(), Said::CambioUnita);

        // The exchange: its target now lies between the two minuend cells.
        QCOMPARE(focused(), s->exchangeMark(Units));
        QCOMPARE(s->exchangeMark(Units)->accessibleName(), QStringLiteral("cambio di una decina"));
        QCOMPARE(s->exchangeMark(Units)->accessibleDescription(),
                 QStringLiteral("Spazio per prenderlo, Tab per scegliere dove, Spazio per posarlo"));
        QCOMPARE(s->Label3->accessibleDescription(),
                 QStringLiteral("Con la tastiera: Tab va al rettangolino viola, Spazio lo prende, "
                                "le frecce lo portano al suo posto, Spazio lo lascia."));
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 2);
        QCOMPARE(d->keyTarget(), s->exchangeTarget(Units));
        hit(Qt::Key_Return);   // its release lands in the units field: not an answer
        QCOMPARE(s->exchangeTarget(Units)->text(), QStringLiteral("1"));
        QCOMPARE(s->exchangeTarget(Units)->accessibleName(), QStringLiteral("cambio nelle unità: 1"));
        QCOMPARE(focused(), s->resultField(Units));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
        QCOMPARE(s->Label3->accessibleDescription(), QString());   // no mouse asked for

        answerWithKeys("5");
        QCOMPARE(focused(), s->resultField(Tens));
        answerWithKeys("0");
        QCOMPARE(s->Lris->text(), QStringLiteral(" 5"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
        QCOMPARE(s->cell(Subtrahend, Units)->accessibleName(),
                 QStringLiteral("unità del secondo numero: 8"));

        // Tab reaches "avanti"; Enter on it brings the next exercise, whose
        // first digit takes the keys.
        hit(Qt::Key_Tab);
        QCOMPARE(focused(), frameWidget<QToolButton>(s, "BottoneAvanti"));
        fakes.random->push({toGet(57, 79, 20), toGet(27, 57)});
        hit(Qt::Key_Return);
        QCOMPARE(s->lineLabel(Minuend, Tens)->text(), QStringLiteral(" 5"));
        QCOMPARE(focused(), s->lineLabel(Minuend, Tens));
    }

    // Form37, 512 - 117, both exchanges, with keys only.
    void form37WithKeysOnly()
    {
        fakes.random->push({toGet(512, 979, 20), toGet(116, 512)});
        ColumnScreen *s = open("Form37");
        QVERIFY(s);
        LabelDrag *d = s->drag();
        QCOMPARE(focused(), s->lineLabel(Minuend, Hundreds));
        // Targets in reading order: Eh1, Eda1, Eu1, Eh2, Eda2, Eu2.
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab);
        QCOMPARE(d->keyTarget(), s->cell(Minuend, Hundreds));
        hit(Qt::Key_Return);
        QCOMPARE(focused(), s->lineLabel(Minuend, Tens));
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 2);
        hit(Qt::Key_Space);
        hit(Qt::Key_Return);
        hit(Qt::Key_Left, 4);   // Eu2, Eda2, Eh2, Eu1
        QCOMPARE(d->keyTarget(), s->cell(Minuend, Units));
        hit(Qt::Key_Return);
        QCOMPARE(s->Label3->text(), Said::SecondoNumero);
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 4);
        hit(Qt::Key_Return);
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 5);
        hit(Qt::Key_Return);
        hit(Qt::Key_Space);
        hit(Qt::Key_Up);   // wraps to the last: Eu2
        hit(Qt::Key_Return);
        for (int r : {Minuend, Subtrahend})
            for (int c : {Units, Tens, Hundreds})
                QCOMPARE(s->cell(r, c)->text(), s->lineLabel(r, c)->text());
        QCOMPARE(s->Label3->text(), Said::CambioUnita);

        // Eh1, Eda1, CambioUa, Eu1, ...
        QCOMPARE(focused(), s->exchangeMark(Units));
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 3);
        QCOMPARE(d->keyTarget(), s->exchangeTarget(Units));
        hit(Qt::Key_Space);
        QCOMPARE(s->model().digits().u1, 12);
        answerWithKeys("5");
        QCOMPARE(s->Label3->text(), Said::CambioDecine);

        // Eh1, CambioDaa, Eda1, CambioUa, Eu1, ...
        QCOMPARE(focused(), s->exchangeMark(Tens));
        hit(Qt::Key_Return);
        hit(Qt::Key_Tab, 4);   // the units' exchange: refused
        QCOMPARE(d->keyTarget(), s->exchangeTarget(Units));
        hit(Qt::Key_Return);
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("No, questo cambio va nelle decine."));
        QCOMPARE(focused(), s->exchangeMark(Tens));
        hit(Qt::Key_Return);
        hit(Qt::Key_Tab, 2);
        QCOMPARE(d->keyTarget(), s->exchangeTarget(Tens));
        hit(Qt::Key_Return);
        QCOMPARE(s->exchangeMark(Tens)->text(), QStringLiteral("-1"));
        QCOMPARE(s->model().digits().da1, 11);
        QCOMPARE(focused(), s->resultField(Tens));
        answerWithKeys("9");
        answerWithKeys("3");
        QCOMPARE(s->Lris->text(), QStringLiteral(" 395"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
        QCOMPARE(fakes.sound->beeps, 0);
    }

    // Tab goes round the labels that may be dragged now, and no others.
    void tabVisitsTheDigitsToPlace()
    {
        fakes.random->push({toGet(512, 979, 20), toGet(116, 512)});
        ColumnScreen *s = open("Form34");
        QVERIFY(s);
        QCOMPARE(focused(), s->lineLabel(Minuend, Hundreds));
        hit(Qt::Key_Tab);
        QCOMPARE(focused(), s->lineLabel(Minuend, Tens));
        QVERIFY(s->drag()->focusFrame()->geometry().contains(s->lineLabel(Minuend, Tens)->geometry()));
        hit(Qt::Key_Tab);
        QCOMPARE(focused(), s->lineLabel(Minuend, Units));
        hit(Qt::Key_Tab);
        QCOMPARE(focused(), s->lineLabel(Minuend, Hundreds));
        hit(Qt::Key_Backtab, 1, Qt::ShiftModifier);
        QCOMPARE(focused(), s->lineLabel(Minuend, Units));
        // A label placed with the mouse leaves the round.
        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Units));
        QCOMPARE(focused(), s->lineLabel(Minuend, Hundreds));
        QCOMPARE(s->lineLabel(Minuend, Units)->focusPolicy(), Qt::NoFocus);
        QCOMPARE(s->lineLabel(Subtrahend, Units)->focusPolicy(), Qt::NoFocus);
        hit(Qt::Key_Tab, 2);
        QCOMPARE(focused(), s->lineLabel(Minuend, Hundreds));
    }

    // Esc puts the held label back with nothing changed; Enter with the
    // outline still over the label itself drops it nowhere.
    void escapePutsBack()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QLabel *lda1 = s->lineLabel(Minuend, Tens);
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab);
        QCOMPARE(s->drag()->keyTarget(), s->cell(Minuend, Tens));
        hit(Qt::Key_Escape);
        QVERIFY(!s->drag()->held());
        QVERIFY(!s->drag()->outline()->isVisible());
        QCOMPARE(lda1->accessibleDescription(), Said::CarryDigit);
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("torna al suo posto"));
        QCOMPARE(s->cell(Minuend, Tens)->text(), QString());
        QCOMPARE(s->model().digits().Cifre1, 2);
        QCOMPARE(focused(), lda1);
        QVERIFY(s->drag()->focusFrame()->geometry().contains(lda1->geometry()));
        hit(Qt::Key_Return);
        hit(Qt::Key_Return);
        QVERIFY(!s->drag()->held());
        QCOMPARE(s->model().digits().Cifre1, 2);
        QCOMPARE(fakes.announcer->spoken.count(QStringLiteral("torna al suo posto")), 2);
        QCOMPARE(focused(), lda1);
        // Esc with nothing held does nothing either.
        hit(Qt::Key_Escape);
        QCOMPARE(s->Label3->text(), Said::PrimoNumero);
    }

    // Drops on a wrong target are refused as with the mouse: nothing placed,
    // nothing counted, no sound, the label back in its place with the keys.
    void keyDropsOnWrongTargets()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QLabel *lda1 = s->lineLabel(Minuend, Tens);
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 2);   // Eu1 wants ' 3'
        QCOMPARE(s->drag()->keyTarget(), s->cell(Minuend, Units));
        hit(Qt::Key_Return);
        QCOMPARE(fakes.announcer->spoken.last(), QStringLiteral("No, qui va la cifra delle unità."));
        QVERIFY(!s->drag()->held());
        QCOMPARE(focused(), lda1);
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 3);   // the other row
        hit(Qt::Key_Space);
        QCOMPARE(fakes.announcer->spoken.last(),
                 QStringLiteral("No, questa cifra è del primo numero."));
        for (int r : {Minuend, Subtrahend})
            for (int c : {Units, Tens})
                QCOMPARE(s->cell(r, c)->text(), QString());
        QCOMPARE(s->model().digits().Cifre1, 2);
        QCOMPARE(s->Label3->text(), Said::PrimoNumero);
        QCOMPARE(shared().NumeroEsatti, 0);
        QCOMPARE(shared().NumeroErrati, 0);
        QCOMPARE(fakes.sound->beeps, 0);
        QVERIFY(fakes.sound->played.isEmpty());
        QCOMPARE(focused(), lda1);
        // The same label then goes where it belongs.
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab);
        hit(Qt::Key_Space);
        QCOMPARE(s->cell(Minuend, Tens)->text(), QStringLiteral(" 2"));
    }

    // A mouse drag started while a label is held with the keys: the held
    // label goes back first, then the mouse's drop lands as always. A click
    // anywhere else also puts it back.
    void mouseTakesOver()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QLabel *lda1 = s->lineLabel(Minuend, Tens);
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab, 2);
        QVERIFY(s->drag()->held());
        drag(s->lineLabel(Minuend, Units), s->cell(Minuend, Units));
        QVERIFY(!s->drag()->held());
        QCOMPARE(lda1->accessibleDescription(), Said::CarryDigit);
        QCOMPARE(s->cell(Minuend, Units)->text(), QStringLiteral(" 3"));
        QCOMPARE(s->cell(Minuend, Tens)->text(), QString());
        QCOMPARE(s->model().digits().Cifre1, 1);
        QVERIFY(!QApplication::overrideCursor());

        hit(Qt::Key_Space);
        QVERIFY(s->drag()->held());
        QTest::mouseClick(s->Label3, Qt::LeftButton);
        QVERIFY(!s->drag()->held());
        QVERIFY(!s->drag()->outline()->isVisible());
        // The keys after it pick up afresh; Enter does not drop the old hold.
        hit(Qt::Key_Return);
        QVERIFY(s->drag()->held());
        hit(Qt::Key_Tab);
        hit(Qt::Key_Return);
        QCOMPARE(s->cell(Minuend, Tens)->text(), QStringLiteral(" 2"));
        QCOMPARE(s->Label3->text(), Said::SecondoNumero);
    }

    // A message box, the keys going elsewhere, or a new exercise: the held
    // label goes back.
    void interruptionsPutBack()
    {
        fakes.random->push({toGet(23, 79, 20), toGet(17, 23)});
        ColumnScreen *s = open("Form24");
        QVERIFY(s);
        QLabel *lda1 = s->lineLabel(Minuend, Tens);
        hit(Qt::Key_Space);
        frameWidget<QAction>(s, "MenuInformazioni")->trigger();
        QCOMPARE(fakes.messages->shown.size(), 1);
        QVERIFY(!s->drag()->held());
        QCOMPARE(lda1->accessibleDescription(), Said::CarryDigit);

        hit(Qt::Key_Space);
        fakes.messages->answers.push_back(MessageBoxes::Answer::No);
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QVERIFY(!s->drag()->held());
        QVERIFY(!s->drag()->outline()->isVisible());

        hit(Qt::Key_Space);
        lda1->clearFocus();
        QVERIFY(!s->drag()->held());

        lda1->setFocus();
        hit(Qt::Key_Space);
        hit(Qt::Key_Tab);
        fakes.random->push({toGet(57, 79, 20), toGet(27, 57)});
        s->GeneraEsercizio();
        QVERIFY(!s->drag()->held());
        QCOMPARE(s->cell(Minuend, Tens)->text(), QString());
        QCOMPARE(s->model().digits().Cifre1, 2);
        QCOMPARE(shared().NumeroEsatti, 0);

        hit(Qt::Key_Space);
        QVERIFY(s->drag()->held());
        QPointer<ColumnScreen> alive(s);
        fakes.messages->answers.push_back(MessageBoxes::Answer::Yes);
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive);
        QCOMPARE(onlyScreen()->objectName(), QStringLiteral("FormMenuNumeri"));
    }

    // 30 - 10 on Form23: Enter drops the last digit and its release lands in
    // the units field just opened, where the empty field would be a right 0.
    // Only an Enter pressed in the field answers.
    void enterThatDropsIsNotAnAnswer()
    {
        fakes.random->push({0.05, 0.5, 0.35, 0.5});
        ColumnScreen *s = open("Form23");
        QVERIFY(s);
        QCOMPARE(s->model().minuend(), 30);
        QCOMPARE(s->model().subtrahend(), 10);
        // Targets: Eda1, Eu1, Eda2, Eu2.
        for (int target : {1, 2, 3, 4}) {
            hit(Qt::Key_Return);
            hit(Qt::Key_Tab, target);
            hit(Qt::Key_Return);
        }
        QCOMPARE(s->Label3->text(), Said::Unita);
        QCOMPARE(focused(), s->resultField(Units));
        QCOMPARE(s->model().step(), ColumnModel::Step::Units);
        QVERIFY(s->resultField(Units)->isEnabled());
        hit(Qt::Key_Return);
        QCOMPARE(s->model().step(), ColumnModel::Step::Tens);
    }

    // Where the column screens stand and how they look: column colours for
    // cells and fields alike, the exchange marks' colours, the fonts, and a
    // few places of each design.
    void designsLook_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("tensCell");        // Eda1
        QTest::addColumn<QRect>("unitsField");      // Eur
        QTest::addColumn<QRect>("label3");
        QTest::addColumn<double>("label3Points");
        QTest::addColumn<double>("headingPoints");
        QTest::addColumn<QRect>("avanti");
        QTest::newRow("Form23") << "Form23" << QRect(4170, 3600, 1000, 1000)
                                << QRect(5610, 6120, 1000, 1000) << QRect(450, 480, 5055, 855)
                                << 12.0 << 9.75 << QRect(9090, 6600, 1935, 975);
        QTest::newRow("Form24a") << "Form24a" << QRect(3690, 3240, 1005, 1005)
                                 << QRect(5490, 5760, 1000, 1000) << QRect(330, 120, 5055, 855)
                                 << 12.0 << 9.75 << QRect(8970, 6240, 1935, 975);
        QTest::newRow("Form33") << "Form33" << QRect(3240, 2880, 1095, 1095)
                                << QRect(4680, 5760, 1095, 1095) << QRect(240, 120, 7215, 735)
                                << 14.25 << 12.0 << QRect(8880, 6600, 1935, 975);
        QTest::newRow("Form36") << "Form36" << QRect(3120, 3000, 1095, 1095)
                                << QRect(4800, 5880, 1095, 1095) << QRect(360, 240, 7215, 735)
                                << 14.25 << 12.0 << QRect(9000, 6720, 1935, 975);
    }
    void designsLook()
    {
        QFETCH(QString, name);
        QFETCH(QRect, tensCell);
        QFETCH(QRect, unitsField);
        QFETCH(QRect, label3);
        QFETCH(double, label3Points);
        QFETCH(double, headingPoints);
        auto *s = qobject_cast<ColumnScreen *>(openScreen(name));
        QVERIFY(s);
        auto twips = [](const QRect &r) { return twipsRect(r.x(), r.y(), r.width(), r.height()); };
        QCOMPARE(s->cell(Minuend, Tens)->geometry(), twips(tensCell));
        QCOMPARE(s->resultField(Units)->geometry(), twips(unitsField));
        QCOMPARE(s->Label3->geometry(), twips(label3));
        QCOMPARE(s->Label3->text(), Said::PrimoNumero);
        QFETCH(QRect, avanti);
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twips(avanti));
        QCOMPARE(s->Label3->font(), designFont(QStringLiteral("Arial"), label3Points));
        QCOMPARE(background(s->Label3), QColor(Qt::white));
        QCOMPARE(s->Label3->alignment(), Qt::AlignCenter);
        QCOMPARE(child(s, "Intestazione_da")->font(), designFont(QStringLiteral("Arial"), headingPoints));
        QCOMPARE(s->lineLabel(Minuend, Units)->font(), designFont(QStringLiteral("Arial"), 48));

        const int columns = s->model().columns();
        const QColor colour[3] = {bgr(0xFF0000), bgr(0x0000FF), bgr(0x00FFFF)};
        for (int c = 0; c < columns; ++c) {
            for (int r : {Minuend, Subtrahend}) {
                QCOMPARE(background(s->cell(r, c)), colour[c]);
                // One plain black border around the cell's colour.
                const QImage shot = s->cell(r, c)->grab().toImage();
                QCOMPARE(shot.pixelColor(0, shot.height() / 2), QColor(Qt::black));
                QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() - 1), QColor(Qt::black));
                QCOMPARE(shot.pixelColor(3, 3), colour[c]);
                QCOMPARE(s->cell(r, c)->font(), designFont(QStringLiteral("Arial"), 36));
                QCOMPARE(s->cell(r, c)->alignment(), Qt::AlignCenter);
            }
            QLineEdit *field = s->resultField(c);
            QCOMPARE(field->palette().color(QPalette::Disabled, QPalette::Base), colour[c]);
            QCOMPARE(field->palette().color(QPalette::Active, QPalette::Base), colour[c]);
            QCOMPARE(field->font(), designFont(QStringLiteral("Arial"), 36));
            QCOMPARE(field->alignment(), Qt::AlignCenter);
            QCOMPARE(field->maxLength(), columns == 3 ? 2 : 1);
        }
        if (s->model().rule().exchanges) {
            QCOMPARE(background(s->exchangeMark(Units)), bgr(0xFF00FF));
            QCOMPARE(background(s->exchangeTarget(Units)), bgr(0xFF00FF));
            QCOMPARE(s->exchangeMark(Units)->font(), designFont(QStringLiteral("MS Sans Serif"), 13.5));
            if (columns == 3) {
                QCOMPARE(background(s->exchangeMark(Tens)), bgr(0xFF80FF));
                QCOMPARE(background(s->exchangeTarget(Tens)), bgr(0xFF80FF));
                QCOMPARE(s->exchangeTarget(Tens)->geometry(), twips(QRect(2760, 3000, 375, 615)));
                QCOMPARE(s->exchangeMark(Tens)->geometry(), twips(QRect(1440, 2400, 375, 615)));
            } else {
                QCOMPARE(s->exchangeMark(Units)->geometry(), twips(QRect(3720, 2640, 375, 615)));
            }
        }
        QCOMPARE(background(s->centralWidget()), QColor(Qt::cyan));
    }

    // The catalogue's buttons under "in colonna" open the column screens.
    void openedFromTheCatalogue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::newRow("senza cambio") << "Command14" << "Form23";
        QTest::newRow("con il cambio") << "Command24" << "Form24a";
        QTest::newRow("due cambi") << "Command32" << "Form37";
    }
    void openedFromTheCatalogue()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QWidget *menu = openScreen(QStringLiteral("FormMenuNumeri"));
        QVERIFY(menu);
        auto *b = menu->findChild<QAbstractButton *>(button);
        QVERIFY(b);
        QVERIFY(b->isEnabled());
        b->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *now = onlyScreen();
        QVERIFY(now);
        QCOMPARE(now->objectName(), screen);
        QVERIFY(qobject_cast<ColumnScreen *>(now));
    }

    // Every screen of the family opens from its name, fits its controls, and
    // its first exercise can be placed and offers the right next step.
    void everyScreenStarts_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &row : columnScreenRows())
            QTest::newRow(qPrintable(row.name)) << row.name;
    }
    void everyScreenStarts()
    {
        QFETCH(QString, name);
        auto *s = qobject_cast<ColumnScreen *>(openScreen(name));
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        const QRect area = s->centralWidget()->rect();
        for (QWidget *w : s->centralWidget()->findChildren<QWidget *>())
            QVERIFY2(area.contains(w->geometry()), qPrintable(w->objectName()));
        placeRow(s, Minuend);
        placeRow(s, Subtrahend);
        const auto step = s->model().step();
        if (step == ColumnModel::Step::UnitsExchange)
            QVERIFY(s->exchangeMark(Units)->isVisible());
        else
            QCOMPARE(step, ColumnModel::Step::Units);
        QCOMPARE(s->resultField(Units)->maxLength(), s->model().columns() == 3 ? 2 : 1);
    }
};

QTEST_MAIN(ColumnScreenTest)
#include "test_column_screen.moc"
