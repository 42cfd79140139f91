#include "column/column_model.h"
#include "column/column_screen.h"
#include "fakes.h"

#include <QTest>

using Step = ColumnModel::Step;

namespace {

// The rule of the screen called `name`.
const ColumnRule &rule(const QString &name)
{
    for (const ColumnScreenRow &row : columnScreenRows())
        if (row.name == name)
            return row.rule;
    qFatal("no screen %s", qPrintable(name));
}

// The draw that makes Int(span * r) + low come out as `value`.
double toGet(int value, int span, int low = 0) { return (value - low + 0.5) / span; }

// Places every shown digit of both rows in its own cell.
void placeAll(ColumnModel &m)
{
    for (int row : {Minuend, Subtrahend})
        for (int c = 0; c < m.columns(); ++c)
            if (!m.lineText(row, c).isEmpty())
                QVERIFY(m.dropDigit(row, c, row, c));
}

int digit(int x, int column) { return column == 0 ? x % 10 : column == 1 ? x / 10 % 10 : x / 100 % 10; }

} // namespace

class ColumnModelTest : public QObject {
    Q_OBJECT
private:
    Fakes fakes{};

private slots:
    void init() { fakes = installFakes(); }

    // Every rule keeps its promise over many draws of the fixed-seed source.
    void drawRulesKeepTheirPromises_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"Form23", "Form24", "Form24a", "Form33", "Form34", "Form36", "Form37"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void drawRulesKeepTheirPromises()
    {
        QFETCH(QString, name);
        const ColumnRule &r = rule(name);
        ColumnModel m(r);
        bool sawOneDigitMinuend = false;
        for (int i = 0; i < 3000; ++i) {
            m.next();
            const int M = m.minuend(), S = m.subtrahend();
            QVERIFY2(S >= 1 && S < M, qPrintable(QStringLiteral("%1 - %2").arg(M).arg(S)));
            QVERIFY(M < (r.columns == 2 ? 100 : 1000));
            const bool unitsLack = digit(M, 0) < digit(S, 0);
            const bool tensLack = digit(M, 1) - (unitsLack ? 1 : 0) < digit(S, 1);
            const int exchanges = int(unitsLack) + int(tensLack && r.columns == 3);
            if (name == QLatin1String("Form23") || name == QLatin1String("Form33")) {
                for (int c = 0; c < r.columns; ++c)
                    QVERIFY(digit(S, c) < digit(M, c) || (digit(S, c) == 0 && digit(M, c) == 0));
                QCOMPARE(exchanges, 0);
                sawOneDigitMinuend = sawOneDigitMinuend || M < 10;
            } else if (name == QLatin1String("Form24") || name == QLatin1String("Form34")) {
                QVERIFY(M >= 20);
                QVERIFY(M <= (r.columns == 2 ? 98 : 998));
            } else if (name == QLatin1String("Form24a")) {
                QVERIFY(unitsLack);
                QVERIFY(M >= 20 && M <= 98);
            } else if (name == QLatin1String("Form36")) {
                QCOMPARE(exchanges, 1);
            } else if (name == QLatin1String("Form37")) {
                QVERIFY(unitsLack && tensLack);
                QVERIFY(M >= 100);
            }
            // The result digits are those of M - S.
            const auto &d = m.digits();
            QCOMPARE(100 * d.hr + 10 * d.dar + d.ur, M - S);
        }
        if (name == QLatin1String("Form23") || name == QLatin1String("Form33"))
            QVERIFY(sawOneDigitMinuend);
    }

    // The two-digit screens draw M, then S, and draw the pair again while it
    // is degenerate or (Form24a) the units suffice.
    void pairsAreDrawnInOrderAndRedrawn()
    {
        ColumnModel m24(rule("Form24"));
        // 59 - 59 leaves nothing: drawn again.
        fakes.random->push({toGet(59, 79, 20), 0.99999, 0.0, 0.5});
        m24.next();
        QCOMPARE(m24.minuend(), 20);
        QCOMPARE(m24.subtrahend(), 11);
        QCOMPARE(fakes.random->draws, 4);

        ColumnModel m24a(rule("Form24a"));
        fakes.random->draws = 0;
        // 59 - 12: the units suffice, drawn again; 20 - 11 needs the exchange.
        fakes.random->push({toGet(59, 79, 20), 0.2, 0.0, 0.5});
        m24a.next();
        QCOMPARE(m24a.minuend(), 20);
        QCOMPARE(m24a.subtrahend(), 11);
        QCOMPARE(fakes.random->draws, 4);
    }

