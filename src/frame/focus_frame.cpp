#include "frame/focus_frame.h"

#include "frame/twips.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace {

class FocusFrame final : public QWidget {
public:
    FocusFrame()
    {
        setObjectName(QStringLiteral("CorniceTastiera"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void follow(QWidget *now)
    {
        if (target_)
            target_->removeEventFilter(this);
        target_ = markable(now) ? now : nullptr;
        if (target_)
            target_->installEventFilter(this);
        place();
    }

    QWidget *target() const { return target_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
        case QEvent::EnabledChange:
            place();
            break;
        default:
            break;
        }
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent *) override
    {
        const int black = designPixels(3), white = designPixels(1);
        QPainter p(this);
        const QRect r = rect();
        const QRegion ring = QRegion(r) - QRegion(r.adjusted(black, black, -black, -black));
        for (const QRect &part : ring)
            p.fillRect(part, Qt::black);
        const QRect in = r.adjusted(black, black, -black, -black);
        const QRegion line = QRegion(in) - QRegion(in.adjusted(white, white, -white, -white));
        for (const QRect &part : line)
            p.fillRect(part, Qt::white);
    }

private:
    static bool markable(const QWidget *w)
    {
        return w && !w->isWindow() && w->parentWidget()
               && !w->property(OwnFocusFrame).toBool();
    }

    void place()
    {
        QWidget *t = target_;
        if (!t || !t->isVisible() || !t->isEnabled()) {
            hide();
            return;
        }
        if (parentWidget() != t->parentWidget())
            setParent(t->parentWidget());
        const int m = designPixels(3) + designPixels(1);
        const QRect outer = t->geometry().adjusted(-m, -m, m, m);
        setGeometry(outer);
        // Only the band is ours: the control stays in sight and under the mouse.
        setMask(QRegion(rect()) - QRegion(rect().adjusted(m, m, -m, -m)));
        show();
        raise();
    }

    QPointer<QWidget> target_;
};

// The desktop's style marks a menu bar item only while its menu is open: an
// item reached with Alt and the arrows is drawn as if pressed, so it shows.
class MenuKeysStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuBarItem && (option->state & State_Selected)) {
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem marked(*item);
                marked.state |= State_Sunken;
                QProxyStyle::drawControl(element, &marked, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

QPointer<FocusFrame> &frame()
{
    static QPointer<FocusFrame> f;
    return f;
}

} // namespace

void installFocusFrame()
{
    static bool installed = false;
    if (installed || !qApp)
        return;
    installed = true;
    QApplication::setStyle(new MenuKeysStyle(QApplication::style()->name()));
    // The frame goes with whatever window holds it when that window goes;
    // the next focus makes another.
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        if (!frame())
            frame() = new FocusFrame;
        frame()->follow(now);
    });
}

QWidget *focusFrameOf(const QWidget *w)
{
    FocusFrame *f = frame();
    return f && f->target() == w && f->isVisible() ? f : nullptr;
}
