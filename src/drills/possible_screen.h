#pragma once
// The possible-or-impossible screen: a subtraction, a green "possibile" and a
// red "impossibile" button, a traffic light that lights up on a right answer,
// and a panel that chooses the maximum number.

#include "drills/possible_drill.h"
#include "frame/exercise_screen.h"

#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class PossibleScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit PossibleScreen(QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const PossibleDrill &model() const { return model_; }

    QLabel *EtNumero = nullptr;
    std::array<QPushButton *, 2> Comando{};   // "possibile", "impossibile"
    std::array<QLabel *, 2> Image1{};         // green and red traffic lights
    QGroupBox *CorniceNumeroMassimo = nullptr;
    std::array<QRadioButton *, 4> OpzioneNumeroMassimo{};
    QAction *MenuNumeroMassimo = nullptr;

protected:
    void onAvanti() override;
    QString spokenExercise() const override;
    QString spokenSolution() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(int index);

    int answered_ = 0;   // the button of the last right answer
    void showPanel();
    void chooseMaximum(int index);

    PossibleDrill model_;
};

void registerPossibleDrill();
