#include "monkey.h"

#include "aids/bars_screen.h"
#include "fakes.h"

#include "frame/exercise_screen.h"
#include "frame/navigation.h"
#include "frame/state.h"
#include "shell/catalogue.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define TOLVENA_DEATH_CALLBACK 1
#endif

namespace {

std::multimap<QString, ScreenCheck> &table()
{
    static std::multimap<QString, ScreenCheck> t;
    return t;
}

// The checks, the family ones of tests/monkey_checks.cpp among them.
std::multimap<QString, ScreenCheck> &checks()
{
    static const bool families = [] {
        registerFamilyChecks();
        return true;
    }();
    Q_UNUSED(families)
    return table();
}

QString describe(const QWidget *w)
{
    const QString name = w->objectName().isEmpty() ? QStringLiteral("?") : w->objectName();
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), name);
}

QString rectText(const QRect &r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Whether `w` lies inside `ancestor`'s subtree.
bool within(const QWidget *w, const QWidget *ancestor)
{
    for (const QWidget *p = w; p; p = p->parentWidget())
        if (p == ancestor)
            return true;
    return false;
}

void geometryProblems(QWidget *screen, QStringList &out)
{
    QWidget *client = screen;
    if (auto *main = qobject_cast<QMainWindow *>(screen); main && main->centralWidget())
        client = main->centralWidget();
    const QRect clientRect(client->mapTo(screen, QPoint(0, 0)), client->size());
    if (screen->width() <= 0 || screen->height() <= 0)
        out << QStringLiteral("the window has no size %1").arg(rectText(screen->rect()));
    for (QWidget *w : screen->findChildren<QWidget *>()) {
        if (w->isWindow() || !w->isVisible())
            continue;
        if (w->width() <= 0 || w->height() <= 0) {
            // A label that fits its text takes no room when it has none.
            if (auto *l = qobject_cast<QLabel *>(w); l && l->text().isEmpty() && l->pixmap().isNull())
                continue;
            // The yellow bar of 0 has no length, and stays for the screen reader.
            if (auto *bars = qobject_cast<BarsScreen *>(screen);
                bars && w == bars->n1 && bars->model().value(BarsModel::Bar::Yellow) == 0
                && w->width() == 0 && w->height() > 0)
                continue;
            out << QStringLiteral("%1 is shown with an empty size %2")
                       .arg(describe(w), rectText(w->geometry()));
            continue;
        }
        const QRect r(w->mapTo(screen, QPoint(0, 0)), w->size());
        const QRect room = within(w, client) ? clientRect : screen->rect();
        if (!room.contains(r))
            out << QStringLiteral("%1 at %2 lies outside the client area %3")
                       .arg(describe(w), rectText(r), rectText(room));
    }
}

void frameProblems(ExerciseScreen *s, QStringList &out)
{
    const bool happy = frameWidget<QLabel>(s, "ComandoIconaSi")->isVisible();
    const bool sad = frameWidget<QLabel>(s, "ComandoIconaNo")->isVisible();
    if (happy == sad)
        out << QStringLiteral("%1 faces shown (happy %2, sad %3)")
                   .arg(happy ? QStringLiteral("both") : QStringLiteral("no"))
                   .arg(happy)
                   .arg(sad);
    const struct {
        const char *what;
        int value;
        QLabel *label;
    } counters[] = {{"esatti", s->esatti(), frameWidget<QLabel>(s, "EtichettaEsatti")},
                    {"errati", s->errati(), frameWidget<QLabel>(s, "EtichettaErrati")}};
    for (const auto &c : counters) {
        if (c.value < 0)
            out << QStringLiteral("counter %1 is %2").arg(QLatin1String(c.what)).arg(c.value);
        bool ok = false;
        const int shown = c.label->text().trimmed().toInt(&ok);
        if (!ok || shown != c.value)
            out << QStringLiteral("counter %1 is %2 but its label reads '%3'")
                       .arg(QLatin1String(c.what))
                       .arg(c.value)
                       .arg(c.label->text());
    }
}

// Whether input can still reach `w`: a widget of a window that has been
// closed (and waits for deletion) gets no more keys or clicks.
bool live(const QWidget *w) { return w && w->isVisible(); }

// The visible top-level screens (menus, tool tips and the like aside).
QList<QWidget *> screensOnShow()
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
            continue;
        shown << w;
    }
    return shown;
}

