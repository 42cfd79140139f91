#include "aids/make_ten.h"
#include "aids/make_ten_screen.h"
#include "fakes.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "shell/shell.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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
        QCOMPARE(ten.press(8), MakeTenModel::Outcome::Wrong);
        QCOMPARE(ten.press(10), MakeTenModel::Outcome::Wrong);
        QCOMPARE(ten.text(), QStringLiteral("   1 + __ = 10 "));
        QCOMPARE(ten.press(9), MakeTenModel::Outcome::Right);
        QCOMPARE(ten.text(), QStringLiteral("   1 +   9 = 10 "));
        QCOMPARE(ten.press(9), MakeTenModel::Outcome::Ignored);
        QCOMPARE(ten.press(3), MakeTenModel::Outcome::Ignored);

        // After a solved 1, a draw of 1 asks 0 + __ = 10, answered by 10.
        fakes.random->push({0.05});
        ten.next();
        QCOMPARE(ten.n(), 0);
        QCOMPARE(ten.text(), QStringLiteral("   0 + __ = 10 "));
        QCOMPARE(ten.press(10), MakeTenModel::Outcome::Right);
        QCOMPARE(ten.text(), QStringLiteral("   0 +   10 = 10 "));

        // 10 itself is answered by 0.
        fakes.random->push({0.99});
        ten.next();
        QCOMPARE(ten.text(), QStringLiteral("   10 + __ = 10 "));
        QCOMPARE(ten.press(0), MakeTenModel::Outcome::Right);
        QCOMPARE(ten.text(), QStringLiteral("   10 +   0 = 10 "));

        MakeTenModel twenty(20, QStringLiteral("___"));
        fakes.random->push({0.99, 0.3});
        twenty.next();
        QCOMPARE(twenty.text(), QStringLiteral("   20 + ___ = 20 "));
        QCOMPARE(twenty.press(0), MakeTenModel::Outcome::Right);
        QCOMPARE(twenty.text(), QStringLiteral("   20 +   0 = 20 "));
        twenty.next();
        QCOMPARE(twenty.text(), QStringLiteral("   7 + ___ = 20 "));
        QCOMPARE(twenty.press(13), MakeTenModel::Outcome::Right);
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
            QCOMPARE(m.press(target - solved), MakeTenModel::Outcome::Right);
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
        QVERIFY(s->BottoneAvanti->isVisible());
        QVERIFY(s->BottoneAvanti->isEnabled());

        // The window shows the whole row of buttons and the counters.
        const QRect client = s->centralWidget()->rect();
        for (QPushButton *b : s->Bottone)
            QVERIFY2(client.contains(b->geometry()), qPrintable(b->text()));
        QVERIFY(client.contains(s->EtichettaEsatti->geometry()));
        QVERIFY(client.contains(s->BottoneAvanti->geometry()));
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
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral("0"));

        QTest::mouseClick(s->Bottone[3], Qt::LeftButton);
        QTest::mouseClick(s->Bottone[4], Qt::LeftButton);
        QCOMPARE(s->EtichettaErrati->text(), QStringLiteral(" 2"));
        QVERIFY(s->ComandoIconaNo->isVisible());
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   3 + __ = 10 "));
        QTest::mouseClick(s->Bottone[7], Qt::LeftButton);
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral(" 1"));
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   3 +   7 = 10 "));
        QVERIFY(s->ComandoIconaSi->isVisible());
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
        QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   2 + __ = 10 "));
        QVERIFY(!s->BottoneAvanti->isEnabled());
        for (QPushButton *b : s->Bottone)
            QVERIFY(b->isEnabled());

        s->MenuAzzera->trigger();
        QCOMPARE(s->EtichettaEsatti->text(), QStringLiteral("0"));
        QCOMPARE(s->esatti(), 0);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   2 + __ = 10 "));
        QCOMPARE(shared().NumeroEsatti, 5);

        // Leaving counts nothing on the shared counters, and the next screen starts from zero.
        QTest::mouseClick(s->Bottone[5], Qt::LeftButton);
        fakes.messages->answers.push_back(MessageBoxes::Answer::Yes);
        s->MenuEsci->trigger();
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
        QCOMPARE(next->EtichettaErrati->text(), QStringLiteral("0"));
        QTest::mouseClick(next->Bottone[next->model().n() == 20 ? 1 : 0], Qt::LeftButton);
        QCOMPARE(next->EtichettaErrati->text(), QStringLiteral(" 1"));
        QCOMPARE(shared().NumeroErrati, 3);
    }

    void firstExerciseMayBeSkipped()
    {
        fakes.random->push({0.0, 0.0, 0.55});   // n = 12 on the screen of 20
        MakeTenScreen *s = fromCatalogue(QStringLiteral("Command9"));
        QVERIFY(s);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   12 + ___ = 20 "));
        fakes.random->push({0.0, 0.55});
        QTest::mouseClick(s->BottoneAvanti, Qt::LeftButton);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   12 + ___ = 20 "));
        QVERIFY(!s->BottoneAvanti->isEnabled());
        QTest::mouseClick(s->Bottone[8], Qt::LeftButton);
        QCOMPARE(s->EtNumero->text(), QStringLiteral("   12 +   8 = 20 "));
        QVERIFY(s->BottoneAvanti->isEnabled());
    }
};

QTEST_MAIN(MakeTenTest)
#include "test_make_ten.moc"
