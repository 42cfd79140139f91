#include "platform/platform.h"

#include <QElapsedTimer>
#include <QTest>

// The sound and speech modules missing (a partial install): the program goes
// on, silent and without reading aloud, and says why.
class ModulesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qunsetenv("TOLVENA_MODULES"); }

    void missingModulesLeaveTheProgramSilent()
    {
        auto sound = platformSound();
        QElapsedTimer clock;
        clock.start();
        sound->play(QStringLiteral(TOLVENA_SOUNDS "/si1.wav"));
        sound->beep();
        QVERIFY(clock.elapsed() < 500);

        auto speech = platformSpeech();
        QCOMPARE(speech->status(), Speech::Status::Unavailable);
        QCOMPARE(speech->unavailableReason(),
                 QStringLiteral("manca il modulo della sintesi vocale (libtolvena-voce.so)"));
        speech->start([] {});
        speech->say(QStringLiteral("nessuno"));
        QCOMPARE(speech->status(), Speech::Status::Unavailable);
    }
};

QTEST_MAIN(ModulesTest)
#include "test_modules.moc"
