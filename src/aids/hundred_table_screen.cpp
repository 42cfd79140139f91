#include "aids/hundred_table_screen.h"

#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/numbers.h"
#include "frame/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr std::uint32_t plainCell = 0xC0FFC0;
constexpr std::uint32_t firstCell = 0x00C000;
constexpr std::uint32_t answeredCell = 0x0000FF;

FrameDesign frame(const HundredTableRow &row)
{
    const int x = row.shift;
    // The first exercise may be skipped; after that "avanti" waits for a right answer.
    return {.name = row.name,
            .catalogue = Catalogue::Graphic,
            .clientArea = row.clientArea,
            .iconaSi = {8820 + x, 360},
            .avanti = {9240 + x, 6480},
            .avantiEnabled = true};
}

using Draw = HundredTableModel::Draw;
} // namespace

const std::vector<HundredTableRow> &hundredTableRows()
{
    static const std::vector<HundredTableRow> rows = {
        {QStringLiteral("Form100c"), Draw::Units, 0, QSize(11865, 9420)},
        {QStringLiteral("Form100d"), Draw::Tens, 120, QSize(12195, 9690)},
        {QStringLiteral("Form100e"), Draw::Any, 0, QSize(11700, 9540)},
        {QStringLiteral("Form100f"), Draw::TensOrUnits, 0, QSize(11865, 9420)},
    };
    return rows;
}

HundredTableScreen::HundredTableScreen(const HundredTableRow &row, QWidget *parent)
    : ExerciseScreen(frame(row), parent), model_(row.draw)
{
    const int x = row.shift;
    Label3 = makeLabel(area(), {.name = QStringLiteral("Label3"),
                                .text = QStringLiteral("clicca sul numero"),
                                .box = QRect(8100 + x, 3375, 2520, 315), .points = 13.5});
    EtichettaNumero = makeLabel(area(), {.name = QStringLiteral("EtichettaNumero"),
                                         .box = QRect(7680 + x, 4080, 3735, 615), .points = 18});
    EtichettaNumero->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(EtichettaNumero, Qt::white);

    const QCursor arrow = pointer(QStringLiteral("arrow_white"));
    for (int i = 0; i < 100; ++i) {
        const QRect box(240 + x + 720 * (i % 10), 240 + 720 * (i / 10), 700, 700);
        QPushButton *cell = makeButton(area(), {.name = QStringLiteral("Numero"), .text = B(i),
                                                .box = box, .points = 18});
        cell->setProperty("index", i);
        cell->setCursor(arrow);
        cell->setAccessibleName(B(i));
        cell->installEventFilter(this);
        connect(cell, &QPushButton::clicked, this, [this, i] { press(i); });
        Numero.push_back(cell);
        if (i > 0)
            setTabOrder(Numero[static_cast<std::size_t>(i - 1)], cell);
        showMark(i);
    }
    setTabOrder(Numero.back(), avanti());
    // Here "avanti" carries a grey-and-black arrow, picture and pointer.
    avanti()->setIcon(picture(QStringLiteral("arrow_grey")));
    avanti()->setCursor(pointer(QStringLiteral("arrow_grey")));
    GeneraEsercizio();
}

void HundredTableScreen::showMark(int i)
{
    if (i < 0 || i >= static_cast<int>(Numero.size()))
        return;
    QPushButton *cell = Numero[static_cast<std::size_t>(i)];
    switch (model_.mark(i)) {
    case HundredTableModel::Mark::Plain:
        setButtonColour(cell, bgr(plainCell));
        cell->setAccessibleDescription(QString());
        break;
    case HundredTableModel::Mark::First:
        setButtonColour(cell, bgr(firstCell));
        cell->setAccessibleDescription(QStringLiteral("verde"));
        break;
    case HundredTableModel::Mark::Answered:
        setButtonColour(cell, bgr(answeredCell));
        cell->setAccessibleDescription(QStringLiteral("rosso"));
        break;
    }
    // Only the answered cell is closed, so that it is never counted twice.
    cell->setEnabled(model_.mark(i) != HundredTableModel::Mark::Answered);
}

void HundredTableScreen::GeneraEsercizio()
{
    const int oldPrimo = model_.primo(), oldDifferenza = model_.differenza();
    newBackground();
    model_.next();
    // The marks of the exercise before go, the new first number is marked.
    showMark(oldPrimo);
    showMark(oldDifferenza);
    showMark(model_.primo());
    EtichettaNumero->setText(model_.text());
}

void HundredTableScreen::press(int i)
{
    switch (model_.press(i)) {
    case Verdict::Right:
        rightAnswer();
        showMark(i);
        avanti()->setEnabled(true);
        EtichettaNumero->setText(model_.text());
        avanti()->setFocus();
        break;
    case Verdict::Wrong:
        wrongAnswer();
        break;
    case Verdict::Ignored:
        break;
    }
}

void HundredTableScreen::onFirstShown()
{
    Numero[static_cast<std::size_t>(model_.primo())]->setFocus();
}

void HundredTableScreen::onAvanti()
{
    avanti()->setEnabled(false);
    GeneraEsercizio();
    Numero[static_cast<std::size_t>(model_.primo())]->setFocus();
}

bool HundredTableScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys move the focus about the table, as the eye reads it,
    // stepping over the answered cell. The screen watches its menu bar too,
    // whose arrows stay its own.
    const bool cell = watched->property("index").isValid();
    if (cell && event->type() == QEvent::KeyPress) {
        int dx = 0, dy = 0;
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Left: dx = -1; break;
        case Qt::Key_Right: dx = 1; break;
        case Qt::Key_Up: dy = -1; break;
        case Qt::Key_Down: dy = 1; break;
        default: return ExerciseScreen::eventFilter(watched, event);
        }
        const int i = watched->property("index").toInt();
        int col = i % 10 + dx, line = i / 10 + dy;
        for (; col >= 0 && col < 10 && line >= 0 && line < 10; col += dx, line += dy) {
            QPushButton *cell = Numero[static_cast<std::size_t>(10 * line + col)];
            if (cell->isEnabled()) {
                cell->setFocus(Qt::TabFocusReason);
                break;
            }
        }
        return true;
    }
    return ExerciseScreen::eventFilter(watched, event);
}

void registerHundredTable()
{
    for (const auto &row : hundredTableRows())
        registerScreen(frame(row), [&row] { return new HundredTableScreen(row); });
}
