#pragma once
// Screens whose answer is typed in the middle of a line: a label, the answer
// field and a second label, each label as wide as its text, standing edge to
// edge so that the three read as one line (' 37 + ', the field, " = 100").

#include "frame/exercise_screen.h"
#include "frame/verdict.h"

#include <QPoint>
#include <QSize>
#include <QString>

class QLabel;
class QLineEdit;

struct AnswerLineDesign {
    QPoint start;            // top-left of the first label, twips
    QSize field;             // the answer field, twips
    int maxLength = 3;
    double points = 21.75;   // Arial bold, labels and field
};

class AnswerLineScreen : public ExerciseScreen {
    Q_OBJECT
public:
    AnswerLineScreen(const FrameDesign &frame, const AnswerLineDesign &line,
                     QWidget *parent = nullptr);

    QLabel *EtichettaNumero0 = nullptr;
    QLabel *EtichettaNumero1 = nullptr;
    QLineEdit *Text1 = nullptr;

    // The line with the answer typed, or a pause where it is still missing.

protected:
    // Writes both labels and lines the three up from the first label.
    void showLine(const QString &before, const QString &after);
    // The screen's own judgement of the typed text, on Enter released in
    // the field.
    virtual Verdict judge(const QString &typed) = 0;
    // A right answer closes the field and gives "avanti" the focus; a screen
    // may close more.
    virtual void onSolved() {}
    void onFirstShown() override;
    QString spokenSolution() const override;
    QString spokenExercise() const override;

private:
    void checkAnswer();
};
