#include "frame/told.h"

#include "frame/services.h"

#include <QWidget>

void tell(const QString &text)
{
    Announcer *announcer = services().announcer.get();
    if (announcer && announcer->listening() && !text.isEmpty())
        announcer->announce(text);
}

void tellDescription(const QWidget *model)
{
    if (model)
        tell(model->accessibleDescription());
}
