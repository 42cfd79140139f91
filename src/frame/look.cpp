#include "frame/look.h"

#include "frame/services.h"
#include "frame/twips.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QLibraryInfo>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTranslator>
#include <QWidget>

#include <map>
#include <memory>

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
    const int index = Int(18 * Rnd()) + 1;
    Q_ASSERT(index >= 1 && index <= 18);
    return bgr(palette()[static_cast<std::size_t>(index)]);
}

namespace {
// Paints the background colours of widgets. The colour is painted rather than
// set in the widget's palette: a palette of its own would give every child a
// new palette too, and the style caches its drawings under each palette, so
// screen after screen in new colours would pile those drawings up.
class BackgroundPainter final : public QObject {
public:
    static BackgroundPainter &instance()
    {
        static BackgroundPainter painter;
        return painter;
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *w = static_cast<QWidget *>(watched);
            const QColor colour = w->property(key).value<QColor>();
            const QColor border = w->property(borderKey).value<QColor>();
            if (colour.isValid()) {
                QPainter p(w);
                p.fillRect(w->rect(), colour);
                if (border.isValid()) {
                    // A border as wide as a design pixel at the zoom.
                    const int b = designPixels(1);
                    const QRect r = w->rect();
                    p.fillRect(QRect(r.left(), r.top(), r.width(), b), border);
                    p.fillRect(QRect(r.left(), r.bottom() - b + 1, r.width(), b), border);
                    p.fillRect(QRect(r.left(), r.top(), b, r.height()), border);
                    p.fillRect(QRect(r.right() - b + 1, r.top(), b, r.height()), border);
                }
            }
        }
        return false;
    }
    static constexpr const char *key = "backgroundColour";
    static constexpr const char *borderKey = "borderColour";
};
} // namespace

void setBackground(QWidget *w, const QColor &colour, const QColor &border)
{
    if (!w->property(BackgroundPainter::key).isValid())
        w->installEventFilter(&BackgroundPainter::instance());
    w->setProperty(BackgroundPainter::key, colour);
    w->setProperty(BackgroundPainter::borderKey, border);
    w->update();
}

QColor background(const QWidget *w) { return w->property(BackgroundPainter::key).value<QColor>(); }

namespace {
// The design's faces and their free look-alikes.
const std::map<QString, QString> &lookAlikes()
{
    static const std::map<QString, QString> faces{
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}};
    return faces;
}

// The face asked for in place of a design face. Where the look-alikes are
// always the ones used, they are asked for by name: a design name would send
// the font database through the system's aliases at every new size.
QString faceFor(const QString &design)
{
#ifdef Q_OS_WIN
    return design;   // Windows has the design's faces, or the look-alikes stand in
#else
    const auto it = lookAlikes().find(design);
    return it == lookAlikes().end() ? design : it->second;
#endif
}
} // namespace

void installFonts()
{
    for (const auto &[design, lookAlike] : lookAlikes())
        QFont::insertSubstitution(design, lookAlike);
}

bool installQtItalian()
{
    static QTranslator *qtbase = nullptr;
    if (qtbase)
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator.get()))
        return false;
    qtbase = translator.release();   // kept for the whole run
    return true;
}

QFont designFont(const QString &family, double points, bool bold)
{
    QFont f(faceFor(family));
    // Every text of the program is in the face asked for: no other face is
    // looked for to stand in for a missing letter, which would cost the
    // first paint a search through every face of the machine.
    f.setStyleStrategy(QFont::NoFontMerging);
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
    // One icon a picture for the whole run: the icon engine caches its
    // renderings under the icon's identity, so new icons would pile them up.
    static std::map<QString, QIcon> made;
    auto it = made.find(name);
    if (it == made.end())
        it = made.emplace(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name))).first;
    return it->second;
}

QIcon windowPicture(const QString &name)
{
    initLook();
    static std::map<QString, QIcon> made;
    if (auto it = made.find(name); it != made.end())
        return it->second;
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    QIcon icon;
    for (int side : {16, 32}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        renderer.render(&p);
        p.end();
        icon.addPixmap(pm);
    }
    return made[name] = icon;
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
    const int side = designPixels(32);
    hx = hx * side / 32;
    hy = hy * side / 32;
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return made[name] = QCursor(Qt::ArrowCursor);
    QPainter p(&pm);
    renderer.render(&p);
    p.end();
    return made[name] = QCursor(pm, hx, hy);
}
