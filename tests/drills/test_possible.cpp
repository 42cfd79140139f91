#include "drills/possible_drill.h"
#include "drills/possible_screen.h"
#include "design.h"
#include "fakes.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/numbers.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "shell/shell.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <random>

class PossibleTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

    static PossibleScreen *fromCatalogue(const QString &button)
    {
        return qobject_cast<PossibleScreen *>(fromNumbersCatalogue(button));
    }

    static void clickOption(QRadioButton *o)
    {
        QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
    }

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { fakes = installFakes(); }
    void cleanup() { closeAllScreens(); }

    void numbersStayWithinTheMaximum_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("largest");
        QTest::newRow("entro 20") << 20 << "  20 -   20 = ";
        QTest::newRow("entro 99") << 99 << "  99 -   99 = ";
        QTest::newRow("entro 999") << 999 << "  999 -   999 = ";
        QTest::newRow("entro 9 999") << 9999 << " 9 999 -  9 999 = ";
    }
    void numbersStayWithinTheMaximum()
    {
        QFETCH(int, maximum);
        QFETCH(QString, largest);
        shared().NumeroMassimo = static_cast<std::int16_t>(maximum);
        PossibleDrill d;
        fakes.random->push({0.0, 0.0});
        d.next();
        QCOMPARE(d.text(), QStringLiteral("  1 -   1 = "));
        fakes.random->push({0.99999, 0.99999});
        d.next();
        QCOMPARE(d.text(), largest);
        for (int i = 0; i < 2000; ++i) {
            d.next();
            QVERIFY(d.Minuendo >= 1 && d.Minuendo <= maximum);
            QVERIFY(d.Sottraendo >= 1 && d.Sottraendo <= maximum);
            QCOMPARE(d.RispostaEsatta, d.Minuendo < d.Sottraendo ? 1 : 0);
        }
    }

    void judging()
    {
        shared().NumeroMassimo = 9999;
        PossibleDrill d;
        fakes.random->push({0.99999, 0.0012});
        d.next();
        QCOMPARE(d.text(), QStringLiteral(" 9 999 -   12 = "));
        QCOMPARE(d.RispostaEsatta, 0);

        shared().NumeroMassimo = 20;
        fakes.random->push({0.3, 0.55});   // 7 and 12
        d.next();
        QCOMPARE(d.text(), QStringLiteral("  7 -   12 = "));
        QCOMPARE(d.press(0), Verdict::Wrong);
        QCOMPARE(d.press(1), Verdict::Right);
        QCOMPARE(d.press(1), Verdict::Ignored);
        QCOMPARE(d.press(0), Verdict::Ignored);

        // Equal numbers can be taken away: "possibile".
        fakes.random->push({0.35, 0.35});
        d.next();
        QCOMPARE(d.text(), QStringLiteral("  8 -   8 = "));
        QVERIFY(!d.answered());
        QCOMPARE(d.press(1), Verdict::Wrong);
        QCOMPARE(d.press(0), Verdict::Right);
    }

    void catalogueButtonsSetTheMaximum_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("maximum");
        QTest::newRow("entro 20") << "Command28" << 20;
        QTest::newRow("entro 99") << "Command29" << 99;
        QTest::newRow("entro 999") << "Command25" << 999;
        QTest::newRow("entro 9 999") << "Command30" << 9999;
    }
    void catalogueButtonsSetTheMaximum()
    {
        QFETCH(QString, button);
        QFETCH(int, maximum);
        // The catalogue's colour, the screen's colour, then both numbers at the top.
        fakes.random->push({0.0, 0.0, 0.99999, 0.99999});
        PossibleScreen *s = fromCatalogue(button);
        QVERIFY(s);
        QCOMPARE(s->objectName(), QStringLiteral("Form22"));
        QCOMPARE(shared().NumeroMassimo, maximum);
        QCOMPARE(s->model().Minuendo, double(maximum));
        QVERIFY(fakes.random->reseeds >= 1);
    }

    void wrongThenRightLightsTheLight()
    {
        fakes.random->push({0.0, 0.0, 0.3, 0.55});   // '  7 -   12 = '
        PossibleScreen *s = fromCatalogue(QStringLiteral("Command28"));
        QVERIFY(s);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("  7 -   12 = "));
        QCOMPARE(s->Comando[0]->text(), QStringLiteral("possibile"));
        QCOMPARE(s->Comando[1]->text(), QStringLiteral("impossibile"));
        // Painted flat in the designed colours, not in the style's gradient.
        for (int i = 0; i < 2; ++i) {
            const QImage shot = s->Comando[i]->grab().toImage();
            const QColor want = i == 0 ? QColor(0, 0xC0, 0) : QColor(0xFF, 0, 0);
            for (const QPoint at : {QPoint(4, 4), QPoint(shot.width() - 5, shot.height() / 2),
                                    QPoint(4, shot.height() - 5)})
                QCOMPARE(shot.pixelColor(at), want);
        }
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());

        QTest::mouseClick(s->Comando[0], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(), QStringLiteral(" 1"));
        QVERIFY(frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible());
        QVERIFY(s->Image1[0]->isHidden() && s->Image1[1]->isHidden());
        QVERIFY(s->Comando[1]->isEnabled());

        QTest::mouseClick(s->Comando[1], Qt::LeftButton);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(shared().NumeroErrati, 1);
        QVERIFY(!s->Image1[1]->isHidden());
        QVERIFY(s->Image1[0]->isHidden());
        QVERIFY(!s->Comando[0]->isEnabled() && !s->Comando[1]->isEnabled());
        QVERIFY(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());

        // Disabled buttons take no more answers.
        QTest::mouseClick(s->Comando[0], Qt::LeftButton);
        QCOMPARE(shared().NumeroErrati, 1);

        fakes.random->push({0.0, 0.35, 0.35});
        QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("  8 -   8 = "));
        QVERIFY(s->Image1[1]->isHidden());
        QVERIFY(s->Comando[0]->isEnabled() && s->Comando[1]->isEnabled());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QTest::mouseClick(s->Comando[0], Qt::LeftButton);
        QVERIFY(!s->Image1[0]->isHidden());
        QCOMPARE(shared().NumeroEsatti, 2);
        QCOMPARE(s->Comando[1]->accessibleDescription(), QStringLiteral("8 meno 8 uguale"));
        QCOMPARE(s->Image1[0]->accessibleName(), QStringLiteral("semaforo verde"));
        QCOMPARE(fakes.announcer->spoken, (QStringList{"Sbagliato, riprova. Esatti 0, errati 1.",
                                                       "Esatto! 7 meno 12 uguale: impossibile. Esatti 1, errati 1.",
                                                       "Esatto! 8 meno 8 uguale: possibile. Esatti 2, errati 1."}));
    }

    void panelChoosesTheMaximum()
    {
        fakes.random->push({0.0, 0.0, 0.3, 0.55});
        PossibleScreen *s = fromCatalogue(QStringLiteral("Command28"));
        QVERIFY(s);
        QCOMPARE(menuBarCaptions(s), QStringList({QStringLiteral("Azzera conteggio        "),
                                   QStringLiteral("Scegli il numero massimo        "),
                                   QStringLiteral("Informazioni           "),
                                   QStringLiteral("Esci")}));
        QTest::mouseClick(s->Comando[1], Qt::LeftButton);   // answered, "avanti" enabled
        QVERIFY(s->CorniceNumeroMassimo->isHidden());

        frameWidget<QToolButton>(s, "BottoneAvanti")->setFocus();
        s->MenuNumeroMassimo->trigger();
        QVERIFY(s->CorniceNumeroMassimo->isVisible());
        // The keyboard cannot reach "avanti" or the answer buttons hidden under the panel.
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(s->OpzioneNumeroMassimo[0]));
        // Tab and Backtab stay among the options.
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(s->focusWidget(), Qt::Key_Tab);
            QVERIFY(s->CorniceNumeroMassimo->isAncestorOf(s->focusWidget()));
        }
        QTest::keyClick(s->focusWidget(), Qt::Key_Backtab);
        QCOMPARE(s->focusWidget(), static_cast<QWidget *>(s->OpzioneNumeroMassimo[0]));
        QVERIFY(s->CorniceNumeroMassimo->isVisible());
        QCOMPARE(shared().NumeroMassimo, 20);
        QCOMPARE(s->CorniceNumeroMassimo->geometry(), s->centralWidget()->rect());
        QVERIFY(s->OpzioneNumeroMassimo[0]->isChecked());
        QStringList captions;
        for (QRadioButton *o : s->OpzioneNumeroMassimo)
            captions << o->text();
        QCOMPARE(captions, QStringList({"20", "99", "999", "9.999"}));

        fakes.random->push({0.0, 0.99999, 0.0012});
        clickOption(s->OpzioneNumeroMassimo[3]);
        QCOMPARE(shared().NumeroMassimo, 9999);
        QCOMPARE(s->EtNumero->text(), QStringLiteral(" 9 999 -   12 = "));
        QVERIFY(s->CorniceNumeroMassimo->isHidden());
        // The widest exercise fits its label.
        QVERIFY(QFontMetrics(s->EtNumero->font()).horizontalAdvance(QStringLiteral(" 9 999 -  9 999 = "))
                <= s->EtNumero->contentsRect().width());
        QVERIFY(s->Comando[0]->isEnabled() && s->Comando[1]->isEnabled());
        QVERIFY(s->Image1[1]->isHidden());
        QVERIFY(!frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled());
        QCOMPARE(shared().NumeroEsatti, 1);
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(), QStringLiteral(" 1"));

        // Opened again, it shows the maximum in force; the same option
        // chosen again still draws a new exercise.
        s->MenuNumeroMassimo->trigger();
        s->MenuNumeroMassimo->trigger();
        QVERIFY(s->OpzioneNumeroMassimo[3]->isChecked());
        fakes.random->push({0.0, 0.5, 0.5});
        clickOption(s->OpzioneNumeroMassimo[3]);
        QCOMPARE(s->EtNumero->text(), QStringLiteral(" 5 000 -  5 000 = "));
        QVERIFY(s->CorniceNumeroMassimo->isHidden());

        s->MenuNumeroMassimo->trigger();
        fakes.random->push({0.0, 0.5, 0.5});
        clickOption(s->OpzioneNumeroMassimo[1]);
        QCOMPARE(shared().NumeroMassimo, 99);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("  50 -   50 = "));

        // Chosen with an arrow key, the panel hides and the keyboard comes
        // back to the answers; Tab and Space no longer reach the options.
        QApplication::setActiveWindow(s);
        QVERIFY(QTest::qWaitForWindowActive(s));
        s->MenuNumeroMassimo->trigger();
        QCOMPARE(QApplication::focusWidget(), s->OpzioneNumeroMassimo[1]);
        QTest::keyClick(s->OpzioneNumeroMassimo[1], Qt::Key_Down);
        QCOMPARE(shared().NumeroMassimo, 999);
        QVERIFY(s->CorniceNumeroMassimo->isHidden());
        QCOMPARE(QApplication::focusWidget(), s->Comando[0]);
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget()->isVisible());
        }
        QCOMPARE(shared().NumeroMassimo, 999);
    }
    void layout()
    {
        PossibleScreen *s = fromCatalogue(QStringLiteral("Command28"));
        QVERIFY(s);
        QCOMPARE(s->EtNumero->geometry(), twipsRect(1560, 1560, 4455, 975));
        QCOMPARE(s->EtNumero->font().pixelSize(), pointsToPixels(27.75));
        QVERIFY(s->EtNumero->font().bold());
        QCOMPARE(s->Comando[0]->geometry(), twipsRect(1080, 3240, 2655, 975));
        QCOMPARE(s->Comando[1]->geometry(), twipsRect(4320, 3240, 2655, 975));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(s->Comando[i]->objectName(), QStringLiteral("Comando"));
            QCOMPARE(s->Comando[i]->property("index").toInt(), i);
            QCOMPARE(s->Comando[i]->font().pixelSize(), pointsToPixels(14.25));
            QCOMPARE(s->Image1[i]->geometry(), twipsRect(6120, 1560, 855, 975));
            QCOMPARE(s->Image1[i]->property("index").toInt(), i);
        }
        QCOMPARE(s->Image1[0]->accessibleName(), QStringLiteral("semaforo verde"));
        QCOMPARE(s->Image1[1]->accessibleName(), QStringLiteral("semaforo rosso"));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaSi")->geometry(), twipsRect(8460, 120, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(s, "ComandoIconaNo")->geometry(), twipsRect(8400, 150, 1095, 975));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->geometry(), twipsRect(9000, 1170, 975, 615));
        QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->geometry(), twipsRect(9000, 1695, 855, 615));
        QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->geometry(), twipsRect(7800, 5880, 1935, 975));
        QCOMPARE(s->CorniceNumeroMassimo->font().pixelSize(), pointsToPixels(12));
        const int tops[4] = {1800, 2520, 3360, 4200};
        const int widths[4] = {1935, 1455, 1215, 1695};
        for (int i = 0; i < 4; ++i) {
            QRadioButton *o = s->OpzioneNumeroMassimo[i];
            QCOMPARE(o->objectName(), QStringLiteral("OpzioneNumeroMassimo"));
            QCOMPARE(o->property("index").toInt(), i);
            QCOMPARE(o->geometry(), twipsRect(3480, tops[i], widths[i], 375));
            QCOMPARE(o->font().pixelSize(), pointsToPixels(13.5));
            QVERIFY(o->font().bold());
        }
        // The two answer buttons are painted in their colours, not only told them.
        const QColor colours[2] = {QColor(0, 0xC0, 0), QColor(0xFF, 0, 0)};
        for (int i = 0; i < 2; ++i) {
            const QImage shot = s->Comando[i]->grab().toImage();
            QCOMPARE(shot.pixelColor(shot.width() / 8, shot.height() / 2), colours[i]);
        }
        QCOMPARE(tabOrder(s->Comando[0]), QStringList({"Comando(0)", "Comando(1)"}));
        frameWidget<QToolButton>(s, "BottoneAvanti")->setEnabled(true);
        QCOMPARE(tabOrder(s->Comando[0]), QStringList({"Comando(0)", "Comando(1)", "BottoneAvanti"}));
        QCOMPARE(background(s->EtNumero), QApplication::palette().color(QPalette::Window));
    }

    // Presses, "avanti", the panel and the menus in any order leave the
    // screen asking (both buttons open, no light, "avanti" off) or answered
    // (the light of the right button on, both buttons off, "avanti" on).
    void anySequenceKeepsADescribedState()
    {
        PossibleScreen *s = fromCatalogue(QStringLiteral("Command29"));
        QVERIFY(s);
        std::mt19937 pick(11);
        for (int step = 0; step < 600; ++step) {
            switch (pick() % 7) {
            case 0:
            case 1:
                QTest::mouseClick(s->Comando[pick() % 2], Qt::LeftButton);
                break;
            case 2:
                QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
                break;
            case 3:
                s->MenuNumeroMassimo->trigger();
                break;
            case 4:
                if (s->CorniceNumeroMassimo->isVisible())
                    clickOption(s->OpzioneNumeroMassimo[pick() % 4]);
                break;
            case 5:
                frameWidget<QAction>(s, "MenuAzzera")->trigger();
                break;
            default:
                frameWidget<QAction>(s, "MenuEsci")->trigger();   // answered No
                break;
            }
            const PossibleDrill &m = s->model();
            const int maximum = shared().NumeroMassimo;
            QVERIFY(maximum == 20 || maximum == 99 || maximum == 999 || maximum == 9999);
            QVERIFY(m.Minuendo >= 1 && m.Minuendo <= maximum);
            QVERIFY(m.Sottraendo >= 1 && m.Sottraendo <= maximum);
            QCOMPARE(s->EtNumero->text(), m.text());
            QCOMPARE(s->Comando[0]->isEnabled(), !m.answered());
            QCOMPARE(s->Comando[1]->isEnabled(), !m.answered());
            QCOMPARE(frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled(), m.answered());
            QCOMPARE(s->Image1[m.RispostaEsatta]->isHidden(), !m.answered());
            QVERIFY(s->Image1[1 - m.RispostaEsatta]->isHidden());
            QCOMPARE(frameWidget<QLabel>(s, "EtichettaEsatti")->text(),
                     shared().NumeroEsatti ? B(shared().NumeroEsatti) : QStringLiteral("0"));
            QCOMPARE(frameWidget<QLabel>(s, "EtichettaErrati")->text(),
                     shared().NumeroErrati ? B(shared().NumeroErrati) : QStringLiteral("0"));
        }
    }
};

QTEST_MAIN(PossibleTest)
#include "test_possible.moc"
