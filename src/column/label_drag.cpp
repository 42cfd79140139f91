#include "column/label_drag.h"

#include "frame/focus_frame.h"

#include "frame/look.h"
#include "frame/tell.h"
#include "frame/twips.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace {
const QString InHand = QStringLiteral("in mano");
const QString BackInPlace = QStringLiteral("torna al suo posto");

bool isEnterOrSpace(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
           || key->key() == Qt::Key_Space;
}

QFrame *overlay(QWidget *area, const QString &name, const QString &style)
{
    auto *frame = new QFrame(area);
    frame->setObjectName(name);
    frame->setStyleSheet(style);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setFocusPolicy(Qt::NoFocus);
    frame->hide();
    return frame;
}
} // namespace

LabelDrag::LabelDrag(QWidget *area) : QObject(area), area_(area)
{
    outline_ = overlay(area, QStringLiteral("ContornoTrascinamento"),
                       QStringLiteral("QFrame { border: %1px dashed #1b2a3a; background: transparent; }")
                           .arg(designPixels(2)));
    // The focus frame is drawn just outside the widget it marks, solid and
    // thicker than the outline, so that the two never look alike.
    focusFrame_ = overlay(area, QStringLiteral("CorniceFuoco"),
                          QStringLiteral("QFrame { border: %1px solid #000000; background: transparent; }")
                              .arg(designPixels(3)));
    // A screen that hides takes a held label's place back.
    area->installEventFilter(this);
}

LabelDrag::~LabelDrag()
{
    if (cursorSet_)
        QApplication::restoreOverrideCursor();
    if (watchingAll_)
        qApp->removeEventFilter(this);
    if (byKeys_ && source_)
        source_->setAccessibleDescription(restDescription_);
}

QFrame *LabelDrag::outline() const { return outline_; }
QFrame *LabelDrag::focusFrame() const { return focusFrame_; }

QLabel *LabelDrag::heldLabel() const { return byKeys_ ? source_.data() : nullptr; }

QWidget *LabelDrag::keyTarget() const
{
    if (!held() || keyTarget_ < 0 || keyTarget_ >= int(keyTargets_.size()))
        return nullptr;
    return keyTargets_[keyTarget_];
}

void LabelDrag::addSource(QLabel *label, std::function<bool()> canDrag)
{
    sources_.push_back({label, std::move(canDrag)});
    label->setProperty(OwnFocusFrame, true);   // marked by this frame of ours
    label->installEventFilter(this);
    label->setFocusPolicy(Qt::NoFocus);
}

void LabelDrag::addTarget(QWidget *target) { targets_.emplace_back(target); }

const LabelDrag::Source *LabelDrag::sourceOf(QObject *watched) const
{
    for (const Source &s : sources_)
        if (s.label == watched)
            return &s;
    return nullptr;
}

