#pragma once
// Tens and units: a two-digit subtraction to be answered in figures, and a
// work area where the child models the numbers with tens (long red bars) and
// units (blue squares): adds them with two buttons, takes them away with a
// click, changes one ten into ten units, and clears everything.
//
// A button shows the element whose index is the count, and an exchange
// takes the ten whose index is the count less one. Where that would leave
// the count apart from what is on show (the element to show shows already,
// the ten to take is hidden), a button shows the lowest hidden element and
// an exchange takes the highest ten: the counts are always what is shown.

#include "frame/verdict.h"

#include <QString>

#include <array>

class TensUnitsModel {
public:
    enum class Kind {
        NeedsExchange,   // the units of the first number are fewer than the second's
        Either,          // with or without an exchange
        NoExchange,      // digit by digit smaller: never an exchange, no exchange offered
    };
    enum class ExchangeStart { Started, Refused, Ignored };

    static constexpr int tens = 9;          // Decina1(0..8)
    static constexpr int units = 9;         // Unita1(0..8)
    static constexpr int stripUnits = 10;   // Unita2(0..9), the units of a changed ten

    explicit TensUnitsModel(Kind kind) : kind_(kind) {}

    // A new exercise on an empty work area.
    void next();
    int primo() const { return primo_; }
    int secondo() const { return secondo_; }
    int differenza() const { return primo_ - secondo_; }
    // ' 52 -  17 = '
    QString text() const;

    // The typed answer, judged on Enter. An empty text is ignored, except
    // where no exchange is offered: there it reads 0. After the right answer
    // nothing more is judged.
    Verdict judge(const QString &typed);
    bool answered() const { return answered_; }

    // Building. Each returns whether something changed; nothing changes
    // while a ten is being changed into units.
    bool addTen();
    bool addUnit();
    bool takeTen(int i);
    bool takeUnit(int i);
    bool takeStripUnit(int i);
    // "Ricomincia": an empty area, and the exchange offered again.
    void clear();

    // "Cambio": refused without a ten; ignored where no exchange is offered,
    // after the exchange of this exercise and while one runs.
    ExchangeStart beginExchange();
    int exchangingTen() const { return exchangingTen_; }   // -1 when none
    bool exchanging() const { return exchangingTen_ >= 0; }
    // The ten changed: it goes, its ten units fill the strip.
    void finishExchange();
    bool exchangeUsed() const { return exchangeUsed_; }
    bool offersExchange() const { return kind_ != Kind::NoExchange; }

    bool ten(int i) const { return inRange(i, tens) && tens_[i]; }
    bool unit(int i) const { return inRange(i, units) && units_[i]; }
    bool stripUnit(int i) const { return inRange(i, stripUnits) && strip_[i]; }
    int contaDecine() const;
    int contaUnita() const;
    // "2 decine, 13 unità"
    QString description() const;

private:
    static bool inRange(int i, int n) { return i >= 0 && i < n; }
    void drawNumbers();
    template <std::size_t N>
    bool take(std::array<bool, N> &shown, int i);
    template <std::size_t N>
    static bool showNext(std::array<bool, N> &shown, int count);

    Kind kind_;
    int primo_ = 0;
    int secondo_ = 0;
    bool answered_ = false;
    std::array<bool, tens> tens_{};
    std::array<bool, units> units_{};
    std::array<bool, stripUnits> strip_{};
    int exchangingTen_ = -1;
    bool exchangeUsed_ = false;
};
