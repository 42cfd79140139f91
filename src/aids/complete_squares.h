#pragma once
// Completing 100, 500 or 1 000: the child types the number that completes
// the total, and may build the known addend with coloured squares first:
// a hundred small squares coloured a unit or a ten at a time, and on the
// larger totals big squares coloured a hundred at a time. Only the typed
// answer is judged; the squares are a working aid.

#include "frame/verdict.h"

#include <QString>
#include <array>

struct SquaresRule {
    int total = 100;
    int bigSquares = 0;        // hundreds that can be coloured
    bool kinds = false;        // draws of any number, whole hundreds or whole tens
    // Without kinds: the missing number is Int(r x (total + 1)).
    // With kinds: any number Int(r x anyCount) + anyFrom, whole hundreds
    // 100 .. 100 x hundredsCount, whole tens 10 .. 10 x tensCount.
    int anyCount = 0;
    int anyFrom = 0;
    int hundredsCount = 0;
    int tensCount = 0;
    bool judgeEmpty = true;    // Enter on an empty field reads 0
    QString equals;            // " = 100"
};

class SquaresModel {
public:
    enum class Square { Plain, Unit, Ten };

    explicit SquaresModel(SquaresRule rule) : rule_(std::move(rule)) {}

    // A new exercise, with every square plain again.
    void next();
    // The colouring buttons; each returns false when at its limit.
    bool unit();
    bool ten();
    bool hundred();
    // Every square plain again; the exercise stays.
    void restart();
    // The typed answer: only its digits count, read in their order.
    Verdict check(const QString &typed);

    int numeroCasuale() const { return numero_; }
    int known() const { return rule_.total - numero_; }
    int contaQuadretti() const { return quadretti_; }
    int contaCentinaia() const { return centinaia_; }
    Square square(int i) const;
    bool solved() const { return solved_; }
    const SquaresRule &rule() const { return rule_; }

    // ' 463  +  ' and " = 500", the line around the answer field.
    QString before() const;
    QString after() const { return rule_.equals; }
    // What the squares show: "23 quadretti colorati, 2 centinaia colorate".
    QString description() const;

private:
    SquaresRule rule_;
    int numero_ = 0;
    int quadretti_ = 0;
    int centinaia_ = 0;
    std::array<Square, 100> squares_{};
    bool solved_ = false;
};
