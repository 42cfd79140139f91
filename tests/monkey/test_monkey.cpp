// The monkey over every registered screen, and the checks it relies on.
//
//   test_monkey                        the CI run: a fixed seed and one random seed
//   test_monkey --seed S --events N    one run (add --per-screen K, --progress);
//                                      a failure prints the seed that replays it

#include "fakes.h"
#include "monkey.h"

#include "aids/make_ten_screen.h"
#include "aids/tens_units_screen.h"
#include "column/column_screen.h"
#include "drills/typed_drill_screen.h"
#include "frame/exercise_screen.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "shell/catalogue.h"
#include "shell/shell.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

// Events of the CI run, for each of its two seeds.
constexpr long CiEvents = 10000;

QString report(const MonkeyResult &r, std::uint64_t seed)
{
    return QStringLiteral("monkey seed %1: %2 events, %3 screens, %4 sessions, %5 s%6")
        .arg(seed)
        .arg(r.events)
        .arg(r.opened.size())
        .arg(r.sessions)
        .arg(r.seconds, 0, 'f', 1)
        .arg(r.failure.isEmpty() ? QString() : QStringLiteral("\n") + r.failure);
}

// Every registered screen was on show, and every catalogue button that opens
// a screen opened it.
QStringList missed(const MonkeyResult &r)
{
    QStringList out;
    for (const QString &name : registeredScreens())
        if (!r.opened.count(name))
            out << name;
    for (const CatalogueDesign *c : {&numbersCatalogue(), &graphicCatalogue()})
        for (const CatalogueEntry &e : c->entries)
            if (!e.heading && screenExists(e.target) && !r.viaCatalogue.count(e.target))
                out << c->name + QStringLiteral(" -> ") + e.target;
    return out;
}

