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

// The tables below are written in UTF-8.
CatalogueEntry button(const char *name, const char *caption, int left, int top,
                      const char *target, int max = 0, int width = 2700, int height = 650)
{
    CatalogueEntry e;
    e.name = QString::fromUtf8(name);
    e.caption = QString::fromUtf8(caption);
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.target = QString::fromUtf8(target);
    e.numeroMassimo = max;
    return e;
}

CatalogueEntry heading(const char *name, const char *caption, int left, int top, int width,
                       int height, int index = -1)
{
    CatalogueEntry e = button(name, caption, left, top, "", 0, width, height);
    e.heading = true;
    e.index = index;
    return e;
}

CatalogueDesign makeNumbers()
{
    CatalogueDesign d;
    d.catalogue = Catalogue::Numbers;
    d.name = catalogueName(d.catalogue);
    d.clientArea = QSize(13005, 10290);
    d.firstInTab = QStringLiteral("Command1");
    const int c1 = 120, c2 = 3000, c3 = 5880, c4 = 8760;
    d.entries = {
        heading("Label5", "entro 10", 240, 0, 1065, 345),
        button("Command12", "costruire il 10", c1, 360, "Formcomponi10"),
        button("Command1", "Tolvena", c1, 1080, "FormTolvena10", 10),
        heading("Label4", "entro 20", c1, 1920, 2505, 360),
        button("Command9", "costruire il 20", c1, 2280, "Form15"),
        button("Command23", "sottraendo entro 10", c1, 3000, "FormTolvena20"),
        button("Command2", "Tolvena varie", c1, 3720, "FormTolvena10", 20),
        button("Command28", "possibili e impossibili", c1, 4440, "Form22", 20),
        heading("Label1", "entro 99 - in colonna", 240, 5400, 2505, 240),
        button("Command14", "senza cambio", c1, 5760, "Form23"),
        button("Command24", "con il cambio", c1, 6480, "Form24a"),
        button("Command15", "con e senza cambio", c1, 7200, "Form24"),

        heading("Label2", "entro 99", 3360, 0, 1065, 240),
        button("Command8", "  - 1", c2, 360, "Form16"),
        button("Command10", "- unità", c2, 1080, "Form17"),
        button("Command16", " - 10", c2, 1800, "Form19"),
        button("Command11", " - decine", c2, 2520, "Form18"),
        button("Command17", "- 1   - 10", c2, 3240, "Form20"),
        button("Command27", "- unità o decine", c2, 3960, "Form21"),
        button("Command29", "possibili e impossibili", c2, 4680, "Form22", 99),
        heading("Label3", "entro 999", 3240, 5400, 1065, 240),
        button("Command13", "costruire il 100", c2, 5760, "Form32"),
        button("Command20", "-1", c2, 6480, "Form25"),
        button("Command3", "- unità", c2, 7200, "Form26"),

        button("Command19", " - 10", c3, 360, "Form27"),
        button("Command4", "- decine", c3, 1080, "Form28"),
        button("Command21", "- 100", c3, 1800, "Form29"),
        button("Command5", " - centinaia", c3, 2520, "Form30"),
        button("Command18", " - 1    - 10   - 100", c3, 3240, "Form31"),
        button("Command25", "possibili e impossibili", c3, 3960, "Form22", 999),
        heading("Label6", "entro 999 - in colonna", c3, 4680, 2505, 240),
        button("Command6", "senza cambi", c3, 5040, "Form33"),
        button("Command31", "un cambio", c3, 5760, "Form36"),
        button("Command32", "due cambi", c3, 6480, "Form37"),
        button("Command7", " con e senza cambi", c3, 7200, "Form34"),

        heading("Label7", "entro 9 999", 8880, 0, 2505, 240),
        button("Command22", "-1  -10  -100  -1.000", c4, 360, "Form35"),
        button("Command30", "possibili e impossibili", c4, 1080, "Form22", 9999),
        button("Command26", "torna al menu", c4, 7200, "FormMenu"),
    };
    return d;
}

CatalogueDesign makeGraphic()
{
    CatalogueDesign d;
    d.catalogue = Catalogue::Graphic;
    d.name = catalogueName(d.catalogue);
    d.clientArea = QSize(12795, 9915);
    d.firstInTab = QStringLiteral("Command3");
    const int c1 = 240, c2 = 3960, c3 = 7680;
    auto b = [](const char *name, const char *caption, int left, int top, const char *target,
                int height = 675) { return button(name, caption, left, top, target, 0, 3200, height); };
    d.entries = {
        heading("Label1", "uso delle barre", c1, 240, 3200, 330, 1),
        b("Command1", "entro il 10", c1, 600, "FormBarreTolvena"),
        b("Command2", " entro il 20", c1, 1440, "FormBarreTolvena20"),
        heading("Label1", "entro 99 - lunghi e unità", c1, 2280, 3200, 330, 0),
        b("Command27", " senza cambio", c1, 2640, "FormGrafMeno1"),
        b("Command9", "con cambio", c1, 3480, "FormGrafMeno"),
        b("Command7", "con e senza cambio", c1, 4320, "FormGrafMeno2"),
        heading("Label1", "entro 99 - abaco", c1, 5280, 3200, 330, 3),
        b("Command28", "senza cambio", c1, 5640, "Form99d1"),
        b("Command8", "con cambio", c1, 6480, "Form99d3"),
        b("Command10", "con e senza cambio", c1, 7320, "Form99d"),

        heading("Label1", " entro 99 - con la tabella ", c2, 120, 3200, 330, 2),
        b("Command3", "togliere solo unità", c2, 600, "Form100c"),
        b("Command4", "togliere solo decine", c2, 1440, "Form100d"),
        b("Command12", "togliere decine o unità", c2, 2280, "Form100f"),
        b("Command5", "togliere decine e unità", c2, 3120, "Form100e"),
        heading("Label2", "Costruire il 100", c2, 4320, 3200, 405),
        b("Command13", "con la tabella", c2, 4680, "FormC100", 700),
        b("Command24", "decine e unità", c2, 5520, "Form100g", 700),

        heading("Label3", "oltre il 100", c3, 240, 3195, 405),
        b("Command23", "costruire il 500 ", c3, 600, "Form500g", 700),
        b("Command15", "costruire il 1 000 ", c3, 1440, "Form1000g", 700),
        heading("Label4", "oltre il 100 - Abaco", c3, 2760, 3195, 405),
        b("Command6", "senza cambi", c3, 3120, "Form999a", 700),
        b("Command16", "con un cambio", c3, 3960, "Form999b", 700),
        b("Command17", "con due cambi", c3, 4800, "Form999c", 700),
        b("Command18", "con e senza cambi", c3, 5640, "Form999d", 700),
        b("Command26", "torna al menu", c3, 7320, "FormMenu"),
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
        const QRect box(e.left, e.top, e.width, e.height);
        if (e.heading) {
            QLabel *l =
                makeLabel(this, {.name = e.name, .text = e.caption, .box = box, .points = 12});
            if (e.index >= 0)
                l->setProperty("index", e.index);
            continue;
        }
        QPushButton *b =
            makeButton(this, {.name = e.name, .text = e.caption, .box = box, .points = 14.25});
        b->setCursor(arrow);
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
