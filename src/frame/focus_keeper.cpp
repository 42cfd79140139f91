#include "frame/focus_keeper.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

FocusKeeper::FocusKeeper(QMainWindow *window, QWidget *area, QWidget *avanti)
    : window_(window), area_(area), avanti_(avanti)
{
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                          [this](QWidget *, QWidget *now) { focusMoved(now); });
}

// The window's controls go after the keeper: their last focus changes are
// no longer its business.
FocusKeeper::~FocusKeeper() { disconnect(focusWatch_); }

bool FocusKeeper::takesFocus(const QWidget *w) const
{
    return w && w->window() == window_ && (w == area_ || area_->isAncestorOf(w)) && w->isEnabled()
           && w->isVisible();
}

QWidget *FocusKeeper::restingPlace() const
{
    return takesFocus(answerField_) ? answerField_.data() : area_;
}

void FocusKeeper::park()
{
    parked_ = window_->focusWidget();
    QWidget *rest = restingPlace();
    parkedText_ = rest->property("text").toString();
    rest->setFocus(Qt::OtherFocusReason);
}

void FocusKeeper::unpark()
{
    QWidget *rest = restingPlace();
    const QPointer<QWidget> back = parked_;
    parked_.clear();
    if (window_->focusWidget() == rest && rest->property("text").toString() == parkedText_
        && takesFocus(back))
        back->setFocus(Qt::OtherFocusReason);
}

// Qt hands the focus of a control that is disabled or hidden to the next
// one in the chain; here it goes to the resting place instead.
bool FocusKeeper::moveOn(bool next)
{
    QWidget *focus = window_->focusWidget();
    if (focus && area_->isAncestorOf(focus) && (!focus->isEnabled() || !focus->isVisible())) {
        restingPlace()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // With no answer field open, Shift+Tab from "avanti" goes back to the
    // exercise, where a screen reader reads it completed.
    if (!next && focus == avanti_ && restingPlace() == area_) {
        area_->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void FocusKeeper::focusMoved(QWidget *now)
{
    if (now && now->window() == window_ && (now == area_ || area_->isAncestorOf(now)))
        lastFocus_ = now;
}

// A command given from the menu bar with the keys leaves them on the bar,
// where Space, the arrows and the digits reach nothing: a box opened on the
// way hands them back to the bar when it closes, and the control that had
// them may have been closed by the command. They go back to that control,
// or rest where they change nothing.
void FocusKeeper::afterCommand()
{
    if (window_->focusWidget() != window_->menuBar())
        return;
    QWidget *back = takesFocus(lastFocus_) ? lastFocus_.data() : restingPlace();
    back->setFocus(Qt::OtherFocusReason);
}

// The menu bar keeps the keys only while it is being driven: once a key has
// left it with no item chosen and no menu open (a menu closed under it, a
// command that gave nothing back), they go back to the window.
bool FocusKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_->menuBar()
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        QTimer::singleShot(0, this, [this] {
            if (!window_->menuBar()->activeAction() && !QApplication::activePopupWidget())
                afterCommand();
        });
    }
    return QObject::eventFilter(watched, event);
}

void FocusKeeper::watchMenuBar()
{
    watchCommands(window_->menuBar()->actions());
    window_->menuBar()->installEventFilter(this);
}

void FocusKeeper::watchCommands(const QList<QAction *> &actions)
{
    for (QAction *a : actions) {
        connect(a, &QAction::triggered, this, &FocusKeeper::afterCommand);
        if (a->menu())
            watchCommands(a->menu()->actions());
    }
}
