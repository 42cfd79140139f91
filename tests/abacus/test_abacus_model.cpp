#include "abacus/abacus_model.h"
#include "abacus/abacus_screen.h"
#include "fakes.h"

#include <QTest>

namespace {

using Wire = AbacusModel::Wire;
using Exchange = AbacusModel::Exchange;
using Counts = QList<int>;   // hundreds, tens, units

// The rule of a screen's row.
const AbacusRule &rule(const QString &screen)
{
    for (const AbacusScreenRow &row : abacusScreenRows())
        if (row.name == screen)
            return row.rule;
    qFatal("no abacus screen %s", qPrintable(screen));
}

// A fresh abacus with beads laid by its own buttons.
AbacusModel laid(const QString &screen, const Counts &c)
{
    AbacusModel m(rule(screen));
    m.start({500, 100, 400});
    for (int w : {Wire::Hundreds, Wire::Tens, Wire::Units})
        for (int i = 0; i < c[2 - w]; ++i)
            m.add(w);
    return m;
}

Counts counts(const AbacusModel &m)
{
    return {m.count(Wire::Hundreds), m.count(Wire::Tens), m.count(Wire::Units)};
}

Exchange exchange(AbacusModel &m, int lower)
{
    const Exchange e = m.startExchange(lower);
    for (int i = 0; i < AbacusModel::ExchangeSteps; ++i)
        m.exchangeStep();
    m.finishExchange();
    return e;
}

// The draw that makes Int(span * r) + low come out as `value`.
double toGet(int value, double span, int low = 0) { return (value - low + 0.5) / span; }

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
        QTest::addColumn<Counts>("before");
        QTest::addColumn<Counts>("after");   // empty: refused
        QTest::newRow("3 tens 9 units") << "Form99d" << 0 << Counts{0, 3, 9} << Counts{0, 2, 19};
        QTest::newRow("10 units") << "Form99d" << 0 << Counts{0, 3, 10} << Counts{};
        QTest::newRow("no ten") << "Form99d3" << 0 << Counts{0, 0, 4} << Counts{};
        QTest::newRow("3 hundreds 0 tens") << "Form999b" << 1 << Counts{3, 0, 0} << Counts{2, 10, 0};
        QTest::newRow("9 tens") << "Form999c" << 1 << Counts{1, 9, 3} << Counts{0, 19, 3};
        QTest::newRow("10 tens") << "Form999b" << 1 << Counts{3, 10, 0} << Counts{};
        QTest::newRow("no hundred") << "Form999d" << 1 << Counts{0, 4, 4} << Counts{};
    }
    void exchanges()
    {
        QFETCH(QString, screen);
        QFETCH(int, lower);
        QFETCH(Counts, before);
        QFETCH(Counts, after);
        AbacusModel m = laid(screen, before);
        QCOMPARE(exchange(m, lower), after.isEmpty() ? Exchange::Refused : Exchange::Started);
        QCOMPARE(counts(m), after.isEmpty() ? before : after);
        QCOMPARE(m.exchangeAvailable(lower), after.isEmpty());
    }

    // A hundred for ten tens, then a ten for ten units; each once until
    // "Ricomincia" or a new exercise; nothing moves while beads blink.
    void exchangeRules()
    {
        AbacusModel m = laid(QStringLiteral("Form999c"), {3, 0, 4});
        QCOMPARE(m.startExchange(Wire::Tens), Exchange::Started);
        QCOMPARE(m.startExchange(Wire::Units), Exchange::Unavailable);
        QVERIFY(!m.add(Wire::Units) && !m.remove(Wire::Hundreds) && !m.clear());
        QCOMPARE(exchange(m, Wire::Tens), Exchange::Unavailable);   // only finishes it
        QCOMPARE(counts(m), (Counts{2, 10, 4}));
        QCOMPARE(exchange(m, Wire::Units), Exchange::Started);
        QCOMPARE(counts(m), (Counts{2, 9, 14}));
        QVERIFY(!m.exchangeAvailable(Wire::Units) && !m.exchangeAvailable(Wire::Tens));
        QVERIFY(m.clear());
        QCOMPARE(counts(m), (Counts{0, 0, 0}));
        QVERIFY(m.exchangeAvailable(Wire::Units) && m.exchangeAvailable(Wire::Tens));
        // A new exercise drops an exchange under way.
        m.add(Wire::Tens);
        m.startExchange(Wire::Units);
        m.next();
        m.finishExchange();
        QCOMPARE(counts(m), (Counts{0, 0, 0}));
        QVERIFY(m.exchangeAvailable(Wire::Units));
        AbacusModel a = laid(QStringLiteral("Form999a"), {3, 3, 3});
        QCOMPARE(a.startExchange(Wire::Units), Exchange::Unavailable);
    }

    // Each screen's row: its wires and their limits, whether it offers
    // exchanges and whether a refused one beeps.
    void limits_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Counts>("limits");
        QTest::addColumn<bool>("exchanges");
        QTest::addColumn<bool>("beeps");
        QTest::newRow("Form99d1") << "Form99d1" << Counts{0, 9, 9} << false << false;
        QTest::newRow("Form99d3") << "Form99d3" << Counts{0, 9, 19} << true << false;
        QTest::newRow("Form99d") << "Form99d" << Counts{0, 9, 19} << true << false;
        QTest::newRow("Form999a") << "Form999a" << Counts{9, 19, 19} << false << true;
        QTest::newRow("Form999b") << "Form999b" << Counts{9, 19, 19} << true << true;
        QTest::newRow("Form999c") << "Form999c" << Counts{9, 19, 19} << true << true;
        QTest::newRow("Form999d") << "Form999d" << Counts{9, 19, 19} << true << true;
    }
    void limits()
    {
        QFETCH(QString, screen);
        QFETCH(Counts, limits);
        QFETCH(bool, exchanges);
        QFETCH(bool, beeps);
        QCOMPARE(int(abacusScreenRows().size()), 7);
        AbacusModel m = laid(screen, {30, 30, 30});
        QCOMPARE(counts(m), limits);
        QCOMPARE(m.wires(), limits[0] > 0 ? 3 : 2);
        QCOMPARE(m.rule().exchanges, exchanges);
        QCOMPARE(m.rule().refusalBeeps, beeps);
        for (int w : {0, 1, 2})
            for (int i = 0; i < 30; ++i)
                m.remove(w);
        QCOMPARE(counts(m), (Counts{0, 0, 0}));
    }

    void texts()
    {
        AbacusModel m(rule(QStringLiteral("Form999d")));
        m.start({98, 9, 89});
        QCOMPARE(m.text(), QStringLiteral(" 98 -  9 = "));
        m.start({7, 7, 0});
        QCOMPARE(m.text(), QStringLiteral(" 7 -  7 = "));
        QCOMPARE(laid(QStringLiteral("Form99d"), {0, 3, 9}).description(),
                 QStringLiteral("3 decine, 9 unità"));
        QCOMPARE(laid(QStringLiteral("Form999b"), {2, 3, 9}).description(),
                 QStringLiteral("2 centinaia, 3 decine, 9 unità"));
        QCOMPARE(laid(QStringLiteral("Form999b"), {1, 1, 1}).description(),
                 QStringLiteral("1 centinaio, 1 decina, 1 unità"));
    }

    void answers_data()
    {
        QTest::addColumn<int>("risposta");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("verdict");   // -1 no answer, 0 wrong, 1 right
        QTest::newRow("27 and a letter") << 27 << "27a" << 1;
        QTest::newRow("blanks inside") << 27 << " 2 7" << 1;
        QTest::newRow("28") << 27 << "28" << 0;
        QTest::newRow("a letter") << 27 << "a" << 0;
        QTest::newRow("empty") << 27 << "" << -1;
        QTest::newRow("a letter for 0") << 0 << "x" << 1;
        QTest::newRow("0 for 0") << 0 << "0" << 1;
    }
    void answers()
    {
        QFETCH(int, risposta);
        QFETCH(QString, typed);
        QFETCH(int, verdict);
        AbacusModel m(rule(QStringLiteral("Form999d")));
        m.start({risposta + 5, 5, risposta});
        const auto judged = m.check(typed);
        QCOMPARE(judged ? int(*judged) : -1, verdict);
    }

    // Draw order: the minuend, then the result; 45 - 23 is drawn again.
    void form99dAndForm99d3()
    {
        fakes.random->push({toGet(45, 89, 10), toGet(22, 35, 5), toGet(45, 89, 10), toGet(18, 35, 5)});
        AbacusModel d3(rule(QStringLiteral("Form99d3")));
        d3.next();
        QCOMPARE(d3.text(), QStringLiteral(" 45 -  27 = "));
        QCOMPARE(fakes.random->draws, 4);
        AbacusModel d(rule(QStringLiteral("Form99d")));
        for (int i = 0; i < 2000; ++i) {
            d3.next();
            d.next();
            const auto &e = d3.exercise(), &f = d.exercise();
            QVERIFY(digit(e.primo, 0) < digit(e.secondo, 0));
            QVERIFY(e.primo >= 10 && e.primo <= 98 && e.risposta >= 5);
            QVERIFY(f.primo >= 10 && f.primo <= 98 && f.risposta >= 5 && f.secondo >= 5);
        }
    }

    // Every minuend: the drawing ends, and 1, 10 and 11 (no non-zero result)
    // are drawn again like 0. No exchange, the result never 0.
    void form99d1()
    {
        AbacusModel m(rule(QStringLiteral("Form99d1")));
        for (int n = 0; n < 100; ++n) {
            fakes.random->push({toGet(n / 10, 10), toGet(n % 10, 10)});
            m.next();
            const auto &e = m.exercise();
            if (n != 0 && n != 1 && n != 10 && n != 11)
                QCOMPARE(e.primo, n);
            QVERIFY(e.primo != 1 && e.primo != 10 && e.primo != 11);
            QVERIFY(e.risposta >= 1 && e.secondo >= 1);
            QVERIFY(digit(e.secondo, 0) <= digit(e.primo, 0));
            QVERIFY(digit(e.secondo, 1) <= digit(e.primo, 1));
        }
        // 11 drawn again, then 53 with the result digits 2 and 1.
        fakes.random->push({0.15, 0.15, 0.55, 0.35, 0.5, 0.5});
        m.next();
        QCOMPARE(m.text(), QStringLiteral(" 53 -  32 = "));
    }

    void threeDigitRules_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("secondo");
        QTest::addColumn<bool>("posed");
        QTest::newRow("a 352-121") << "Form999a" << 121 << true;
        QTest::newRow("a 352-127") << "Form999a" << 127 << false;
        QTest::newRow("b 352-127") << "Form999b" << 127 << true;
        QTest::newRow("b 352-171") << "Form999b" << 171 << true;
        QTest::newRow("b 352-158") << "Form999b" << 158 << false;
        QTest::newRow("b 352-176") << "Form999b" << 176 << false;
        QTest::newRow("c 352-176") << "Form999c" << 176 << true;
        QTest::newRow("c 352-121") << "Form999c" << 121 << false;
        QTest::newRow("d 352-121") << "Form999d" << 121 << true;
        // Equal units digits: enough units, no exchange of units.
        QTest::newRow("a 352-122") << "Form999a" << 122 << true;
        QTest::newRow("b 352-172") << "Form999b" << 172 << true;
        QTest::newRow("b 352-122") << "Form999b" << 122 << false;
        QTest::newRow("c 352-172") << "Form999c" << 172 << true;
    }
    void threeDigitRules()
    {
        QFETCH(QString, screen);
        QFETCH(int, secondo);
        QFETCH(bool, posed);
        fakes.random->push({toGet(352, 999, 1), toGet(352 - secondo, 352)});
        AbacusModel m(rule(screen));
        m.next();
        QCOMPARE(m.exercise().primo == 352 && m.exercise().secondo == secondo, posed);
    }

    // Over many draws, the exchanges needed: units lack; tens lack once the
    // units have taken a ten.
    void threeDigitDraws_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<Counts>("needed");   // 1 where 0, 1 or 2 exchanges may be needed
        QTest::newRow("Form999a") << "Form999a" << Counts{1, 0, 0};
        QTest::newRow("Form999b") << "Form999b" << Counts{0, 1, 0};
        QTest::newRow("Form999c") << "Form999c" << Counts{0, 1, 1};
        QTest::newRow("Form999d") << "Form999d" << Counts{1, 1, 1};
    }
    void threeDigitDraws()
    {
        QFETCH(QString, screen);
        QFETCH(Counts, needed);
        AbacusModel m(rule(screen));
        Counts seen{0, 0, 0};
        for (int i = 0; i < 3000; ++i) {
            m.next();
            const auto &e = m.exercise();
            QVERIFY(e.secondo >= 1 && e.secondo <= e.primo && e.primo <= 999);
            const bool units = digit(e.primo, 0) < digit(e.secondo, 0);
            const bool tens = digit(e.primo, 1) - int(units) < digit(e.secondo, 1);
            seen[int(units) + int(tens)] = 1;
        }
        QCOMPARE(seen, needed);
    }

    void resultZero()
    {
        fakes.random->push({toGet(257, 999, 1), 0.0});
        AbacusModel m(rule(QStringLiteral("Form999d")));
        m.next();
        QCOMPARE(m.text(), QStringLiteral(" 257 -  257 = "));
        QCOMPARE(m.exercise().risposta, 0);
    }
};

QTEST_MAIN(AbacusModelTest)
#include "test_abacus_model.moc"
