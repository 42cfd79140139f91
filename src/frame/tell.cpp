#include "frame/tell.h"

#include "frame/services.h"
#include "frame/voice.h"

#include <QWidget>

void tell(const QString &text)
{
    if (text.isEmpty())
        return;
    Announcer *announcer = services().announcer.get();
    if (announcer && announcer->listening())
        announcer->announce(text);
    // Read aloud too, after what is being said (a verdict waiting for its
    // cheer is not dropped for it).
    readAloud(text);
}

void tellDescription(const QWidget *model)
{
    if (model)
        tell(model->accessibleDescription());
}
