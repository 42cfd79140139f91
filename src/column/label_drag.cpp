#include "column/label_drag.h"

#include "frame/look.h"
#include "frame/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

LabelDrag::LabelDrag(QWidget *area) : QObject(area), area_(area)
{
    outline_ = new QFrame(area);
    outline_->setObjectName(QStringLiteral("ContornoTrascinamento"));
    outline_->setStyleSheet(
        QStringLiteral("QFrame { border: %1px dashed #1b2a3a; background: transparent; }")
            .arg(designPixels(2)));
    outline_->setAttribute(Qt::WA_TransparentForMouseEvents);
    outline_->hide();
}

LabelDrag::~LabelDrag() { cancel(); }

QFrame *LabelDrag::outline() const { return outline_; }

void LabelDrag::addSource(QLabel *label, std::function<bool()> canDrag)
{
    sources_.push_back({label, std::move(canDrag)});
    label->installEventFilter(this);
}

void LabelDrag::addTarget(QWidget *target) { targets_.emplace_back(target); }

void LabelDrag::cancel()
{
    source_.clear();
    dragging_ = false;
    if (outline_)
        outline_->hide();
    if (cursorSet_) {
        cursorSet_ = false;
        QApplication::restoreOverrideCursor();
    }
    if (watchingAll_) {
        watchingAll_ = false;
        qApp->removeEventFilter(this);
    }
}

void LabelDrag::press(QLabel *label, const QPoint &global)
{
    cancel();
    source_ = label;
    grip_ = label->mapFromGlobal(global);
    // While the button is down the moves and the release may reach any widget
    // of the screen (the grabbing label, or the one under the mouse): watch
    // them all until the release.
    qApp->installEventFilter(this);
    watchingAll_ = true;
}

void LabelDrag::move(const QPoint &global)
{
    if (!source_)
        return;
    if (!dragging_) {
        dragging_ = true;
        QApplication::setOverrideCursor(pointer(QStringLiteral("plane")));
        cursorSet_ = true;
    }
    if (outline_) {
        outline_->setGeometry(QRect(area_->mapFromGlobal(global) - grip_, source_->size()));
        outline_->show();
        outline_->raise();
    }
}

void LabelDrag::release(const QPoint &global)
{
    QPointer<QLabel> source = source_;
    QWidget *target = targetAt(global);
    cancel();
    if (source && target && dropped)
        dropped(source, target);
}

QWidget *LabelDrag::targetAt(const QPoint &global) const
{
    for (auto it = targets_.rbegin(); it != targets_.rend(); ++it) {
        QWidget *t = *it;
        if (t && t->isVisible() && t->rect().contains(t->mapFromGlobal(global)))
            return t;
    }
    return nullptr;
}

bool LabelDrag::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return false;
    if (!watched->isWidgetType())
        return false;   // the window's copy of an event its widget gets too
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    auto *widget = static_cast<QWidget *>(watched);

    if (!source_) {
        if (type != QEvent::MouseButtonPress || mouse->button() != Qt::LeftButton)
            return false;
        for (const Source &s : sources_) {
            if (s.label == widget && s.canDrag && s.canDrag()) {
                press(s.label, global);
                return true;
            }
        }
        return false;
    }

    // A drag is under way.
    const bool ours = widget->window() == area_->window();
    switch (type) {
    case QEvent::MouseMove:
        if (ours)
            move(global);
        return false;
    case QEvent::MouseButtonRelease:
        if (mouse->button() != Qt::LeftButton)
            return false;
        if (ours)
            release(global);
        else
            cancel();   // let go over another window: nothing happens
        return false;
    default:
        // A second press means the first one's release was lost.
        cancel();
        return false;
    }
}
