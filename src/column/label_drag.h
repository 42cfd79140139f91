#pragma once
// Dragging one label onto another inside a screen, with plain mouse events:
// press on a draggable label, move (the aeroplane pointer and an outline of
// the label follow the mouse), release over a drop target. Nothing moves but
// the outline, and a release anywhere else does nothing. No nested event loop
// runs, so every step can be driven by ordinary mouse events.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <vector>

class QFrame;
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
    void addSource(QLabel *label, std::function<bool()> canDrag);
    // Targets are searched last added first, so a later one lying over an
    // earlier one wins.
    void addTarget(QWidget *target);

    // Called with the dragged label and the target it was released over.
    std::function<void(QLabel *source, QWidget *target)> dropped;

    bool pressed() const { return !source_.isNull(); }
    bool dragging() const { return dragging_; }
    QFrame *outline() const;
    // Forgets a drag under way, as if the button had been released nowhere.
    void cancel();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Source {
        QLabel *label;
        std::function<bool()> canDrag;
    };
    void press(QLabel *label, const QPoint &global);
    void move(const QPoint &global);
    void release(const QPoint &global);
    QWidget *targetAt(const QPoint &global) const;

    QWidget *area_;
    QPointer<QFrame> outline_;
    std::vector<Source> sources_;
    std::vector<QPointer<QWidget>> targets_;
    QPointer<QLabel> source_;
    QPoint grip_;            // where the label was gripped, in its own coordinates
    bool dragging_ = false;
    bool cursorSet_ = false;
    bool watchingAll_ = false;
};
