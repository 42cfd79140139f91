#pragma once
// Platform services behind small interfaces. The program installs the Qt
// implementations at start; tests install fakes (tests/fakes.h) so that every
// random draw, message box, sound and timer step can be scripted and read back.

#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QWidget;
class QObject;

// The one program-wide source of uniform values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;   // uniform in [0, 1)
    virtual void reseed() = 0;   // seed again from the clock
};

// Modal message boxes. The answer is the button the child pressed.
class MessageBoxes {
public:
    enum class Icon { Error, Question, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget *parent, const QString &text, const QString &title,
                        Icon icon, Buttons buttons) = 0;
};

// Asynchronous playback of a wave file by path, and the system beep.
// Neither call ever waits; a missing or broken file changes nothing else.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &path) = 0;
    virtual void beep() = 0;
};

// The display: its width in pixels, the room it leaves for windows, and the
// switch of its mode.
class DisplayService {
public:
    virtual ~DisplayService() = default;
    virtual int widthPixels() const = 0;
    // The area windows may take (the screen less panels and task bars), in
    // the pixels Qt lays windows out in.
    virtual QSize availableSize() const = 0;
    // Result codes: 0 switched, 1 needs a restart, anything else not switched.
    virtual int changeMode(int width, int height) = 0;
};

// A lock held for the whole run, refused to a second copy of the program.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    virtual bool acquire() = 0;
};

// Steps of animations: run `step` after `ms` milliseconds unless `context`
// is gone by then. Never busy-waits and never nests an event loop.
class StepTimer {
public:
    virtual ~StepTimer() = default;
    virtual void after(int ms, QObject *context, std::function<void()> step) = 0;
    // The clock the steps are timed by: milliseconds that only go forward,
    // from a start of no meaning.
    virtual std::int64_t now() const = 0;
};

// How the program ends when the child confirms the exit question.
class Application {
public:
    virtual ~Application() = default;
    virtual void quit() = 0;
};

// Speech in Italian. The engine starts in the background the first time it is
// asked to; until then nothing is loaded. No call ever waits for the engine:
// `say` queues a sentence after those not yet spoken, `stop` silences the one
// being spoken and drops the rest.
class Speech {
public:
    enum class Status { NotStarted, Starting, Ready, Unavailable };
    virtual ~Speech() = default;
    virtual Status status() const = 0;
    bool available() const { return status() != Status::Unavailable; }
    // Why the program cannot speak, one Italian phrase; empty while it may.
    virtual QString unavailableReason() const = 0;
    // Starts the engine if it is not started; `changed` runs on the window
    // thread whenever the status changes from then on.
    virtual void start(std::function<void()> changed) = 0;
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};

// What a screen reader says besides what it reads from the controls: the
// verdict of an answer, the counts. Never waits and never moves the focus;
// with no screen reader listening it does nothing.
class Announcer {
public:
    virtual ~Announcer() = default;
    // Whether anyone listens: texts need not even be written when not.
    virtual bool listening() const = 0;
    virtual void announce(const QString &text) = 0;
};

struct Services {
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<MessageBoxes> messages;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<DisplayService> display;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<StepTimer> timer;
    std::unique_ptr<Application> application;
    std::unique_ptr<Speech> speech;
    std::unique_ptr<Announcer> announcer;
};

// The services in force. Before anything installs its own, the Qt ones
// (src/platform).
Services &services();
void installServices(Services s);
Services qtServices();
std::unique_ptr<SingleInstance> lockFileInstance(const QString &path);
QString defaultLockPath();

// Shorthands used all over the screens.
double Rnd();                  // a fresh draw of the program-wide random source
int Int(double x);             // rounding down, as the drawing rules write it
