#include "frame/navigation.h"

#include "frame/exercise_screen.h"
#include "frame/voice.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <map>

namespace {
std::map<QString, ScreenRow> &registry()
{
    static std::map<QString, ScreenRow> r;
    return r;
}
// Puts `next`, already at its final size, in the middle of the room that the
// display of `from` (or the main display) leaves for windows. The window
// frame is taken to be as wide as the one around `from`; a window larger than
// the room keeps its top left corner in it.
void centre(QWidget *next, const QWidget *from)
{
    QScreen *display = from && from->screen() ? from->screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    QMargins frame;
    if (from) {
        const QRect inner = from->geometry(), outer = from->frameGeometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QRect room = display->availableGeometry();
    const QSize outer = next->size().grownBy(frame);
    next->move(room.x() + std::max(0, (room.width() - outer.width()) / 2),
               room.y() + std::max(0, (room.height() - outer.height()) / 2));
}
} // namespace

QString catalogueName(Catalogue catalogue)
{
    switch (catalogue) {
    case Catalogue::Numbers: return QStringLiteral("FormMenuNumeri");
    case Catalogue::Graphic: return QStringLiteral("FormMenuGrafici");
    case Catalogue::None: break;
    }
    return QString();
}

void registerScreen(ScreenRow row)
{
    const QString name = row.name;
    if (!registry().emplace(name, std::move(row)).second)
        qFatal("Two screens are called %s", qPrintable(name));
}

void registerScreen(const FrameDesign &frame, ScreenFactory make)
{
    registerScreen({frame.name, frame.catalogue, std::move(make)});
}

const ScreenRow *screenRow(const QString &name)
{
    const auto it = registry().find(name);
    return it == registry().end() ? nullptr : &it->second;
}

bool screenExists(const QString &name) { return screenRow(name) != nullptr; }

QStringList registeredScreens()
{
    QStringList names;
    for (const auto &entry : registry())
        names << entry.first;
    return names;
}

QWidget *openScreen(const QString &name, QWidget *from)
{
    const ScreenRow *row = screenRow(name);
    if (!row)
        return nullptr;
    // Leaving a screen silences what was said about it.
    stopReading();
    QWidget *next = row->make();
    if (!next)
        return nullptr;
    next->setAttribute(Qt::WA_DeleteOnClose);
    if (next->objectName().isEmpty())
        next->setObjectName(name);
    // The size is settled before the window shows (the other screens settle
    // it when they are made), so that it opens where the child was looking.
    if (auto *screen = qobject_cast<ExerciseScreen *>(next))
        screen->fitToControls();
    centre(next, from);
    next->show();
    next->activateWindow();
    if (from)
        from->close();
    return next;
}
