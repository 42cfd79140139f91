#pragma once
// Checks of a screen against its design: places in twips, the Tab order.

#include "frame/twips.h"

#include <QRect>
#include <QStringList>
#include <QWidget>

// A design rectangle (left, top, width, height in twips) in pixels.
inline QRect twips(const QRect &r) { return twipsRect(r.x(), r.y(), r.width(), r.height()); }

// The controls Tab visits in one round from `start`, in order: those shown,
// enabled and taking the Tab key. A control of an array is named with its
// index, as "Comando(1)".
inline QStringList tabOrder(QWidget *start)
{
    QStringList names;
    QWidget *w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(start->window()) && w->isEnabled())
            names << (w->property("index").isValid()
                          ? w->objectName() + '(' + w->property("index").toString() + ')'
                          : w->objectName());
        w = w->nextInFocusChain();
    } while (w != start);
    return names;
}
