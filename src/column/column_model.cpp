#include "column/column_model.h"

#include "frame/numbers.h"
#include "frame/services.h"

namespace ColumnTexts {
const QString PrimoNumero =
    QStringLiteral("Incolonna il primo numero trascinando le cifre con il mouse.");
const QString SecondoNumero =
    QStringLiteral("Incolonna il secondo numero trascinando le cifre con il mouse.");
const QString CambioUnita = QStringLiteral(
    "Le unità non ti bastano. Cambia una decina in unità trascinando il rettangolino viola.");
const QString CambioDecine = QStringLiteral(
    "Le decine non ti bastano. Cambia un centinaio in decine trascinando il rettangolino viola.");
const QString Unita = QStringLiteral("Sottrai le unità. Scrivi il risultato e premi invio.");
const QString Decine = QStringLiteral("Sottrai le decine. Scrivi il risultato e premi invio.");
const QString Centinaia =
    QStringLiteral("Sottrai le centinaia. Scrivi il risultato e premi invio.");
} // namespace ColumnTexts

namespace {

int unitsOf(int x) { return x % 10; }
int tensOf(int x) { return x / 10 % 10; }

bool degenerate(const ColumnPair &p) { return p.subtrahend == 0 || p.minuend - p.subtrahend == 0; }

// M from `low` to `low + span - 1`, then S from 1 to M.
ColumnPair drawPair(int span, int low)
{
    ColumnPair p;
    p.minuend = Int(span * Rnd()) + low;
    p.subtrahend = Int(p.minuend * Rnd()) + 1;
    return p;
}

// Each subtrahend digit below the minuend digit of its column (or both 0),
// drawn units first, the minuend digit before the subtrahend digit.
ColumnPair drawDigitByDigit(int columns)
{
    ColumnPair p;
    do {
        p = {};
        for (int c = 0, weight = 1; c < columns; ++c, weight *= 10) {
            const int top = Int(10 * Rnd());
            const int bottom = Int(top * Rnd());
            p.minuend += top * weight;
            p.subtrahend += bottom * weight;
        }
    } while (degenerate(p));
    return p;
}

template <typename Keep>
ColumnPair drawUntil(int span, int low, Keep keep)
{
    ColumnPair p;
    do
        p = drawPair(span, low);
    while (degenerate(p) || !keep(p));
    return p;
}

bool unitsLack(const ColumnPair &p) { return unitsOf(p.minuend) < unitsOf(p.subtrahend); }

ColumnPair draw23() { return drawDigitByDigit(2); }
ColumnPair draw33() { return drawDigitByDigit(3); }
ColumnPair draw24() { return drawUntil(79, 20, [](const ColumnPair &) { return true; }); }
ColumnPair draw24a() { return drawUntil(79, 20, unitsLack); }
ColumnPair draw34() { return drawUntil(979, 20, [](const ColumnPair &) { return true; }); }

ColumnPair draw36()
{
    return drawUntil(979, 20, [](const ColumnPair &p) {
        const int da1 = tensOf(p.minuend), da2 = tensOf(p.subtrahend);
        return (!unitsLack(p) && da1 < da2) || (unitsLack(p) && da1 > da2);
    });
}

ColumnPair draw37()
{
    return drawUntil(979, 20, [](const ColumnPair &p) {
        return unitsLack(p) && tensOf(p.minuend) <= tensOf(p.subtrahend);
    });
}

} // namespace

namespace ColumnRules {
const ColumnRule twoNoExchange{2, false, draw23};
const ColumnRule twoExchange{2, true, draw24a};
const ColumnRule twoEither{2, true, draw24};
const ColumnRule threeNoExchange{3, false, draw33};
const ColumnRule threeOneExchange{3, true, draw36};
const ColumnRule threeTwoExchanges{3, true, draw37};
const ColumnRule threeEither{3, true, draw34};
} // namespace ColumnRules

void ColumnModel::next()
{
    const ColumnPair p = rule_.draw();
    start(p.minuend, p.subtrahend);
}

void ColumnModel::start(int minuend, int subtrahend)
{
    minuend_ = minuend;
    subtrahend_ = subtrahend;
    const int r = minuend - subtrahend;
    auto digit = [](int x, int weight) { return static_cast<std::int16_t>(x / weight % 10); };
    d_ = {};
    d_.h1 = digit(minuend, 100);
    d_.da1 = digit(minuend, 10);
    d_.u1 = digit(minuend, 1);
    d_.h2 = digit(subtrahend, 100);
    d_.da2 = digit(subtrahend, 10);
    d_.u2 = digit(subtrahend, 1);
    d_.hr = digit(r, 100);
    d_.dar = digit(r, 10);
    d_.ur = digit(r, 1);
    auto count = [](int h, int da) -> std::int16_t { return h != 0 ? 3 : da != 0 ? 2 : 1; };
    d_.Cifre1 = count(d_.h1, d_.da1);
    d_.Cifre2 = count(d_.h2, d_.da2);
    filled_ = {};
    exchangeShown_ = {};
    exchangeDone_ = {};
    step_ = Step::Minuend;
    instruction_ = ColumnTexts::PrimoNumero;
}

std::int16_t &ColumnModel::top(int column)
{
    return column == Units ? d_.u1 : column == Tens ? d_.da1 : d_.h1;
}

std::int16_t ColumnModel::top(int column) const
{
    return column == Units ? d_.u1 : column == Tens ? d_.da1 : d_.h1;
}

std::int16_t ColumnModel::bottom(int column) const
{
    return column == Units ? d_.u2 : column == Tens ? d_.da2 : d_.h2;
}

std::int16_t ColumnModel::result(int column) const
{
    return column == Units ? d_.ur : column == Tens ? d_.dar : d_.hr;
}

