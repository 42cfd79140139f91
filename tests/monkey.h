#pragma once
// The monkey: a child pressing anything, in any order. It opens every
// registered screen in turn (directly by name, and through its catalogue
// button where one leads to it), fires seeded random events at whatever is on
// show and checks the invariants after every event. The same seed replays the
// same run.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <set>

class QWidget;

struct MonkeyOptions {
    std::uint64_t seed = 1;
    long events = 20000;
    int perScreen = 150;      // events on each scheduled screen before the next is opened
    bool progress = false;    // a line on stderr every 10 000 events
};

struct MonkeyResult {
    long events = 0;          // events fired
    long failedAt = -1;       // the event after which an invariant broke, -1 for none
    QString failure;          // what broke, and the last events before it
    int sessions = 0;         // program runs (each exit, closed window... starts a new one)
    std::set<QString> opened;          // screens that were on show
    std::set<QString> viaCatalogue;    // screens opened by a catalogue button
    double seconds = 0;
};

MonkeyResult runMonkey(const MonkeyOptions &options);

// The invariants of one moment, given the screen on show (nullptr when the
// program has ended). Returns one line per problem; empty when all is well.
// Counters are not checked here (they need the moment before: the monkey
// does that).
QStringList screenProblems(QWidget *screen);

// Family checks: a function that looks at a screen and returns its problems.
// `key` is a screen name (objectName) or a class name; a class name covers
// every screen of that class and of its subclasses.
using ScreenCheck = std::function<QStringList(QWidget *screen)>;
void addScreenCheck(const QString &key, ScreenCheck check);
// Takes away every check added under `key`.
void removeScreenChecks(const QString &key);

// Registers the family checks of tests/monkey_checks.cpp (called once by the
// monkey; each family adds its rows there).
void registerFamilyChecks();
