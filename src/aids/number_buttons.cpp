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
        QPushButton *b = makeButton(parent, {.name = QStringLiteral("Bottone"),
                                             .text = QString::number(i), .box = QRect(at[i], size),
                                             .points = 20.25});
        b->setProperty("index", i);
        b->setCursor(arrow);
        QObject::connect(b, &QPushButton::clicked, parent, [press, i] { press(i); });
        buttons.push_back(b);
    }
    return buttons;
}
