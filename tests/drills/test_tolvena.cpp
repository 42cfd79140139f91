#include "drills/tolvena_drill.h"
#include "drills/tolvena_screen.h"
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
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <random>

class TolvenaTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

    static TolvenaDrill drill(TolvenaDrill::Range range, bool trovaIlResto)
    {
        TolvenaDrill d;
        d.range = range;
        d.TrovaIlResto = trovaIlResto;
        return d;
    }

    // Opens a screen from the numbers catalogue with the button called `button`.
    static TolvenaScreen *fromCatalogue(const QString &button)
    {
        return qobject_cast<TolvenaScreen *>(fromNumbersCatalogue(button));
    }

    static void answer(TolvenaScreen *s, const QString &typed)
    {
        s->Text1->clear();
        QTest::keyClicks(s->Text1, typed);
        QTest::keyClick(s->Text1, Qt::Key_Return);
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    void startingNumberStaysWithinTheMaximum_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::newRow("Tolvena") << 10;
        QTest::newRow("Tolvena varie") << 20;
    }
    void startingNumberStaysWithinTheMaximum()
    {
        QFETCH(int, maximum);
        shared().NumeroMassimo = static_cast<std::int16_t>(maximum);
        const TolvenaDrill d = drill(TolvenaDrill::Range::UpToMaximum, true);

        // The largest draws give the maximum, and the number taken away is
        // never 0 even on the smallest draw: the whole difference remains.
        fakes.random->push({0.99999, 0.0});
        TypedExercise e = d.draw();
        QCOMPARE(shared().NumeroCasuale, maximum);
        QCOMPARE(e.text, B(maximum) + QStringLiteral(" -  1 = __"));
        QCOMPARE(e.answer, maximum - 1);

        fakes.random->push({0.0, 0.99999});
        e = d.draw();
        QCOMPARE(e.text, QStringLiteral(" 1 -  1 = __"));
        QCOMPARE(e.answer, 0);
        QCOMPARE(e.solution, QStringLiteral(" 1 -  1 =  0"));

        int largest = 0;
        for (int i = 0; i < 2000; ++i) {
            e = d.draw();
            const int m = shared().NumeroCasuale;
            QVERIFY(m >= 1 && m <= maximum);
            QVERIFY2(e.answer >= 0 && e.answer < m, qPrintable(e.text));
            QCOMPARE(e.text, B(m) + QStringLiteral(" - ") + B(m - e.answer) + QStringLiteral(" = __"));
            largest = std::max(largest, m);
        }
        QCOMPARE(largest, maximum);
    }

    void belowTenDraws()
    {
        const TolvenaDrill d = drill(TolvenaDrill::Range::BelowTen, true);
        fakes.random->push({0.0, 0.0});
        TypedExercise e = d.draw();
        QCOMPARE(e.text, QStringLiteral(" 0 -  0 = __"));
        QCOMPARE(e.answer, 0);

        fakes.random->push({0.99, 0.99});
        e = d.draw();
        QCOMPARE(e.text, QStringLiteral(" 18 -  9 = __"));
        QCOMPARE(e.answer, 9);
        QCOMPARE(shared().NumeroCasuale, 18);

        // The number taken away is drawn first and always stays below 10.
        fakes.random->push({0.45, 0.81});
        e = d.draw();
        QCOMPARE(e.text, QStringLiteral(" 12 -  4 = __"));
        for (int i = 0; i < 1000; ++i) {
            e = d.draw();
            const int m = shared().NumeroCasuale;
            QVERIFY(m >= 0 && m <= 18);
            QVERIFY(m - e.answer >= 0 && m - e.answer <= 9);
            QVERIFY(e.answer <= 9);
        }
    }

    void missingNumber_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("solution");
        QTest::newRow("number taken away") << 0.0 << " 7 - __ =  4" << 3 << " 7 -  3 =  4";
        QTest::newRow("difference shown after the minus") << 0.5 << " 7 -  4 = __  " << 3
                                                          << " 7 -  4 =  3";
        QTest::newRow("starting number") << 0.99 << "__ -  4 =  3" << 7 << " 7 -  4 =  3";
    }
    void missingNumber()
    {
        QFETCH(double, k);
        QFETCH(QString, text);
        QFETCH(int, answer);
        QFETCH(QString, solution);
        const TolvenaDrill d = drill(TolvenaDrill::Range::BelowTen, false);
        fakes.random->push({0.3, 0.4, k});
        const TypedExercise e = d.draw();
        QCOMPARE(e.text, text);
        QCOMPARE(e.answer, answer);
        QCOMPARE(e.solution, solution);
        QCOMPARE(shared().NumeroCasuale, 7);
        QCOMPARE(fakes.random->draws, 3);
    }

    void cataloguesButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("maximum");
        QTest::newRow("Tolvena") << "Command1" << "FormTolvena10" << 10;
        QTest::newRow("Tolvena varie") << "Command2" << "FormTolvena10" << 20;
        QTest::newRow("sottraendo entro 10 leaves the maximum") << "Command23" << "FormTolvena20"
                                                                 << 999;
    }
    void cataloguesButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(int, maximum);
        shared().NumeroMassimo = 999;
        TolvenaScreen *s = fromCatalogue(button);
        QVERIFY(s);
        QCOMPARE(s->objectName(), screen);
        QCOMPARE(shared().NumeroMassimo, maximum);
    }

    void freshScreen()
    {
        TolvenaScreen *s = fromCatalogue(QStringLiteral("Command1"));
        QVERIFY(s);
        QVERIFY(fakes.random->reseeds >= 1);
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QVERIFY(s->Text1->isEnabled());
        QCOMPARE(s->Text1->maxLength(), 3);
        QVERIFY(s->TrovaIlResto());
        QVERIFY(s->EtichettaNumero->text().endsWith(QStringLiteral(" = __")));

        QCOMPARE(menuBarCaptions(s), QStringList({QStringLiteral("Azzera conteggio        "),
                                   QStringLiteral("Scegli il tipo di esercizio        "),
                                   QStringLiteral("Informazioni           "),
                                   QStringLiteral("Esci")}));
        QCOMPARE(s->mnusomma->text(), QStringLiteral("trova il resto"));
        QCOMPARE(s->mnuaddendo->text(), QStringLiteral("trova un numero "));
        QVERIFY(s->mnusomma->isChecked());
        QVERIFY(!s->mnuaddendo->isChecked());

        // The first exercise may be skipped; after that "avanti" waits for a right answer.
        fakes.random->push({0.0, 0.99999, 0.0});   // colour, then 10 - 1
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 10 -  1 = __"));
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(shared().NumeroEsatti, 0);
        QCOMPARE(shared().NumeroErrati, 0);
    }

    void rightAnswerShowsTheSolution()
    {
        // The catalogue's colour, the screen's colour, number taken away 3, difference 4.
        fakes.random->push({0.0, 0.0, 0.3, 0.4});
        TolvenaScreen *s = fromCatalogue(QStringLiteral("Command23"));
        QVERIFY(s);
        fakes.random->script.clear();
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 7 -  3 = __"));
        answer(s, QStringLiteral("5"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(s->Text1->isEnabled());
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 7 -  3 = __"));
        answer(s, QStringLiteral("04"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 7 -  3 =  4"));
        QCOMPARE(s->TestoSoluzione(), QStringLiteral(" 7 -  3 =  4"));
        QVERIFY(!s->Text1->isEnabled());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        // Enter does nothing more until "avanti".
        QTest::keyClick(s->Text1, Qt::Key_Return);
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(shared().NumeroErrati, 1);
    }

    void fieldWithoutDigitsCountsAsZero()
    {
        fakes.random->push({0.0, 0.0, 0.0, 0.0});
        TolvenaScreen *s = fromCatalogue(QStringLiteral("Command23"));
        QVERIFY(s);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 0 -  0 = __"));
        answer(s, QStringLiteral("x"));
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 0 -  0 =  0"));
    }

    void switchingTheTypeDrawsAtOnce()
    {
        fakes.random->push({0.0, 0.0, 0.3, 0.4});
        TolvenaScreen *s = fromCatalogue(QStringLiteral("Command23"));
        QVERIFY(s);
        answer(s, QStringLiteral("9"));
        answer(s, QStringLiteral("4"));
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(shared().NumeroErrati, 1);

        // Colour, number taken away 2, difference 6, k = 3.
        fakes.random->push({0.0, 0.2, 0.6, 0.99});
        s->mnuaddendo->trigger();
        QVERIFY(!s->TrovaIlResto());
        QVERIFY(!s->mnusomma->isChecked());
        QVERIFY(s->mnuaddendo->isChecked());
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral("__ -  6 =  2"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(shared().NumeroErrati, 1);
        // The switch came after a right answer: the new exercise can be answered.
        QVERIFY(s->Text1->isEnabled());
        QVERIFY(s->Text1->text().isEmpty());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        answer(s, QStringLiteral("8"));
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 8 -  6 =  2"));
        QCOMPARE(shared().NumeroEsatti, 2);

        // The item already ticked still draws, and keeps its tick.
        fakes.random->push({0.0, 0.1, 0.1, 0.0});
        s->mnuaddendo->trigger();
        QVERIFY(s->mnuaddendo->isChecked());
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 2 - __ =  1"));

        fakes.random->push({0.0, 0.5, 0.5});
        s->mnusomma->trigger();
        QVERIFY(s->mnusomma->isChecked());
        QVERIFY(!s->mnuaddendo->isChecked());
        QCOMPARE(s->EtichettaNumero->text(), QStringLiteral(" 10 -  5 = __"));
        QCOMPARE(shared().NumeroEsatti, 2);
        QCOMPARE(shared().NumeroErrati, 1);
    }
    void layoutOfBothScreens_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("FormTolvena10") << "Command1";
        QTest::newRow("FormTolvena20") << "Command23";
    }
    void layoutOfBothScreens()
    {
        QFETCH(QString, button);
        TolvenaScreen *s = fromCatalogue(button);
        QVERIFY(s);
        QCOMPARE(s->EtichettaNumero->geometry(), twipsRect(360, 1080, 7215, 975));
        QCOMPARE(s->EtichettaNumero->font().pixelSize(), pointsToPixels(39.75));
        QVERIFY(s->EtichettaNumero->font().bold());
        QCOMPARE(s->Text1->geometry(), twipsRect(2160, 3600, 3975, 2175));
        QCOMPARE(s->Text1->font().pixelSize(), pointsToPixels(48));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twipsRect(8040, 6240, 1935, 975));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->geometry(), twipsRect(8700, 480, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaNo")->geometry(), twipsRect(8640, 510, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->geometry(), twipsRect(9240, 1530, 975, 615));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->geometry(), twipsRect(9240, 2055, 855, 615));
        QCOMPARE(background(s->EtichettaNumero), bgr(0xFFFFFF));
        QCOMPARE(tabOrder(s->Text1), QStringList({"Text1", "BottoneAvanti"}));   // "avanti" enabled
        QCOMPARE(s->mnuTipo->objectName(), QStringLiteral("mnuTipo"));
        // A tick beside the chosen type, no box beside the other.
        QVERIFY(s->mnusomma->isChecked());
        QVERIFY(!s->mnuaddendo->isCheckable());
        s->mnuaddendo->trigger();
        QVERIFY(s->mnuaddendo->isChecked());
        QVERIFY(!s->mnusomma->isCheckable());
    }

    // Any typing, Enter, "avanti" and menu choice, in any order, leaves the
    // screen asking (field open, gap shown) or solved (field closed, the
    // solution shown, "avanti" enabled), with the counts shown as counted.
    void anySequenceKeepsADescribedState_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("FormTolvena10") << "Command2";
        QTest::newRow("FormTolvena20") << "Command23";
    }
    void anySequenceKeepsADescribedState()
    {
        QFETCH(QString, button);
        TolvenaScreen *s = fromCatalogue(button);
        QVERIFY(s);
        std::mt19937 pick(7);
        const QString keys = QStringLiteral("0123456789 .-xZ");
        bool skipped = false;   // "avanti" clicked or an answer given right
        for (int step = 0; step < 600; ++step) {
            switch (pick() % 7) {
            case 0:
            case 1: {
                QString typed;
                for (unsigned i = pick() % 5; i > 0; --i)
                    typed += keys.at(int(pick() % keys.size()));
                if (s->Text1->isEnabled()) {
                    s->Text1->clear();
                    QTest::keyClicks(s->Text1, typed);
                }
                QTest::keyClick(s->Text1, Qt::Key_Return);
                break;
            }
            case 2: {
                // The right answer, when the field takes it.
                if (s->Text1->isEnabled()) {
                    s->Text1->setText(QString::number(s->model().exercise().answer));
                    QTest::keyClick(s->Text1, Qt::Key_Return);
                }
                break;
            }
            case 3:
                if (frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled()) {
                    QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
                    skipped = true;
                }
                break;
            case 4:
                (pick() % 2 ? s->mnusomma : s->mnuaddendo)->trigger();
                break;
            case 5:
                frameWidget<QAction>(s, "MenuAzzera")->trigger();
                break;
            default:
                frameWidget<QAction>(s, "MenuEsci")->trigger();   // answered No
                break;
            }
            QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(),
                     shared().NumeroEsatti ? B(shared().NumeroEsatti) : QStringLiteral("0"));
            QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(),
                     shared().NumeroErrati ? B(shared().NumeroErrati) : QStringLiteral("0"));
            QCOMPARE(s->mnusomma->isChecked(), s->TrovaIlResto());
            QCOMPARE(s->mnuaddendo->isChecked(), !s->TrovaIlResto());
            if (s->Text1->isEnabled()) {
                QVERIFY2(s->EtichettaNumero->text().contains(QStringLiteral("__")),
                         qPrintable(s->EtichettaNumero->text()));
                if (skipped)
                    QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
            } else {
                skipped = true;
                QCOMPARE(s->EtichettaNumero->text(), s->TestoSoluzione());
                QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
            }
        }
    }
};

QTEST_MAIN(TolvenaTest)
#include "test_tolvena.moc"
