#include "frame/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPointer>

namespace {
bool isEnter(const QKeyEvent *key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

// Watches one field: an Enter pressed there arms it, the release of that
// same press judges.
class EnterJudge final : public QObject {
public:
    EnterJudge(QWidget *field, std::function<void()> judge)
        : QObject(field), judge_(std::move(judge))
    {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key) && !key->isAutoRepeat())
                pressed_ = key->key();
            break;
        }
        case QEvent::KeyRelease: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isEnter(key) && !key->isAutoRepeat() && pressed_ == key->key()) {
                pressed_ = 0;
                judge_();
            }
            break;
        }
        case QEvent::FocusOut:
        case QEvent::Hide:
        case QEvent::EnabledChange:
            // A press whose release comes after the field lost the keys is
            // not the field's any more.
            pressed_ = 0;
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void()> judge_;
    int pressed_ = 0;
};

class EnterPresses final : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        auto *button = qobject_cast<QAbstractButton *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if (!button || !isEnter(key) || (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        // Check boxes keep Enter out; message boxes and other dialogs have
        // their own default button.
        if (qobject_cast<QCheckBox *>(button) || button->window()->isModal())
            return false;
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() && button->isEnabled()
            && button->isVisible())
            button->click();
        return true;
    }
};
} // namespace

void judgeOnEnter(QWidget *field, std::function<void()> judge)
{
    new EnterJudge(field, std::move(judge));
}

void enterPressesButtons()
{
    static EnterPresses *filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new EnterPresses;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
}
