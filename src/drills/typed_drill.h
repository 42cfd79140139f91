#pragma once
// The typed-answer drills: one subtraction in figures, the child types the
// result and releases Enter. The members differ only in how they draw and
// write their numbers and where their controls stand; each is a row of the
// table below, served by one model and one screen type.

#include <QSize>
#include <QString>
#include <functional>
#include <vector>

struct TypedExercise {
    QString text;       // what the exercise label shows
    int answer = 0;     // the expected answer
    // After a right answer the label shows `solution`; when it is empty the
    // label shows the text, one blank and the answer exactly as typed.
    QString solution;
};

struct TypedDrillRow {
    QString name;                               // "Form20"
    std::function<TypedExercise()> draw;        // draws with Rnd(), sets NumeroCasuale
    int left = 0, top = 0;                      // where the exercise label stands, twips
    QSize clientArea;                           // design client area, twips
    double fontPoints = 39.75;                  // exercise label's font
    int azzeraBlanks = 8, informazioniBlanks = 11;
    int maxLength = 3;                          // answer field's limit
    bool wideField = false;                     // the five-figure field of the largest numbers
    bool stopIsBlank = false;                   // a typed full stop becomes a blank
    bool reseedOnLoad = false;
    bool fieldFirstInTab = true;                // else "avanti" first, though it starts disabled
    bool avantiEnabled = false;                 // "avanti" may skip the first exercise
    QString exitName = QStringLiteral("mnuEsci");
};

// Every screen of the family, one row each; a new row is a new screen.
const std::vector<TypedDrillRow> &typedDrillRows();
const TypedDrillRow *typedDrillRow(const QString &name);

// The state of one screen of the family, with no window.
class TypedDrillModel {
public:
    explicit TypedDrillModel(std::function<TypedExercise()> draw) : draw_(std::move(draw)) {}

    enum class State { Asking, Solved };

    void next();                                // a new exercise
    // The answer check of a non-empty field; returns true for a right answer.
    bool check(const QString &typed);
    // What the exercise label shows after a right answer with `typed`.
    QString completed(const QString &typed) const;

    const TypedExercise &exercise() const { return exercise_; }
    State state() const { return state_; }

private:
    std::function<TypedExercise()> draw_;
    TypedExercise exercise_;
    State state_ = State::Asking;
};