void LabelDrag::watchAll(bool on)
{
    if (on == watchingAll_)
        return;
    watchingAll_ = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void LabelDrag::cancel()
{
    if (byKeys_ && source_)
        source_->setAccessibleDescription(restDescription_);
    source_.clear();
    dragging_ = false;
    byKeys_ = false;
    keyTargets_.clear();
    keyTarget_ = -1;
    if (outline_)
        outline_->hide();
    if (cursorSet_) {
        cursorSet_ = false;
        QApplication::restoreOverrideCursor();
    }
    watchAll(false);
    showFocusFrame();
}

// Reading order: row by row from the top, each row from the left.
bool LabelDrag::readsBefore(QWidget *a, QWidget *b) const
{
    const QPoint pa = a->mapTo(area_, QPoint()), pb = b->mapTo(area_, QPoint());
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
}

void LabelDrag::refresh()
{
    QWidget *focus = area_->window()->focusWidget();
    const Source *first = nullptr;
    bool focusRetired = false;
    for (const Source &s : sources_) {
        const bool can = s.canDrag && s.canDrag();
        s.label->setFocusPolicy(can ? Qt::TabFocus : Qt::NoFocus);
        if (can && s.label->isVisibleTo(area_) && (!first || readsBefore(s.label, first->label)))
            first = &s;
        if (!can && s.label == focus)
            focusRetired = true;
        if (!can && byKeys_ && s.label == source_)
            cancel();
    }
    // The keys go on where the child left off: from a label that has found
    // its place (or from nowhere, or from the area itself, where they rest
    // when the control that had them closes) to the first one still to be
    // placed.
    if (first && (!focus || focus == area_ || focusRetired || !focus->isEnabled()))
        first->label->setFocus(Qt::TabFocusReason);
    showFocusFrame();
}

void LabelDrag::showFocusFrame()
{
    if (!focusFrame_)
        return;
    QWidget *around = nullptr;
    if (held()) {
        around = keyTarget() ? keyTarget() : source_.data();
    } else {
        QWidget *focus = QApplication::focusWidget();
        if (focus && sourceOf(focus))
            around = focus;
    }
    if (!around || !around->isVisible() || around->window() != area_->window()) {
        focusFrame_->hide();
        return;
    }
    const int margin = designPixels(3);
    focusFrame_->setGeometry(
        QRect(around->mapTo(area_, QPoint()), around->size()).adjusted(-margin, -margin, margin, margin));
    focusFrame_->show();
    focusFrame_->raise();
}

void LabelDrag::press(QLabel *label, const QPoint &global)
{
    cancel();
    source_ = label;
    grip_ = label->mapFromGlobal(global);
    // While the button is down the moves and the release may reach any widget
    // of the screen (the grabbing label, or the one under the mouse): watch
    // them all until the release.
    watchAll(true);
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

void LabelDrag::release(const QPoint &global) { drop(targetAt(global)); }

// The one way a drag ends on a target, from the mouse or from the keys.
void LabelDrag::drop(QWidget *target)
{
    QPointer<QLabel> source = source_;
    cancel();
    if (source && target && dropped)
        dropped(source, target);
    refresh();
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

void LabelDrag::pickUp(QLabel *label)
{
    cancel();
    source_ = label;
    byKeys_ = true;
    // The targets on show, in reading order.
    for (const auto &t : targets_)
        if (t && t->isVisibleTo(area_))
            keyTargets_.push_back(t);
    std::stable_sort(keyTargets_.begin(), keyTargets_.end(),
                     [this](QWidget *a, QWidget *b) { return readsBefore(a, b); });
    restDescription_ = label->accessibleDescription();
    label->setAccessibleDescription(InHand);
    tell(InHand + QStringLiteral(": ") + label->accessibleName()
         + QStringLiteral(". Le frecce scelgono dove, Spazio lascia, Esc annulla."));
    if (outline_) {
        outline_->setGeometry(QRect(label->mapTo(area_, QPoint()), label->size()));
        outline_->show();
        outline_->raise();
    }
    // A press of the mouse anywhere puts the label back first.
    watchAll(true);
    showFocusFrame();
}

void LabelDrag::step(int by)
{
    const int n = int(keyTargets_.size());
    if (n == 0)
        return;
    keyTarget_ = keyTarget_ < 0 ? (by > 0 ? 0 : n - 1) : (keyTarget_ + by + n) % n;
    QWidget *target = keyTarget();
    if (target && outline_) {
        QRect r(QPoint(), source_->size());
        r.moveCenter(QRect(target->mapTo(area_, QPoint()), target->size()).center());
        outline_->setGeometry(r);
        outline_->raise();
    }
    if (target)
        tell(QStringLiteral("sopra: ") + target->accessibleName());
    showFocusFrame();
}

// Keys pressed on a source label. Returns whether the key was used.
bool LabelDrag::key(const Source &source, QKeyEvent *key)
{
    if (!held() || source_ != source.label) {
        const bool plain = !(key->modifiers() & ~Qt::KeypadModifier);
        if (!isEnterOrSpace(key) || key->isAutoRepeat() || !plain || !source.canDrag
            || !source.canDrag())
            return false;
        pickUp(source.label);
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Tab:
        step((key->modifiers() & Qt::ShiftModifier) ? -1 : 1);
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Up:
        step(-1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step(1);
        return true;
    case Qt::Key_Escape:
        cancel();
        tell(BackInPlace);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        // A held key does not let go at once.
        if (!key->isAutoRepeat()) {
            if (!keyTarget())
                tell(BackInPlace);
            drop(keyTarget());
        }
        return true;
    default:
        return false;
    }
}

bool LabelDrag::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    switch (type) {
    case QEvent::KeyPress:
        if (const Source *s = sourceOf(watched))
            return key(*s, static_cast<QKeyEvent *>(event));
        return false;
    case QEvent::FocusOut:
        // The keys went elsewhere (another widget, a message box, a menu):
        // the held label goes back.
        if (held() && watched == source_)
            cancel();
        [[fallthrough]];
    case QEvent::FocusIn:
        if (sourceOf(watched))
            showFocusFrame();
        return false;
    case QEvent::Hide:
        if (watched == area_ && source_)
            cancel();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    if (!watched->isWidgetType())
        return false;   // the window's copy of an event its widget gets too
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    auto *widget = static_cast<QWidget *>(watched);

    if (held()) {
        // The mouse takes over: the label held with the keys goes back, and
        // the press may start a drag of its own.
        if (type != QEvent::MouseButtonPress)
            return false;
        cancel();
    }

    if (!source_) {
        if (type != QEvent::MouseButtonPress || mouse->button() != Qt::LeftButton)
            return false;
        const Source *s = sourceOf(widget);
        if (s && s->canDrag && s->canDrag()) {
            press(s->label, global);
            return true;
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
