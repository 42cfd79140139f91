#include "abacus/abacus_model.h"
#include "fakes.h"

#include <QTest>

namespace {

using Wire = AbacusModel::Wire;
using Exchange = AbacusModel::Exchange;

AbacusModel modelOf(const char *name)
{
    return AbacusModel(*abacusRule(QString::fromLatin1(name)));
}

// Lays beads on a fresh abacus with its own buttons.
void lay(AbacusModel &m, int hundreds, int tens, int units)
{
    m.start({500, 100, 400});
    for (int i = 0; i < hundreds; ++i)
        QVERIFY(m.add(Wire::Hundreds));
    for (int i = 0; i < tens; ++i)
        QVERIFY(m.add(Wire::Tens));
    for (int i = 0; i < units; ++i)
        QVERIFY(m.add(Wire::Units));
}

void runExchange(AbacusModel &m)
{
    for (int i = 0; i < AbacusModel::ExchangeSteps; ++i)
        m.exchangeStep();
    m.finishExchange();
}

// The draw that makes Int(span * r) + low come out as `value`.
double toGet(int value, double span, int low = 0) { return (value - low + 0.5) / span; }

// Scripts Int(r * 999) + 1 = primo and Int(r * primo) = risposta.
void scriptThree(FakeRandom *random, int primo, int risposta)
{
    random->push({toGet(primo, 999, 1), toGet(risposta, primo)});
}

} // namespace

class AbacusModelTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

