#include "drills/typed_drill.h"
#include "drills/typed_drill_screen.h"
#include "design.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "shell/shell.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

namespace {

TypedExercise drawOf(const QString &name)
{
    const TypedDrillRow *row = typedDrillRow(name);
    Q_ASSERT(row);
    return row->draw();
}

// Works the exercise text out: "a - b = " or "a +____ = 100".
int solve(const QString &text)
{
    QString t = text;
    t.remove(' ');
    static const QRegularExpression minus(QStringLiteral("^(\\d+)-(\\d+)=$"));
    static const QRegularExpression complete(QStringLiteral("^(\\d+)\\+_+=100$"));
    if (auto m = minus.match(t); m.hasMatch())
        return m.captured(1).toInt() - m.captured(2).toInt();
    if (auto m = complete.match(t); m.hasMatch())
        return 100 - m.captured(1).toInt();
    return -1000000;
}

void type(QLineEdit *field, const QString &text)
{
    QTest::keyClicks(field, text);
}

void enter(QWidget *field)
{
    QTest::keyPress(field, Qt::Key_Return);
    QTest::keyRelease(field, Qt::Key_Return);
}

// Keys pressed and released where the keyboard is.
void keys(std::initializer_list<Qt::Key> list)
{
    for (Qt::Key k : list) {
        QTest::keyPress(QApplication::focusWidget(), k);
        QTest::keyRelease(QApplication::focusWidget(), k);
    }
}

} // namespace

class TypedDrillTest : public QObject {
    Q_OBJECT
    Fakes f{};

    TypedDrillScreen *open(const QString &name, std::initializer_list<double> draws)
    {
        f.random->push(draws);
        auto *s = qobject_cast<TypedDrillScreen *>(openScreen(name));
        Q_ASSERT(s);
        return s;
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { f = installFakes(); }
    void cleanup() { closeAllScreens(); }

    void drawsAtTheirExtremes_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        const double top = 0.9999999;
        QTest::newRow("16 low") << "Form16" << QList<double>{0} << " 2 - 1 = " << 1;
        QTest::newRow("16 high") << "Form16" << QList<double>{top} << " 99 - 1 = " << 98;
        QTest::newRow("17 low") << "Form17" << QList<double>{0, 0} << " 10 -  0 = " << 10;
        QTest::newRow("17 high") << "Form17" << QList<double>{top, top} << " 106 -  9 = " << 97;
        QTest::newRow("18 low") << "Form18" << QList<double>{0, 0} << " 10 -  10 = " << 0;
        QTest::newRow("18 high") << "Form18" << QList<double>{top, top} << " 97 -  90 = " << 7;
        QTest::newRow("19") << "Form19" << QList<double>{0} << " 20 - 10 = " << 10;
        QTest::newRow("20 minus one") << "Form20" << QList<double>{0, 0.5825} << " 58 - 1 = " << 57;
        QTest::newRow("20 minus ten") << "Form20" << QList<double>{0.5, top} << " 97 - 10 = " << 87;
        QTest::newRow("21 units") << "Form21" << QList<double>{0, 0, 0} << " 2 -  1 = " << 1;
        QTest::newRow("21 tens") << "Form21" << QList<double>{0.5, top, top} << " 99 -  90 = " << 9;
        QTest::newRow("25 high") << "Form25" << QList<double>{top} << " 999 - 1 = " << 998;
        QTest::newRow("26 zero") << "Form26" << QList<double>{0, 0} << " 0 -  0 = " << 0;
        QTest::newRow("27 low") << "Form27" << QList<double>{0} << " 30 - 10 = " << 20;
        QTest::newRow("28 high") << "Form28" << QList<double>{top, top} << " 979 -  90 = " << 889;
        QTest::newRow("29 beyond 999") << "Form29" << QList<double>{top} << " 1079 - 100 = " << 979;
        QTest::newRow("30 high") << "Form30" << QList<double>{top, top} << " 889 -  800 = " << 89;
        QTest::newRow("30 zero") << "Form30" << QList<double>{0, 0.7} << " 0 -  0 = " << 0;
        QTest::newRow("31 hundred") << "Form31" << QList<double>{0, top} << " 100 - 100 = " << 0;
        QTest::newRow("31 one") << "Form31" << QList<double>{top, 0} << " 989 - 1 = " << 988;
        QTest::newRow("32 whole") << "Form32" << QList<double>{top} << " 0 +____ = 100" << 100;
        QTest::newRow("32 one") << "Form32" << QList<double>{0} << " 99 +____ = 100" << 1;
        QTest::newRow("35 thousand") << "Form35" << QList<double>{0, top} << "1 000 - 1 000 = " << 0;
        QTest::newRow("35 high") << "Form35" << QList<double>{top, 0} << "9 989 - 1 = " << 9988;
        QTest::newRow("35 hundred") << "Form35" << QList<double>{0.34, 0.6} << "4 056 - 100 = " << 3956;
    }
    void drawsAtTheirExtremes()
    {
        QFETCH(QString, screen);
        QFETCH(QList<double>, draws);
        QFETCH(QString, text);
        QFETCH(int, answer);
        for (double d : draws)
            f.random->push({d});
        const TypedExercise e = drawOf(screen);
        QCOMPARE(e.text, text);
        QCOMPARE(e.answer, answer);
        QCOMPARE(int(shared().NumeroCasuale), answer);
        QVERIFY(f.random->script.empty());   // every scripted draw was taken
    }

