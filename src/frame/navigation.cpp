#include "frame/navigation.h"

#include "frame/voice.h"

#include <QWidget>
#include <map>

namespace {
std::map<QString, ScreenFactory> &registry()
{
    static std::map<QString, ScreenFactory> r;
    return r;
}
} // namespace

void registerScreen(const QString &name, ScreenFactory factory)
{
    registry()[name] = std::move(factory);
}

bool screenExists(const QString &name) { return registry().count(name) != 0; }

QStringList registeredScreens()
{
    QStringList names;
    for (const auto &entry : registry())
        names << entry.first;
    return names;
}

QWidget *openScreen(const QString &name, QWidget *from)
{
    const auto it = registry().find(name);
    if (it == registry().end())
        return nullptr;
    // Leaving a screen silences what was said about it.
    stopReading();
    QWidget *next = it->second();
    if (!next)
        return nullptr;
    next->setAttribute(Qt::WA_DeleteOnClose);
    if (next->objectName().isEmpty())
        next->setObjectName(name);
    next->show();
    next->activateWindow();
    if (from)
        from->close();
    return next;
}
