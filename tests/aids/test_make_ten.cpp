#include "aids/make_ten.h"
#include "aids/make_ten_screen.h"
#include "design.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/numbers.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <random>

class MakeTenTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

    static MakeTenScreen *fromCatalogue(const QString &button)
    {
        return qobject_cast<MakeTenScreen *>(fromNumbersCatalogue(button));
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    void textsAndAnswers()
    {
        MakeTenModel ten(10, QStringLiteral("__"));
        fakes.random->push({0.0});
        ten.next();
        QCOMPARE(ten.text(), QStringLiteral("   1 + __ = 10 "));
        QCOMPARE(ten.press(8), Verdict::Wrong);
        QCOMPARE(ten.press(10), Verdict::Wrong);
        QCOMPARE(ten.text(), QStringLiteral("   1 + __ = 10 "));
        QCOMPARE(ten.press(9), Verdict::Right);
        QCOMPARE(ten.text(), QStringLiteral("   1 +   9 = 10 "));
        QCOMPARE(ten.press(9), Verdict::Ignored);
        QCOMPARE(ten.press(3), Verdict::Ignored);

        // After a solved 1, a draw of 1 asks 0 + __ = 10, answered by 10.
        fakes.random->push({0.05});
        ten.next();
        QCOMPARE(ten.n(), 0);
        QCOMPARE(ten.text(), QStringLiteral("   0 + __ = 10 "));
        QCOMPARE(ten.press(10), Verdict::Right);
        QCOMPARE(ten.text(), QStringLiteral("   0 +   10 = 10 "));

        // 10 itself is answered by 0.
        fakes.random->push({0.99});
        ten.next();
        QCOMPARE(ten.text(), QStringLiteral("   10 + __ = 10 "));
        QCOMPARE(ten.press(0), Verdict::Right);
        QCOMPARE(ten.text(), QStringLiteral("   10 +   0 = 10 "));

        MakeTenModel twenty(20, QStringLiteral("___"));
        fakes.random->push({0.99, 0.3});
        twenty.next();
        QCOMPARE(twenty.text(), QStringLiteral("   20 + ___ = 20 "));
        QCOMPARE(twenty.press(0), Verdict::Right);
        QCOMPARE(twenty.text(), QStringLiteral("   20 +   0 = 20 "));
        twenty.next();
        QCOMPARE(twenty.text(), QStringLiteral("   7 + ___ = 20 "));
        QCOMPARE(twenty.press(13), Verdict::Right);
        QCOMPARE(twenty.text(), QStringLiteral("   7 +   13 = 20 "));
    }

    void noRepeatAfterARightAnswer_data()
    {
        QTest::addColumn<int>("target");
        QTest::newRow("10") << 10;
        QTest::newRow("20") << 20;
    }
    void noRepeatAfterARightAnswer()
    {
        QFETCH(int, target);
        MakeTenModel m(target, QStringLiteral("__"));
        m.next();
        for (int i = 0; i < 2000; ++i) {
            const int solved = m.n();
            QCOMPARE(m.press(target - solved), Verdict::Right);
            m.next();
            QVERIFY(m.n() != solved);
            QVERIFY(m.n() >= 0 && m.n() <= target);
        }
        // Without a right answer, the same n may come again.
        MakeTenModel skip(target, QStringLiteral("__"));
        fakes.random->push({0.25, 0.25});
        skip.next();
        const int first = skip.n();
        skip.next();
        QCOMPARE(skip.n(), first);
    }

    void screensFromTheCatalogue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("buttons");
        QTest::newRow("costruire il 10") << "Command12" << "Formcomponi10" << 11;
        QTest::newRow("costruire il 20") << "Command9" << "Form15" << 21;
    }
    void screensFromTheCatalogue()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(int, buttons);
        shared().NumeroMassimo = 77;
        MakeTenScreen *s = fromCatalogue(button);
        QVERIFY(s);
        QCOMPARE(s->objectName(), screen);
        QCOMPARE(shared().NumeroMassimo, 77);
        QCOMPARE(int(s->Bottone.size()), buttons);
        for (int i = 0; i < buttons; ++i) {
            QCOMPARE(s->Bottone[i]->text(), QString::number(i));
            QCOMPARE(s->Bottone[i]->cursor().shape(), Qt::BitmapCursor);   // the white arrow
        }
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        // These screens go on with the generator seeded at start-up.
        QCOMPARE(fakes.random->reseeds, 0);

        // The window shows the whole row of buttons and the counters.
        const QRect client = s->centralWidget()->rect();
        for (QPushButton *b : s->Bottone)
            QVERIFY2(client.contains(b->geometry()), qPrintable(b->text()));
        QVERIFY(client.contains(frameWidget<QLabel>(s, "EtichettaEsatti")->geometry()));
        QVERIFY(client.contains(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry()));
    }

    void ownCountersLeaveTheSharedOnesAlone()
    {
        shared().NumeroEsatti = 5;
        shared().NumeroErrati = 3;
        // The catalogue's colour, then the screen's colour and n = 3.
        fakes.random->push({0.0, 0.0, 0.25});
        MakeTenScreen *s = fromCatalogue(QStringLiteral("Command12"));
        QVERIFY(s);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   3 + __ = 10 "));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral("0"));

        QTest::mouseClick(s->Bottone[3], Qt::LeftButton);
        QTest::mouseClick(s->Bottone[4], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 2"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible());
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   3 + __ = 10 "));
        QTest::mouseClick(s->Bottone[7], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   3 +   7 = 10 "));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible());
        QCOMPARE(s->esatti(), 1);
        QCOMPARE(s->errati(), 2);
        QCOMPARE(shared().NumeroEsatti, 5);
        QCOMPARE(shared().NumeroErrati, 3);
        QCOMPARE(fakes.sound->played.size(), 3);

        // Answered: the buttons take no more clicks until "avanti".
        for (QPushButton *b : s->Bottone)
            QVERIFY(!b->isEnabled());
        QTest::mouseClick(s->Bottone[0], Qt::LeftButton);
        QCOMPARE(s->errati(), 2);

        // The same 3 drawn again is lowered to 2.
        fakes.random->push({0.0, 0.25});
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   2 + __ = 10 "));
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        for (QPushButton *b : s->Bottone)
            QVERIFY(b->isEnabled());

        frameWidget<QAction>(s, "MenuAzzera")->trigger();
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral("0"));
        QCOMPARE(s->esatti(), 0);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   2 + __ = 10 "));
        QCOMPARE(shared().NumeroEsatti, 5);

        // Leaving counts nothing on the shared counters, and the next screen starts from zero.
        QTest::mouseClick(s->Bottone[5], Qt::LeftButton);
        fakes.messages->answers.push_back(MessageBoxes::Answer::Yes);
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        QWidget *catalogue = onlyScreen();
        QVERIFY(catalogue);
        QCOMPARE(catalogue->objectName(), QStringLiteral("FormMenuNumeri"));
        QTest::mouseClick(catalogue->findChild<QPushButton *>(QStringLiteral("Command9")),
                          Qt::LeftButton);
        auto *next = qobject_cast<MakeTenScreen *>(onlyScreen());
        QVERIFY(next);
        QCOMPARE(next->objectName(), QStringLiteral("Form15"));
        QCOMPARE(next->esatti(), 0);
        QCOMPARE(next->errati(), 0);
        QCOMPARE(frameWidget<QLabel>(next, "EtichettaErrati")->text(), QStringLiteral("0"));
        QTest::mouseClick(next->Bottone[next->model().n() == 20 ? 1 : 0], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(next, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QCOMPARE(shared().NumeroErrati, 3);
    }

    void firstExerciseMayBeSkipped()
    {
        fakes.random->push({0.0, 0.0, 0.55});   // n = 12 on the screen of 20
        MakeTenScreen *s = fromCatalogue(QStringLiteral("Command9"));
        QVERIFY(s);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   12 + ___ = 20 "));
        fakes.random->push({0.0, 0.55});
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   12 + ___ = 20 "));
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QTest::mouseClick(s->Bottone[8], Qt::LeftButton);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   12 +   8 = 20 "));
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
    }
    void layoutOfBothScreens()
    {
        MakeTenScreen *ten = fromCatalogue(QStringLiteral("Command12"));
        QVERIFY(ten);
        QCOMPARE(ten->EtNumero->geometry(), twipsRect(1560, 2040, 5655, 975));
        QCOMPARE(ten->EtNumero->font().pixelSize(), pointsToPixels(39.75));
        QCOMPARE(frameWidget<QToolButton>(ten, "BottoneAvanti")->geometry(), twipsRect(8790, 6480, 1935, 975));
        QCOMPARE(frameWidget<QLabel>(ten, "ComandoIconaSi")->geometry(), twipsRect(8970, 360, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(ten, "ComandoIconaNo")->geometry(), twipsRect(8910, 390, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(ten, "EtichettaEsatti")->geometry(), twipsRect(9510, 1410, 975, 615));
        QCOMPARE(frameWidget<QLabel>(ten, "EtichettaErrati")->geometry(), twipsRect(9510, 1935, 855, 615));
        QCOMPARE(ten->findChild<QLabel *>(QStringLiteral("Label2"))->geometry(),
                 twipsRect(8670, 2040, 735, 495));
        QCOMPARE(background(ten->EtNumero), QColor(Qt::white));
        QCOMPARE(ten->Bottone[7]->text(), QStringLiteral("7"));
        QCOMPARE(tabOrder(ten->Bottone[0]), QStringList({"Bottone(0)", "Bottone(1)", "Bottone(2)", "Bottone(3)",
                                             "Bottone(4)", "Bottone(5)", "Bottone(6)", "Bottone(7)",
                                             "Bottone(8)", "Bottone(9)", "Bottone(10)", "BottoneAvanti"}));
        const int lefts[11] = {480, 1440, 2400, 3360, 4320, 5280, 6270, 7200, 8160, 9120, 10110};
        for (int i = 0; i <= 10; ++i) {
            QCOMPARE(ten->Bottone[i]->geometry(), twipsRect(lefts[i], 4710, 765, 765));
            QCOMPARE(ten->Bottone[i]->objectName(), QStringLiteral("Bottone"));
            QCOMPARE(ten->Bottone[i]->property("index").toInt(), i);
            QCOMPARE(ten->Bottone[i]->font().pixelSize(), pointsToPixels(20.25));
        }
        // The widest equations fit their label.
        for (const char *text : {"   0 +   10 = 10 ", "   10 +   0 = 10 "})
            QVERIFY2(QFontMetrics(ten->EtNumero->font()).horizontalAdvance(QString::fromLatin1(text))
                         <= ten->EtNumero->contentsRect().width(), text);
        closeAllScreens();

        MakeTenScreen *twenty = fromCatalogue(QStringLiteral("Command9"));
        QVERIFY(twenty);
        QCOMPARE(twenty->EtNumero->geometry(), twipsRect(1440, 1080, 6375, 975));
        QCOMPARE(frameWidget<QToolButton>(twenty, "BottoneAvanti")->geometry(), twipsRect(9015, 6360, 1935, 975));
        QCOMPARE(frameWidget<QLabel>(twenty, "ComandoIconaSi")->geometry(), twipsRect(9195, 240, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(twenty, "ComandoIconaNo")->geometry(), twipsRect(9135, 270, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(twenty, "EtichettaEsatti")->geometry(), twipsRect(9735, 1290, 975, 615));
        QCOMPARE(frameWidget<QLabel>(twenty, "EtichettaErrati")->geometry(), twipsRect(9735, 1815, 855, 615));
        QCOMPARE(twenty->findChild<QLabel *>(QStringLiteral("Label1"))->geometry(),
                 twipsRect(8895, 1395, 735, 375));
        QCOMPARE(twenty->Bottone[0]->geometry(), twipsRect(480, 3915, 800, 645));
        QCOMPARE(twenty->Bottone[1]->geometry(), twipsRect(1455, 3915, 800, 645));
        QCOMPARE(twenty->Bottone[10]->geometry(), twipsRect(1455 + 960 * 9, 3915, 800, 645));
        QCOMPARE(twenty->Bottone[11]->geometry(), twipsRect(1455, 4650, 800, 645));
        QCOMPARE(twenty->Bottone[20]->geometry(), twipsRect(1455 + 960 * 9, 4650, 800, 645));
        for (const char *text : {"   10 +   10 = 20 ", "   20 + ___ = 20 "})
            QVERIFY2(QFontMetrics(twenty->EtNumero->font()).horizontalAdvance(QString::fromLatin1(text))
                         <= twenty->EtNumero->contentsRect().width(), text);
    }

    // Clicks, "avanti" and the menus in any order leave the screen waiting
    // (buttons open, the gap shown) or answered (buttons closed, the equation
    // completed, "avanti" on); the shared counters are never touched.
    void anySequenceKeepsADescribedState_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Formcomponi10") << "Command12";
        QTest::newRow("Form15") << "Command9";
    }
    void anySequenceKeepsADescribedState()
    {
        QFETCH(QString, button);
        shared().NumeroEsatti = 4;
        shared().NumeroErrati = 6;
        MakeTenScreen *s = fromCatalogue(button);
        QVERIFY(s);
        const int target = s->model().target();
        std::mt19937 pick(5);
        bool skipped = false;
        for (int step = 0; step < 800; ++step) {
            const int before = s->model().n();
            const bool wasSolved = s->model().solved();
            switch (pick() % 6) {
            case 0:
                QTest::mouseClick(s->Bottone[pick() % s->Bottone.size()], Qt::LeftButton);
                break;
            case 1:
                QTest::mouseClick(s->Bottone[target - s->model().n()], Qt::LeftButton);
                break;
            case 2:
                skipped = skipped || frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled();
                QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
                break;
            case 3:
                frameWidget<QAction>(s, "MenuAzzera")->trigger();
                break;
            case 4:
                frameWidget<QAction>(s, "MenuInformazioni")->trigger();
                break;
            default:
                frameWidget<QAction>(s, "MenuEsci")->trigger();   // answered No
                break;
            }
            // The exercise after a right answer never asks the same n.
            if (wasSolved && !s->model().solved())
                QVERIFY2(s->model().n() != before, qPrintable(s->EtNumero->text()));
            const int n = s->model().n();
            QVERIFY(n >= 0 && n <= target);
            const QString given = QLatin1Char(' ') + F(n) + QStringLiteral(" + ");
            const QString end = QStringLiteral(" = %1 ").arg(target);
            if (s->model().solved()) {
                QCOMPARE(s->EtNumero->text(), given + F(target - n) + end);
                QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
            } else {
                QCOMPARE(s->EtNumero->text(),
                         given + (target == 10 ? QStringLiteral("__") : QStringLiteral("___")) + end);
                if (skipped)
                    QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
            }
            for (QPushButton *b : s->Bottone)
                QCOMPARE(b->isEnabled(), !s->model().solved());
            QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), s->esatti() ? B(s->esatti()) : QStringLiteral("0"));
            QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), s->errati() ? B(s->errati()) : QStringLiteral("0"));
        }
        QCOMPARE(shared().NumeroEsatti, 4);
        QCOMPARE(shared().NumeroErrati, 6);
    }
};

QTEST_MAIN(MakeTenTest)
#include "test_make_ten.moc"
