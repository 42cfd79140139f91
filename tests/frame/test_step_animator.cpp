#include "fakes.h"
#include "frame/step_animator.h"

#include <QTest>

class StepAnimatorTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

private slots:
    void init() { fakes = installFakes(); }

    // Step 0 at once, then each step due a whole number of 0.3 s waits after
    // the start, the end after the last wait: a late step leaves less time
    // to the next one (none when the next is due already), so lateness
    // never adds up.
    void stepsInOrder_data()
    {
        QTest::addColumn<QList<int>>("late");    // ms each step runs after it is due
        QTest::addColumn<QList<int>>("waits");   // what each step leaves to the next
        QTest::addColumn<QList<int>>("at");      // when the steps and the end ran
        QTest::newRow("on time") << QList<int>{0, 0, 0} << QList<int>{300, 300, 300}
                                 << QList<int>{0, 300, 600, 900};
        QTest::newRow("one late") << QList<int>{120, 0, 0} << QList<int>{300, 180, 300}
                                  << QList<int>{0, 420, 600, 900};
        QTest::newRow("later than the next") << QList<int>{350, 0, 40} << QList<int>{300, 0, 250}
                                             << QList<int>{0, 650, 650, 940};
    }
    void stepsInOrder()
    {
        QFETCH(QList<int>, late);
        QFETCH(QList<int>, waits);
        QFETCH(QList<int>, at);
        fakes.timer->clock = 5000;
        StepAnimator a;
        QList<int> seen;
        QList<int> steps;
        const auto now = [&] { seen << int(fakes.timer->clock - 5000); };
        a.start(3, 300, [&](int i) { steps << i; now(); }, now);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(fakes.timer->pending.size(), std::size_t(1));
            QCOMPARE(fakes.timer->pending.front().ms, waits[i]);
            fakes.timer->clock += waits[i] + late[i];
            QCOMPARE(fakes.timer->runAll(1), 1);
        }
        QCOMPARE(steps, (QList<int>{0, 1, 2}));
        QCOMPARE(seen, at);
        QVERIFY(!a.running());
        QVERIFY(fakes.timer->pending.empty());
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
