#include "frame/look.h"

#include "frame/services.h"
#include "frame/twips.h"

#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QWidget>

#include <map>

static void loadResources() { Q_INIT_RESOURCE(icons); }

QColor bgr(std::uint32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

const std::array<std::uint32_t, 19> &palette()
{
    static const std::array<std::uint32_t, 19> p = {
        0,          // no colour
        0xC0C0FF, 0x8080FF, 0x0080FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
        0x8080FF, 0x0040C0, 0x80FF80, 0x0040C0, 0xFFFFC0, 0xFFFF00,
        0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFFC0FF, 0xFF00FF,
    };
    return p;
}

QColor ColoreCasuale()
{
    int index = Int(18 * Rnd()) + 1;
    // A source that broke its promise of [0, 1) must still not pick entry 0.
    index = std::clamp(index, 1, 18);
    return bgr(palette()[static_cast<std::size_t>(index)]);
}

void setBackground(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QColor background(const QWidget *w) { return w->palette().color(QPalette::Window); }

void installFonts()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

QFont designFont(const QString &family, double points, bool bold)
{
    QFont f(family);
    f.setPixelSize(pointsToPixels(points));
    f.setBold(bold);
    return f;
}

void initLook()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    loadResources();
}

QIcon picture(const QString &name)
{
    initLook();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QCursor pointer(const QString &name)
{
    initLook();
    static std::map<QString, QCursor> made;
    if (auto it = made.find(name); it != made.end())
        return it->second;
    const QString path = QStringLiteral(":/icons/%1.svg").arg(name);
    // The hot spot is written in the picture: <!-- hotspot X Y -->.
    int hx = 0, hy = 0;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        static const QRegularExpression re(QStringLiteral("hotspot\\s+(\\d+)\\s+(\\d+)"));
        const auto m = re.match(QString::fromUtf8(file.readAll()));
        if (m.hasMatch()) {
            hx = m.captured(1).toInt();
            hy = m.captured(2).toInt();
        }
    }
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return made[name] = QCursor(Qt::ArrowCursor);
    QPainter p(&pm);
    renderer.render(&p);
    p.end();
    return made[name] = QCursor(pm, hx, hy);
}
