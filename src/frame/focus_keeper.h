#pragma once
// Where the keys of a window rest. They never stay on a closed control:
// when the control that holds them is disabled or hidden they go to the
// resting place, the answer field while it is open, else the client area
// itself, whose keys do nothing (Tab goes on from there); never the next
// control in the chain, whose keys might change the counts or move on.
// They come back from the menu bar after a command, a menu or a message
// box, and wait in the resting place during an animation.

#include <QObject>
#include <QPointer>

class QAction;
class QMainWindow;
class QWidget;

class FocusKeeper final : public QObject {
public:
    // `area` is the window's client area; `avanti` the control from which
    // Shift+Tab goes back to the area when no answer field is open.
    FocusKeeper(QMainWindow *window, QWidget *area, QWidget *avanti);
    ~FocusKeeper() override;

    void setAnswerField(QWidget *field) { answerField_ = field; }
    QWidget *restingPlace() const;

    // During an animation the keys wait in the resting place; when it ends
    // they go back where they were, unless the child has taken them
    // elsewhere or typed in the field meanwhile, or that control no longer
    // takes them.
    void park();
    void unpark();

    // The window's focusNextPrevChild asks here first: true where the keys
    // have been put in their place.
    bool moveOn(bool next);

    // Once the window has connected its own menu items, so that the keeper
    // runs after each of them.
    void watchMenuBar();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takesFocus(const QWidget *w) const;
    void focusMoved(QWidget *now);
    void afterCommand();
    void watchCommands(const QList<QAction *> &actions);

    QMainWindow *window_;
    QWidget *area_;
    QWidget *avanti_;
    QPointer<QWidget> answerField_;
    QPointer<QWidget> lastFocus_;   // the last control of the client area with the focus
    QPointer<QWidget> parked_;      // where the focus was before an animation
    QString parkedText_;            // the answer field's text then
    QMetaObject::Connection focusWatch_;
};