// ---------------------------------------------------------------- the run

#ifdef TOLVENA_DEATH_CALLBACK
std::string deathNote;
void printDeathNote() { std::fprintf(stderr, "\n%s\n", deathNote.c_str()); }
#endif

struct Slot {
    QString screen;      // the screen to open
    QString catalogue;   // empty: by name; else through this catalogue's button
    QString button;
};

class Monkey {
public:
    Monkey(const MonkeyOptions &o, Fakes f) : options_(o), fakes_(f), rng_(o.seed) {}
    MonkeyResult run();

private:
    // Draws.
    int below(int n) { return n <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    template <class T> T *any(const QList<T *> &list) { return list.isEmpty() ? nullptr : list.at(below(list.size())); }
    QPoint pointIn(const QWidget *w) { return {below(std::max(1, w->width())), below(std::max(1, w->height()))}; }

    QList<QWidget *> visibleChildren(bool enabledOnly);
    QString randomText();

    // Events; each returns what it did.
    QString fire();
    QString click();
    QString type();
    QString key();
    QString holdEnter();
    QString drag();
    QString menu();
    QString menuByKeys();
    QString avanti();
    QString esci();
    QString closeWindow();
    QString steps();
    QString openByName(const QString &name);
    QString openViaCatalogue(const Slot &slot);

    void restart();
    void settle();
    QString check(const QString &event);
    void note(const QString &event);

    MonkeyOptions options_;
    Fakes fakes_;
    std::mt19937_64 rng_;
    QPointer<QWidget> current_;
    bool closedOnPurpose_ = false;
    int quitsSeen_ = 0;
    // The counters as last seen, checked after every monkey event and at
    // every input event delivered inside one (a typed text is many keys).
    struct Counters {
        QPointer<ExerciseScreen> screen;
        int esatti = 0, errati = 0, sharedEsatti = 0, sharedErrati = 0;
    } counters_;
    QString pendingProblem_;   // the first problem seen inside the event under way
    void counterStep(ExerciseScreen *screen);
    friend class InputWatch;
    std::deque<QString> log_;
    MonkeyResult result_;
};

QList<QWidget *> Monkey::visibleChildren(bool enabledOnly)
{
    QList<QWidget *> found;
    if (!current_)
        return found;
    QWidget *menuBar = nullptr;
    if (auto *main = qobject_cast<QMainWindow *>(current_.data()))
        menuBar = main->menuBar();
    for (QWidget *w : current_->findChildren<QWidget *>()) {
        if (w->isWindow() || !w->isVisible() || (enabledOnly && !w->isEnabled()))
            continue;
        if (menuBar && within(w, menuBar))
            continue;   // the menu bar is driven through its actions
        found << w;
    }
    return found;
}

QString Monkey::randomText()
{
    static const QString digits = QStringLiteral("0123456789");
    static const QString others = QStringLiteral(
        "abcxyzAQZ    .,;:-+*/=()'\"!?_#%&àèéìòùÀÈÉç€°§\t");
    if (chance(0.05)) {
        // A long paste.
        QString text;
        const int n = 100 + below(3000);
        for (int i = 0; i < n; ++i)
            text += chance(0.6) ? digits.at(below(digits.size())) : others.at(below(others.size()));
        return text;
    }
    QString text;
    const int n = 1 + below(6);
    for (int i = 0; i < n; ++i)
        text += chance(0.75) ? digits.at(below(digits.size())) : others.at(below(others.size()));
    return text;
}

QString Monkey::click()
{
    QList<QWidget *> targets = visibleChildren(true);
    targets << current_.data();
    QPointer<QWidget> w = any(targets);
    const QPoint at = pointIn(w);
    const Qt::MouseButton button = chance(0.9) ? Qt::LeftButton : Qt::RightButton;
    const QString what = QStringLiteral("click %1 on %2 at %3,%4")
                             .arg(button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"),
                                  describe(w))
                             .arg(at.x())
                             .arg(at.y());
    note(what);
    if (chance(0.05)) {
        QTest::mouseDClick(w, button, {}, at);
        return what + QStringLiteral(" (double)");
    }
    QTest::mousePress(w, button, {}, at);
    if (live(w))
        QTest::mouseRelease(w, button, {}, at);
    return what;
}

QString Monkey::type()
{
    QList<QLineEdit *> fields;
    for (QWidget *w : visibleChildren(true))
        if (auto *f = qobject_cast<QLineEdit *>(w))
            fields << f;
    QPointer<QWidget> target = any(fields);
    if (!target)
        target = current_->focusWidget() ? current_->focusWidget() : current_.data();
    QString text = randomText();
    if (!qobject_cast<QLineEdit *>(target))
        text.truncate(40);   // long texts are pasted, and only fields take a paste
    const bool enter = chance(0.4);
    const QString what = QStringLiteral("type '%1'%2 into %3")
                             .arg(text.size() > 40 ? text.left(40) + QStringLiteral("...(%1 chars)").arg(text.size()) : text,
                                  enter ? QStringLiteral(" and Enter") : QString(), describe(target));
    note(what);
    if (text.size() > 40 && qobject_cast<QLineEdit *>(target)) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    } else {
        for (const QChar c : text) {
            if (!live(target))
                break;
            if (c.unicode() < 128) {
                QTest::keyClick(target, char(c.unicode()));
                continue;
            }
            // Accented letters and signs come as text with no key of their own.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            if (!live(target))
                break;
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &release);
        }
    }
    if (enter && live(target))
        QTest::keyClick(target, Qt::Key_Return);
    return what;
}

