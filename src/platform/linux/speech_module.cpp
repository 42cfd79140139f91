// Speech over Qt's text-to-speech module. The engine lives on a thread of its
// own: making it can take seconds (speech-dispatcher may have to be started),
// and the window must never wait for it. The window thread only posts
// sentences and stops to that thread and hears back the status.

#include "platform/linux/modules.h"

#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>

#include <deque>

namespace {

// Lives on the speech thread, with the engine it makes.
class SpeechWorker final : public QObject {
public:
    explicit SpeechWorker(std::function<void(bool)> speaking) : speaking_(std::move(speaking)) {}

    // Makes the engine and picks an Italian voice. Returns why it cannot
    // speak, or nothing when it can.
    QString open(const QString &engine)
    {
        if (!QTextToSpeech::availableEngines().contains(engine))
            return missingEngine();
        tts_ = new QTextToSpeech(engine, this);
        if (tts_->state() == QTextToSpeech::Error)
            return QStringLiteral("il motore di sintesi vocale non si avvia (speech-dispatcher "
                                  "manca o non risponde)");
        QLocale italian(QLocale::Italian, QLocale::Italy);
        bool found = false;
        for (const QLocale &l : tts_->availableLocales()) {
            if (l.language() == QLocale::Italian && !found) {
                found = true;
                if (l.territory() != QLocale::Italy)
                    italian = l;
            }
        }
        if (found)
            tts_->setLocale(italian);
        if (!found || tts_->locale().language() != QLocale::Italian || tts_->availableVoices().isEmpty())
            return QStringLiteral("manca una voce italiana per la sintesi vocale "
                                  "(speech-dispatcher-espeak-ng)");
        connect(tts_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State s) {
            if (s == QTextToSpeech::Speaking) {
                if (speaking_)
                    speaking_(true);
                return;
            }
            if (busy_ && speaking_)
                speaking_(false);
            busy_ = false;
            next();
        });
        return {};
    }

    void say(const QString &text)
    {
        queue_.push_back(text);
        next();
    }

    void stop()
    {
        queue_.clear();
        if (tts_ && busy_)
            tts_->stop();
    }

    static QString missingEngine() { return missingSpeechEngine(); }

private:
    void next()
    {
        if (!tts_ || busy_ || queue_.empty())
            return;
        busy_ = true;
        const QString text = queue_.front();
        queue_.pop_front();
        tts_->say(text);
    }

    std::function<void(bool)> speaking_;
    QTextToSpeech *tts_ = nullptr;
    std::deque<QString> queue_;
    bool busy_ = false;   // a sentence handed to the engine and not yet ended
};

class QtSpeech final : public Speech {
public:
    QtSpeech(QString engine, std::function<void(bool)> onSpeaking)
        : engine_(std::move(engine)), onSpeaking_(std::move(onSpeaking))
    {
    }

    ~QtSpeech() override
    {
        if (!thread_)
            return;
        thread_->quit();
        thread_->wait();
    }

    Status status() const override
    {
        // Whether the engine is there at all costs a look at the plugin
        // folder, not a start.
        if (status_ == Status::NotStarted && !looked_) {
            looked_ = true;
            if (!QTextToSpeech::availableEngines().contains(engine_)) {
                status_ = Status::Unavailable;
                reason_ = SpeechWorker::missingEngine();
            }
        }
        return status_;
    }

    QString unavailableReason() const override
    {
        return status() == Status::Unavailable ? reason_ : QString();
    }

    void start(std::function<void()> changed) override
    {
        changed_ = std::move(changed);
        if (status() != Status::NotStarted)
            return;
        status_ = Status::Starting;
        thread_ = std::make_unique<QThread>();
        thread_->setObjectName(QStringLiteral("speech"));
        QPointer<QObject> back(&window_);
        auto speaking = [back, this](bool on) {
            QMetaObject::invokeMethod(back, [this, on] {
                if (onSpeaking_)
                    onSpeaking_(on);
            });
        };
        worker_ = new SpeechWorker(speaking);
        worker_->moveToThread(thread_.get());
        SpeechWorker *worker = worker_;
        // The worker and its engine end on their own thread, as it stops.
        QObject::connect(thread_.get(), &QThread::finished, worker, [worker] { delete worker; },
                         Qt::DirectConnection);
        thread_->start(QThread::LowPriority);
        const QString engine = engine_;
        QMetaObject::invokeMethod(worker, [worker, engine, back, this] {
            const QString reason = worker->open(engine);
            QMetaObject::invokeMethod(back, [this, reason] { opened(reason); });
        });
    }

    void say(const QString &text) override
    {
        if (!worker_ || status_ == Status::Unavailable || text.isEmpty())
            return;
        SpeechWorker *worker = worker_;
        QMetaObject::invokeMethod(worker, [worker, text] { worker->say(text); });
    }

    void stop() override
    {
        if (!worker_)
            return;
        SpeechWorker *worker = worker_;
        QMetaObject::invokeMethod(worker, [worker] { worker->stop(); });
    }

private:
    void opened(const QString &reason)
    {
        status_ = reason.isEmpty() ? Status::Ready : Status::Unavailable;
        reason_ = reason;
        if (changed_)
            changed_();
    }

    QString engine_;
    std::function<void(bool)> onSpeaking_;
    std::function<void()> changed_;
    mutable Status status_ = Status::NotStarted;
    mutable QString reason_;
    mutable bool looked_ = false;
    QObject window_;   // what the speech thread posts back to, on the window thread
    std::unique_ptr<QThread> thread_;
    SpeechWorker *worker_ = nullptr;   // owned by its thread
};

} // namespace

std::unique_ptr<Speech> qtSpeech(const QString &engine, std::function<void(bool)> onSpeaking)
{
    return std::make_unique<QtSpeech>(engine, std::move(onSpeaking));
}

Speech *tolvenaSpeech(const QString &engine, const std::function<void(bool)> &onSpeaking)
{
    return new QtSpeech(engine, onSpeaking);
}
