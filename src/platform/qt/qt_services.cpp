// The services Qt gives alike on every system; what differs comes from
// platform.h.

#include "frame/services.h"
#include "frame/spoken.h"
#include "frame/twips.h"
#include "platform/platform.h"
#ifdef Q_OS_WIN
#include "platform/win32/desktop.h"
#include "platform/win32/uia_notify.h"
#endif

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QStringList>
#include <QFile>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

namespace {

class QtRandom final : public RandomSource {
public:
    QtRandom() { reseed(); }
    double next() override
    {
        // 53 random bits make a double in [0, 1) that can never round up to 1.
        return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }
    void reseed() override
    {
        engine_.seed(static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }

private:
    std::mt19937_64 engine_;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(QWidget *parent, const QString &text, const QString &title, Icon icon,
                Buttons buttons) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        box.setIcon(icon == Icon::Error      ? QMessageBox::Critical
                    : icon == Icon::Question ? QMessageBox::Question
                                             : QMessageBox::Information);
        followZoom(box, icon);
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->setAccessibleName(spokenLines(text));
        // The program speaks Italian whatever the machine's language.
        if (buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
            box.button(QMessageBox::No)->setText(QStringLiteral("No"));
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        }
        const int pressed = box.exec();
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }

private:
    // The box, its text, buttons and icon grow with the run's zoom, as the
    // screens do; the face stays the desktop's.
    static void followZoom(QMessageBox &box, Icon icon)
    {
        const QFont font = zoomedFont(box.font());
        box.setFont(font);
        // The box would wrap a line at a width meant for desktop-size text:
        // each line keeps to one line while it fits three quarters of the room.
        if (auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            const QFontMetrics metrics(font);
            int longest = 0;
            for (const QString &line : box.text().split(QLatin1Char('\n')))
                longest = std::max(longest, metrics.horizontalAdvance(line.trimmed()) + 1);
            const QScreen *screen = box.screen();
            const int room = screen ? screen->availableGeometry().width() * 3 / 4 : longest;
            text->setMinimumWidth(std::min(longest, room));
        }
        // The icon keeps its kind (for screen readers); its picture grows
        // from the size the box gives it, enlarged when the stock icon has no
        // larger size.
        auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
        if (!label || label->pixmap().isNull() || zoom() == 1.0)
            return;
        const QStyle::StandardPixmap standard = icon == Icon::Error ? QStyle::SP_MessageBoxCritical
            : icon == Icon::Question                                 ? QStyle::SP_MessageBoxQuestion
                                                                     : QStyle::SP_MessageBoxInformation;
        const QSize side = (label->pixmap().deviceIndependentSize() * zoom()).toSize();
        QPixmap pixmap = box.style()->standardIcon(standard, nullptr, &box).pixmap(side);
        if (pixmap.deviceIndependentSize().toSize() != side)
            pixmap = pixmap.scaled(side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        label->setPixmap(pixmap);
    }
};

class QtDisplay final : public DisplayService {
public:
    int widthPixels() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return 0;
        return qRound(screen->geometry().width() * screen->devicePixelRatio());
    }
    QSize availableSize() const override
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry().size() : QSize();
    }
    int changeMode(int width, int height) override { return platformSwitchDisplay(width, height); }
};

class QtSingleInstance final : public SingleInstance {
public:
    explicit QtSingleInstance(QString path) : path_(std::move(path)) {}
    bool acquire() override
    {
        // QLockFile writes our process id; a lock left by a crashed run names a
        // dead process and is taken over, so it can never stay stuck.
        if (lock_ && lock_->isLocked())
            return true;
        lock_ = std::make_unique<QLockFile>(path_);
        lock_->setStaleLockTime(0);
        if (lock_->tryLock(0))
            return true;
        // Only a lock held by a running copy refuses the start; a folder where
        // no lock can be written must not keep the program from running.
        return lock_->error() != QLockFile::LockFailedError;
    }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

class QtStepTimer final : public StepTimer {
public:
    void after(int ms, QObject *context, std::function<void()> step) override
    {
        // A coarse timer may be off by a twentieth of its time; the steps
        // keep to theirs.
        QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(step));
    }
    std::int64_t now() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

class QtApplication final : public Application {
public:
    void quit() override
    {
        QApplication::closeAllWindows();
        QApplication::quit();
    }
};

// Orca on Qt 6.4 says nothing when the name or the description of the
// focused control changes (the bridge sends the object where the new text
// should be), but it speaks an object of the notification role as soon as
// that object says it shows. The announcer keeps one such object, a widget
// that is never shown nor painted, in the window that holds the focus.
class NotificationWidget final : public QWidget {
public:
    using QWidget::QWidget;
    QString text;
};

class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(NotificationWidget *w)
        : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<NotificationWidget *>(widget())->text;
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *notificationFactory(const QString &, QObject *object)
{
    if (auto *w = dynamic_cast<NotificationWidget *>(object))
        return new NotificationAccessible(w);
    return nullptr;
}

class QtAnnouncer final : public Announcer {
public:
    bool listening() const override { return QAccessible::isActive(); }
    void announce(const QString &text) override
    {
        if (text.isEmpty() || !QAccessible::isActive())
            return;
        pending_ << text;
        // Spoken once the event that judged is over, so that a focus moved by
        // the same event (to "avanti") is told first and does not cut it.
        if (pending_.size() == 1)
            QTimer::singleShot(0, &context_, [this] { flush(); });
    }

private:
    void flush()
    {
        const QString text = pending_.join(QLatin1Char(' '));
        pending_.clear();
        QWidget *focus = QApplication::focusWidget();
        QWidget *window = focus ? focus->window() : QApplication::activeWindow();
        if (!window)
            return;
        if (!widget_ || widget_->window() != window) {
            // The factory goes in after the one QApplication installs, so it is asked first.
            static const bool installed = (QAccessible::installFactory(notificationFactory), true);
            Q_UNUSED(installed);
            delete widget_;
            widget_ = new NotificationWidget(window);
            widget_->setObjectName(QStringLiteral("annuncio"));
            widget_->hide();
        }
        widget_->text = text;
        QAccessibleEvent shown(widget_, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
#ifdef Q_OS_WIN
        // Qt's bridge to UI Automation does not pass that object on.
        raiseUiaNotification(window, text);
#endif
    }

    QObject context_;
    QStringList pending_;
    QPointer<NotificationWidget> widget_;
};

} // namespace

std::unique_ptr<SingleInstance> lockFileInstance(const QString &path)
{
    return std::make_unique<QtSingleInstance>(path);
}

QString defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("tolvena.lock"));
}

Services qtServices()
{
    Services s;
    s.random = std::make_unique<QtRandom>();
    s.messages = std::make_unique<QtMessageBoxes>();
    s.sound = platformSound();
    s.display = std::make_unique<QtDisplay>();
#ifdef Q_OS_WIN
    // A lock file outlives a crash under a process id Windows soon gives again.
    s.instance = mutexInstance(QStringLiteral("it.tolvena.Tolvena"));
#else
    s.instance = lockFileInstance(defaultLockPath());
#endif
    s.timer = std::make_unique<QtStepTimer>();
    s.application = std::make_unique<QtApplication>();
    s.speech = platformSpeech();
    s.announcer = std::make_unique<QtAnnouncer>();
    return s;
}