// Empty when the checks report nothing on `screen` and nothing is expected,
// or report `expected` among their lines; else what went wrong.
QString unexpected(QWidget *screen, const QString &expected)
{
    const QString found = screenProblems(screen).join(QLatin1Char('\n'));
    const bool ok = expected.isEmpty() ? found.isEmpty() : found.contains(expected);
    return ok ? QString() : QStringLiteral("expected '%1', found '%2'").arg(expected, found);
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void init() { installFakes(); }
    void cleanup() { closeAllScreens(); }

    // The checks see each kind of breakage on a real screen, and nothing on
    // a sound one.
    void problemsFound_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sound screen") << 0 << QString();
        QTest::newRow("both faces") << 1 << QStringLiteral("both faces shown");
        QTest::newRow("no face") << 2 << QStringLiteral("no faces shown");
        QTest::newRow("label behind counter") << 3 << QStringLiteral("counter esatti is 1 but its label reads '0'");
        QTest::newRow("negative counter") << 4 << QStringLiteral("counter errati is -1");
        QTest::newRow("empty widget") << 5 << QStringLiteral("QLabel EtichettaNumero is shown with an empty size");
        QTest::newRow("outside the area") << 6 << QStringLiteral("QLineEdit Text1 at");
        QTest::newRow("answer too long") << 7 << QStringLiteral("cannot be typed in a field of 1");
        QTest::newRow("keys nowhere") << 8 << QStringLiteral("the keys are nowhere on the active screen");
        QTest::newRow("keys on the bar") << 9 << QStringLiteral("the keys are on the menu bar, which goes nowhere");
        QTest::newRow("keys hidden") << 10 << QStringLiteral("the keys are on QLineEdit Text1, which is hidden");
    }
    void problemsFound()
    {
        QFETCH(int, breakage);
        QFETCH(QString, expected);
        auto *s = qobject_cast<TypedDrillScreen *>(openScreen(QStringLiteral("Form27")));
        QVERIFY(s);
        QCoreApplication::processEvents();
        QVERIFY2(screenProblems(s).isEmpty(), qPrintable(screenProblems(s).join('\n')));
        switch (breakage) {
        case 1: frameWidget<QLabel>(s, "ComandoIconaNo")->show(); break;
        case 2: frameWidget<QLabel>(s, "ComandoIconaSi")->hide(); break;
        case 3: shared().NumeroEsatti = 1; break;
        case 4: shared().NumeroErrati = -1; frameWidget<QLabel>(s, "EtichettaErrati")->setText(QStringLiteral("-1")); break;
        case 5: s->EtichettaNumero->resize(0, 40); break;
        case 6: s->Text1->move(s->centralWidget()->width() - 5, 10); break;
        case 7: s->Text1->setMaxLength(1); break;
        case 8: s->Text1->clearFocus(); break;
        case 9: s->menuBar()->setFocus(); break;
        case 10: QApplication::setActiveWindow(nullptr); s->Text1->hide(); break;
        default: break;
        }
        const QString wrong = unexpected(s, expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // In the middle of an exchange the keys must not be on a ten or a unit.
    void keysDuringAnExchange()
    {
        auto *s = qobject_cast<TensUnitsScreen *>(openScreen(QStringLiteral("FormGrafMeno2")));
        QVERIFY(s);
        for (QAbstractButton *b : {s->BotDecine1, s->BotDecine1, s->Cambio})
            b->click();
        QVERIFY(unexpected(s, QString()).isEmpty());
        s->workArea->setEnabled(true);
        s->Decina1[0]->setFocus();
        const QString wrong = unexpected(s, QStringLiteral("the keys are on QAbstractButton Decina1 during an exchange"));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // The making-10 check: the button of the missing number must be there.
    void missingNumberButton_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sound screen") << 0 << QString();
        QTest::newRow("button disabled") << 1 << QStringLiteral("is out of reach");
        QTest::newRow("button hidden") << 2 << QStringLiteral("is out of reach");
        QTest::newRow("wrong caption") << 3 << QStringLiteral("captioned 'x'");
    }
    void missingNumberButton()
    {
        QFETCH(int, breakage);
        QFETCH(QString, expected);
        auto *s = qobject_cast<MakeTenScreen *>(openScreen(QStringLiteral("Formcomponi10")));
        QVERIFY(s);
        QCoreApplication::processEvents();
        QVERIFY(!s->model().solved());
        QPushButton *b = s->Bottone.at(std::size_t(10 - s->model().n()));
        switch (breakage) {
        case 1: b->setEnabled(false); break;
        case 2: b->hide(); break;
        case 3: b->setText(QStringLiteral("x")); break;
        default: break;
        }
        const QString wrong = unexpected(s, expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // The column check: what the labels show is what the model holds.
    void columnShowsModel_data()
    {
        QTest::addColumn<int>("breakage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("sound screen") << 0 << QString();
        QTest::newRow("cell filled behind the model") << 1 << QStringLiteral("cell 0,0 shows '5', the model ''");
        QTest::newRow("line digit changed") << 2 << QStringLiteral("line digit 1,0 shows 'x'");
    }
    void columnShowsModel()
    {
        QFETCH(int, breakage);
        QFETCH(QString, expected);
        auto *s = qobject_cast<ColumnScreen *>(openScreen(QStringLiteral("Form24")));
        QVERIFY(s);
        QCoreApplication::processEvents();
        if (breakage == 1)
            s->cell(Minuend, Units)->setText(QStringLiteral("5"));
        if (breakage == 2)
            s->lineLabel(Subtrahend, Units)->setText(QStringLiteral("x"));
        const QString wrong = unexpected(s, expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }

    // A family check registered by class name covers the screens of that
    // class and its subclasses; one registered by name only that screen.
    void familyChecksByClassAndName()
    {
        int calls = 0;
        addScreenCheck(QStringLiteral("ExerciseScreen"), [&](QWidget *) {
            ++calls;
            return QStringList{};
        });
        addScreenCheck(QStringLiteral("Form16"), [](QWidget *) { return QStringList{QStringLiteral("Form16 seen")}; });
        QWidget *s = openScreen(QStringLiteral("Form16"));
        QCOMPARE(screenProblems(s), QStringList{QStringLiteral("Form16 seen")});
        QCOMPARE(calls, 1);
        QWidget *menu = openScreen(QStringLiteral("FormMenu"), s);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(screenProblems(menu), QStringList{});
        QCOMPARE(calls, 1);
        removeScreenChecks(QStringLiteral("ExerciseScreen"));
        removeScreenChecks(QStringLiteral("Form16"));
        QCOMPARE(screenProblems(openScreen(QStringLiteral("Form16"), menu)), QStringList{});
        QCOMPARE(calls, 1);
    }

    // The same seed gives the same run.
    void seedReplays()
    {
        const MonkeyResult a = runMonkey({777, 600, 40});
        const MonkeyResult b = runMonkey({777, 600, 40});
        QCOMPARE(a.events, 600);
        QCOMPARE(b.sessions, a.sessions);
        QCOMPARE(b.opened, a.opened);
        QCOMPARE(b.failure, a.failure);
    }

    void fixedSeed()
    {
        const std::uint64_t seed = 20261209;
        const MonkeyResult r = runMonkey({seed, CiEvents, 60});
        qInfo("%s", qPrintable(report(r, seed)));
        QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
        QVERIFY2(missed(r).isEmpty(), qPrintable(missed(r).join(", ")));
    }

    void randomSeed()
    {
        const std::uint64_t seed = QRandomGenerator::system()->generate();
        qInfo("monkey random seed %llu", static_cast<unsigned long long>(seed));
        const MonkeyResult r = runMonkey({seed, CiEvents, 60});
        qInfo("%s", qPrintable(report(r, seed)));
        QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerAllScreens();
    MonkeyOptions options;
    bool single = false;
    QStringList rest;
    for (int i = 0; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--seed") && hasValue) {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
            single = true;
        } else if (!std::strcmp(argv[i], "--events") && hasValue) {
            options.events = std::strtol(argv[++i], nullptr, 10);
            single = true;
        } else if (!std::strcmp(argv[i], "--per-screen") && hasValue) {
            options.perScreen = std::max(1, std::atoi(argv[++i]));
        } else if (!std::strcmp(argv[i], "--progress")) {
            options.progress = true;
        } else {
            rest << QString::fromLocal8Bit(argv[i]);
        }
    }
    if (single) {
        std::fprintf(stderr, "monkey seed %llu, %ld events\n",
                     static_cast<unsigned long long>(options.seed), options.events);
        const MonkeyResult r = runMonkey(options);
        std::printf("%s\n", qPrintable(report(r, options.seed)));
        const QStringList notSeen = missed(r);
        if (!notSeen.isEmpty())
            std::printf("not reached: %s\n", qPrintable(notSeen.join(QLatin1String(", "))));
        return r.failure.isEmpty() ? 0 : 1;
    }
    TestMonkey test;
    return QTest::qExec(&test, rest);
}

#include "test_monkey.moc"