// A digit shows unless it is a leading zero; the units always show. The line
// keeps the digits as drawn: an exchange changes only the grid's marks.
bool ColumnModel::shown(int row, int column) const
{
    if (column < 0 || column >= rule_.columns || (row != Minuend && row != Subtrahend))
        return false;
    const int number = row == Minuend ? minuend_ : subtrahend_;
    int weight = 1;
    for (int c = 0; c < column; ++c)
        weight *= 10;
    return column == Units || number >= weight;
}

QString ColumnModel::lineText(int row, int column) const
{
    if (!shown(row, column))
        return QString();
    const int number = row == Minuend ? minuend_ : subtrahend_;
    int weight = 1;
    for (int c = 0; c < column; ++c)
        weight *= 10;
    return B(number / weight % 10);
}

bool ColumnModel::draggable(int row, int column) const
{
    const Step placing = row == Minuend ? Step::Minuend : Step::Subtrahend;
    return step_ == placing && shown(row, column) && !filled_[row][column];
}

QString ColumnModel::cellText(int row, int column) const
{
    if (!shown(row, column) || !filled_[row][column])
        return QString();
    return lineText(row, column);
}

bool ColumnModel::exchangeShown(int column) const
{
    return (column == Units || column == Tens) && exchangeShown_[column];
}

bool ColumnModel::exchangeDone(int column) const
{
    return (column == Units || column == Tens) && exchangeDone_[column];
}

bool ColumnModel::exchangeDraggable(int column) const
{
    const Step asked = column == Units ? Step::UnitsExchange : Step::TensExchange;
    return step_ == asked && exchangeShown(column) && !exchangeDone(column);
}

QString ColumnModel::exchangeSourceText(int column) const
{
    return exchangeDone(column) ? QStringLiteral("-1") : QString();
}

QString ColumnModel::exchangeTargetText(int column) const
{
    return exchangeDone(column) ? QStringLiteral("1") : QString();
}

bool ColumnModel::fieldOpen(int column) const
{
    switch (column) {
    case Units: return step_ == Step::Units;
    case Tens: return step_ == Step::Tens;
    case Hundreds: return step_ == Step::Hundreds && rule_.columns == 3;
    default: return false;
    }
}

QString ColumnModel::resultText() const
{
    return step_ == Step::Solved ? B(difference()) : QString();
}

bool ColumnModel::dropDigit(int sourceRow, int sourceColumn, int cellRow, int cellColumn)
{
    if (sourceRow != cellRow || !draggable(sourceRow, sourceColumn) || !shown(cellRow, cellColumn)
        || filled_[cellRow][cellColumn])
        return false;
    if (lineText(sourceRow, sourceColumn) != lineText(cellRow, cellColumn))
        return false;
    // The cell shows its own label's text, and that label has found its place.
    filled_[cellRow][cellColumn] = true;
    if (cellRow == Minuend) {
        --d_.Cifre1;
        Controlla1();
    } else {
        --d_.Cifre2;
        controlla2();
    }
    return true;
}

void ColumnModel::Controlla1()
{
    if (d_.Cifre1 > 0)
        return;
    step_ = Step::Subtrahend;
    instruction_ = ColumnTexts::SecondoNumero;
}

void ColumnModel::controlla2()
{
    if (d_.Cifre2 > 0)
        return;
    if (rule_.exchanges)
        ControllaSeCambioU();
    else
        TogliUnita();
}

void ColumnModel::ControllaSeCambioU()
{
    if (d_.u1 < d_.u2) {
        exchangeShown_[Units] = true;
        step_ = Step::UnitsExchange;
        instruction_ = ColumnTexts::CambioUnita;
    } else {
        TogliUnita();
    }
}

void ColumnModel::TogliUnita()
{
    step_ = Step::Units;
    instruction_ = ColumnTexts::Unita;
}

// The tens lack when, after lending one ten to the units, fewer remain than
// the subtrahend takes. Only the three-column grid has a hundred to change.
void ColumnModel::ControllaSeCambioDa()
{
    const int tensLeft = d_.da1 - (exchangeDone_[Units] ? 1 : 0);
    if (rule_.exchanges && rule_.columns == 3 && tensLeft < d_.da2) {
        exchangeShown_[Tens] = true;
        step_ = Step::TensExchange;
        instruction_ = ColumnTexts::CambioDecine;
    } else {
        TogliDecine();
    }
}

void ColumnModel::TogliDecine()
{
    step_ = Step::Tens;
    instruction_ = ColumnTexts::Decine;
}

bool ColumnModel::dropExchange(int markColumn, int targetColumn)
{
    if (markColumn != targetColumn || !exchangeDraggable(markColumn))
        return false;
    exchangeDone_[markColumn] = true;
    top(markColumn) = static_cast<std::int16_t>(top(markColumn) + 10);
    if (markColumn == Units)
        TogliUnita();
    else
        TogliDecine();
    return true;
}

Verdict ColumnModel::enter(int column, const QString &typed)
{
    if (!fieldOpen(column))
        return Verdict::Ignored;
    // An empty field stands for 0 only where the minuend digit is 0.
    if (typed.isEmpty() && top(column) != 0)
        return Verdict::Ignored;
    const double answer = typed.isEmpty() ? 0.0 : readLeadingNumber(typed);
    if (answer != result(column))
        return Verdict::Wrong;
    if (column == Units) {
        if (rule_.columns == 3)
            ControllaSeCambioDa();
        else
            TogliDecine();
    } else if (column == Tens && rule_.columns == 3) {
        step_ = Step::Hundreds;
        instruction_ = ColumnTexts::Centinaia;
    } else {
        step_ = Step::Solved;
    }
    return Verdict::Right;
}