QString Monkey::key()
{
    static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter,    Qt::Key_Space,  Qt::Key_Tab,
                                   Qt::Key_Backtab, Qt::Key_Escape,  Qt::Key_Left,   Qt::Key_Right,
                                   Qt::Key_Up,      Qt::Key_Down,    Qt::Key_Backspace, Qt::Key_Delete,
                                   Qt::Key_Home,    Qt::Key_End,     Qt::Key_0,      Qt::Key_5,
                                   Qt::Key_9,       Qt::Key_A,       Qt::Key_F1,     Qt::Key_PageDown};
    static const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier,
                                                      Qt::ShiftModifier, Qt::ControlModifier,
                                                      Qt::AltModifier};
    const Qt::Key k = keys[below(std::size(keys))];
    const Qt::KeyboardModifiers m = modifiers[below(std::size(modifiers))];
    QPointer<QWidget> target = current_->focusWidget() ? current_->focusWidget() : current_.data();
    const int how = below(10);   // 0: press only, 1: release only, else both
    const QString what = QStringLiteral("key %1 mod %2 %3 on %4")
                             .arg(int(k), 0, 16)
                             .arg(int(m), 0, 16)
                             .arg(how == 0 ? QStringLiteral("press") : how == 1 ? QStringLiteral("release") : QStringLiteral("click"),
                                  describe(target));
    note(what);
    if (how != 1)
        QTest::keyPress(target, k, m);
    if (how != 0 && live(target))
        QTest::keyRelease(target, k, m);
    return what;
}

QString Monkey::holdEnter()
{
    const int repeats = 1 + below(12);
    const Qt::Key k = chance(0.8) ? Qt::Key_Return : Qt::Key_Enter;
    // Each repeat goes where the keyboard is then: the focus of the screen on show.
    auto focus = []() -> QWidget * {
        QWidget *screen = screensOnShow().value(0);
        if (!screen)
            return nullptr;
        QWidget *f = screen->focusWidget();
        return live(f) ? f : screen;
    };
    QPointer<QWidget> target = focus();
    const QString what = QStringLiteral("hold Enter (%1 repeats) on %2").arg(repeats).arg(describe(target));
    note(what);
    auto send = [&](QEvent::Type type, bool repeat) {
        QWidget *w = focus();
        if (!w)
            return;
        QKeyEvent e(type, k, Qt::NoModifier, QStringLiteral("\r"), repeat);
        QApplication::sendEvent(w, &e);
    };
    send(QEvent::KeyPress, false);
    for (int i = 0; i < repeats; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
    }
    send(QEvent::KeyRelease, false);
    return what;
}

