// Reading aloud: what the speech service is given, and when.
#include "fakes.h"
#include "frame/exercise_screen.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "frame/voice.h"
#include "shell/shell.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class VoiceTest : public QObject {
    Q_OBJECT
    Fakes f{};

private slots:
    void initTestCase() { registerAllScreens(); }
    void init() { f = installFakes(); }
    void cleanup() { closeAllScreens(); }

    void soundLengths_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("ms");
        QTest::newRow("shortest cheer") << "si1.wav" << 484;
        QTest::newRow("longest cheer") << "si3.wav" << 661;
        QTest::newRow("buzzer") << "no.wav" << 450;
        QTest::newRow("no such file") << "nessuno.wav" << 0;
    }
    void soundLengths()
    {
        QFETCH(QString, file);
        QFETCH(int, ms);
        QCOMPARE(soundLengthMs(QStringLiteral(TOLVENA_SOUNDS "/") + file), ms);
    }

    // Steps: digits are typed into the answer field, "enter" releases Enter
    // there, "steps" runs the waiting timer steps, "avanti" clicks it,
    // "esci" leaves the screen with Yes, "off" clears the switch.
    void whatIsSaid_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("said");
        const QList<double> twice{0.1, 0, 0.5825, 0.1, 0.5, 0.9999999};
        QTest::newRow("typed: opening")
            << true << "Form20" << twice << QStringList{} << QStringList{"58 meno 1 uguale"};
        QTest::newRow("typed: right, after the screen wrote the line")
            << true << "Form20" << twice << QStringList{"57", "enter", "steps"}
            << QStringList{"58 meno 1 uguale", "Esatto! 58 meno 1 uguale 57"};
        QTest::newRow("typed: wrong")
            << true << "Form20" << twice << QStringList{"56", "enter", "steps"}
            << QStringList{"58 meno 1 uguale", "Sbagliato, riprova"};
        QTest::newRow("typed: a new exercise stops the old one")
            << true << "Form20" << twice << QStringList{"57", "enter", "steps", "avanti"}
            << QStringList{"58 meno 1 uguale", "Esatto! 58 meno 1 uguale 57", "[stop]",
                           "97 meno 10 uguale"};
        QTest::newRow("typed: a verdict still waiting is dropped by the next exercise")
            << true << "Form20" << twice << QStringList{"57", "enter", "avanti", "steps"}
            << QStringList{"58 meno 1 uguale", "[stop]", "97 meno 10 uguale"};
        QTest::newRow("typed: leaving stops")
            << true << "Form20" << twice << QStringList{"56", "enter", "steps", "esci"}
            << QStringList{"58 meno 1 uguale", "Sbagliato, riprova", "[stop]"};
        QTest::newRow("typed: box cleared on the way")
            << true << "Form20" << twice << QStringList{"off", "57", "enter", "steps", "avanti"}
            << QStringList{"58 meno 1 uguale", "[stop]"};
        QTest::newRow("typed: box off")
            << false << "Form20" << twice << QStringList{"56", "enter", "57", "enter", "steps", "avanti"}
            << QStringList{};
        QTest::newRow("answer line: opening and right")
            << true << "FormC100" << QList<double>{0, 0.37} << QStringList{"63", "enter", "steps"}
            << QStringList{"37 più quanto uguale 100", "Esatto! 37 più 63 uguale 100"};
        QTest::newRow("abacus: a bead says the new counts")
            << true << "Form99d3" << QList<double>{0, 0.5, 0.5, 0.5, 0.5} << QStringList{"click:Bot_u"}
            << QStringList{"54 meno 27 uguale", "0 decine, 1 unità"};
        QTest::newRow("bars: opening")
            << true << "FormBarreTolvena" << QList<double>{0, 0, 0.6, 0.45}
            << QStringList{} << QStringList{"Trova il numero che corrisponde alla barra verde. "
                                            "barra gialla 3, barra verde quanto, barra rossa 7"};
        QTest::newRow("tens and units: opening and right")
            << true << "FormGrafMeno" << QList<double>{0, 0.5, 0.5, 0.5}
            << QStringList{"18", "enter", "steps"}
            << QStringList{"51 meno 33 uguale", "Esatto! 51 meno 33 uguale 18"};
        QTest::newRow("making 10: opening") << true << "Formcomponi10" << QList<double>{0, 0.5, 0.5}
            << QStringList{} << QStringList{"6 più quanto uguale 10"};
        QTest::newRow("making 10: right") << true << "Formcomponi10" << QList<double>{0, 0.5, 0.5}
            << QStringList{"click:Bottone:4", "steps"}
            << QStringList{"6 più quanto uguale 10", "Esatto! 6 più 4 uguale 10"};
    }
    void whatIsSaid()
    {
        QFETCH(bool, on);
        QFETCH(QString, screen);
        QFETCH(QList<double>, draws);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, said);
        shared().SuoniAttivi = 0;   // no cheer takes a draw
        setReadingAloud(on);
        f.random->script.insert(f.random->script.end(), draws.begin(), draws.end());
        auto *s = qobject_cast<ExerciseScreen *>(openScreen(screen));
        QVERIFY(s);
        auto *field = s->findChild<QLineEdit *>(QStringLiteral("Text1"));
        if (!field)
            field = s->findChild<QLineEdit *>(QStringLiteral("Risultato"));
        for (const QString &step : steps) {
            if (step == QLatin1String("enter")) {
                QTest::keyPress(field, Qt::Key_Return);
                QTest::keyRelease(field, Qt::Key_Return);
            } else if (step == QLatin1String("steps")) {
                f.timer->runAll();
            } else if (step == QLatin1String("avanti")) {
                QTest::mouseClick(frameWidget<QToolButton>(s, "BottoneAvanti"), Qt::LeftButton);
            } else if (step == QLatin1String("esci")) {
                f.messages->answers = {MessageBoxes::Answer::Yes};
                frameWidget<QAction>(s, "MenuEsci")->trigger();
            } else if (step.startsWith(QLatin1String("click:"))) {
                // click:NAME, or click:NAME:INDEX in an array of controls
                const QStringList part = step.split(QLatin1Char(':'));
                QAbstractButton *button = nullptr;
                for (auto *b : s->findChildren<QAbstractButton *>(part[1]))
                    if (part.size() < 3 || b->property("index").toString() == part[2])
                        button = button ? button : b;
                QVERIFY(button);
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (step == QLatin1String("off")) {
                setReadingAloud(false);
            } else {
                QTest::keyClicks(field, step);
            }
        }
        QCOMPARE(f.speech->said, said);
        // A screen reader hears the same verdict as the voice.
        for (const QString &verdict : said.filter(QStringLiteral("Esatto!")))
            QVERIFY2(f.announcer->spoken.filter(verdict + QLatin1Char('.')).size() == 1,
                     qPrintable(f.announcer->spoken.join(QLatin1String(" | "))));
    }
};

QTEST_MAIN(VoiceTest)
#include "test_voice.moc"