    void everyDrawIsArithmeticallySound()
    {
        // Thousands of draws per member: the text always works out to the
        // answer, which always fits the field and is never negative.
        for (const TypedDrillRow &row : typedDrillRows()) {
            for (int i = 0; i < 3000; ++i) {
                const TypedExercise e = row.draw();
                QVERIFY2(e.answer >= 0, qPrintable(row.name));
                QVERIFY2(QString::number(e.answer).size() <= row.maxLength, qPrintable(row.name));
                QVERIFY2(solve(e.text) == e.answer, qPrintable(row.name + ": " + e.text));
            }
        }
    }

    void completedTexts()
    {
        TypedDrillModel plain([] { return TypedExercise{QStringLiteral(" 58 - 1 = "), 57, {}}; });
        plain.next();
        QVERIFY(!plain.check(QString()));
        QVERIFY(!plain.check(QStringLiteral("56")));
        QVERIFY(plain.check(QStringLiteral("5 7")));
        QCOMPARE(plain.completed(QStringLiteral("5 7")), QStringLiteral(" 58 - 1 =  5 7"));
        QVERIFY(!plain.check(QStringLiteral("57")));   // solved: no second right answer

        f.random->push({0.615});
        TypedDrillModel make100(typedDrillRow("Form32")->draw);
        make100.next();
        QCOMPARE(make100.exercise().text, QStringLiteral(" 38 +____ = 100"));
        QVERIFY(make100.check(QStringLiteral("62")));
        QCOMPARE(make100.completed(QStringLiteral("62")), QStringLiteral(" 38 +  62 = 100"));
    }

