#pragma once
// The abacus screens: the exercise text and the answer field, the drawn
// abacus with a "+" and a "-" button for each wire, the exchange buttons,
// "Ricomincia" and the frame. Each screen is one row of a table that gives
// its rule and where everything stands.

#include "abacus/abacus_model.h"
#include "frame/exercise_screen.h"

#include <QLine>
#include <QRect>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class StepAnimator;

struct AbacusBead {
    QRect box;              // twips
    std::uint32_t colour;   // &H00BBGGRR
};

// The "+" and "-" buttons of one wire.
struct AbacusWireButtons {
    QString plusName, minusName;
    QRect plus, minus;                 // twips
    QString plusPointer, minusPointer; // pictures, or empty for the standard pointer
};

// Positions in twips; wires indexed as AbacusModel::Wire.
struct AbacusLayout {
    QRect etichettaNumero, text1;
    std::array<std::vector<AbacusBead>, 3> beads;   // bead i of each wire, 0 lowest
    std::array<QLine, 3> wire;                      // FiloAbaco
    QLine marker;                                   // the line of five
    std::array<AbacusWireButtons, 3> buttons;
    double buttonPoints = 20.25;
    std::array<QRect, 2> cambio;                    // BottoneCambio, BottoneCambio2
    QRect ricomincia;
    QStringList tabOrder;                           // objectNames, first has the focus
    FrameDesign frame;                              // client area, frame controls, exit item
};

// One screen: its name, how it draws and what its abacus offers, and where
// everything stands.
struct AbacusScreenRow {
    QString name;
    AbacusRule rule;
    AbacusLayout layout;
};

const std::vector<AbacusScreenRow> &abacusScreenRows();

// The abacus drawn from the model's beads: wires, the line of five and the
// beads shown, blinking included. Its accessible description gives the counts.
class AbacusView final : public QWidget {
    Q_OBJECT
public:
    AbacusView(const AbacusModel &model, const AbacusLayout &layout, QWidget *parent);
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const AbacusModel &model_;
    const AbacusLayout &layout_;
};

class AbacusScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit AbacusScreen(const AbacusScreenRow &row, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const AbacusModel &model() const { return model_; }
    // For the tests: a given exercise in place of a drawn one.
    void pose(const AbacusExercise &exercise);

    QLabel *EtichettaNumero = nullptr;
    QLineEdit *Text1 = nullptr;
    QToolButton *BottoneCambio = nullptr;
    QToolButton *BottoneCambio2 = nullptr;
    QToolButton *Bot_ricomincia = nullptr;
    AbacusView *abacus() const { return abacus_; }
    QPushButton *plusButton(int wire) const { return plus_[wire]; }
    QPushButton *minusButton(int wire) const { return minus_[wire]; }

protected:
    void onAvanti() override;
    void onFirstShown() override;
    QString spokenSolution() const override;

private:
    void showExercise();
    void refresh();
    // After the child moved beads: the controls, and the new counts spoken.
    void countsChanged();
    void exchange(int lower);
    void checkAnswer();

    const AbacusLayout &layout_;
    AbacusModel model_;
    AbacusView *abacus_ = nullptr;
    StepAnimator *animator_ = nullptr;
    std::array<QPushButton *, 3> plus_{}, minus_{};
    bool solved_ = false;
};

void registerAbacusScreens();
