#include "aids/number_buttons.h"

#include "frame/look.h"
#include "frame/widgets.h"

#include <QPushButton>

std::vector<QPushButton *> makeNumberButtons(QWidget *parent, const std::vector<QPoint> &at,
                                             QSize size, const std::function<void(int)> &press)
{
    const QCursor arrow = pointer(QStringLiteral("arrow_white"));
    std::vector<QPushButton *> buttons;
    for (int i = 0; i < static_cast<int>(at.size()); ++i) {
        QPushButton *b = makeButton(parent, QStringLiteral("Bottone"), QString::number(i), at[i].x(),
                                    at[i].y(), size.width(), size.height(),
                                    QStringLiteral("Arial"), 20.25);
        b->setProperty("index", i);
        b->setCursor(arrow);
        QObject::connect(b, &QPushButton::clicked, parent, [press, i] { press(i); });
        buttons.push_back(b);
    }
    return buttons;
}
