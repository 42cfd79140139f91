#include "platform/win32/speech_thread.h"

#include <QCoreApplication>
#include <QPointer>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

class ThreadedSpeech final : public Speech {
public:
    explicit ThreadedSpeech(std::function<std::unique_ptr<VoiceEngine>()> make)
        : make_(std::move(make))
    {
    }

    ~ThreadedSpeech() override
    {
        if (!thread_.joinable())
            return;
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }

    Status status() const override { return status_; }
    QString unavailableReason() const override
    {
        return status_ == Status::Unavailable ? reason_ : QString();
    }

    void start(std::function<void()> changed) override
    {
        changed_ = std::move(changed);
        if (status_ != Status::NotStarted)
            return;
        status_ = Status::Starting;
        thread_ = std::thread([this] { run(); });
    }

    void say(const QString &text) override
    {
        if (status_ == Status::Unavailable || status_ == Status::NotStarted || text.isEmpty())
            return;
        post({text, false});
    }

    void stop() override
    {
        if (status_ == Status::Unavailable || status_ == Status::NotStarted)
            return;
        post({QString(), true});
    }

private:
    struct Order {
        QString text;
        bool purge;
    };

    void post(Order order)
    {
        {
            std::lock_guard lock(mutex_);
            // A stop drops the sentences still waiting here too.
            if (order.purge)
                orders_.clear();
            orders_.push_back(std::move(order));
        }
        wake_.notify_one();
    }

    // The speech thread: makes the engine, then hands it the orders.
    void run()
    {
        std::unique_ptr<VoiceEngine> engine = make_();
        QString reason = engine ? engine->open() : refusedSentenceReason();
        tell(reason);
        while (reason.isEmpty()) {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || !orders_.empty(); });
            if (quit_)
                break;
            const Order order = orders_.front();
            orders_.pop_front();
            lock.unlock();
            if (!engine->speak(order.text, order.purge)) {
                reason = refusedSentenceReason();
                tell(reason);
            }
        }
        // The engine ends on the thread it was made on.
        engine.reset();
    }

    // Posts the engine's state back to the window thread.
    void tell(const QString &reason)
    {
        QMetaObject::invokeMethod(&window_, [this, reason] {
            status_ = reason.isEmpty() ? Status::Ready : Status::Unavailable;
            reason_ = reason;
            if (changed_)
                changed_();
        });
    }

    std::function<std::unique_ptr<VoiceEngine>()> make_;
    std::function<void()> changed_;
    Status status_ = Status::NotStarted;
    QString reason_;
    QObject window_;   // what the speech thread posts back to, on the window thread
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Order> orders_;
    bool quit_ = false;
};

} // namespace

QString refusedSentenceReason()
{
    return QStringLiteral("la sintesi vocale di Windows non accetta il testo");
}

std::unique_ptr<Speech> threadedSpeech(std::function<std::unique_ptr<VoiceEngine>()> make)
{
    return std::make_unique<ThreadedSpeech>(std::move(make));
}
