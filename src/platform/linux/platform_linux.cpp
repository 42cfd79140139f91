// Linux: the display switch through RandR, and the sound and speech modules,
// loaded on a thread of their own once the first window is painted. Until a
// module is there, the first call that needs it waits for it; a module that
// cannot be loaded leaves the program silent, said once on standard error.

#include "frame/feedback.h"
#include "platform/linux/display_modes.h"
#include "platform/linux/modules.h"
#include "platform/linux/x11_display.h"
#include "platform/platform.h"

#ifdef TOLVENA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLibrary>

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

namespace {

class Module {
public:
    explicit Module(const char *file) : file_(QString::fromLatin1(file)) {}

    // Starts loading on a thread of its own, unless loading has begun;
    // `then` runs on the window thread once the module is in.
    void loadInBackground(std::function<void()> then = {})
    {
        std::lock_guard lock(mutex_);
        if (state_ != State::Idle)
            return;
        state_ = State::Loading;
        thread_ = std::thread([this, then = std::move(then)] {
            load();
            if (then && library_.isLoaded())
                QMetaObject::invokeMethod(QCoreApplication::instance(), then, Qt::QueuedConnection);
        });
    }

    // The module's function `symbol`, loading the module first when no
    // thread has; null when it cannot be had (said once on standard error).
    QFunctionPointer resolve(const char *symbol)
    {
        bool loadHere = false;
        {
            std::lock_guard lock(mutex_);
            if (state_ == State::Idle) {
                state_ = State::Loading;
                loadHere = true;
            }
        }
        if (loadHere)
            load();
        wait();
        if (!library_.isLoaded())
            return nullptr;
        QFunctionPointer f = library_.resolve(symbol);
        if (!f)
            complain(library_.errorString());
        return f;
    }

    // Whether the module's file is there to be loaded.
    bool present() const { return !find().isEmpty(); }

    // Waits for a loading thread to end.
    void wait()
    {
        std::lock_guard lock(mutex_);
        if (thread_.joinable())
            thread_.join();
    }

private:
    enum class State { Idle, Loading };

    void load()
    {
        const QString path = find();
        if (path.isEmpty()) {
            complain(QStringLiteral("%1 non c'è").arg(file_));
            return;
        }
        library_.setFileName(path);
        if (!library_.load())
            complain(library_.errorString());
    }

    // Beside the program (the build), in ../lib/tolvena/moduli from it (installed),
    // or where TOLVENA_MODULES says (the tests).
    QString find() const
    {
        QStringList dirs;
        const QString asked = qEnvironmentVariable("TOLVENA_MODULES");
        if (!asked.isEmpty())
            dirs << asked;
        const QString here = QCoreApplication::applicationDirPath();
        dirs << here << QDir(here).filePath(QStringLiteral("../lib/tolvena/moduli"));
        for (const QString &dir : dirs) {
            const QString path = QDir(dir).filePath(file_);
            if (QFileInfo::exists(path))
                return QDir::cleanPath(path);
        }
        return {};
    }

    void complain(const QString &why)
    {
        if (complained_.exchange(true))
            return;
        std::fprintf(stderr, "tolvena: il modulo %s non si carica (%s): il programma va avanti senza.\n",
                     qPrintable(file_), qPrintable(why));
    }

    QString file_;
    QLibrary library_;
    std::mutex mutex_;
    State state_ = State::Idle;
    std::thread thread_;
    std::atomic<bool> complained_ = false;
};

// Loaded once, kept for the run: code of theirs may still be on a stack or a
// thread as the program ends.
Module &soundModule()
{
    static Module *m = new Module("libtolvena-suoni.so");
    return *m;
}

Module &speechModule()
{
    static Module *m = new Module("libtolvena-voce.so");
    return *m;
}

class ModuleSound final : public SoundPlayer {
public:
    ~ModuleSound() override { soundModule().wait(); }
    void play(const QString &path) override
    {
        if (SoundPlayer *p = player())
            p->play(path);
    }
    void beep() override
    {
        if (SoundPlayer *p = player())
            p->beep();
        else
            QApplication::beep();
    }
    void prepare() { player(); }

private:
    SoundPlayer *player()
    {
        if (!tried_) {
            tried_ = true;
            if (auto make = reinterpret_cast<MakeSoundPlayer *>(soundModule().resolve("tolvenaSoundPlayer")))
                player_.reset(make(soundFolder()));
        }
        return player_.get();
    }

    bool tried_ = false;
    std::unique_ptr<SoundPlayer> player_;
};

// Speech is loaded when it is first switched on: until then only the files
// it would need are looked for.
class ModuleSpeech final : public Speech {
public:
    ~ModuleSpeech() override { speechModule().wait(); }
    Status status() const override
    {
        if (speech_)
            return speech_->status();
        return tried_ || !unavailableReason().isEmpty() ? Status::Unavailable : Status::NotStarted;
    }
    QString unavailableReason() const override
    {
        if (speech_)
            return speech_->unavailableReason();
        if (tried_ || !speechModule().present())
            return QStringLiteral("manca il modulo della sintesi vocale (libtolvena-voce.so)");
        const QString engine = QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath))
                                   .filePath(QStringLiteral("texttospeech/libqtexttospeech_speechd.so"));
        return QFileInfo::exists(engine) ? QString() : missingSpeechEngine();
    }
    void start(std::function<void()> changed) override
    {
        if (!tried_ && status() == Status::NotStarted) {
            tried_ = true;
            if (auto make = reinterpret_cast<MakeSpeech *>(speechModule().resolve("tolvenaSpeech")))
                speech_.reset(make(QStringLiteral("speechd"), {}));
        }
        if (speech_)
            speech_->start(std::move(changed));
    }
    void say(const QString &text) override
    {
        if (speech_)
            speech_->say(text);
    }
    void stop() override
    {
        if (speech_)
            speech_->stop();
    }

private:
    bool tried_ = false;
    std::unique_ptr<Speech> speech_;
};

} // namespace

std::unique_ptr<SoundPlayer> platformSound() { return std::make_unique<ModuleSound>(); }

std::unique_ptr<Speech> platformSpeech() { return std::make_unique<ModuleSpeech>(); }

int platformSwitchDisplay(int width, int height)
{
#ifdef TOLVENA_HAVE_RANDR
    return switchModeX11(width, height);
#else
    // Built without RandR: the program cannot switch the display mode.
    Q_UNUSED(width);
    Q_UNUSED(height);
    return ModeSwitch::NotX11;
#endif
}

void platformStarted()
{
    // The sound player is made on the window thread once its module is in:
    // it opens its files then, long before the first answer.
    soundModule().loadInBackground([] {
        if (auto *sound = dynamic_cast<ModuleSound *>(services().sound.get()))
            sound->prepare();
    });
}

std::jthread platformPrepare()
{
    // Fontconfig reads its configuration and every cache of the machine the
    // first time a font is asked for, which would be in the splash's first
    // paint. Read on a thread while Qt connects to the display, it is ready
    // by then. FcInit may be called from any thread, and again by Qt.
#ifdef TOLVENA_HAVE_FONTCONFIG
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}
