#pragma once
// The screen of the typed-answer drills: the exercise label, the answer field
// and the frame, laid out from the exercise label's place.

#include "drills/typed_drill.h"
#include "frame/exercise_screen.h"

class QLabel;
class QLineEdit;

// The frame of a typed-answer screen: every control keeps the same offset
// from the exercise label, and "Esci" returns to the numbers catalogue.
FrameDesign typedDrillFrame(const TypedDrillRow &row);

class TypedDrillScreen : public ExerciseScreen {
    Q_OBJECT
public:
    TypedDrillScreen(const TypedDrillRow &row, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const TypedDrillModel &model() const { return model_; }

    QLabel *EtichettaNumero = nullptr;
    QLineEdit *Text1 = nullptr;

protected:
    void onAvanti() override;
    void onFirstShown() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // The answer check, on Enter released in a non-empty field.
    void checkAnswer();
    QString spokenSolution() const override;

private:
    // The exercise label shows `text`; a screen reader says it in words.
    void showExercise(const QString &text);

    TypedDrillRow row_;
    TypedDrillModel model_;
};

void registerTypedDrills();
