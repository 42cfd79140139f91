#pragma once
// The making-10 and making-20 screens: one screen type, two designs. They keep
// their own answer counters and leave the shared ones alone.

#include "aids/make_ten.h"
#include "frame/exercise_screen.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QLabel;
class QPushButton;

struct MakeTenDesign {
    FrameDesign frame;
    int target = 10;
    QString gap;                  // "__" or "___"
    QRect etNumero;               // twips
    QSize buttonSize;             // twips
    std::vector<QPoint> buttons;  // top-left of Bottone(i), twips
};

const MakeTenDesign &makeTenDesign();      // Formcomponi10
const MakeTenDesign &makeTwentyDesign();   // Form15

class MakeTenScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit MakeTenScreen(const MakeTenDesign &design, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const MakeTenModel &model() const { return model_; }

    QLabel *EtNumero = nullptr;
    std::vector<QPushButton *> Bottone;

protected:
    void onAvanti() override;
    QString spokenExercise() const override;
    QString spokenSolution() const override;

private:
    void press(int i);
    void enableButtons(bool enabled);

    MakeTenModel model_;
};

void registerMakeTen();