QString Monkey::drag()
{
    QList<QLabel *> labels;
    const QList<QWidget *> shown = visibleChildren(false);
    for (QWidget *w : shown)
        if (auto *l = qobject_cast<QLabel *>(w))
            labels << l;
    QPointer<QWidget> source = any(labels);
    if (!source)
        return click();
    QWidget *drop = any(shown);
    const QPoint start = pointIn(source);
    const QPoint end = chance(0.6) && drop ? source->mapFrom(current_, drop->mapTo(current_, drop->rect().center()))
                                           : source->mapFrom(current_, pointIn(current_));
    const QString what = QStringLiteral("drag %1 to %2,%3 (%4)")
                             .arg(describe(source))
                             .arg(end.x())
                             .arg(end.y())
                             .arg(drop ? describe(drop) : QString());
    note(what);
    QTest::mousePress(source, Qt::LeftButton, {}, start);
    const int moves = 1 + below(3);
    for (int i = 0; i < moves && live(source) && current_; ++i)
        QTest::mouseMove(source, i + 1 == moves ? end : source->mapFrom(current_, pointIn(current_)));
    if (live(source))
        QTest::mouseRelease(source, Qt::LeftButton, {}, end);
    return what;
}

QString Monkey::menu()
{
    auto *main = qobject_cast<QMainWindow *>(current_.data());
    if (!main)
        return click();
    QList<QAction *> actions;
    std::function<void(const QList<QAction *> &)> collect = [&](const QList<QAction *> &list) {
        for (QAction *a : list) {
            if (!a->isVisible() || !a->isEnabled() || a->isSeparator())
                continue;
            if (a->menu())
                collect(a->menu()->actions());
            else
                actions << a;
        }
    };
    collect(main->menuBar()->actions());
    if (chance(0.4))
        return menuByKeys();
    QAction *a = any(actions);
    if (!a)
        return click();
    const QString what = QStringLiteral("menu '%1' (%2)").arg(a->text().trimmed(), a->objectName());
    note(what);
    a->trigger();
    return what;
}

// The menu bar driven as a child does with the keyboard: Alt, the arrows
// along the bar and down a menu, then Enter or Esc where the keys are then.
QString Monkey::menuByKeys()
{
    QStringList path{QStringLiteral("Alt")};
    auto press = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget *to = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                        : QApplication::focusWidget();
        if (!to && current_)
            to = current_->focusWidget() ? current_->focusWidget() : current_.data();
        if (!to)
            return;
        QTest::keyPress(to, k, m);
        if (live(to))
            QTest::keyRelease(to, k);
    };
    const int rights = below(5), downs = chance(0.4) ? 1 + below(3) : 0;
    const bool enter = chance(0.7);
    for (int i = 0; i < rights; ++i)
        path << QStringLiteral("Right");
    for (int i = 0; i < downs; ++i)
        path << QStringLiteral("Down");
    path << (enter ? QStringLiteral("Enter") : QStringLiteral("Esc"));
    const QString what = QStringLiteral("menu by keys: %1").arg(path.join(QLatin1Char(' ')));
    note(what);
    // Once Alt has lit the bar's first item, the arrows go along the bar,
    // round from the last item to the first. An item already lit before Alt
    // (a drag that passed over the bar and never left it) is not Alt's.
    auto *main = qobject_cast<QMainWindow *>(current_.data());
    const bool litBefore = main && main->menuBar()->activeAction();
    press(Qt::Key_Alt, Qt::AltModifier);
    QList<QAction *> items;
    if (main && current_ == main)
        for (QAction *a : main->menuBar()->actions())
            if (a->isVisible() && !a->isSeparator())
                items << a;
    const bool lit = !litBefore && !items.isEmpty() && main->menuBar()->activeAction() == items.first();
    for (int i = 0; i < rights && current_; ++i)
        press(Qt::Key_Right);
    if (lit && current_ == main && pendingProblem_.isEmpty()) {
        QAction *now = main->menuBar()->activeAction();
        if (now != items[rights % items.size()])
            pendingProblem_ = QStringLiteral("Alt and %1 Right: the menu bar shows %2")
                                  .arg(rights)
                                  .arg(now ? now->text() : QStringLiteral("nothing"));
    }
    for (int i = 0; i < downs && current_; ++i)
        press(Qt::Key_Down);
    if (current_)
        press(enter ? Qt::Key_Return : Qt::Key_Escape);
    return what;
}

