#include "column/column_screen.h"

#include "column/label_drag.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/tell.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

using Step = ColumnModel::Step;

QRect box(int left, int top, int size) { return QRect(left, top, size, size); }

ColumnLayout twoColumns()   // Form24, Form24a
{
    ColumnLayout l;
    l.clientArea = QSize(11145, 9930);
    l.label3 = QRect(330, 120, 5055, 855);
    l.lineLeft = 120;
    l.lineTop = l.resultTop = 1260;
    l.heading = {QRect(5730, 2880, 495, 255), QRect(4050, 2880, 495, 255), QRect()};
    l.cell[Minuend] = {box(5490, 3240, 1005), box(3690, 3240, 1005), QRect()};
    l.cell[Subtrahend] = {box(5490, 4320, 1005), box(3690, 4320, 1005), QRect()};
    l.field = {box(5490, 5760, 1000), box(3690, 5760, 1000), QRect()};
    l.line1 = QLine(3330, 5520, 7050, 5520);
    l.line2 = QLine(6690, 3840, 7410, 3840);
    l.mark = {QRect(3720, 2640, 375, 615), QRect()};
    l.markTarget = {QRect(5160, 3240, 375, 615), QRect()};
    l.iconaSi = {9150, 120};
    l.avanti = {8970, 6240};
    return l;
}

ColumnLayout form23()
{
    ColumnLayout l;
    l.clientArea = QSize(12105, 9315);
    l.label3 = QRect(450, 480, 5055, 855);
    l.lineLeft = 240;
    l.lineTop = l.resultTop = 1620;
    l.heading = {QRect(5850, 3240, 495, 255), QRect(4530, 3240, 495, 255), QRect()};
    l.cell[Minuend] = {box(5610, 3600, 1000), box(4170, 3600, 1000), QRect()};
    l.cell[Subtrahend] = {box(5610, 4680, 1000), box(4170, 4680, 1000), QRect()};
    l.field = {box(5610, 6120, 1000), box(4170, 6120, 1000), QRect()};
    l.line1 = QLine(3450, 5880, 7170, 5880);
    l.line2 = QLine(6810, 4200, 7530, 4200);
    l.iconaSi = {9270, 480};
    l.avanti = {9090, 6600};
    return l;
}

ColumnLayout threeColumns()   // Form34, Form36, Form37
{
    ColumnLayout l;
    l.clientArea = QSize(11040, 9540);
    l.label3 = QRect(360, 240, 7215, 735);
    l.label3Points = 14.25;
    l.lineLeft = 360;
    l.lineTop = l.resultTop = 1200;
    l.headingPoints = 12;
    l.heading = {QRect(5040, 2760, 495, 255), QRect(3600, 2760, 495, 255),
                 QRect(1800, 2760, 495, 255)};
    l.cell[Minuend] = {box(4800, 3000, 1095), box(3120, 3000, 1095), box(1440, 3000, 1095)};
    l.cell[Subtrahend] = {box(4800, 4320, 1095), box(3120, 4320, 1095), box(1440, 4320, 1095)};
    l.field = {box(4800, 5880, 1095), box(3120, 5880, 1095), box(1440, 5880, 1095)};
    l.line1 = QLine(1800, 5640, 6240, 5640);
    l.line2 = QLine(6120, 3480, 6840, 3480);
    l.mark = {QRect(3120, 2400, 375, 615), QRect(1440, 2400, 375, 615)};
    l.markTarget = {QRect(4440, 3000, 375, 615), QRect(2760, 3000, 375, 615)};
    l.fieldLength = 2;
    l.iconaSi = {10020, 2880};
    l.avanti = {9000, 6720};
    return l;
}

ColumnLayout form33()
{
    ColumnLayout l;
    l.clientArea = QSize(10815, 8340);
    l.label3 = QRect(240, 120, 7215, 735);
    l.label3Points = 14.25;
    l.lineLeft = 240;
    l.lineTop = 1095;
    l.resultTop = 1080;
    l.headingPoints = 12;
    l.heading = {QRect(4920, 2520, 495, 255), QRect(3480, 2520, 495, 255),
                 QRect(1920, 2565, 495, 255)};
    l.cell[Minuend] = {box(4680, 2880, 1095), box(3240, 2880, 1095), box(1800, 2880, 1095)};
    l.cell[Subtrahend] = {box(4680, 4200, 1095), box(3240, 4200, 1095), box(1800, 4200, 1095)};
    l.field = {box(4680, 5760, 1095), box(3240, 5760, 1095), box(1800, 5760, 1095)};
    l.line1 = QLine(1680, 5520, 6120, 5520);
    l.line2 = QLine(6000, 3360, 6720, 3360);
    l.fieldLength = 2;
    l.iconaSi = {9900, 2760};
    l.avanti = {8880, 6600};
    return l;
}

