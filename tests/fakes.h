#pragma once
// Test doubles of the platform services, and a fixture that installs them.

#include "frame/services.h"

#include <QAction>
#include <QLabel>
#include <QList>
#include <QToolButton>
#include <QPointer>
#include <QStringList>
#include <deque>
#include <functional>
#include <cstdint>
#include <random>
#include <vector>

class FakeRandom final : public RandomSource {
public:
    // Scripted draws come first, in order; after them a fixed-seed sequence.
    std::deque<double> script;
    int reseeds = 0;
    int draws = 0;
    double next() override;
    void reseed() override { ++reseeds; }
    void push(std::initializer_list<double> values) { script.insert(script.end(), values); }
    // Starts the unscripted sequence again from `seed`.
    void seed(std::uint64_t seed) { engine_.seed(seed); }

private:
    std::mt19937_64 engine_{12345};
};

struct RecordedBox {
    QString text, title;
    MessageBoxes::Icon icon;
    MessageBoxes::Buttons buttons;
};

// Boxes answered from a script. Each takes the keys while it shows, as a
// real one does, and gives the activation back to the window it came over.
class FakeMessageBoxes final : public MessageBoxes {
public:
    QList<RecordedBox> shown;
    std::deque<Answer> answers;          // then `fallback`
    Answer fallback = Answer::No;
    std::function<void()> onShow;        // called as each box shows, if set
    Answer show(QWidget *parent, const QString &text, const QString &title, Icon icon,
                Buttons buttons) override;
};

class FakeSound final : public SoundPlayer {
public:
    QStringList played;
    int beeps = 0;
    void play(const QString &path) override { played << path; }
    void beep() override { ++beeps; }
};

class FakeDisplay final : public DisplayService {
public:
    int width = 1024;
    QSize available{1024, 768};
    int result = -2;
    QList<QPair<int, int>> changes;
    int widthPixels() const override { return width; }
    QSize availableSize() const override { return available; }
    int changeMode(int w, int h) override
    {
        changes.append({w, h});
        return result;
    }
};

class FakeInstance final : public SingleInstance {
public:
    bool free = true;
    bool acquire() override { return free; }
};

// Steps wait in a queue until the test runs them. Like a real timer's, a
// step runs no sooner than it is due: running it moves the clock on to then
// (a test moves `clock` further to make a step late).
class FakeTimer final : public StepTimer {
public:
    std::int64_t clock = 0;   // ms
    std::int64_t now() const override { return clock; }
    // Like a real timer, a step whose object is gone by then never runs.
    struct Step {
        int ms;
        QPointer<QObject> context;
        std::function<void()> step;
    };
    std::deque<Step> pending;
    void after(int ms, QObject *context, std::function<void()> step) override;
    int runAll(int limit = 100000);   // runs steps (and those they add); returns how many
};

class FakeApplication final : public Application {
public:
    int quits = 0;
    void quit() override { ++quits; }
};

// Records what would be spoken; a stop that silences something is recorded
// as "[stop]". Like the real engine it starts only when asked, and says
// nothing when unavailable.
class FakeSpeech final : public Speech {
public:
    QStringList said;
    QString reason;     // set before the start: the engine will be unavailable
    int starts = 0;
    Status status() const override { return status_; }
    QString unavailableReason() const override { return status_ == Status::Unavailable ? reason : QString(); }
    void start(std::function<void()> changed) override;
    void say(const QString &text) override;
    void stop() override;

private:
    Status status_ = Status::NotStarted;
};

// Records every text a screen reader would speak, in order.
class FakeAnnouncer final : public Announcer {
public:
    QStringList spoken;
    bool listening() const override { return true; }
    void announce(const QString &text) override { spoken << text; }
};

// Installs a fresh set of fakes and resets the shared values.
struct Fakes {
    FakeRandom *random;
    FakeMessageBoxes *messages;
    FakeSound *sound;
    FakeDisplay *display;
    FakeInstance *instance;
    FakeTimer *timer;
    FakeApplication *application;
    FakeSpeech *speech;
    FakeAnnouncer *announcer;
};
Fakes installFakes();

// Closes and deletes every top-level window, so that tests start clean.
void closeAllScreens();

// The one top-level screen on show, if there is exactly one.
class QWidget;
QWidget *onlyScreen();
// The visible top-level screen with that objectName, if any.
QWidget *screenNamed(const QString &name);
// Number of visible top-level screens.
int visibleScreens();

// Opens the numbers catalogue and clicks its button called `button`; returns
// the screen then on show, or nullptr if the button is missing or disabled.
QWidget *fromNumbersCatalogue(const QString &button);
// The same from the graphic catalogue.
QWidget *fromGraphicCatalogue(const QString &button);

// The captions of a window's menu bar, in order.
class QMainWindow;
QStringList menuBarCaptions(QMainWindow *window);

// A control of an exercise screen's frame, by its object name
// ("BottoneAvanti", "EtichettaEsatti", "MenuAzzera"); "MenuEsci" is the
// exit item under the name the screen's design gives it.
class ExerciseScreen;
QObject *frameObject(const ExerciseScreen *screen, const QString &name);
template <class T>
T *frameWidget(const ExerciseScreen *screen, const char *name)
{
    return qobject_cast<T *>(frameObject(screen, QString::fromLatin1(name)));
}