QString Monkey::avanti()
{
    auto *s = qobject_cast<ExerciseScreen *>(current_.data());
    if (!s || !frameWidget<QToolButton>(s, "BottoneAvanti")->isVisible() || !frameWidget<QToolButton>(s, "BottoneAvanti")->isEnabled())
        return click();
    note(QStringLiteral("avanti"));
    frameWidget<QToolButton>(s, "BottoneAvanti")->click();
    return QStringLiteral("avanti");
}

QString Monkey::esci()
{
    if (auto *s = qobject_cast<ExerciseScreen *>(current_.data())) {
        note(QStringLiteral("Esci"));
        frameWidget<QAction>(s, "MenuEsci")->trigger();
        return QStringLiteral("Esci");
    }
    if (auto *m = qobject_cast<FormMenu *>(current_.data())) {
        note(QStringLiteral("Esci of the main menu"));
        m->BottoneEsci->click();
        return QStringLiteral("Esci of the main menu");
    }
    return click();
}

QString Monkey::closeWindow()
{
    const QString what = QStringLiteral("close the window %1").arg(describe(current_));
    note(what);
    closedOnPurpose_ = true;
    current_->close();
    return what;
}

QString Monkey::steps()
{
    const std::size_t before = fakes_.timer->pending.size();
    const int n = chance(0.5) ? 1 : chance(0.5) ? 1 + below(20) : 5000;
    const QString what = QStringLiteral("run %1 of %2 animation steps").arg(n).arg(before);
    note(what);
    fakes_.timer->runAll(n);
    return what;
}

QString Monkey::openByName(const QString &name)
{
    // A screen that reads NumeroMassimo finds one of the values its catalogue
    // buttons set, as it would have after coming through the catalogue.
    std::vector<int> maxima;
    for (const CatalogueDesign *c : {&numbersCatalogue(), &graphicCatalogue()})
        for (const CatalogueEntry &e : c->entries)
            if (!e.heading && e.target == name && e.numeroMassimo != 0)
                maxima.push_back(e.numeroMassimo);
    if (!maxima.empty())
        shared().NumeroMassimo = static_cast<std::int16_t>(maxima[below(int(maxima.size()))]);
    const QString what = QStringLiteral("open %1 by name").arg(name);
    note(what);
    openScreen(name, current_);
    return what;
}

QString Monkey::openViaCatalogue(const Slot &slot)
{
    const QString what = QStringLiteral("open %1 with %2 of %3").arg(slot.screen, slot.button, slot.catalogue);
    note(what);
    QWidget *menu = openScreen(QStringLiteral("FormMenu"), current_);
    auto *m = qobject_cast<FormMenu *>(menu);
    if (!m)
        return what + QStringLiteral(" (no main menu)");
    if (slot.catalogue == QLatin1String("FormMenuGrafici"))
        m->Command1->click();
    else
        m->Command2->click();
    settle();
    QWidget *catalogue = screensOnShow().value(0);
    auto *b = catalogue ? catalogue->findChild<QPushButton *>(slot.button) : nullptr;
    if (!b || !b->isEnabled())
        return what + QStringLiteral(" (button missing or disabled)");
    QTest::mouseClick(b, Qt::LeftButton);
    settle();
    if (QWidget *now = screensOnShow().value(0); now && now->objectName() == slot.screen)
        result_.viaCatalogue.insert(slot.screen);
    return what;
}

QString Monkey::fire()
{
    const int roll = below(1000);
    if (roll < 300)
        return click();
    if (roll < 440)
        return type();
    if (roll < 590)
        return key();
    if (roll < 620)
        return holdEnter();
    if (roll < 700)
        return drag();
    if (roll < 770)
        return menu();
    if (roll < 830)
        return avanti();
    if (roll < 850)
        return esci();
    if (roll < 852) {
        const QStringList names = registeredScreens();
        return openByName(names.at(below(names.size())));
    }
    if (roll < 855)
        return closeWindow();
    return steps();
}

void Monkey::note(const QString &event)
{
    log_.push_back(QStringLiteral("#%1 [%2] %3")
                       .arg(result_.events)
                       .arg(current_ ? current_->objectName() : QStringLiteral("-"), event));
    if (log_.size() > 25)
        log_.pop_front();
#ifdef TOLVENA_DEATH_CALLBACK
    deathNote = QStringLiteral("monkey died: seed %1, event %2: %3")
                    .arg(options_.seed)
                    .arg(result_.events)
                    .arg(log_.back())
                    .toStdString();
#endif
}