std::vector<ColumnScreenRow> makeRows()
{
    using namespace ColumnRules;
    return {
        {QStringLiteral("Form23"), twoNoExchange, form23()},
        {QStringLiteral("Form24"), twoEither, twoColumns()},
        {QStringLiteral("Form24a"), twoExchange, twoColumns()},
        {QStringLiteral("Form33"), threeNoExchange, form33()},
        {QStringLiteral("Form34"), threeEither, threeColumns()},
        {QStringLiteral("Form36"), threeOneExchange, threeColumns()},
        {QStringLiteral("Form37"), threeTwoExchanges, threeColumns()},
    };
}

FrameDesign columnFrame(const ColumnScreenRow &row)
{
    return {.name = row.name,
            .catalogue = Catalogue::Numbers,
            .clientArea = row.layout.clientArea,
            .iconaSi = row.layout.iconaSi,
            .avanti = row.layout.avanti};
}

// Column colours, &H00BBGGRR: units blue, tens red, hundreds yellow. The
// digits are written in the colour that reads best on each.
const std::uint32_t columnColour[3] = {0xFF0000, 0x0000FF, 0x00FFFF};
const QColor digitColour[3] = {Qt::white, Qt::white, Qt::black};

// The text colour of a cell or a field, in every state.
void writeIn(QWidget *w, const QColor &fore)
{
    QPalette pal = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text})
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, role, fore);
    w->setPalette(pal);
}

// A label's colour is painted under it; a field paints its own base, so its
// colour goes in the field's palette.
// The box around a coloured cell is painted with the colour, plain black
// whatever colour its digits are written in.
void colourLabel(QLabel *l, const QColor &back, const QColor &fore)
{
    l->setFrameShape(QFrame::NoFrame);
    setBackground(l, back, Qt::black);
    writeIn(l, fore);
}

void colourField(QLineEdit *field, const QColor &back, const QColor &fore)
{
    writeIn(field, fore);
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, back);
    field->setPalette(pal);
}

QLabel *boxed(QLabel *l)
{
    l->setFrameShape(QFrame::Box);
    l->setLineWidth(1);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// A fixed straight line of the design, drawn two pixels thick.
void makeRule(QWidget *parent, const QString &name, const QLine &twips)
{
    auto *rule = new QFrame(parent);
    rule->setObjectName(name);
    const int x1 = px(std::min(twips.x1(), twips.x2())), x2 = px(std::max(twips.x1(), twips.x2()));
    const int thickness = designPixels(2);
    rule->setGeometry(x1, px(twips.y1()) - thickness / 2, x2 - x1 + 1, thickness);
    setBackground(rule, Qt::black);
}

const char *const columnSuffix[3] = {"u", "da", "h"};

// What a screen reader says for the grid, with the digit a cell shows.
const char *const columnWord[3] = {"unità", "decine", "centinaia"};
const char *const rowWord[2] = {"del primo numero", "del secondo numero"};
const char *const markWord[2] = {"cambio di una decina", "cambio di un centinaio"};
const char *const markTargetWord[2] = {"cambio nelle unità", "cambio nelle decine"};

QString spoken(const char *what, const QString &text)
{
    const QString name = QString::fromUtf8(what);
    return text.trimmed().isEmpty() ? name : name + QStringLiteral(": ") + text.trimmed();
}

// The keys that do what an instruction asks of the mouse.
QString keysFor(const QString &instruction)
{
    if (instruction == ColumnTexts::PrimoNumero || instruction == ColumnTexts::SecondoNumero)
        return QStringLiteral("Con la tastiera: Tab sceglie una cifra, Spazio la prende, "
                              "le frecce la portano sopra una casella, Spazio la lascia.");
    if (instruction == ColumnTexts::CambioUnita || instruction == ColumnTexts::CambioDecine)
        return QStringLiteral("Con la tastiera: Tab va al rettangolino viola, Spazio lo prende, "
                              "le frecce lo portano al suo posto, Spazio lo lascia.");
    return QString();
}

} // namespace