    void digitsAreDrawnUnitsFirst()
    {
        ColumnModel m23(rule("Form23"));
        // All four 0 is drawn again; then u1 5, u2 2, da1 2, da2 1.
        fakes.random->push({0.0, 0.9, 0.0, 0.9, 0.55, 0.5, 0.25, 0.5});
        m23.next();
        QCOMPARE(m23.minuend(), 25);
        QCOMPARE(m23.subtrahend(), 12);
        QCOMPARE(fakes.random->draws, 8);

        ColumnModel m33(rule("Form33"));
        fakes.random->push({0.75, 0.5, 0.05, 0.9, 0.95, 0.2});
        m33.next();
        QCOMPARE(m33.minuend(), 907);   // u1 7, da1 0, h1 9
        QCOMPARE(m33.subtrahend(), 103); // u2 3, da2 0, h2 1
        QCOMPARE(m33.lineText(Minuend, Tens), QStringLiteral(" 0"));
        QCOMPARE(m33.digits().Cifre1, 3);
        QCOMPARE(m33.digits().Cifre2, 3);
    }

    void threeDigitRulesRedrawUntilTheirExchanges()
    {
        ColumnModel m37(rule("Form37"));
        // 512 - 110 needs no exchange: drawn again; 512 - 117 needs both.
        fakes.random->push({toGet(512, 979, 20), toGet(109, 512), toGet(512, 979, 20),
                            toGet(116, 512)});
        m37.next();
        QCOMPARE(m37.subtrahend(), 117);
        QCOMPARE(fakes.random->draws, 4);

        ColumnModel m36(rule("Form36"));
        fakes.random->draws = 0;
        // 512 - 117 needs two: drawn again; 512 - 121 needs the tens only.
        fakes.random->push({toGet(512, 979, 20), toGet(116, 512), toGet(512, 979, 20),
                            toGet(120, 512)});
        m36.next();
        QCOMPARE(m36.subtrahend(), 121);
        QCOMPARE(fakes.random->draws, 4);
    }

    // 23 - 18: the units lack, the tens answer is 0 and must be typed.
    void differenceBelowTen()
    {
        ColumnModel m(rule("Form24"));
        m.start(23, 18);
        QCOMPARE(m.instruction(), ColumnTexts::PrimoNumero);
        QVERIFY(!m.draggable(Subtrahend, Units));
        QVERIFY(!m.dropDigit(Subtrahend, Units, Subtrahend, Units));   // not yet
        QVERIFY(m.dropDigit(Minuend, Units, Minuend, Units));
        QCOMPARE(m.digits().Cifre1, 1);
        QCOMPARE(m.step(), Step::Minuend);
        QVERIFY(m.dropDigit(Minuend, Tens, Minuend, Tens));
        QCOMPARE(m.step(), Step::Subtrahend);
        QCOMPARE(m.instruction(), ColumnTexts::SecondoNumero);
        QVERIFY(m.dropDigit(Subtrahend, Tens, Subtrahend, Tens));
        QVERIFY(m.dropDigit(Subtrahend, Units, Subtrahend, Units));
        QCOMPARE(m.step(), Step::UnitsExchange);
        QCOMPARE(m.instruction(), ColumnTexts::CambioUnita);
        QVERIFY(m.exchangeShown(Units));
        QCOMPARE(m.exchangeSourceText(Units), QString());
        QVERIFY(!m.fieldOpen(Units));
        QCOMPARE(m.enter(Units, QStringLiteral("5")), Verdict::Ignored);

        QVERIFY(!m.dropExchange(Units, Tens));
        QVERIFY(m.dropExchange(Units, Units));
        QCOMPARE(m.digits().u1, 13);
        QCOMPARE(m.digits().da1, 2);
        QCOMPARE(m.exchangeSourceText(Units), QStringLiteral("-1"));
        QCOMPARE(m.exchangeTargetText(Units), QStringLiteral("1"));
        QVERIFY(!m.dropExchange(Units, Units));   // once only
        QCOMPARE(m.digits().u1, 13);
        QCOMPARE(m.instruction(), ColumnTexts::Unita);

        QCOMPARE(m.enter(Units, QString()), Verdict::Ignored);
        QCOMPARE(m.enter(Units, QStringLiteral("4")), Verdict::Wrong);
        QCOMPARE(m.step(), Step::Units);
        QCOMPARE(m.enter(Units, QStringLiteral("5")), Verdict::Right);
        QCOMPARE(m.instruction(), ColumnTexts::Decine);
        QCOMPARE(m.enter(Units, QStringLiteral("5")), Verdict::Ignored);
        QCOMPARE(m.enter(Tens, QString()), Verdict::Ignored);
        QCOMPARE(m.resultText(), QString());
        QCOMPARE(m.enter(Tens, QStringLiteral("0")), Verdict::Right);
        QCOMPARE(m.step(), Step::Solved);
        QCOMPARE(m.resultText(), QStringLiteral(" 5"));
        QCOMPARE(m.instruction(), ColumnTexts::Decine);
        QCOMPARE(m.enter(Tens, QStringLiteral("0")), Verdict::Ignored);
    }