private slots:
    void init() { fakes = installFakes(); }

    void exchanges_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("lower");
        QTest::addColumn<QList<int>>("before");   // hundreds, tens, units
        QTest::addColumn<bool>("started");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("3 tens 9 units") << "Form99d" << 0 << QList<int>{0, 3, 9} << true
                                        << QList<int>{0, 2, 19};
        QTest::newRow("1 ten 0 units") << "Form99d3" << 0 << QList<int>{0, 1, 0} << true
                                       << QList<int>{0, 0, 10};
        QTest::newRow("10 units refused") << "Form99d" << 0 << QList<int>{0, 3, 10} << false
                                          << QList<int>{0, 3, 10};
        QTest::newRow("no ten refused") << "Form99d" << 0 << QList<int>{0, 0, 4} << false
                                        << QList<int>{0, 0, 4};
        QTest::newRow("three wires tens") << "Form999d" << 0 << QList<int>{2, 5, 9} << true
                                          << QList<int>{2, 4, 19};
        QTest::newRow("3 hundreds 0 tens") << "Form999b" << 1 << QList<int>{3, 0, 0} << true
                                           << QList<int>{2, 10, 0};
        QTest::newRow("9 tens to 19") << "Form999c" << 1 << QList<int>{1, 9, 3} << true
                                      << QList<int>{0, 19, 3};
        QTest::newRow("10 tens refused") << "Form999b" << 1 << QList<int>{3, 10, 0} << false
                                         << QList<int>{3, 10, 0};
        QTest::newRow("no hundred refused") << "Form999d" << 1 << QList<int>{0, 4, 4} << false
                                            << QList<int>{0, 4, 4};
    }
    void exchanges()
    {
        QFETCH(QString, screen);
        QFETCH(int, lower);
        QFETCH(QList<int>, before);
        QFETCH(bool, started);
        QFETCH(QList<int>, after);
        AbacusModel m(*abacusRule(screen));
        lay(m, before[0], before[1], before[2]);
        QCOMPARE(m.startExchange(lower), started ? Exchange::Started : Exchange::Refused);
        if (started) {
            QVERIFY(m.exchanging());
            runExchange(m);
        }
        QVERIFY(!m.exchanging());
        QCOMPARE(m.count(Wire::Hundreds), after[0]);
        QCOMPARE(m.count(Wire::Tens), after[1]);
        QCOMPARE(m.count(Wire::Units), after[2]);
        QCOMPARE(m.exchangeUsed(lower), started);
        QCOMPARE(m.exchangeAvailable(lower), !started);
    }

    // A hundred into ten tens, then a ten into ten units with 4 units shown.
    void hundredsThenTens()
    {
        AbacusModel m = modelOf("Form999c");
        lay(m, 3, 0, 4);
        QCOMPARE(m.startExchange(Wire::Tens), Exchange::Started);
        runExchange(m);
        QCOMPARE(m.count(Wire::Hundreds), 2);
        QCOMPARE(m.count(Wire::Tens), 10);
        QVERIFY(!m.exchangeAvailable(Wire::Tens));
        QVERIFY(m.exchangeAvailable(Wire::Units));
        QCOMPARE(m.startExchange(Wire::Units), Exchange::Started);
        runExchange(m);
        QCOMPARE(m.count(Wire::Tens), 9);
        QCOMPARE(m.count(Wire::Units), 14);
    }

    // Step by step: the top ten bead (index 2) blinks 9 times and goes, the
    // unit positions 9..18 blink 9 times and stay.
    void blinking()
    {
        AbacusModel m = modelOf("Form99d");
        lay(m, 0, 3, 9);
        QCOMPARE(m.startExchange(Wire::Units), Exchange::Started);
        QCOMPARE(m.count(Wire::Tens), 2);
        //                      steps: 1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18
        const bool tenShown[18] =    {0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        const bool unitsShown[18] =  {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1};
        QVERIFY(m.beadShown(Wire::Tens, 2));
        QVERIFY(!m.beadShown(Wire::Units, 9));
        for (int s = 0; s < 18; ++s) {
            m.exchangeStep();
            QCOMPARE(m.beadShown(Wire::Tens, 2), tenShown[s]);
            for (int k = 9; k <= 18; ++k)
                QCOMPARE(m.beadShown(Wire::Units, k), unitsShown[s]);
            // The others stand still.
            QVERIFY(m.beadShown(Wire::Tens, 1));
            QVERIFY(m.beadShown(Wire::Units, 8));
            QVERIFY(!m.beadShown(Wire::Tens, 3));
        }
        m.exchangeStep();   // one too many changes nothing
        QCOMPARE(m.exchangeStepsDone(), 18);
        m.finishExchange();
        QVERIFY(!m.beadShown(Wire::Tens, 2));
        QVERIFY(m.beadShown(Wire::Units, 18));
        QCOMPARE(m.count(Wire::Units), 19);
    }

    void limits_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("wire");
        QTest::addColumn<int>("limit");
        QTest::newRow("Form99d1 units") << "Form99d1" << 0 << 9;
        QTest::newRow("Form99d1 tens") << "Form99d1" << 1 << 9;
        QTest::newRow("Form99d3 units") << "Form99d3" << 0 << 19;
        QTest::newRow("Form99d tens") << "Form99d" << 1 << 9;
        QTest::newRow("Form99d hundreds") << "Form99d" << 2 << 0;
        QTest::newRow("Form999a units") << "Form999a" << 0 << 19;
        QTest::newRow("Form999b tens") << "Form999b" << 1 << 19;
        QTest::newRow("Form999d hundreds") << "Form999d" << 2 << 9;
    }
    void limits()
    {
        QFETCH(QString, screen);
        QFETCH(int, wire);
        QFETCH(int, limit);
        AbacusModel m(*abacusRule(screen));
        m.start({50, 20, 30});
        QVERIFY(!m.remove(wire));
        QCOMPARE(m.count(wire), 0);
        for (int i = 0; i < 30; ++i)
            m.add(wire);
        QCOMPARE(m.count(wire), limit);
        QVERIFY(!m.add(wire));
        for (int i = 0; i < 30; ++i)
            m.remove(wire);
        QCOMPARE(m.count(wire), 0);
    }

    // One exchange per button and exercise; "Ricomincia" and a new exercise
    // give them back.
    void exchangeOnceUntilCleared()
    {
        AbacusModel m = modelOf("Form999d");
        lay(m, 2, 1, 0);
        QCOMPARE(m.startExchange(Wire::Units), Exchange::Started);
        QCOMPARE(m.startExchange(Wire::Units), Exchange::Unavailable);
        QCOMPARE(m.startExchange(Wire::Tens), Exchange::Unavailable);   // one at a time
        runExchange(m);
        m.remove(Wire::Units);
        m.remove(Wire::Units);
        m.remove(Wire::Units);
        m.add(Wire::Tens);
        QCOMPARE(m.startExchange(Wire::Units), Exchange::Unavailable);
        QVERIFY(m.clear());
        QCOMPARE(m.count(Wire::Units), 0);
        QCOMPARE(m.count(Wire::Hundreds), 0);
        QVERIFY(m.exchangeAvailable(Wire::Units));
        QVERIFY(m.exchangeAvailable(Wire::Tens));
        lay(m, 1, 0, 0);
        QCOMPARE(m.startExchange(Wire::Tens), Exchange::Started);
        runExchange(m);
        m.next();
        QVERIFY(m.exchangeAvailable(Wire::Tens));
        QCOMPARE(m.count(Wire::Tens), 0);
    }

    // While beads blink nothing else moves them.
    void stillDuringAnExchange()
    {
        AbacusModel m = modelOf("Form99d");
        lay(m, 0, 9, 0);
        QCOMPARE(m.startExchange(Wire::Units), Exchange::Started);
        m.exchangeStep();
        QVERIFY(!m.add(Wire::Units));
        QVERIFY(!m.add(Wire::Tens));
        QVERIFY(!m.remove(Wire::Tens));
        QVERIFY(!m.clear());
        QCOMPARE(m.count(Wire::Tens), 8);
        QCOMPARE(m.count(Wire::Units), 0);
        // A new exercise drops the exchange.
        m.next();
        QVERIFY(!m.exchanging());
        QCOMPARE(m.count(Wire::Units), 0);
        m.finishExchange();
        QCOMPARE(m.count(Wire::Units), 0);
    }

    void noExchangeWithoutButtons()
    {
        AbacusModel a = modelOf("Form999a");
        lay(a, 3, 3, 3);
        QCOMPARE(a.startExchange(Wire::Units), Exchange::Unavailable);
        QCOMPARE(a.startExchange(Wire::Tens), Exchange::Unavailable);
        AbacusModel d1 = modelOf("Form99d1");
        lay(d1, 0, 3, 3);
        QCOMPARE(d1.startExchange(Wire::Units), Exchange::Unavailable);
        AbacusModel d = modelOf("Form99d");
        lay(d, 0, 3, 3);
        QCOMPARE(d.startExchange(Wire::Tens), Exchange::Unavailable);   // no hundreds wire
        QCOMPARE(d.count(Wire::Tens), 3);
    }

    void texts_data()
    {
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("secondo");
        QTest::addColumn<QString>("text");
        QTest::newRow("98 - 9") << 98 << 9 << " 98 -  9 = ";
        QTest::newRow("7 - 7") << 7 << 7 << " 7 -  7 = ";
        QTest::newRow("45 - 27") << 45 << 27 << " 45 -  27 = ";
        QTest::newRow("352 - 127") << 352 << 127 << " 352 -  127 = ";
    }
    void texts()
    {
        QFETCH(int, primo);
        QFETCH(int, secondo);
        QFETCH(QString, text);
        AbacusModel m = modelOf("Form999d");
        m.start({primo, secondo, primo - secondo});
        QCOMPARE(m.text(), text);
    }

    void answers_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("verdict");   // -1 no answer, 0 wrong, 1 right
        QTest::newRow("27") << 27 << "27" << 1;
        QTest::newRow("27 and a letter") << 27 << "27a" << 1;
        QTest::newRow("blanks inside") << 27 << " 2 7" << 1;
        QTest::newRow("28") << 27 << "28" << 0;
        QTest::newRow("a letter") << 27 << "a" << 0;
        QTest::newRow("empty") << 27 << "" << -1;
        QTest::newRow("0 for 0") << 0 << "0" << 1;
        QTest::newRow("a letter for 0") << 0 << "x" << 1;
        QTest::newRow("27.5") << 27 << "27.5" << 0;
        QTest::newRow("27.0") << 27 << "27.0" << 1;
    }
    void answers()
    {
        QFETCH(int, risposta);
        QFETCH(QString, typed);
        QFETCH(int, verdict);
        AbacusModel m = modelOf("Form999d");
        m.start({risposta + 5, 5, risposta});
        const auto judged = m.check(typed);
        QCOMPARE(judged.has_value(), verdict >= 0);
        if (judged)
            QCOMPARE(*judged, verdict == 1);
    }

    void descriptions_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("counts");   // hundreds, tens, units
        QTest::addColumn<QString>("text");
        QTest::newRow("two wires") << "Form99d" << QList<int>{0, 3, 9} << "3 decine, 9 unità";
        QTest::newRow("empty") << "Form99d1" << QList<int>{0, 0, 0} << "0 decine, 0 unità";
        QTest::newRow("three wires") << "Form999b" << QList<int>{2, 3, 9}
                                     << "2 centinaia, 3 decine, 9 unità";
        QTest::newRow("singular") << "Form999a" << QList<int>{1, 1, 1}
                                  << "1 centinaio, 1 decina, 1 unità";
    }
    void descriptions()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, counts);
        QFETCH(QString, text);
        AbacusModel m(*abacusRule(screen));
        lay(m, counts[0], counts[1], counts[2]);
        QCOMPARE(m.description(), text);
    }

    // Draws in the order written: the minuend, then the result.
    void form99dDrawOrder()
    {
        fakes.random->push({toGet(45, 89, 10), toGet(18, 35, 5)});
        AbacusModel m = modelOf("Form99d");
        m.next();
        QCOMPARE(m.exercise().primo, 45);
        QCOMPARE(m.exercise().risposta, 18);
        QCOMPARE(m.exercise().secondo, 27);
        QCOMPARE(fakes.random->draws, 2);
    }

    void form99dRanges()
    {
        AbacusModel m = modelOf("Form99d");
        bool with = false, without = false;
        for (int i = 0; i < 3000; ++i) {
            m.next();
            const auto &e = m.exercise();
            QVERIFY(e.primo >= 10 && e.primo <= 98);
            QVERIFY(e.risposta >= 5);
            QVERIFY(e.risposta <= std::max(5, e.primo - 6));
            QCOMPARE(e.primo - e.secondo, e.risposta);
            (digit(e.primo, 0) < digit(e.secondo, 0) ? with : without) = true;
        }
        QVERIFY(with && without);
    }

    // 45 - 23 is drawn again, 45 - 27 kept.
    void form99d3AlwaysExchanges()
    {
        fakes.random->push({toGet(45, 89, 10), toGet(22, 35, 5),
                            toGet(45, 89, 10), toGet(18, 35, 5)});
        AbacusModel m = modelOf("Form99d3");
        m.next();
        QCOMPARE(m.exercise().secondo, 27);
        QCOMPARE(fakes.random->draws, 4);
        for (int i = 0; i < 3000; ++i) {
            m.next();
            const auto &e = m.exercise();
            QVERIFY2(digit(e.primo, 0) < digit(e.secondo, 0),
                     qPrintable(QStringLiteral("%1 - %2").arg(e.primo).arg(e.secondo)));
            QVERIFY(e.primo >= 10 && e.primo <= 98 && e.risposta >= 5);
        }
    }

    void form99d1NeverExchanges()
    {
        AbacusModel m = modelOf("Form99d1");
        for (int i = 0; i < 3000; ++i) {
            m.next();
            const auto &e = m.exercise();
            QVERIFY(e.primo >= 2 && e.primo <= 99);
            QVERIFY(e.risposta >= 1 && e.secondo >= 1);
            QVERIFY(digit(e.secondo, 0) <= digit(e.primo, 0));
            QVERIFY(digit(e.secondo, 1) <= digit(e.primo, 1));
            QCOMPARE(e.primo - e.secondo, e.risposta);
        }
    }

    // Every minuend the digits can make: the drawing ends, and 1, 10 and 11
    // (no non-zero result) are drawn again like 0.
    void form99d1EveryMinuend()
    {
        AbacusModel m = modelOf("Form99d1");
        for (int t = 0; t < 10; ++t)
            for (int u = 0; u < 10; ++u) {
                fakes.random->push({toGet(t, 10), toGet(u, 10)});
                m.next();
                const auto &e = m.exercise();
                const int scripted = 10 * t + u;
                const bool redrawn = scripted == 0 || scripted == 1 || scripted == 10
                                     || scripted == 11;
                if (!redrawn)
                    QCOMPARE(e.primo, scripted);
                QVERIFY(e.primo != 0 && e.primo != 1 && e.primo != 10 && e.primo != 11);
                QVERIFY(e.risposta >= 1);
                QVERIFY(digit(e.secondo, 0) <= digit(e.primo, 0));
                QVERIFY(digit(e.secondo, 1) <= digit(e.primo, 1));
            }
    }

    // 1, 10, 11 redrawn, then 53 with the result digits 2 and 1.
    void form99d1Redraws()
    {
        fakes.random->push({0.05, 0.15, 0.15, 0.05, 0.15, 0.15, 0.55, 0.35, 0.5, 0.5});
        AbacusModel m = modelOf("Form99d1");
        m.next();
        QCOMPARE(m.exercise().primo, 53);
        QCOMPARE(m.exercise().risposta, 21);
        QCOMPARE(m.exercise().secondo, 32);
        QCOMPARE(fakes.random->draws, 10);
    }

    void threeDigitRules_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("secondo");
        QTest::addColumn<bool>("posed");
        QTest::newRow("a 352-121") << "Form999a" << 121 << true;
        QTest::newRow("a 352-127") << "Form999a" << 127 << false;
        QTest::newRow("a 352-171") << "Form999a" << 171 << false;
        QTest::newRow("b 352-127") << "Form999b" << 127 << true;
        QTest::newRow("b 352-171") << "Form999b" << 171 << true;
        QTest::newRow("b 352-158") << "Form999b" << 158 << false;
        QTest::newRow("b 352-176") << "Form999b" << 176 << false;
        QTest::newRow("b 352-121") << "Form999b" << 121 << false;
        QTest::newRow("c 352-127") << "Form999c" << 127 << true;
        QTest::newRow("c 352-176") << "Form999c" << 176 << true;
        QTest::newRow("c 352-171") << "Form999c" << 171 << true;
        QTest::newRow("c 352-121") << "Form999c" << 121 << false;
        QTest::newRow("d 352-121") << "Form999d" << 121 << true;
        QTest::newRow("d 352-176") << "Form999d" << 176 << true;
    }
    void threeDigitRules()
    {
        QFETCH(QString, screen);
        QFETCH(int, secondo);
        QFETCH(bool, posed);
        scriptThree(fakes.random, 352, 352 - secondo);
        AbacusModel m(*abacusRule(screen));
        m.next();
        const bool same = m.exercise().primo == 352 && m.exercise().secondo == secondo;
        QCOMPARE(same, posed);
        QCOMPARE(fakes.random->draws > 2, !posed);
    }

    void threeDigitConditions_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("Form999a") << "Form999a";
        QTest::newRow("Form999b") << "Form999b";
        QTest::newRow("Form999c") << "Form999c";
        QTest::newRow("Form999d") << "Form999d";
    }
    // Many draws: the exchanges each exercise needs (units lack; tens lack
    // once the units have taken a ten).
    void threeDigitConditions()
    {
        QFETCH(QString, screen);
        AbacusModel m(*abacusRule(screen));
        std::array<int, 3> seen{};
        bool small = false;
        for (int i = 0; i < 4000; ++i) {
            m.next();
            const auto &e = m.exercise();
            QVERIFY(e.primo >= 1 && e.primo <= 999);
            QVERIFY(e.secondo >= 1 && e.secondo <= e.primo);
            QCOMPARE(e.primo - e.secondo, e.risposta);
            const int t1 = digit(e.primo, 1), u1 = digit(e.primo, 0);
            const int t2 = digit(e.secondo, 1), u2 = digit(e.secondo, 0);
            const bool unitsLack = u1 < u2;
            const bool tensLack = t1 - (unitsLack ? 1 : 0) < t2;
            const int needed = int(unitsLack) + int(tensLack);
            ++seen[needed];
            small = small || e.primo < 100;
            if (screen == QLatin1String("Form999a"))
                QVERIFY(t1 >= t2 && u1 >= u2);
            else if (screen == QLatin1String("Form999b"))
                QCOMPARE(needed, 1);
            else if (screen == QLatin1String("Form999c"))
                QVERIFY(needed >= 1);
        }
        QVERIFY(small);
        if (screen == QLatin1String("Form999c"))
            QVERIFY(seen[1] > 0 && seen[2] > 0);
        if (screen == QLatin1String("Form999d"))
            QVERIFY(seen[0] > 0 && seen[1] > 0 && seen[2] > 0);
    }

    // A number minus itself: "0" and any text without a number are right.
    void resultZero()
    {
        scriptThree(fakes.random, 257, 0);
        AbacusModel m = modelOf("Form999d");
        m.next();
        QCOMPARE(m.exercise().secondo, 257);
        QCOMPARE(m.exercise().risposta, 0);
        QCOMPARE(m.text(), QStringLiteral(" 257 -  257 = "));
        QCOMPARE(m.check(QStringLiteral("0")), std::optional<bool>(true));
        QCOMPARE(m.check(QStringLiteral("no")), std::optional<bool>(true));
        QCOMPARE(m.check(QStringLiteral("1")), std::optional<bool>(false));
    }
};

QTEST_MAIN(AbacusModelTest)
#include "test_abacus_model.moc"
