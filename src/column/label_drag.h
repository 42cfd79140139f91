#pragma once
// Dragging one label onto another inside a screen, with the mouse or with
// the keys.
//
// Mouse: press on a draggable label, move (the aeroplane pointer and an
// outline of the label follow the mouse), release over a drop target. Nothing
// moves but the outline, and a release anywhere else does nothing. No nested
// event loop runs, so every step can be driven by ordinary mouse events.
//
// Keys: a label that may be dragged now takes the focus with Tab. Space or
// Enter picks it up (the outline appears over it, its accessible description
// says "in mano"); Tab, Shift+Tab and the arrows carry the outline from one
// shown target to the next in reading order; Space or Enter lets go there,
// Esc puts the label back. Both ways end in the same drop.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QFrame;
class QKeyEvent;
class QLabel;
class QMouseEvent;
class QWidget;

class LabelDrag : public QObject {
    Q_OBJECT
public:
    // `area`: the widget that holds the sources, the targets and the outline.
    explicit LabelDrag(QWidget *area);
    ~LabelDrag() override;

    // `canDrag` is asked at each press whether the label may be dragged now.
    // Tab visits the sources in the order of the screen's focus chain (the
    // order they were made in); when the keys are free they go to the first
    // source in reading order.
    void addSource(QLabel *label, std::function<bool()> canDrag);
    // Targets are searched last added first, so a later one lying over an
    // earlier one wins.
    void addTarget(QWidget *target);

    // Called with the dragged label and the target it was released over.
    std::function<void(QLabel *source, QWidget *target)> dropped;

    bool pressed() const { return !source_.isNull(); }
    bool dragging() const { return dragging_; }
    // A label picked up with the keys, and the target the outline is over
    // (none until the first Tab or arrow).
    bool held() const { return !source_.isNull() && byKeys_; }
    QLabel *heldLabel() const;
    QWidget *keyTarget() const;
    QFrame *outline() const;
    QFrame *focusFrame() const;
    // Forgets a drag under way or a label held, as if it had been let go
    // nowhere.
    void cancel();
    // To be called whenever what may be dragged has changed: only those
    // labels take the Tab key, and the focus leaves one that no longer may.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Source {
        QLabel *label;
        std::function<bool()> canDrag;
    };
    const Source *sourceOf(QObject *watched) const;
    void press(QLabel *label, const QPoint &global);
    void move(const QPoint &global);
    void release(const QPoint &global);
    void drop(QWidget *target);
    QWidget *targetAt(const QPoint &global) const;
    bool key(const Source &source, QKeyEvent *key);
    void pickUp(QLabel *label);
    void step(int by);
    void watchAll(bool on);
    void showFocusFrame();
    bool readsBefore(QWidget *a, QWidget *b) const;

    QWidget *area_;
    QPointer<QFrame> outline_;
    QPointer<QFrame> focusFrame_;
    std::vector<Source> sources_;
    std::vector<QPointer<QWidget>> targets_;
    QPointer<QLabel> source_;
    QPoint grip_;            // where the label was gripped, in its own coordinates
    bool dragging_ = false;
    bool byKeys_ = false;
    std::vector<QPointer<QWidget>> keyTargets_;   // in reading order
    int keyTarget_ = -1;
    QString restDescription_;   // a held label's own description, given back
    bool cursorSet_ = false;
    bool watchingAll_ = false;
};