    void freshScreen_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QRect>("exercise");   // twips
        QTest::addColumn<QRect>("field");
        QTest::addColumn<QRect>("label1");
        QTest::addColumn<QRect>("avanti");
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("azzera");
        QTest::addColumn<QString>("informazioni");
        QTest::newRow("Form20") << "Form20" << QRect(600, 1200, 7215, 975)
            << QRect(2400, 3720, 3975, 2175) << QRect(8640, 1755, 735, 375)
            << QRect(8280, 6360, 1935, 975) << 53 << 3
            << "Azzera conteggio        " << "Informazioni           ";
        QTest::newRow("Form27") << "Form27" << QRect(240, 1200, 7215, 975)
            << QRect(2040, 3720, 3975, 2175) << QRect(8280, 1755, 735, 375)
            << QRect(7920, 6360, 1935, 975) << 53 << 3
            << "Azzera conteggio       " << "Informazioni          ";
        QTest::newRow("Form35") << "Form35" << QRect(360, 1080, 7215, 975)
            << QRect(1320, 3600, 5895, 2175) << QRect(8400, 1635, 735, 375)
            << QRect(8040, 6240, 1935, 975) << 37 << 5
            << "Azzera conteggio        " << "Informazioni          ";
    }
    void freshScreen()
    {
        QFETCH(QString, screen);
        QFETCH(QRect, exercise);
        QFETCH(QRect, field);
        QFETCH(QRect, label1);
        QFETCH(QRect, avanti);
        TypedDrillScreen *s = open(screen, {0.1, 0, 0.5825});
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QVERIFY(!frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        if (screen == "Form20")
            QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 58 - 1 = "));
        QCOMPARE(background(s->centralWidget()), bgr(0x8080FF));   // the draw 0.1 picks entry 2
        QCOMPARE(background(s->EtichettaNumero), bgr(0xFFFFFF));
        QCOMPARE(s->EtichettaNumero->geometry(), twips(exercise));
        QCOMPARE(s->Text1->geometry(), twips(field));
        const QLabel *caption = s->findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(caption);
        QCOMPARE(caption->geometry(), twips(label1));
        QCOMPARE(caption->text(), QStringLiteral("Esatti"));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twips(avanti));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->text(), QStringLiteral("avanti"));
        QTEST(s->EtichettaNumero->font().pixelSize(), "fontPixels");
        QTEST(frameWidget<QAction>(s, "MenuAzzera")->text(), "azzera");
        QTEST(frameWidget<QAction>(s, "MenuInformazioni")->text(), "informazioni");
        QCOMPARE(frameWidget<QAction>(s, "MenuEsci")->objectName(), QStringLiteral("mnuEsci"));
        QTEST(s->Text1->maxLength(), "maxLength");
        frameWidget<QToolButton>(s, "BottoneAvanti")->setEnabled(true);   // as after a right answer
        QCOMPARE(tabOrder(s->Text1), QStringList({"Text1", "BottoneAvanti"}));
        // A screen reader reads the field by its label, the exercise in words.
        QCOMPARE(s->Text1->accessibleName(), QStringLiteral("risposta"));
        QCOMPARE(s->EtichettaNumero->buddy(), s->Text1);
        if (screen == "Form20") {
            QCOMPARE(s->EtichettaNumero->accessibleName(), QStringLiteral("58 meno 1 uguale"));
            QCOMPARE(s->accessibleDescription(), QStringLiteral("58 meno 1 uguale"));   // read as it opens
        }
        // The window holds every control.
        for (QWidget *w : s->centralWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY2(s->centralWidget()->rect().contains(w->geometry()), qPrintable(w->objectName()));
    }

    void typedAnswersAreDigitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("57") << "57";
        QTest::newRow("057") << "057";
        QTest::newRow("5 7") << "5 7";
        QTest::newRow("57a") << "57a";
    }
    void typedAnswersAreDigitsOnly()
    {
        QFETCH(QString, typed);
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        type(s->Text1, typed);
        enter(s->Text1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 58 - 1 =  ") + typed);
        QVERIFY(!s->Text1->isEnabled());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(f.sound->played.size(), 1);
        QVERIFY(f.sound->played.first().contains("/suoni/si"));
    }

    void onlyEnterReleasedInAFilledFieldJudges()
    {
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        enter(s->Text1);                          // empty: nothing
        QTest::keyClick(s->Text1, Qt::Key_5);
        QTest::keyClick(s->Text1, Qt::Key_Backspace);
        QTest::keyClick(s->Text1, Qt::Key_5);
        QTest::keyPress(s->Text1, Qt::Key_Return); // pressed, not released: nothing
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QVERIFY(f.sound->played.isEmpty());
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QTest::keyRelease(s->Text1, Qt::Key_Return);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        // A held Enter repeats; it is judged once, on the real release.
        QTest::keyPress(s->Text1, Qt::Key_Return);
        for (int i = 0; i < 3; ++i) {
            QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(s->Text1, &repeatRelease);
            QApplication::sendEvent(s->Text1, &repeatPress);
        }
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QTest::keyRelease(s->Text1, Qt::Key_Return);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 2"));
        // A release whose press went elsewhere (a message box closed with
        // Enter, a button pressed with Enter) is not judged.
        QTest::keyRelease(s->Text1, Qt::Key_Return);
        QTest::keyPress(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::Key_Enter);
        QTest::keyRelease(s->Text1, Qt::Key_Enter);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 2"));
    }

    void threeWrongThenRight()
    {
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        QApplication::setActiveWindow(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        type(s->Text1, "1");
        enter(s->Text1);
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible());
        QVERIFY(!frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QCOMPARE(s->Text1->text(), QStringLiteral("1"));   // the typed text stays
        QCOMPARE(QApplication::focusWidget(), s->Text1);
        enter(s->Text1);
        type(s->Text1, "x");
        enter(s->Text1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 3"));
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        s->Text1->clear();
        type(s->Text1, "57");
        enter(s->Text1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 3"));
        QCOMPARE(shared().NumeroEsatti, std::int16_t(1));
        QCOMPARE(shared().NumeroErrati, std::int16_t(3));
        QCOMPARE(f.sound->played.count(f.sound->played.first()), 3);   // three buzzers
        QVERIFY(f.sound->played.first().endsWith("no.wav"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QCOMPARE(f.announcer->spoken, (QStringList{
            "Sbagliato, riprova. Esatti 0, errati 1.", "Sbagliato, riprova. Esatti 0, errati 2.",
            "Sbagliato, riprova. Esatti 0, errati 3.",
            "Esatto! 58 meno 1 uguale 57. Esatti 1, errati 3."}));
        QCOMPARE(s->EtichettaNumero->accessibleName(), QStringLiteral("58 meno 1 uguale 57"));
        // Where the keys rest after it, the completed line too.
        QCOMPARE(QAccessible::queryAccessibleInterface(s->centralWidget())->text(QAccessible::Name),
                 QStringLiteral("58 meno 1 uguale 57"));
    }

    void solvedWaitsForAvanti()
    {
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        type(s->Text1, "57");
        enter(s->Text1);
        enter(s->Text1);
        enter(s->Text1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
        // "avanti": a new exercise on a new colour, the faces keep the last outcome.
        f.random->push({0.0, 0.5, 0.0});
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(background(s->centralWidget()), bgr(0xC0C0FF));
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 20 - 10 = "));
        QVERIFY(s->Text1->isEnabled());
        QVERIFY(s->Text1->text().isEmpty());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        type(s->Text1, "10");
        enter(s->Text1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 2"));
    }

    // With the keys only. A command of the menu bar (Alt, the arrows, Enter)
    // gives the keys back to the control that had them. After the right
    // answer they stay off "avanti" and off any button, so that Enter pressed
    // again leaves the smile and the completed subtraction in view; Tab
    // reaches "avanti", Enter on it brings the next exercise, and the release
    // of that Enter in the reopened field is not taken as an answer.
    void keysOnly_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<Qt::Key>>("menu");   // after Alt
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("solved");            // the menu after the answer
        const Qt::Key right = Qt::Key_Right, down = Qt::Key_Down, enter = Qt::Key_Return;
        QTest::newRow("field first in the tab order") << "Form20" << QList<Qt::Key>{} << 0 << false;
        QTest::newRow("avanti first, Azzera") << "Form29" << QList<Qt::Key>{enter} << 0 << false;
        QTest::newRow("Informazioni") << "Form20" << QList<Qt::Key>{right, enter} << 1 << false;
        QTest::newRow("Esci, No, solved") << "Form20" << QList<Qt::Key>{right, right, enter} << 1 << true;
        QTest::newRow("own menu") << "FormTolvena20" << QList<Qt::Key>{right, down, down, enter} << 0 << false;
        QTest::newRow("own menu, Informazioni") << "FormTolvena10" << QList<Qt::Key>{right, right, enter} << 1 << true;
    }
    void keysOnly()
    {
        QFETCH(QString, screen);
        QFETCH(QList<Qt::Key>, menu);
        QFETCH(int, boxes);
        QFETCH(bool, solved);
        shared().NumeroMassimo = 10;
        TypedDrillScreen *s = open(screen, {});
        QApplication::setActiveWindow(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        QCOMPARE(QApplication::focusWidget(), s->Text1);
        const auto byMenu = [&] {
            QWidget *before = QApplication::focusWidget();
            QTest::keyClick(before, Qt::Key_Alt, Qt::AltModifier);
            for (Qt::Key k : menu)
                QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                                  : QApplication::focusWidget(), k);
            QCOMPARE(f.messages->shown.size(), boxes);
            QCOMPARE(QApplication::focusWidget(), before);
        };
        if (!solved && !menu.isEmpty())
            byMenu();
        QTest::keyClicks(QApplication::focusWidget(), QString::number(s->model().exercise().answer));
        keys({Qt::Key_Return});
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        const QString completed = s->EtichettaNumero->text();
        QWidget *rest = QApplication::focusWidget();
        QVERIFY(rest && rest->window() == s);
        QVERIFY2(!qobject_cast<QAbstractButton *>(rest), qPrintable(rest->objectName()));
        if (solved)
            byMenu();
        keys({Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_5});
        QCOMPARE(s->EtichettaNumero->text(), completed);
        keys({Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), frameWidget<QToolButton>(s, "BottoneAvanti"));
        // Shift+Tab goes back where the keys rested, and Tab comes again.
        QTest::keyClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::Key_Tab, Qt::ShiftModifier);
        QVERIFY2(QApplication::focusWidget() == rest,
                 qPrintable(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "nothing"));
        keys({Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget(), frameWidget<QToolButton>(s, "BottoneAvanti"));
        QTest::keyPress(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::Key_Return);
        QVERIFY(s->EtichettaNumero->text() != completed);
        QCOMPARE(QApplication::focusWidget(), s->Text1);
        type(s->Text1, "1");
        QTest::keyRelease(s->Text1, Qt::Key_Return);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
    }

    // A menu opened from the keys and closed by a click elsewhere leaves
    // the menu bar idle: the keys go back to the field.
    void menuClosedElsewhere()
    {
        shared().NumeroMassimo = 10;
        TypedDrillScreen *s = open("FormTolvena10", {});
        QApplication::setActiveWindow(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        QTest::keyClick(s->Text1, Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget *popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        popup->close();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(QApplication::focusWidget(), s->Text1);
    }

    // Counts of one screen never show on the next, and the faces say aloud
    // which answer they stand for.
    void nextScreenCountsFromZero()
    {
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->accessibleName(), QStringLiteral("faccina felice"));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaNo")->accessibleName(), QStringLiteral("faccina triste"));
        for (int i = 0; i < 3; ++i) {
            type(s->Text1, "1");
            enter(s->Text1);
            s->Text1->clear();
        }
        for (int i = 0; i < 5; ++i) {
            type(s->Text1, QString::number(s->model().exercise().answer));
            enter(s->Text1);
            QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        }
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 5"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 3"));
        f.messages->answers = {MessageBoxes::Answer::Yes};
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TypedDrillScreen *next = open("Form16", {0.1, 0.1});
        QCOMPARE(frameWidget<QLabel>(next, "EtichettaEsatti")->text(), QStringLiteral("0"));
        type(next->Text1, "0");
        enter(next->Text1);
        QCOMPARE(frameWidget<QLabel>(next, "EtichettaErrati")->text(), QStringLiteral(" 1"));
    }

    void resetAndTheMenuBar()
    {
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        type(s->Text1, "3");
        enter(s->Text1);
        s->Text1->clear();
        type(s->Text1, "57");
        enter(s->Text1);
        // Click "Azzera conteggio" on the menu bar itself.
        QMenuBar *bar = s->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(frameWidget<QAction>(s, "MenuAzzera")).center());
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));
        QCOMPARE(shared().NumeroEsatti, std::int16_t(0));
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 58 - 1 =  57"));   // untouched
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        frameWidget<QAction>(s, "MenuInformazioni")->trigger();
        QCOMPARE(f.messages->shown.size(), 1);
        QCOMPARE(f.messages->shown.first().icon, MessageBoxes::Icon::Information);
    }

    void leavingAsksFirst()
    {
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        type(s->Text1, "4");
        enter(s->Text1);
        type(s->Text1, "2");
        f.messages->answers = {MessageBoxes::Answer::No};
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QCOMPARE(f.messages->shown.last().text, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(f.messages->shown.last().title, QStringLiteral("Esercitazioni sulle Tolvena"));
        QCOMPARE(f.messages->shown.last().icon, MessageBoxes::Icon::Question);
        QCOMPARE(screenNamed("Form20"), s);
        QCOMPARE(s->Text1->text(), QStringLiteral("42"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));

        QPointer<QWidget> gone(s);
        f.messages->answers = {MessageBoxes::Answer::Yes};
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(gone.isNull());
        QVERIFY(screenNamed("FormMenuNumeri"));
        QCOMPARE(visibleScreens(), 1);
    }

    void silenceStillChangesColours()
    {
        shared().SuoniAttivi = 0;
        TypedDrillScreen *s = open("Form20", {0.1, 0, 0.5825});
        type(s->Text1, "1");
        enter(s->Text1);
        s->Text1->clear();
        type(s->Text1, "57");
        enter(s->Text1);
        QVERIFY(f.sound->played.isEmpty());
        f.random->push({0.99, 0, 0});
        frameWidget<QToolButton>(s, "BottoneAvanti")->click();
        QCOMPARE(background(s->centralWidget()), bgr(0xFF00FF));
    }

    void noDigitsReadsZero()
    {
        TypedDrillScreen *s = open("Form26", {0.1, 0, 0});   // ' 0 -  0 = '
        type(s->Text1, "ab");
        enter(s->Text1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        TypedDrillScreen *t = open("Form16", {0.1, 0});       // expects 1
        type(t->Text1, "-");
        enter(t->Text1);
        QCOMPARE(frameWidget<QLabel>(t, "EtichettaErrati")->text(), QStringLiteral(" 1"));
    }

    void fullStopBecomesABlankOnTheLargeNumbers()
    {
        TypedDrillScreen *s = open("Form35", {0.1, 0.34, 0.6});   // '4 056 - 100 = '
        QCOMPARE(s->Text1->maxLength(), 5);
        QVERIFY(f.random->reseeds >= 1);
        type(s->Text1, "3.956");
        QCOMPARE(s->Text1->text(), QStringLiteral("3 956"));
        type(s->Text1, "77");   // the field is full
        QCOMPARE(s->Text1->text(), QStringLiteral("3 956"));
        enter(s->Text1);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral("4 056 - 100 =  3 956"));
        TypedDrillScreen *t = open("Form20", {0.1, 0, 0.5825});
        type(t->Text1, "5.7");
        QCOMPARE(t->Text1->text(), QStringLiteral("5.7"));   // only where the numbers are large
    }

    void anyTextIsSafe()
    {
        TypedDrillScreen *s = open("Form35", {0.1, 0.34, 0.6});
        const QStringList nasty = {QString(10000, 'x'), QString::fromUtf8("ùé€😀"), QStringLiteral("\t\n"),
                                   QStringLiteral("-99999"), QStringLiteral("99999999999999999999")};
        for (const QString &t : nasty) {
            s->Text1->clear();
            s->Text1->insert(t);   // as a paste does
            QVERIFY(s->Text1->text().size() <= 5);
            enter(s->Text1);
        }
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 5"));
    }
};

QTEST_MAIN(TypedDrillTest)
#include "test_typed_drill.moc"
