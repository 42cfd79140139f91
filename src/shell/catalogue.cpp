#include "shell/catalogue.h"

#include "frame/feedback.h"
#include "frame/keyboard.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/spoken.h"
#include "frame/state.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

CatalogueEntry button(const QString &name, const QString &caption, int left, int top,
                      const QString &target, int max = 0, int width = 2700, int height = 650)
{
    CatalogueEntry e;
    e.name = name;
    e.caption = caption;
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.target = target;
    e.numeroMassimo = max;
    return e;
}

CatalogueEntry heading(const QString &name, const QString &caption, int left, int top, int width,
                       int height, int index = -1)
{
    CatalogueEntry e = button(name, caption, left, top, QString(), 0, width, height);
    e.heading = true;
    e.index = index;
    return e;
}

using S = QString;

CatalogueDesign makeNumbers()
{
    CatalogueDesign d;
    d.name = S("FormMenuNumeri");
    d.clientArea = QSize(13005, 10290);
    d.firstInTab = S("Command1");
    const int c1 = 120, c2 = 3000, c3 = 5880, c4 = 8760;
    d.entries = {
        heading(S("Label5"), S("entro 10"), 240, 0, 1065, 345),
        button(S("Command12"), S("costruire il 10"), c1, 360, S("Formcomponi10")),
        button(S("Command1"), S("Tolvena"), c1, 1080, S("FormTolvena10"), 10),
        heading(S("Label4"), S("entro 20"), c1, 1920, 2505, 360),
        button(S("Command9"), S("costruire il 20"), c1, 2280, S("Form15")),
        button(S("Command23"), S("sottraendo entro 10"), c1, 3000, S("FormTolvena20")),
        button(S("Command2"), S("Tolvena varie"), c1, 3720, S("FormTolvena10"), 20),
        button(S("Command28"), S("possibili e impossibili"), c1, 4440, S("Form22"), 20),
        heading(S("Label1"), S("entro 99 - in colonna"), 240, 5400, 2505, 240),
        button(S("Command14"), S("senza cambio"), c1, 5760, S("Form23")),
        button(S("Command24"), S("con il cambio"), c1, 6480, S("Form24a")),
        button(S("Command15"), S("con e senza cambio"), c1, 7200, S("Form24")),

        heading(S("Label2"), S("entro 99"), 3360, 0, 1065, 240),
        button(S("Command8"), S("  - 1"), c2, 360, S("Form16")),
        button(S("Command10"), S("- unità"), c2, 1080, S("Form17")),
        button(S("Command16"), S(" - 10"), c2, 1800, S("Form19")),
        button(S("Command11"), S(" - decine"), c2, 2520, S("Form18")),
        button(S("Command17"), S("- 1   - 10"), c2, 3240, S("Form20")),
        button(S("Command27"), S("- unità o decine"), c2, 3960, S("Form21")),
        button(S("Command29"), S("possibili e impossibili"), c2, 4680, S("Form22"), 99),
        heading(S("Label3"), S("entro 999"), 3240, 5400, 1065, 240),
        button(S("Command13"), S("costruire il 100"), c2, 5760, S("Form32")),
        button(S("Command20"), S("-1"), c2, 6480, S("Form25")),
        button(S("Command3"), S("- unità"), c2, 7200, S("Form26")),

        button(S("Command19"), S(" - 10"), c3, 360, S("Form27")),
        button(S("Command4"), S("- decine"), c3, 1080, S("Form28")),
        button(S("Command21"), S("- 100"), c3, 1800, S("Form29")),
        button(S("Command5"), S(" - centinaia"), c3, 2520, S("Form30")),
        button(S("Command18"), S(" - 1    - 10   - 100"), c3, 3240, S("Form31")),
        button(S("Command25"), S("possibili e impossibili"), c3, 3960, S("Form22"), 999),
        heading(S("Label6"), S("entro 999 - in colonna"), c3, 4680, 2505, 240),
        button(S("Command6"), S("senza cambi"), c3, 5040, S("Form33")),
        button(S("Command31"), S("un cambio"), c3, 5760, S("Form36")),
        button(S("Command32"), S("due cambi"), c3, 6480, S("Form37")),
        button(S("Command7"), S(" con e senza cambi"), c3, 7200, S("Form34")),

        heading(S("Label7"), S("entro 9 999"), 8880, 0, 2505, 240),
        button(S("Command22"), S("-1  -10  -100  -1.000"), c4, 360, S("Form35")),
        button(S("Command30"), S("possibili e impossibili"), c4, 1080, S("Form22"), 9999),
        button(S("Command26"), S("torna al menu"), c4, 7200, S("FormMenu")),
    };
    return d;
}

