#include "frame/widgets.h"

#include "frame/keyboard.h"
#include "frame/look.h"
#include "frame/services.h"
#include "frame/twips.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>

QLabel *makeLabel(QWidget *parent, const Control &c)
{
    auto *l = new QLabel(c.text, parent);
    l->setObjectName(c.name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(designFont(c.family, c.points, c.bold));
    l->setGeometry(twipsRect(c.box));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QLabel *makePicture(QWidget *parent, const QString &objectName, const QString &pictureName,
                    const QRect &box)
{
    auto *l = new QLabel(parent);
    l->setObjectName(objectName);
    const QRect r = twipsRect(box);
    l->setGeometry(r);
    l->setPixmap(picture(pictureName).pixmap(r.size()));
    l->setScaledContents(true);
    return l;
}

QToolButton *makePictureButton(QWidget *parent, const Control &c, const QString &pictureName)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(c.name);
    b->setText(c.text);
    b->setIcon(picture(pictureName));
    b->setIconSize(designSize(32, 32));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFont(designFont(c.family, c.points, c.bold));
    b->setGeometry(twipsRect(c.box));
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoFillBackground(true);
    return b;
}

namespace {
// A push button whose caption wraps onto more lines when it is wider than the
// button, as the designs' long captions need; the caption itself stays exact.
class WrappingButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        const QRect box = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                              .adjusted(1, 0, -1, 0);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        QFont f = font();
        // Shrink only when even the wrapped caption cannot fit.
        for (int size = f.pixelSize(); size > 8; --size) {
            f.setPixelSize(size);
            const QRect need = QFontMetrics(f).boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
            if (need.width() <= box.width() && need.height() <= box.height())
                break;
        }
        p.setFont(f);
        p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
};
} // namespace

QPushButton *makeButton(QWidget *parent, const Control &c)
{
    auto *b = new WrappingButton(c.text, parent);
    b->setObjectName(c.name);
    b->setFont(designFont(c.family, c.points, c.bold));
    b->setGeometry(twipsRect(c.box));
    b->setAutoDefault(false);
    return b;
}

QLineEdit *makeAnswerField(QWidget *parent, const AnswerField &field, std::function<void()> judge)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(field.name);
    f->setFont(designFont(QStringLiteral("Arial"), field.points));
    f->setMaxLength(field.maxLength);
    if (field.centred)
        f->setAlignment(Qt::AlignCenter);
    f->setAccessibleName(field.spokenName);
    f->setGeometry(twipsRect(field.box));
    judgeOnEnter(f, std::move(judge));
    return f;
}

void fitClientArea(QWidget *area, int designWidth, int designHeight)
{
    QSize size(px(designWidth), px(designHeight));
    const QSize available = services().display->availableSize();
    if (available.isValid() && !available.isEmpty()) {
        // Room for the window frame and the menu bar on a small display.
        const QSize room = available - QSize(8, 48);
        size = size.boundedTo(room);
    }
    QRect extent(QPoint(0, 0), size);
    for (QWidget *child : area->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            extent = extent.united(child->geometry());
    const int margin = extent.size() == size ? 0 : 4;
    area->setFixedSize(extent.right() + 1 + margin, extent.bottom() + 1 + margin);
}

namespace {
class FlatButtonPainter final : public QObject {
public:
    static FlatButtonPainter &instance()
    {
        static FlatButtonPainter painter;
        return painter;
    }
    static constexpr const char *key = "buttonColour";

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto *b = static_cast<QAbstractButton *>(watched);
        const QColor colour = b->property(key).value<QColor>();
        if (!colour.isValid())
            return false;
        QPainter p(b);
        const QRect r = b->rect();
        p.fillRect(r, colour);
        // A raised edge, sunken while pressed, as wide as a design pixel.
        const int e = designPixels(1);
        const QColor light = b->isDown() ? Qt::black : Qt::white;
        const QColor dark = b->isDown() ? Qt::white : Qt::black;
        p.fillRect(QRect(r.left(), r.top(), r.width(), e), light);
        p.fillRect(QRect(r.left(), r.top(), e, r.height()), light);
        p.fillRect(QRect(r.left(), r.bottom() - e + 1, r.width(), e), dark);
        p.fillRect(QRect(r.right() - e + 1, r.top(), e, r.height()), dark);
        p.setFont(b->font());
        // Captions stay readable on dark colours (the blues of the colouring buttons).
        const bool darkColour =
            0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF() < 0.15;
        if (b->isEnabled())
            p.setPen(darkColour ? QColor(Qt::white) : QColor(Qt::black));
        else
            p.setPen(darkColour ? QColor(Qt::lightGray) : QColor(Qt::darkGray));
        const int inset = designPixels(3);
        const QRect box = r.adjusted(inset, inset, -inset, -inset)
                              .translated(b->isDown() ? QPoint(e, e) : QPoint());
        p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, b->text());
        if (b->hasFocus()) {
            p.setPen(QPen(darkColour ? Qt::white : Qt::black, e, Qt::DotLine));
            p.drawRect(r.adjusted(inset, inset, -inset - 1, -inset - 1));
        }
        return true;
    }
};
} // namespace

void setButtonColour(QAbstractButton *button, const QColor &colour)
{
    if (!button->property(FlatButtonPainter::key).isValid())
        button->installEventFilter(&FlatButtonPainter::instance());
    button->setProperty(FlatButtonPainter::key, colour);
    button->update();
}

void tick(QAction *item, bool chosen)
{
    // A checkable item draws an empty box when it is not checked, so only
    // the chosen item is checkable.
    item->setCheckable(chosen);
    item->setChecked(chosen);
}