    // One-digit minuend on Form23: only the units are placed; the tens answer
    // may be confirmed empty, or typed as 0.
    void oneDigitMinuend()
    {
        for (const QString &tens : {QString(), QStringLiteral("0")}) {
            ColumnModel m(rule("Form23"));
            m.start(7, 3);
            QCOMPARE(m.lineText(Minuend, Tens), QString());
            QCOMPARE(m.lineText(Subtrahend, Tens), QString());
            QVERIFY(!m.draggable(Minuend, Tens));
            QCOMPARE(m.digits().Cifre1, 1);
            QCOMPARE(m.digits().Cifre2, 1);
            QVERIFY(m.dropDigit(Minuend, Units, Minuend, Units));
            QVERIFY(m.dropDigit(Subtrahend, Units, Subtrahend, Units));
            QCOMPARE(m.step(), Step::Units);   // no exchange step on Form23
            QCOMPARE(m.cellText(Minuend, Tens), QString());
            QCOMPARE(m.enter(Units, QStringLiteral("4")), Verdict::Right);
            QCOMPARE(m.enter(Tens, tens), Verdict::Right);
            QCOMPARE(m.resultText(), QStringLiteral(" 4"));
        }
    }

    // Equal digits: either ' 4' goes into either cell of its row, and each
    // accepted drop retires the cell's own label.
    void equalDigitsAreInterchangeable()
    {
        ColumnModel m(rule("Form24"));
        m.start(44, 21);
        QVERIFY(m.dropDigit(Minuend, Tens, Minuend, Units));
        QCOMPARE(m.cellText(Minuend, Units), QStringLiteral(" 4"));
        QVERIFY(!m.draggable(Minuend, Units));
        QVERIFY(m.draggable(Minuend, Tens));
        QVERIFY(!m.dropDigit(Minuend, Tens, Minuend, Units));   // filled
        QVERIFY(m.dropDigit(Minuend, Tens, Minuend, Tens));
        QCOMPARE(m.digits().Cifre1, 0);
        QCOMPARE(m.step(), Step::Subtrahend);
        // The subtrahend's labels stay in their own row.
        QVERIFY(!m.dropDigit(Subtrahend, Units, Minuend, Units));
        QVERIFY(!m.dropDigit(Subtrahend, Units, Subtrahend, Tens));   // ' 1' is not ' 2'
        QCOMPARE(m.digits().Cifre2, 2);

        ColumnModel other(rule("Form24"));
        other.start(44, 21);
        QVERIFY(other.dropDigit(Minuend, Units, Minuend, Tens));
        QVERIFY(!other.draggable(Minuend, Tens));
        QVERIFY(other.dropDigit(Minuend, Units, Minuend, Units));
        QCOMPARE(other.step(), Step::Subtrahend);
    }

