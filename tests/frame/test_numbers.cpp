#include "frame/numbers.h"
#include "frame/spoken.h"

#include <QTest>

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void spokenTexts_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("exercise") << "" << " 94 - 1 = " << "94 meno 1 uguale";
        QTest::newRow("completed") << "" << " 58 - 1 =  57" << "58 meno 1 uguale 57";
        QTest::newRow("groups") << "" << "1 000 - 1 000 =  9 989" << "1000 meno 1000 uguale 9989";
        QTest::newRow("millions") << "" << "1 000 000" << "1000000";
        QTest::newRow("two numbers") << "" << " 7 - 100 = " << "7 meno 100 uguale";
        QTest::newRow("gap") << "" << " 38 +____ = 100" << "38 più quanto uguale 100";
        QTest::newRow("caption") << "" << "-1  -10  -100  -1.000" << "meno 1 meno 10 meno 100 meno 1000";
        QTest::newRow("place") << "entro 99" << "- 1   - 10" << "entro 99, meno 1 meno 10";
        QTest::newRow("place of a model") << "entro 99 - abaco" << "con cambio" << "entro 99, abaco, con cambio";
        QTest::newRow("heading alone") << " entro 99 - con la tabella " << "" << "entro 99, con la tabella";
    }
    void spokenTexts()
    {
        QFETCH(QString, heading);
        QFETCH(QString, shown);
        QFETCH(QString, spoken);
        QCOMPARE(heading.isEmpty() ? spokenSum(shown) : spokenPlace(heading, shown), spoken);
    }
    void blankForSign()
    {
        QCOMPARE(B(7), QStringLiteral(" 7"));
        QCOMPARE(B(0), QStringLiteral(" 0"));
        QCOMPARE(B(58), QStringLiteral(" 58"));
        QCOMPARE(B(32767), QStringLiteral(" 32767"));
        QCOMPARE(B(-3), QStringLiteral("-3"));
    }
    void thousandsPattern()
    {
        QCOMPARE(G(523), QStringLiteral(" 523"));
        QCOMPARE(G(100), QStringLiteral(" 100"));
        QCOMPARE(G(4071), QStringLiteral("4 071"));
        QCOMPARE(G(1000), QStringLiteral("1 000"));
        QCOMPARE(G(9989), QStringLiteral("9 989"));
        QCOMPARE(G(5), QStringLiteral(" 5"));
        QCOMPARE(G(123456), QStringLiteral("123 456"));
        QCOMPARE(G(1234567), QStringLiteral("1234 567"));   // no digit is lost
    }
    void ninePlaces()
    {
        QCOMPARE(G9(5), QStringLiteral("  5"));
        QCOMPARE(G9(0), QStringLiteral("  0"));
        QCOMPARE(G9(12), QStringLiteral("  12"));
        QCOMPARE(G9(523), QStringLiteral("  523"));
        QCOMPARE(G9(1234), QStringLiteral(" 1 234"));
        QCOMPARE(G9(9999), QStringLiteral(" 9 999"));
        QCOMPARE(G9(1000000), QStringLiteral("1 000 000"));
    }
    // The most negative number has no positive twin: its figures are still
    // laid out whole, with the sign in front (found by fuzzing the writers).
    void mostNegativeNumber()
    {
        const long long lowest = -9223372036854775807LL - 1;
        QCOMPARE(G(lowest), QStringLiteral("-9223372036854775 808"));
        QCOMPARE(G9(lowest), QStringLiteral("-9223372036854 775 808"));
        QCOMPARE(B(lowest), QStringLiteral("-9223372036854775808"));
        QCOMPARE(G(-4071), QStringLiteral("-4 071"));
    }
    void makingTenNumbers()
    {
        // Every number of the making-10 and making-20 screens: two blanks, then the figures.
        for (int x = 0; x <= 20; ++x)
            QCOMPARE(F(x), QStringLiteral("  ") + QString::number(x));
        QCOMPARE(F(1234), QStringLiteral(" 1 234"));
    }
    void digitsOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qlonglong>("value");
        QTest::newRow("plain") << "57" << 57LL;
        QTest::newRow("leading zero") << "057" << 57LL;
        QTest::newRow("blank inside") << "5 7" << 57LL;
        QTest::newRow("letter after") << "57a" << 57LL;
        QTest::newRow("empty") << "" << 0LL;
        QTest::newRow("blanks only") << "   " << 0LL;
        QTest::newRow("letters only") << "abc" << 0LL;
        QTest::newRow("signs dropped") << "-5" << 5LL;
        QTest::newRow("plus") << "+12" << 12LL;
        QTest::newRow("full stop") << "1.523" << 1523LL;
        QTest::newRow("zeros") << "000" << 0LL;
        QTest::newRow("arabic-indic digits are not 0-9") << QString::fromUtf8("\u0663\u0664") << 0LL;
        QTest::newRow("fullwidth digits are not 0-9") << QString::fromUtf8("\uFF15") << 0LL;
        QTest::newRow("accents") << QString::fromUtf8("è7à") << 7LL;
        QTest::newRow("superscript") << QString::fromUtf8("²3") << 3LL;
    }
    void digitsOnly()
    {
        QFETCH(QString, typed);
        QFETCH(qlonglong, value);
        QCOMPARE(readDigits(typed), value);
    }
    void veryLongInputDoesNotOverflow()
    {
        const QString huge(100000, QLatin1Char('9'));
        // It stops taking digits once one more could overflow: 18 nines,
        // or a 5 and 18 nines.
        QCOMPARE(readDigits(huge), 999999999999999999LL);
        QCOMPARE(readDigits(QStringLiteral("5") + huge), 5999999999999999999LL);
    }
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "57" << 57.0;
        QTest::newRow("blanks anywhere") << " 5 7 " << 57.0;
        QTest::newRow("minus") << "-12" << -12.0;
        QTest::newRow("plus") << "+12" << 12.0;
        QTest::newRow("decimal point") << "1.5" << 1.5;
        QTest::newRow("thousands stop read as point") << "1.523" << 1.523;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("stops at letter") << "12abc" << 12.0;
        QTest::newRow("letter first") << "a12" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("non-ASCII") << QString::fromUtf8("é5") << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        QCOMPARE(readLeadingNumber(typed), value);
    }
    void leadingNumberOfLongInput()
    {
        QCOMPARE(readLeadingNumber(QString(400, QLatin1Char('x'))), 0.0);
        QVERIFY(readLeadingNumber(QString(400, QLatin1Char('9'))) > 1e300);
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "test_numbers.moc"
