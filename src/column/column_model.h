#pragma once
// Written subtraction in columns, with no window: the child drags the digits
// of the minuend and then of the subtrahend into a grid, makes each exchange
// ("cambio") a column needs, and types the result digit by digit from the
// units up. One model serves the two-column and the three-column screens;
// each screen brings its own draw rule.

#include "frame/verdict.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// Columns of the grid, counted from the right.
enum ColumnIndex { Units = 0, Tens = 1, Hundreds = 2 };
// Rows of the grid.
enum RowIndex { Minuend = 0, Subtrahend = 1 };

struct ColumnPair {
    int minuend = 0;
    int subtrahend = 0;
};

// How a screen draws its exercises, and what its column mechanism offers.
struct ColumnRule {
    int columns = 2;              // 2: tens and units; 3: hundreds too
    bool exchanges = true;        // whether exchange marks exist at all
    ColumnPair (*draw)() = nullptr;
};

// The rules the screens choose from, by how many columns and exchanges.
namespace ColumnRules {
extern const ColumnRule twoNoExchange, twoExchange, twoEither;
extern const ColumnRule threeNoExchange, threeOneExchange, threeTwoExchanges, threeEither;
} // namespace ColumnRules

// The digits of one exercise, named as the screens name them. `u1` and `da1`
// are raised by 10 when their column takes an exchange.
struct ColumnDigits {
    std::int16_t h1 = 0, da1 = 0, u1 = 0;
    std::int16_t h2 = 0, da2 = 0, u2 = 0;
    std::int16_t hr = 0, dar = 0, ur = 0;
    std::int16_t Cifre1 = 0;      // minuend digits still to be placed
    std::int16_t Cifre2 = 0;      // subtrahend digits still to be placed
};

class ColumnModel {
public:
    enum class Step { Minuend, Subtrahend, UnitsExchange, Units, TensExchange, Tens, Hundreds, Solved };

    explicit ColumnModel(const ColumnRule &rule) : rule_(rule) {}

    // A new exercise drawn by the screen's rule.
    void next();
    // A given exercise, 0 < subtrahend < minuend < 10^columns.
    void start(int minuend, int subtrahend);

    const ColumnRule &rule() const { return rule_; }
    int columns() const { return rule_.columns; }
    Step step() const { return step_; }
    const ColumnDigits &digits() const { return d_; }
    int minuend() const { return minuend_; }
    int subtrahend() const { return subtrahend_; }
    int difference() const { return minuend_ - subtrahend_; }

    // The digit labels of the exercise line: ' 7', or empty for a digit not shown.
    QString lineText(int row, int column) const;
    bool draggable(int row, int column) const;
    // A grid cell: empty until its digit is dropped on it.
    QString cellText(int row, int column) const;
    // The exchange of a column (Units: a ten into units; Tens: a hundred into
    // tens): its two marks are shown from the moment it is asked for.
    bool exchangeShown(int column) const;
    bool exchangeDone(int column) const;
    bool exchangeDraggable(int column) const;
    QString exchangeSourceText(int column) const;   // "" then "-1"
    QString exchangeTargetText(int column) const;   // "" then "1"
    // The result field of a column takes input in its own step only.
    bool fieldOpen(int column) const;
    QString instruction() const { return instruction_; }
    // The result at the end of the line, once solved.
    QString resultText() const;

    // The label of (sourceRow, sourceColumn) dropped on a grid cell. Accepted
    // when the cell's row is being placed, the cell is still empty, the label
    // belongs to that row and shows the same text as the cell's own label.
    bool dropDigit(int sourceRow, int sourceColumn, int cellRow, int cellColumn);
    // The mark of one exchange dropped on the target of another (or the same).
    bool dropExchange(int markColumn, int targetColumn);
    // Enter released in a result field holding `typed`.
    Verdict enter(int column, const QString &typed);

private:
    std::int16_t &top(int column);
    std::int16_t bottom(int column) const;
    std::int16_t top(int column) const;
    std::int16_t result(int column) const;
    bool shown(int row, int column) const;
    void Controlla1();
    void controlla2();
    void ControllaSeCambioU();
    void ControllaSeCambioDa();
    void TogliUnita();
    void TogliDecine();

    ColumnRule rule_;
    ColumnDigits d_;
    int minuend_ = 0, subtrahend_ = 0;
    Step step_ = Step::Minuend;
    QString instruction_;
    std::array<std::array<bool, 3>, 2> filled_{};
    std::array<bool, 2> exchangeShown_{};
    std::array<bool, 2> exchangeDone_{};
};

// The instruction line of each step.
namespace ColumnTexts {
extern const QString PrimoNumero;
extern const QString SecondoNumero;
extern const QString CambioUnita;
extern const QString CambioDecine;
extern const QString Unita;
extern const QString Decine;
extern const QString Centinaia;
}
