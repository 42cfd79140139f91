#include "fakes.h"

#include "frame/exercise_screen.h"
#include "frame/look.h"
#include "frame/state.h"

#include "frame/navigation.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <algorithm>

double FakeRandom::next()
{
    ++draws;
    if (!script.empty()) {
        const double v = script.front();
        script.pop_front();
        return v;
    }
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

MessageBoxes::Answer FakeMessageBoxes::show(QWidget *parent, const QString &text, const QString &title,
                                            Icon icon, Buttons buttons)
{
    shown.append({text, title, icon, buttons});
    // Like a real box, this one takes the keys while it shows, and its
    // window gives the activation back to the one it was opened over, if
    // that is still there.
    const QPointer<QWidget> over = parent ? parent->window() : QApplication::activeWindow();
    if (onShow)
        onShow();
    {
        QWidget box(nullptr, Qt::Dialog);
        box.setAttribute(Qt::WA_DontShowOnScreen);
        auto *button = new QPushButton(QStringLiteral("OK"), &box);
        box.show();
        QApplication::setActiveWindow(&box);
        button->setFocus();
    }
    QApplication::setActiveWindow(over);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return fallback;
}

void FakeTimer::after(int ms, QObject *context, std::function<void()> step)
{
    const std::int64_t due = clock + ms;
    pending.push_back({ms, context, [this, due, step = std::move(step)] {
                           clock = std::max(clock, due);
                           step();
                       }});
}

int FakeTimer::runAll(int limit)
{
    int ran = 0;
    while (!pending.empty() && ran < limit) {
        Step s = std::move(pending.front());
        pending.pop_front();
        ++ran;
        if (s.context)
            s.step();
    }
    return ran;
}

void FakeSpeech::start(std::function<void()> changed)
{
    ++starts;
    if (status_ != Status::NotStarted)
        return;
    status_ = reason.isEmpty() ? Status::Ready : Status::Unavailable;
    changed();
}

void FakeSpeech::say(const QString &text)
{
    if (status_ == Status::Ready)
        said << text;
}

void FakeSpeech::stop()
{
    // Like the engine's, a stop after silence changes nothing.
    if (status_ == Status::Ready && !said.isEmpty() && said.last() != QStringLiteral("[stop]"))
        said << QStringLiteral("[stop]");
}

Fakes installFakes()
{
    installFonts();
    Services s;
    Fakes f;
    auto random = std::make_unique<FakeRandom>();
    auto messages = std::make_unique<FakeMessageBoxes>();
    auto sound = std::make_unique<FakeSound>();
    auto display = std::make_unique<FakeDisplay>();
    auto instance = std::make_unique<FakeInstance>();
    auto timer = std::make_unique<FakeTimer>();
    auto application = std::make_unique<FakeApplication>();
    auto speech = std::make_unique<FakeSpeech>();
    auto announcer = std::make_unique<FakeAnnouncer>();
    f = {random.get(), messages.get(), sound.get(), display.get(), instance.get(), timer.get(),
         application.get(), speech.get(), announcer.get()};
    s.random = std::move(random);
    s.messages = std::move(messages);
    s.sound = std::move(sound);
    s.display = std::move(display);
    s.instance = std::move(instance);
    s.timer = std::move(timer);
    s.application = std::move(application);
    s.speech = std::move(speech);
    s.announcer = std::move(announcer);
    installServices(std::move(s));
    shared() = SharedState{};
    return f;
}

void closeAllScreens()
{
    // Menus are top-level widgets owned by their screen: deleting the screen
    // deletes them too, so only windows without a parent are deleted here,
    // each only if an earlier deletion has not taken it already.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows.append(w);
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget *onlyScreen()
{
    QWidget *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->testAttribute(Qt::WA_DontShowOnScreen) || w->windowType() == Qt::Popup)
            continue;
        if (found)
            return nullptr;
        found = w;
    }
    return found;
}

QWidget *screenNamed(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == name)
            return w;
    return nullptr;
}

int visibleScreens()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup)
            ++n;
    return n;
}

namespace {
QWidget *fromCatalogue(const QString &catalogueName, const QString &button)
{
    QWidget *catalogue = openScreen(catalogueName);
    auto *b = catalogue ? catalogue->findChild<QPushButton *>(button) : nullptr;
    if (!b || !b->isEnabled())
        return nullptr;
    QTest::mouseClick(b, Qt::LeftButton);
    return onlyScreen();
}
} // namespace

QWidget *fromNumbersCatalogue(const QString &button)
{
    return fromCatalogue(QStringLiteral("FormMenuNumeri"), button);
}

QWidget *fromGraphicCatalogue(const QString &button)
{
    return fromCatalogue(QStringLiteral("FormMenuGrafici"), button);
}

QStringList menuBarCaptions(QMainWindow *window)
{
    QStringList captions;
    for (QAction *a : window->menuBar()->actions())
        captions << a->text();
    return captions;
}

QObject *frameObject(const ExerciseScreen *screen, const QString &name)
{
    const QString objectName = name == QLatin1String("MenuEsci") ? screen->design().exitName : name;
    return screen->findChild<QObject *>(objectName);
}