void Monkey::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Monkey::counterStep(ExerciseScreen *screen)
{
    auto moved = [&](const char *what, int before, int now) {
        if (pendingProblem_.isEmpty() && (now < 0 || now > 32767 || (std::abs(now - before) > 1 && now != 0)))
            pendingProblem_ = QStringLiteral("%1 went from %2 to %3 in one event")
                                  .arg(QLatin1String(what))
                                  .arg(before)
                                  .arg(now);
    };
    moved("NumeroEsatti", counters_.sharedEsatti, shared().NumeroEsatti);
    moved("NumeroErrati", counters_.sharedErrati, shared().NumeroErrati);
    if (screen && screen == counters_.screen) {
        moved("esatti", counters_.esatti, screen->esatti());
        moved("errati", counters_.errati, screen->errati());
    }
    counters_.screen = screen;
    counters_.esatti = screen ? screen->esatti() : 0;
    counters_.errati = screen ? screen->errati() : 0;
    counters_.sharedEsatti = shared().NumeroEsatti;
    counters_.sharedErrati = shared().NumeroErrati;
}

// Looks at the counters before each key and mouse event is delivered.
class InputWatch : public QObject {
public:
    explicit InputWatch(Monkey *monkey) : monkey_(monkey) { watchFirst(); }
    ~InputWatch() override { qApp->removeEventFilter(this); }
    // The filter installed last sees events first: installed again before
    // each event, this one sees every key before the program's filters act
    // on it (and perhaps keep it from the others).
    void watchFirst() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (auto *w = qobject_cast<QWidget *>(watched)) {
                if (trace_) {
                    const auto *key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease
                                          ? static_cast<QKeyEvent *>(event) : nullptr;
                    std::fprintf(stderr, "  input %d key %x%s to %s (esatti %d errati %d)\n", int(event->type()),
                                 key ? key->key() : 0, key && key->isAutoRepeat() ? " repeat" : "",
                                 qPrintable(describe(w)), shared().NumeroEsatti, shared().NumeroErrati);
                }
                monkey_->counterStep(qobject_cast<ExerciseScreen *>(w->window()));
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    Monkey *monkey_;
    // MONKEY_TRACE=1 prints every key and click as it is delivered.
    const bool trace_ = qEnvironmentVariableIsSet("MONKEY_TRACE");
};

void Monkey::restart()
{
    closeAllScreens();
    fakes_.timer->pending.clear();
    shared() = SharedState{};
    quitsSeen_ = fakes_.application->quits;
    ++result_.sessions;
    Main();
    settle();
    current_ = screensOnShow().value(0);
    counters_ = {};
}

QString Monkey::check(const QString &event)
{
    QStringList problems;
    const QList<QWidget *> shown = screensOnShow();
    const bool ended = fakes_.application->quits != quitsSeen_ || (shown.isEmpty() && closedOnPurpose_);
    closedOnPurpose_ = false;
    if (ended) {
        // Whatever broke on the way out is still reported.
        const QString problem = pendingProblem_;
        pendingProblem_.clear();
        restart();
        return problem;
    }
    if (shown.size() != 1) {
        QStringList names;
        for (QWidget *w : shown)
            names << w->objectName();
        return QStringLiteral("%1 screens on show (%2)").arg(shown.size()).arg(names.join(QLatin1String(", ")));
    }
    current_ = shown.first();
    result_.opened.insert(current_->objectName());
    if (qEnvironmentVariableIsSet("MONKEY_TRACE"))
        std::fprintf(stderr, "after %s: %s esatti %d errati %d, keys on %s\n", qPrintable(event),
                     qPrintable(current_->objectName()), shared().NumeroEsatti, shared().NumeroErrati,
                     QApplication::focusWidget() ? qPrintable(describe(QApplication::focusWidget())) : "nothing");

    counterStep(qobject_cast<ExerciseScreen *>(current_.data()));
    if (!pendingProblem_.isEmpty()) {
        problems << pendingProblem_;
        pendingProblem_.clear();
    }
    problems << screenProblems(current_);
    return problems.join(QLatin1String("; "));
}

MonkeyResult Monkey::run()
{
    QElapsedTimer clock;
    clock.start();
#ifdef TOLVENA_DEATH_CALLBACK
    __sanitizer_set_death_callback(printDeathNote);
#endif
    fakes_.random->seed(options_.seed);
    // While a message box shows, the screen that asks is the only one on
    // show (or none yet, when a screen asks as it loads).
    fakes_.messages->onShow = [this] {
        const QList<QWidget *> shown = screensOnShow();
        if (shown.size() > 1 && pendingProblem_.isEmpty())
            pendingProblem_ = QStringLiteral("a message box shows over %1 screens").arg(shown.size());
    };
    InputWatch watch(this);
    fakes_.display->width = chance(0.2) ? 640 : 1024;

    // The schedule: every screen by name, and every catalogue button that
    // opens a screen, each for `perScreen` events.
    std::vector<Slot> schedule;
    for (const QString &name : registeredScreens())
        schedule.push_back({name, {}, {}});
    for (const CatalogueDesign *c : {&numbersCatalogue(), &graphicCatalogue()})
        for (const CatalogueEntry &e : c->entries)
            if (!e.heading && screenExists(e.target))
                schedule.push_back({e.target, c->name, e.name});

    restart();
    std::size_t slot = 0;
    while (result_.events < options_.events) {
        // What the message boxes will answer during this event.
        fakes_.messages->answers.clear();
        fakes_.messages->fallback = chance(0.35) ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No;
        for (int i = below(3); i > 0; --i)
            fakes_.messages->answers.push_back(chance(0.5) ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
        fakes_.messages->shown.clear();
        fakes_.sound->played.clear();
        if (fakes_.timer->pending.size() > 20000)
            fakes_.timer->runAll(100000);

        watch.watchFirst();
        QString event;
        if (result_.events % options_.perScreen == 0) {
            const Slot &s = schedule[slot++ % schedule.size()];
            event = s.catalogue.isEmpty() ? openByName(s.screen) : openViaCatalogue(s);
        } else {
            event = fire();
        }
        settle();
        ++result_.events;
        const QString problem = check(event);
        if (!problem.isEmpty()) {
            result_.failedAt = result_.events - 1;
            QStringList lines;
            lines << QStringLiteral("monkey seed %1: after event %2: %3")
                         .arg(options_.seed)
                         .arg(result_.failedAt)
                         .arg(problem);
            lines << QStringLiteral("last events:");
            for (const QString &l : log_)
                lines << QStringLiteral("  ") + l;
            lines << QStringLiteral("replay: test_monkey --seed %1 --events %2 --per-screen %3")
                         .arg(options_.seed)
                         .arg(result_.events)
                         .arg(options_.perScreen);
            result_.failure = lines.join(QLatin1Char('\n'));
            break;
        }
        if (options_.progress && result_.events % 10000 == 0)
            std::fprintf(stderr, "monkey: %ld events, %.0f s, %zu screens seen\n", result_.events,
                         clock.elapsed() / 1000.0, result_.opened.size());
    }
    closeAllScreens();
    fakes_.timer->pending.clear();
    fakes_.messages->onShow = nullptr;
    result_.seconds = clock.elapsed() / 1000.0;
    return result_;
}

} // namespace

void addScreenCheck(const QString &key, ScreenCheck check) { table().emplace(key, std::move(check)); }

void removeScreenChecks(const QString &key) { checks().erase(key); }

QStringList screenProblems(QWidget *screen)
{
    QStringList out;
    if (!screen)
        return out;
    geometryProblems(screen, out);
    if (auto *s = qobject_cast<ExerciseScreen *>(screen))
        frameProblems(s, out);
    // Family checks, by screen name and by every class the screen is.
    auto runChecks = [&](const QString &key) {
        const auto range = checks().equal_range(key);
        for (auto it = range.first; it != range.second; ++it)
            out << it->second(screen);
    };
    runChecks(screen->objectName());
    for (const QMetaObject *m = screen->metaObject(); m; m = m->superClass())
        runChecks(QString::fromLatin1(m->className()));
    return out;
}

MonkeyResult runMonkey(const MonkeyOptions &options)
{
    return Monkey(options, installFakes()).run();
}
