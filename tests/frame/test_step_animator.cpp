#include "fakes.h"
#include "frame/step_animator.h"

#include <QTest>

class StepAnimatorTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

private slots:
    void init() { fakes = installFakes(); }

    // Step 0 at once, one step per 0.3 s wait, the end after the last wait.
    void stepsInOrder()
    {
        StepAnimator a;
        QList<int> seen;
        a.start(3, 300, [&](int i) { seen << i; }, [&] { seen << -1; });
        QCOMPARE(seen, QList<int>{0});
        QCOMPARE(fakes.timer->pending.front().ms, 300);
        QCOMPARE(fakes.timer->runAll(), 3);
        QCOMPARE(seen, (QList<int>{0, 1, 2, -1}));
        QVERIFY(!a.running());
    }

    // Stopping, starting again or destroying drops the steps still to come.
    void stepsDropped()
    {
        auto *a = new StepAnimator;
        QList<int> seen;
        a->start(4, 300, [&](int i) { seen << i; }, [&] { seen << -1; });
        a->stop();
        QVERIFY(!a->running());
        a->start(2, 300, [&](int i) { seen << 10 + i; }, [&] { seen << -2; });
        fakes.timer->runAll();
        QCOMPARE(seen, (QList<int>{0, 10, 11, -2}));
        a->start(9, 300, [&](int i) { seen << 20 + i; }, [&] { seen << -3; });
        delete a;
        QCOMPARE(fakes.timer->runAll(), 1);
        QCOMPARE(seen.last(), 20);
    }
};

QTEST_MAIN(StepAnimatorTest)
#include "test_step_animator.moc"
