#include "fakes.h"
#include "frame/step_animator.h"

#include <QTest>

class StepAnimatorTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

    // Runs the first waiting step; returns its delay, or -1 when none waits.
    int runOne()
    {
        if (fakes.timer->pending.empty())
            return -1;
        auto s = std::move(fakes.timer->pending.front());
        fakes.timer->pending.pop_front();
        s.step();
        return s.ms;
    }

private slots:
    void init() { fakes = installFakes(); }

    // Step 0 at once, then one step per wait, the end after the last wait.
    void stepsInOrder()
    {
        StepAnimator a;
        QList<int> seen;
        int finished = 0;
        a.start(3, 300, [&](int i) { seen << i; }, [&] { ++finished; });
        QCOMPARE(seen, QList<int>{0});
        QVERIFY(a.running());
        QCOMPARE(runOne(), 300);
        QCOMPARE(seen, (QList<int>{0, 1}));
        QCOMPARE(runOne(), 300);
        QCOMPARE(seen, (QList<int>{0, 1, 2}));
        QCOMPARE(finished, 0);
        QCOMPARE(runOne(), 300);
        QCOMPARE(finished, 1);
        QVERIFY(!a.running());
        QCOMPARE(runOne(), -1);
    }

    void stopDropsTheRest()
    {
        StepAnimator a;
        int steps = 0, finished = 0;
        a.start(5, 300, [&](int) { ++steps; }, [&] { ++finished; });
        runOne();
        a.stop();
        QVERIFY(!a.running());
        fakes.timer->runAll();
        QCOMPARE(steps, 2);
        QCOMPARE(finished, 0);
    }

    // A new start drops the steps of the one before.
    void restart()
    {
        StepAnimator a;
        QList<int> first, second;
        a.start(4, 300, [&](int i) { first << i; }, [] {});
        a.start(2, 300, [&](int i) { second << i; }, [] {});
        fakes.timer->runAll();
        QCOMPARE(first, QList<int>{0});
        QCOMPARE(second, (QList<int>{0, 1}));
    }

    // Steps left over from an animator that is gone do nothing.
    void destroyedMidway()
    {
        auto *a = new StepAnimator;
        int steps = 0;
        a->start(9, 300, [&](int) { ++steps; }, [&] { ++steps; });
        delete a;
        QCOMPARE(fakes.timer->runAll(), 1);
        QCOMPARE(steps, 1);
    }
};

QTEST_MAIN(StepAnimatorTest)
#include "test_step_animator.moc"