const std::vector<ColumnScreenRow> &columnScreenRows()
{
    static const std::vector<ColumnScreenRow> rows = makeRows();
    return rows;
}

ColumnScreen::ColumnScreen(const ColumnScreenRow &row, QWidget *parent)
    : ExerciseScreen(columnFrame(row), parent), layout_(row.layout),
      model_(row.rule)
{
    const ColumnLayout &l = layout_;
    const int columns = model_.columns();
    const QString sansSerif = QStringLiteral("MS Sans Serif");

    Label3 = boxed(makeLabel(area(), {.name = QStringLiteral("Label3"), .box = l.label3,
                                      .points = l.label3Points}));
    Label3->setWordWrap(true);
    setBackground(Label3, Qt::white);

    // The exercise line: widths follow the texts (layOutLine).
    auto lineLabel = [&](const QString &name, const QString &text, int top) {
        QLabel *label = makeLabel(area(), {.name = name, .text = text,
                                           .box = QRect(l.lineLeft, top, 0, 1125), .points = 48});
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    for (int c = columns - 1; c >= 0; --c)
        line_[Minuend][c] = lineLabel(QStringLiteral("L%1%2").arg(QLatin1String(columnSuffix[c])).arg(1), QString(), l.lineTop);
    Label6 = lineLabel(QStringLiteral("Label6"), QStringLiteral(" - "), l.lineTop);
    for (int c = columns - 1; c >= 0; --c)
        line_[Subtrahend][c] = lineLabel(QStringLiteral("L%1%2").arg(QLatin1String(columnSuffix[c])).arg(2), QString(), l.lineTop);
    Label7 = lineLabel(QStringLiteral("Label7"), QStringLiteral(" = "), l.resultTop);
    Lris = lineLabel(QStringLiteral("Lris"), QString(), l.resultTop);
    Lris->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    drag_ = new LabelDrag(area());
    drag_->dropped = [this](QLabel *source, QWidget *target) { dropped(source, target); };

    for (int c = 0; c < columns; ++c) {
        const QString suffix = QLatin1String(columnSuffix[c]);
        const QRect &h = l.heading[c];
        makeLabel(area(), {.name = QStringLiteral("Intestazione_") + suffix, .text = suffix,
                           .box = h, .points = l.headingPoints})
            ->setAlignment(Qt::AlignCenter);
        for (int r : {Minuend, Subtrahend}) {
            const QRect &b = l.cell[r][c];
            cell_[r][c] = boxed(makeLabel(area(),
                                          {.name = QStringLiteral("E%1%2").arg(suffix).arg(r + 1),
                                           .box = b, .points = 36}));
            colourLabel(cell_[r][c], bgr(columnColour[c]), digitColour[c]);
            drag_->addTarget(cell_[r][c]);
            QLabel *source = line_[r][c];
            source->setCursor(pointer(QStringLiteral("plane")));
            drag_->addSource(source, [this, r, c] { return model_.draggable(r, c); });
        }
        QLineEdit *field = makeAnswerField(
            area(),
            {.name = QStringLiteral("E%1r").arg(suffix),
             .spokenName = QString::fromUtf8(columnWord[c]) + QStringLiteral(" del risultato"),
             .box = l.field[c],
             .maxLength = l.fieldLength},
            [this, c] { answer(c); });
        colourField(field, bgr(columnColour[c]), digitColour[c]);
        field->setEnabled(false);
        field_[c] = field;
    }
    makeRule(area(), QStringLiteral("Line1"), l.line1);
    makeRule(area(), QStringLiteral("Line2"), l.line2);

    // The exchange marks lie over the grid, so they come last.
    if (model_.rule().exchanges) {
        const char *const names[2][2] = {{"CambioUp", "CambioUa"}, {"CambioDap", "CambioDaa"}};
        const std::uint32_t colours[2] = {0xFF00FF, 0xFF80FF};
        for (int c = 0; c < columns - 1; ++c) {
            const QRect &m = l.mark[c], &t = l.markTarget[c];
            mark_[c] = boxed(makeLabel(area(), {.name = QLatin1String(names[c][0]), .box = m,
                                                .points = 13.5, .family = sansSerif}));
            target_[c] = boxed(makeLabel(area(), {.name = QLatin1String(names[c][1]), .box = t,
                                                  .points = 13.5, .family = sansSerif}));
            for (QLabel *w : {mark_[c], target_[c]}) {
                colourLabel(w, bgr(colours[c]), Qt::black);
                w->hide();
            }
            mark_[c]->setCursor(pointer(QStringLiteral("plane")));
            drag_->addSource(mark_[c], [this, c] { return model_.exchangeDraggable(c); });
            drag_->addTarget(target_[c]);
        }
    }
}

void ColumnScreen::onFirstShown() { GeneraEsercizio(); }

// "avanti" closes first, so that the keys it had go on to the first digit
// of the new exercise.
void ColumnScreen::onAvanti()
{
    avanti()->setEnabled(false);
    GeneraEsercizio();
}

// The background keeps its design cyan; the faces and counts stay as they are.
void ColumnScreen::GeneraEsercizio()
{
    drag_->cancel();
    const Step before = model_.step();
    model_.next();
    for (QLineEdit *field : field_)
        if (field)
            field->clear();
    for (int r : {Minuend, Subtrahend})
        for (int c = 0; c < model_.columns(); ++c)
            line_[r][c]->setText(model_.lineText(r, c));
    refresh(before);
}

// Each label of the line as wide as its text, each starting where the one
// before it ends: an empty digit takes no room and the line closes up.
void ColumnScreen::layOutLine()
{
    std::vector<QLabel *> order;
    for (int c = model_.columns() - 1; c >= 0; --c)
        order.push_back(line_[Minuend][c]);
    order.push_back(Label6);
    for (int c = model_.columns() - 1; c >= 0; --c)
        order.push_back(line_[Subtrahend][c]);
    order.push_back(Label7);
    order.push_back(Lris);
    int left = px(layout_.lineLeft);
    for (QLabel *label : order) {
        const int width = label->text().isEmpty()
                              ? 0
                              : QFontMetrics(label->font()).horizontalAdvance(label->text())
                                    + designPixels(2);
        label->setGeometry(left, label->y(), width, label->height());
        left += width;
    }
}

QString ColumnScreen::spokenSolution() const
{
    return QStringLiteral("%1 meno %2 uguale %3")
        .arg(model_.minuend()).arg(model_.subtrahend()).arg(model_.difference());
}

QString ColumnScreen::spokenExercise() const
{
    // The instruction asks for the mouse: the keys that do the same follow it.
    return QStringLiteral("%1 meno %2 in colonna. %3 %4")
        .arg(model_.minuend()).arg(model_.subtrahend()).arg(Label3->text(),
                                                             keysFor(Label3->text()))
        .trimmed();
}

// Shows the model: instruction, cells, marks, fields and result. `before` is
// the step the exercise stood at before the last action.
void ColumnScreen::refresh(Step before)
{
    Label3->setText(model_.instruction());
    Label3->setAccessibleDescription(keysFor(model_.instruction()));
    for (int r : {Minuend, Subtrahend})
        for (int c = 0; c < model_.columns(); ++c) {
            const QString digit = model_.lineText(r, c).trimmed();
            line_[r][c]->setAccessibleName(
                digit.isEmpty() ? QString()
                                : digit + QStringLiteral(", ") + QString::fromUtf8(columnWord[c])
                                      + QLatin1Char(' ') + QString::fromUtf8(rowWord[r]));
            line_[r][c]->setAccessibleDescription(
                model_.draggable(r, c)
                    ? QStringLiteral("Spazio per prenderla, Tab per scegliere dove, Spazio per posarla")
                    : QString());
            cell_[r][c]->setText(model_.cellText(r, c));
            cell_[r][c]->setAccessibleName(
                QString::fromUtf8(columnWord[c]) + QLatin1Char(' ')
                + spoken(rowWord[r], model_.cellText(r, c)));
        }
    for (int c = 0; c < 2; ++c) {
        if (!mark_[c])
            continue;
        mark_[c]->setVisible(model_.exchangeShown(c));
        target_[c]->setVisible(model_.exchangeShown(c));
        mark_[c]->setText(model_.exchangeSourceText(c));
        target_[c]->setText(model_.exchangeTargetText(c));
        mark_[c]->setAccessibleName(spoken(markWord[c], mark_[c]->text()));
        target_[c]->setAccessibleName(spoken(markTargetWord[c], target_[c]->text()));
        mark_[c]->setAccessibleDescription(
            model_.exchangeDraggable(c)
                ? QStringLiteral("Spazio per prenderlo, Tab per scegliere dove, Spazio per posarlo")
                : QString());
    }
    Lris->setText(model_.resultText());
    layOutLine();
    for (int c = 0; c < model_.columns(); ++c) {
        const bool open = model_.fieldOpen(c);
        field_[c]->setEnabled(open);
        if (open && model_.step() != before) {
            field_[c]->clear();
            field_[c]->setFocus();
        }
    }
    if (model_.step() == Step::Solved && before != Step::Solved) {
        rightAnswer();
        avanti()->setEnabled(true);
    }
    drag_->refresh();
}

void ColumnScreen::letGo() { drag_->cancel(); }

void ColumnScreen::dropped(QLabel *source, QWidget *target)
{
    const Step before = model_.step();
    const QString instruction = model_.instruction();
    bool accepted = false;
    QString refused = QStringLiteral("No, non va qui.");
    for (int r : {Minuend, Subtrahend})
        for (int c = 0; c < model_.columns(); ++c)
            if (source == line_[r][c])
                for (int tr : {Minuend, Subtrahend})
                    for (int tc = 0; tc < model_.columns(); ++tc)
                        if (target == cell_[tr][tc]) {
                            accepted = model_.dropDigit(r, c, tr, tc);
                            if (!accepted)
                                refused = whyNot(r, tr, tc);
                        }
    for (int m = 0; m < 2; ++m)
        if (mark_[m] && source == mark_[m])
            for (int t = 0; t < 2; ++t)
                if (target_[t] && target == target_[t]) {
                    accepted = model_.dropExchange(m, t);
                    refused = QStringLiteral("No, questo cambio va ")
                              + QString::fromUtf8(markTargetWord[m]).section(QLatin1Char(' '), 1)
                              + QLatin1Char('.');
                }
    if (!accepted) {
        tell(refused);
        return;
    }
    refresh(before);
    tell(QStringLiteral("Al suo posto: ") + target->accessibleName() + QLatin1Char('.'));
    // A new instruction is said, with its keys where they are new too.
    if (model_.instruction() != instruction && model_.step() != Step::Solved) {
        const QString keys = keysFor(model_.instruction());
        tell(keys == keysFor(instruction)
                 ? model_.instruction()
                 : (model_.instruction() + QLatin1Char(' ') + keys).trimmed());
    }
}

// Why a digit of the line does not go into a cell, in a few words.
QString ColumnScreen::whyNot(int row, int cellRow, int cellColumn) const
{
    if (row != cellRow)
        return row == Minuend ? QStringLiteral("No, questa cifra è del primo numero.")
                              : QStringLiteral("No, questa cifra è del secondo numero.");
    if (model_.lineText(cellRow, cellColumn).trimmed().isEmpty())
        return QStringLiteral("No, questa casella resta vuota.");
    if (!model_.cellText(cellRow, cellColumn).isEmpty())
        return QStringLiteral("No, questa casella è già piena.");
    return QStringLiteral("No, qui va la cifra delle ") + QString::fromUtf8(columnWord[cellColumn])
           + QLatin1Char('.');
}

void ColumnScreen::answer(int column)
{
    const Step before = model_.step();
    switch (model_.enter(column, field_[column]->text())) {
    case Verdict::Ignored:
        return;
    case Verdict::Wrong:
        // The three-column screens beep for the units and the tens.
        wrongAnswer(model_.columns() == 3 && column != Hundreds);
        if (field_[column]->isEnabled())
            field_[column]->setFocus();
        return;
    case Verdict::Right:
        refresh(before);
        return;
    }
}

void registerColumnScreens()
{
    for (const auto &row : columnScreenRows())
        registerScreen(columnFrame(row), [&row] { return new ColumnScreen(row); });
}