CatalogueDesign makeGraphic()
{
    CatalogueDesign d;
    d.name = S("FormMenuGrafici");
    d.clientArea = QSize(12795, 9915);
    d.firstInTab = S("Command3");
    const int c1 = 240, c2 = 3960, c3 = 7680;
    auto b = [](const S &name, const S &caption, int left, int top, const S &target,
                int height = 675) { return button(name, caption, left, top, target, 0, 3200, height); };
    d.entries = {
        heading(S("Label1"), S("uso delle barre"), c1, 240, 3200, 330, 1),
        b(S("Command1"), S("entro il 10"), c1, 600, S("FormBarreTolvena")),
        b(S("Command2"), S(" entro il 20"), c1, 1440, S("FormBarreTolvena20")),
        heading(S("Label1"), S("entro 99 - lunghi e unità"), c1, 2280, 3200, 330, 0),
        b(S("Command27"), S(" senza cambio"), c1, 2640, S("FormGrafMeno1")),
        b(S("Command9"), S("con cambio"), c1, 3480, S("FormGrafMeno")),
        b(S("Command7"), S("con e senza cambio"), c1, 4320, S("FormGrafMeno2")),
        heading(S("Label1"), S("entro 99 - abaco"), c1, 5280, 3200, 330, 3),
        b(S("Command28"), S("senza cambio"), c1, 5640, S("Form99d1")),
        b(S("Command8"), S("con cambio"), c1, 6480, S("Form99d3")),
        b(S("Command10"), S("con e senza cambio"), c1, 7320, S("Form99d")),

        heading(S("Label1"), S(" entro 99 - con la tabella "), c2, 120, 3200, 330, 2),
        b(S("Command3"), S("togliere solo unità"), c2, 600, S("Form100c")),
        b(S("Command4"), S("togliere solo decine"), c2, 1440, S("Form100d")),
        b(S("Command12"), S("togliere decine o unità"), c2, 2280, S("Form100f")),
        b(S("Command5"), S("togliere decine e unità"), c2, 3120, S("Form100e")),
        heading(S("Label2"), S("Costruire il 100"), c2, 4320, 3200, 405),
        b(S("Command13"), S("con la tabella"), c2, 4680, S("FormC100"), 700),
        b(S("Command24"), S("decine e unità"), c2, 5520, S("Form100g"), 700),

        heading(S("Label3"), S("oltre il 100"), c3, 240, 3195, 405),
        b(S("Command23"), S("costruire il 500 "), c3, 600, S("Form500g"), 700),
        b(S("Command15"), S("costruire il 1 000 "), c3, 1440, S("Form1000g"), 700),
        heading(S("Label4"), S("oltre il 100 - Abaco"), c3, 2760, 3195, 405),
        b(S("Command6"), S("senza cambi"), c3, 3120, S("Form999a"), 700),
        b(S("Command16"), S("con un cambio"), c3, 3960, S("Form999b"), 700),
        b(S("Command17"), S("con due cambi"), c3, 4800, S("Form999c"), 700),
        b(S("Command18"), S("con e senza cambi"), c3, 5640, S("Form999d"), 700),
        b(S("Command26"), S("torna al menu"), c3, 7320, S("FormMenu")),
    };
    return d;
}

} // namespace

const CatalogueDesign &numbersCatalogue()
{
    static const CatalogueDesign d = makeNumbers();
    return d;
}

const CatalogueDesign &graphicCatalogue()
{
    static const CatalogueDesign d = makeGraphic();
    return d;
}

