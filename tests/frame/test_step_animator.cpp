#include "fakes.h"
#include "frame/step_animator.h"

#include <QTest>

class StepAnimatorTest : public QObject {
    Q_OBJECT
    Fakes fakes{};

private slots:
    void init() { fakes = installFakes(); }

    void stepsOneIntervalApart()
    {
        StepAnimator a;
        QString log;
        a.start({[&] { log += 'a'; }, [&] { log += 'b'; }, [&] { log += 'c'; }}, 300,
                [&] { log += '.'; });
        QCOMPARE(log, QStringLiteral("a"));   // the first step at once
        QVERIFY(a.running());
        QCOMPARE(fakes.timer->pending.size(), std::size_t(1));
        QCOMPARE(fakes.timer->pending.front().ms, 300);
        QCOMPARE(fakes.timer->pending.front().context, &a);
        QCOMPARE(fakes.timer->runAll(), 3);
        QCOMPARE(log, QStringLiteral("abc."));
        QVERIFY(!a.running());
    }

    void stoppedOrRestartedStepsNeverRun()
    {
        StepAnimator a;
        QString log;
        a.start({[&] { log += 'a'; }, [&] { log += 'b'; }}, 300, [&] { log += '.'; });
        a.stop();
        QVERIFY(!a.running());
        fakes.timer->runAll();
        QCOMPARE(log, QStringLiteral("a"));

        a.start({[&] { log += 'x'; }, [&] { log += 'y'; }}, 300, [&] { log += '!'; });
        a.start({[&] { log += 'p'; }, [&] { log += 'q'; }}, 300);
        fakes.timer->runAll();
        QCOMPARE(log, QStringLiteral("axpq"));
    }

    void aStepMayEndItsOwner()
    {
        auto *a = new StepAnimator;
        int ran = 0;
        a->start({[&] { ++ran; }, [&] { ++ran; delete a; }, [&] { ++ran; }}, 300);
        fakes.timer->runAll();
        QCOMPARE(ran, 2);

        auto *b = new StepAnimator;
        b->start({[&] { ++ran; }, [&] { ++ran; }}, 300);
        delete b;
        fakes.timer->runAll();
        QCOMPARE(ran, 3);
    }
};

QTEST_MAIN(StepAnimatorTest)
#include "test_step_animator.moc"
