#pragma once
// The abacus of the subtraction screens, with no window: the bead counts of
// two or three wires and their limits, the exchanges ("cambio") of one bead
// of a wire for ten beads of the wire below it, played as a sequence of
// blinking steps, the drawing of the exercises and the check of the typed
// result. One model serves the two-wire and the three-wire screens; each
// screen brings its own rule.

#include <QString>
#include <array>
#include <optional>
#include <vector>

struct AbacusExercise {
    int primo = 0;       // the minuend, shown first
    int secondo = 0;     // the number taken away
    int risposta = 0;    // the expected result
};

// How a screen draws its exercises and what its abacus offers.
struct AbacusRule {
    int wires = 2;                 // 2: tens and units; 3: hundreds too
    std::array<int, 3> limit{};    // most beads on the units, tens and hundreds wires
    bool exchanges = true;         // whether exchange buttons exist at all
    bool refusalBeeps = false;     // a refused exchange sounds the system beep
    AbacusExercise (*draw)() = nullptr;
};

// The draws of the screens.
namespace AbacusDraws {
// Minuend 10..98, result 5..minuend - 6: with or without an exchange.
AbacusExercise withAndWithout();
// As withAndWithout, always with an exchange of the units.
AbacusExercise alwaysExchange();
// Digit by digit smaller: never an exchange, never a result of 0.
AbacusExercise neverExchange();
// Three digits, minuend 1..999: no exchange, exactly one, at least one, any.
AbacusExercise noExchanges();
AbacusExercise oneExchange();
AbacusExercise someExchange();
AbacusExercise anyExchanges();
} // namespace AbacusDraws

// The exchange is needed on a wire when the minuend's digit there is below
// the subtrahend's. Digits of a number: units 0, tens 1, hundreds 2.
int digit(int number, int place);

class AbacusModel {
public:
    enum Wire { Units = 0, Tens = 1, Hundreds = 2 };
    enum class Exchange { Unavailable, Refused, Started };
    // Blink steps of one exchange: 9 for the bead given up, 9 for the ten
    // beads received.
    static constexpr int ExchangeSteps = 18;

    explicit AbacusModel(const AbacusRule &rule) : rule_(rule) {}

    const AbacusRule &rule() const { return rule_; }
    int wires() const { return rule_.wires; }
    int limit(int wire) const { return rule_.limit[wire]; }

    // A new exercise by the screen's rule, on a clear abacus with both
    // exchanges available again. Stops an exchange under way.
    void next();
    // A given exercise, for the tests.
    void start(const AbacusExercise &exercise);
    const AbacusExercise &exercise() const { return exercise_; }
    // ' 45 -  27 = '
    QString text() const;

    int count(int wire) const { return count_[wire]; }
    // One bead more or less on a wire; false (and nothing changes) at the
    // limit, at 0, or during an exchange.
    bool add(int wire);
    bool remove(int wire);
    // "Ricomincia": every bead off, the exchanges available again. Refused
    // during an exchange.
    bool clear();

    // The exchange that brings ten beads to `lower` (Units: from a ten;
    // Tens: from a hundred). Refused when `lower` already holds 10 beads or
    // more, or the wire above is empty; unavailable when the exchange was
    // made in this exercise, the screen has none, or one is under way.
    Exchange startExchange(int lower);
    bool exchangeAvailable(int lower) const;
    bool exchanging() const { return animation_.has_value(); }
    // One blink step; the last one is ExchangeSteps.
    void exchangeStep();
    // After the last step: the ten beads stay and the exchange is used up.
    void finishExchange();

    // Whether bead `index` of `wire` is shown now, blinking included.
    bool beadShown(int wire, int index) const;

    // "3 decine, 9 unità"; "2 centinaia, 3 decine, 9 unità".
    QString description() const;

    // The typed result: blanks ignored, the leading number read, a text
    // without a number reads 0. An empty text is not an answer.
    std::optional<bool> check(const QString &typed) const;

private:
    struct Animation {
        int lower = 0;       // the wire receiving ten beads
        int given = 0;       // index of the bead given up on the wire above
        int first = 0;       // first of the ten positions received
        int done = 0;        // blink steps made
    };

    AbacusRule rule_;
    AbacusExercise exercise_;
    std::array<int, 3> count_{};
    std::array<bool, 2> used_{};     // per receiving wire: Units, Tens
    std::optional<Animation> animation_;
};
