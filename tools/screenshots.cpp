// Opens the screens named on the command line and saves a picture of each
// into the folder given first, for looking at the layouts. Every screen draws
// from one fixed sequence, so two builds can be compared picture by picture;
// beside each picture goes what a screen reader is given there (role, name,
// description and value of every accessible object, in tree order).
// Usage: tolvena-screenshots [--zoom N] OUTDIR [SCREEN...] (all screens when
// none is named)

#include "frame/focus_frame.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "frame/twips.h"
#include "shell/shell.h"
#include "shell/zoom.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <random>

namespace {

class FixedRandom final : public RandomSource {
public:
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    void reseed() override {}
    void restart() { engine_.seed(20261210); }

private:
    std::mt19937_64 engine_{20261210};
};

void writeTree(QAccessibleInterface *a, int depth, QTextStream &out)
{
    if (!a || depth > 30)
        return;
    out << QString(depth * 2, QLatin1Char(' ')) << int(a->role()) << " | "
        << a->text(QAccessible::Name) << " | " << a->text(QAccessible::Description) << " | "
        << a->text(QAccessible::Value) << '\n';
    for (int i = 0; i < a->childCount(); ++i)
        writeTree(a->child(i), depth + 1, out);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == QStringLiteral("--zoom")) {
        const auto z = zoomFromPercent(args.at(1));
        if (!z)
            return 2;
        setZoom(*z);
        args = args.mid(2);
    }
    installFonts();
    installFocusFrame();
    registerAllScreens();
    auto fixed = std::make_unique<FixedRandom>();
    FixedRandom *random = fixed.get();
    services().random = std::move(fixed);
    if (args.isEmpty())
        return 2;
    QDir out(args.first());
    out.mkpath(QStringLiteral("."));
    const QStringList names = args.size() > 1 ? args.mid(1) : registeredScreens();
    int saved = 0;
    for (const QString &name : names) {
        random->restart();
        QWidget *w = openScreen(name);
        if (!w)
            continue;
        QApplication::setActiveWindow(w);   // the first focus shows as it does on a desktop
        for (int i = 0; i < 20; ++i)
            app.processEvents();
        w->grab().save(out.filePath(name + QStringLiteral(".png")));
        QFile texts(out.filePath(name + QStringLiteral(".txt")));
        if (texts.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            QTextStream stream(&texts);
            writeTree(QAccessible::queryAccessibleInterface(w), 0, stream);
        }
        ++saved;
        delete w;
    }
    services().sound.reset();
    return saved == names.size() ? 0 : 1;
}