CatalogueScreen::CatalogueScreen(const CatalogueDesign &design, QWidget *parent) : QWidget(parent)
{
    enterPressesButtons();
    setObjectName(design.name);
    setWindowTitle(ProgramTitle);
    setWindowIcon(windowPicture(QStringLiteral("app")));

    const QCursor arrow = pointer(QStringLiteral("arrow_big"));
    // The tab order starts at the design's first button and goes round the
    // table from there: the controls are made in that order, so the window's
    // own focus chain starts at that button too.
    const auto &entries = design.entries;
    const auto start = std::find_if(entries.begin(), entries.end(), [&](const CatalogueEntry &e) {
        return !e.heading && e.name == design.firstInTab;
    });
    const std::size_t offset = start == entries.end() ? 0 : std::size_t(start - entries.begin());
    // Each button belongs to the last heading above it in the design's order.
    std::vector<QString> headings(entries.size());
    // The way back to the main menu belongs to none.
    for (std::size_t i = 0, h = entries.size(); i < entries.size(); ++i) {
        if (entries[i].heading)
            h = i;
        else if (h < entries.size() && entries[i].target != QLatin1String("FormMenu"))
            headings[i] = entries[h].caption;
    }
    QWidget *first = nullptr;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t at = (offset + i) % entries.size();
        const CatalogueEntry &e = entries[at];
        if (e.heading) {
            QLabel *l = makeLabel(this, e.name, e.caption, e.left, e.top, e.width, e.height,
                                  QStringLiteral("Arial"), 12);
            if (e.index >= 0)
                l->setProperty("index", e.index);
            continue;
        }
        QPushButton *b = makeButton(this, e.name, e.caption, e.left, e.top, e.width, e.height,
                                    QStringLiteral("Arial"), 14.25);
        b->setCursor(arrow);
        b->setEnabled(screenExists(e.target));
        b->installEventFilter(this);
        buttons_.push_back(b);
        // Captions repeat from column to column; a screen reader tells them
        // apart by their heading, and names the screen they open by both.
        const QString heading = spokenPlace(headings[at], QString());
        const QString place = heading.isEmpty() ? QString() : spokenPlace(headings[at], e.caption);
        b->setAccessibleName(spokenSum(e.caption));
        b->setAccessibleDescription(heading);
        connect(b, &QPushButton::clicked, this, [this, &e, place] { press(e, place); });
        if (!first)
            first = b;
    }
    if (first)
        first->setFocus();
    fitClientArea(this, design.clientArea.width(), design.clientArea.height());

    // Loading: a new colour at every visit, nothing else.
    setBackground(this, ColoreCasuale());
}

// The arrows move as the wall is read: up and down within a column, left and
// right to the next column's button nearest in height. At the edge they stay.
QPushButton *CatalogueScreen::neighbour(const QPushButton *from, int key) const
{
    const QPoint at = from->pos();
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
    const int ahead = key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 1;
    QPushButton *best = nullptr;
    auto distance = [&](const QPushButton *b) {
        const QPoint d = b->pos() - at;
        return vertical ? QPoint(0, d.y() * ahead) : QPoint(d.x() * ahead, std::abs(d.y()));
    };
    for (QPushButton *b : buttons_) {
        if (b == from || !b->isEnabled())
            continue;
        const QPoint d = distance(b);
        const bool sameColumn = b->x() == at.x();
        if ((vertical ? !sameColumn || d.y() <= 0 : d.x() <= 0))
            continue;
        if (!best)
            best = b;
        else {
            const QPoint o = distance(best);
            // Nearest column first, then nearest height.
            if (vertical ? d.y() < o.y() : std::pair(d.x(), d.y()) < std::pair(o.x(), o.y()))
                best = b;
        }
    }
    return best;
}

bool CatalogueScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    auto *from = qobject_cast<QPushButton *>(watched);
    const int k = key->key();
    if (!from || (key->modifiers() & ~Qt::KeypadModifier)
        || (k != Qt::Key_Up && k != Qt::Key_Down && k != Qt::Key_Left && k != Qt::Key_Right))
        return false;
    if (QPushButton *to = neighbour(from, k))
        to->setFocus(Qt::OtherFocusReason);
    return true;
}

void CatalogueScreen::press(const CatalogueEntry &entry, QString place)
{
    if (entry.numeroMassimo != 0)
        shared().NumeroMassimo = static_cast<std::int16_t>(entry.numeroMassimo);
    // The window keeps its title; a screen reader names it by the place.
    QWidget *screen = openScreen(entry.target, this);
    if (screen && !place.isEmpty())
        screen->setAccessibleName(place);
}