    // 512 - 117: both exchanges, answers 5, 9 and 3.
    void twoExchanges()
    {
        ColumnModel m(rule("Form34"));
        m.start(512, 117);
        QCOMPARE(m.digits().Cifre1, 3);
        placeAll(m);
        QCOMPARE(m.step(), Step::UnitsExchange);
        QVERIFY(!m.dropExchange(Tens, Tens));   // not asked yet
        QVERIFY(m.dropExchange(Units, Units));
        QCOMPARE(m.digits().u1, 12);
        QCOMPARE(m.enter(Units, QStringLiteral("5")), Verdict::Right);
        QCOMPARE(m.step(), Step::TensExchange);
        QCOMPARE(m.instruction(), ColumnTexts::CambioDecine);
        QVERIFY(!m.fieldOpen(Tens));
        QVERIFY(!m.dropExchange(Units, Units));
        QVERIFY(!m.dropExchange(Tens, Units));
        QVERIFY(m.dropExchange(Tens, Tens));
        QCOMPARE(m.digits().da1, 11);
        QCOMPARE(m.exchangeTargetText(Tens), QStringLiteral("1"));
        QCOMPARE(m.instruction(), ColumnTexts::Decine);
        QCOMPARE(m.enter(Tens, QStringLiteral("19")), Verdict::Wrong);   // two characters
        QCOMPARE(m.enter(Tens, QStringLiteral("9")), Verdict::Right);
        QCOMPARE(m.instruction(), ColumnTexts::Centinaia);
        QCOMPARE(m.enter(Hundreds, QString()), Verdict::Ignored);
        QCOMPARE(m.enter(Hundreds, QStringLiteral("3")), Verdict::Right);
        QCOMPARE(m.resultText(), QStringLiteral(" 395"));
    }

    // 305 - 107: the inner ' 0' is a digit to place; tens answer 9.
    void zeroTensInside()
    {
        ColumnModel m(rule("Form34"));
        m.start(305, 107);
        QCOMPARE(m.lineText(Minuend, Tens), QStringLiteral(" 0"));
        QCOMPARE(m.lineText(Subtrahend, Tens), QStringLiteral(" 0"));
        QVERIFY(m.draggable(Minuend, Tens));
        QCOMPARE(m.digits().Cifre1, 3);
        placeAll(m);
        QVERIFY(m.dropExchange(Units, Units));
        QCOMPARE(m.enter(Units, QStringLiteral("8")), Verdict::Right);
        QCOMPARE(m.step(), Step::TensExchange);
        QVERIFY(m.dropExchange(Tens, Tens));
        QCOMPARE(m.enter(Tens, QString()), Verdict::Ignored);   // da1 is 10 now
        QCOMPARE(m.enter(Tens, QStringLiteral("9")), Verdict::Right);
        QCOMPARE(m.enter(Hundreds, QStringLiteral("1")), Verdict::Right);
        QCOMPARE(m.resultText(), QStringLiteral(" 198"));
    }

    // 212 - 118 = 94: the hundreds answer 0 has to be typed.
    void hundredsZeroTyped()
    {
        ColumnModel m(rule("Form37"));
        m.start(212, 118);
        placeAll(m);
        QVERIFY(m.dropExchange(Units, Units));
        QCOMPARE(m.enter(Units, QStringLiteral("4")), Verdict::Right);
        QVERIFY(m.dropExchange(Tens, Tens));
        QCOMPARE(m.enter(Tens, QStringLiteral("9")), Verdict::Right);
        QCOMPARE(m.enter(Hundreds, QString()), Verdict::Ignored);
        QCOMPARE(m.step(), Step::Hundreds);
        QCOMPARE(m.enter(Hundreds, QStringLiteral("0")), Verdict::Right);
        QCOMPARE(m.resultText(), QStringLiteral(" 94"));
    }

    // A two-digit minuend on the three-column grid: the hundreds stay empty,
    // no tens exchange, the empty hundreds answer is right.
    void twoDigitsOnTheThreeColumnGrid()
    {
        ColumnModel m(rule("Form34"));
        m.start(52, 17);
        QCOMPARE(m.lineText(Minuend, Hundreds), QString());
        QCOMPARE(m.digits().Cifre1, 2);
        placeAll(m);
        QCOMPARE(m.cellText(Minuend, Hundreds), QString());
        QVERIFY(m.dropExchange(Units, Units));
        QCOMPARE(m.enter(Units, QStringLiteral("5")), Verdict::Right);
        QCOMPARE(m.step(), Step::Tens);
        QCOMPARE(m.enter(Tens, QStringLiteral("3")), Verdict::Right);
        QCOMPARE(m.enter(Hundreds, QString()), Verdict::Right);
        QCOMPARE(m.resultText(), QStringLiteral(" 35"));
    }

    // Equal units: no exchange and the units answer is 0; both 0 lets the
    // empty field through.
    void equalUnits()
    {
        ColumnModel m(rule("Form24"));
        m.start(40, 20);
        placeAll(m);
        QCOMPARE(m.step(), Step::Units);
        QVERIFY(!m.exchangeShown(Units));
        QVERIFY(!m.dropExchange(Units, Units));
        QCOMPARE(m.enter(Units, QString()), Verdict::Right);

        ColumnModel n(rule("Form24"));
        n.start(47, 27);
        placeAll(n);
        QCOMPARE(n.enter(Units, QString()), Verdict::Ignored);
        QCOMPARE(n.enter(Units, QStringLiteral("0")), Verdict::Right);
    }

