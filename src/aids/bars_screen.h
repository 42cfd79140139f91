#pragma once
// The coloured-bar screens: one screen type, two designs (within 10 and
// within 20).

#include "aids/bars.h"
#include "frame/exercise_screen.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

struct BarsDesign {
    FrameDesign frame;
    int maximum = 10;
    int unit = 500;                    // twips a unit, and the left edge of every row
    int yellowTop = 1600, redTop = 2100;
    std::array<int, 3> barHeights{};   // yellow, green, red
    int squaresTop = 2800, redSquaresTop = 3300;
    int squareSide = 500;
    // Yellow squares aiuto1(from..to) of another side, 0 for none.
    int otherYellowFrom = 0, otherYellowTo = -1, otherYellowSide = 0;
    QSize buttonSize;                  // twips
    std::vector<QPoint> buttons;       // top-left of Bottone(i), twips
    QPoint label3, aiuto;              // top-left of Label3 and Command3D1
    QString menu;                      // caption of mnuEsercizio
    std::array<QString, 3> items;      // mnuRossa, mnuGiallaVerde, mnuTutteBarre
};

const BarsDesign &barsTenDesign();      // FormBarreTolvena
const BarsDesign &barsTwentyDesign();   // FormBarreTolvena20

class BarsScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit BarsScreen(const BarsDesign &design, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const BarsModel &model() const { return model_; }

    // Holds the bars and the unit squares; its accessible description tells
    // the squares on show.
    QWidget *barre = nullptr;
    QLabel *n1 = nullptr, *n2 = nullptr, *n3 = nullptr;
    std::array<std::vector<QLabel *>, 3> aiuto;   // aiuto1, aiuto2, aiuto3
    std::vector<QPushButton *> Bottone;
    QLabel *Label3 = nullptr;
    QToolButton *Command3D1 = nullptr;
    QMenu *mnuEsercizio = nullptr;
    QAction *mnuRossa = nullptr, *mnuGiallaVerde = nullptr, *mnuTutteBarre = nullptr;

protected:
    void onAvanti() override;
    QString spokenExercise() const override;
    void onAzzera() override;

private:
    void press(int i);
    void help();
    void chooseType(int type);
    void showBars();
    void placeInBars(QWidget *w, int left, int top, int width, int height) const;
    int squareSide(int bar, int i) const;

    const BarsDesign &design_;
    BarsModel model_;
};

void registerBars();