    // A letter reads 0: right where 0 is expected, wrong elsewhere.
    void letterReadsZero()
    {
        ColumnModel m(rule("Form24"));
        m.start(47, 27);
        placeAll(m);
        QCOMPARE(m.enter(Units, QStringLiteral("a")), Verdict::Right);
        QCOMPARE(m.enter(Tens, QStringLiteral("a")), Verdict::Wrong);
        QCOMPARE(m.enter(Tens, QStringLiteral("2")), Verdict::Right);
    }

    // A new exercise forgets everything of the last one.
    void nextStartsAfresh()
    {
        ColumnModel m(rule("Form24"));
        m.start(23, 18);
        placeAll(m);
        QVERIFY(m.dropExchange(Units, Units));
        m.start(57, 21);
        QCOMPARE(m.step(), Step::Minuend);
        QCOMPARE(m.instruction(), ColumnTexts::PrimoNumero);
        QVERIFY(!m.exchangeShown(Units));
        QCOMPARE(m.exchangeSourceText(Units), QString());
        QCOMPARE(m.cellText(Minuend, Units), QString());
        QCOMPARE(m.digits().u1, 7);
        QCOMPARE(m.digits().Cifre2, 2);
    }

    // Which exchanges a three-digit exercise asks for, and the tens answer an
    // empty field gives, on the screen that draws such exercises.
    void tensExchangeOnlyWhereTheTensLack_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("minuend");
        QTest::addColumn<int>("subtrahend");
        QTest::addColumn<QString>("units");
        QTest::addColumn<bool>("tensExchange");
        QTest::addColumn<QString>("tens");
        QTest::addColumn<QString>("hundreds");
        QTest::addColumn<QString>("result");
        QTest::newRow("tens exchange alone") << "Form36" << 512 << 121 << "1" << true << "9" << "3" << " 391";
        QTest::newRow("equal tens, none") << "Form34" << 515 << 112 << "3" << false << "0" << "4" << " 403";
        QTest::newRow("empty tens is 0 where da1 is 0") << "Form34" << 305 << 102 << "3" << false << "" << "2" << " 203";
    }
    void tensExchangeOnlyWhereTheTensLack()
    {
        QFETCH(QString, screen);
        QFETCH(int, minuend);
        QFETCH(int, subtrahend);
        QFETCH(QString, units);
        QFETCH(bool, tensExchange);
        QFETCH(QString, tens);
        QFETCH(QString, hundreds);
        QFETCH(QString, result);
        ColumnModel m(rule(screen));
        m.start(minuend, subtrahend);
        placeAll(m);
        QCOMPARE(m.step(), Step::Units);   // the units are enough
        QCOMPARE(m.enter(Units, units), Verdict::Right);
        QCOMPARE(m.step(), tensExchange ? Step::TensExchange : Step::Tens);
        QCOMPARE(m.exchangeShown(Tens), tensExchange);
        if (tensExchange) {
            QVERIFY(!m.fieldOpen(Tens));
            QVERIFY(m.dropExchange(Tens, Tens));
        }
        QVERIFY(m.fieldOpen(Tens));
        QCOMPARE(m.enter(Tens, tens), Verdict::Right);
        QCOMPARE(m.enter(Hundreds, hundreds), Verdict::Right);
        QCOMPARE(m.resultText(), result);
    }

    // A digit goes to a cell of its own row only: the minuend's ' 5' dropped
    // on the empty subtrahend cell that shows ' 5' too is refused.
    void digitsStayInTheirOwnRow()
    {
        ColumnModel m(rule("Form23"));
        m.start(75, 25);
        QVERIFY(m.draggable(Minuend, Units));
        QVERIFY(!m.dropDigit(Minuend, Units, Subtrahend, Units));
        QCOMPARE(m.cellText(Subtrahend, Units), QString());
        QCOMPARE(m.digits().Cifre1, 2);
        QCOMPARE(m.digits().Cifre2, 2);
        QVERIFY(m.dropDigit(Minuend, Units, Minuend, Units));
        QCOMPARE(m.cellText(Minuend, Units), QStringLiteral(" 5"));
    }
};

QTEST_MAIN(ColumnModelTest)
#include "test_column_model.moc"
