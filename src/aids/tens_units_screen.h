#pragma once
// The tens-and-units screens: one screen type, three designs (without an
// exchange, with one, with or without).

#include "aids/tens_units.h"
#include "frame/exercise_screen.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class StepAnimator;

struct TensUnitsDesign {
    FrameDesign frame;
    TensUnitsModel::Kind kind = TensUnitsModel::Kind::NeedsExchange;
    QPoint etNumero, risultato;          // twips; both 960 high
    QPoint decine, unita;                // "Decine" and "Unità", 1300 x 600
    QPoint cambio;                       // "Cambio", 1335 x 615, where an exchange is offered
    QPoint ricomincia;                   // 1905 x 1110
    std::array<int, 2> tenColumns{};     // Left of Decina1(0..4) and Decina1(5..8)
    std::array<int, 2> unitColumns{};    // Left of the even and the odd Unita1
    QRect box;                           // the frame of the work area: its lines' starts
    int sidesEnd = 0;                    // where the two sides end, when below the box
    int stripLine = 0;                   // Top of the line over the strip, 0 for none
};

const TensUnitsDesign &tensUnitsNoExchangeDesign();   // FormGrafMeno1
const TensUnitsDesign &tensUnitsExchangeDesign();     // FormGrafMeno
const TensUnitsDesign &tensUnitsEitherDesign();       // FormGrafMeno2

class TensUnitsScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit TensUnitsScreen(const TensUnitsDesign &design, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const TensUnitsModel &model() const { return model_; }
    bool exchangeRunning() const;

    QLabel *EtNumero = nullptr;
    QLineEdit *Risultato = nullptr;
    QPushButton *BotDecine1 = nullptr;
    QPushButton *BotUnita1 = nullptr;
    QPushButton *Cambio = nullptr;               // none without an exchange
    QToolButton *BottoneRicomincia = nullptr;
    QWidget *workArea = nullptr;                 // "decine e unità"
    std::vector<QAbstractButton *> Decina1;
    std::vector<QAbstractButton *> Unita1;
    std::vector<QAbstractButton *> Unita2;       // empty without an exchange

protected:
    void onAvanti() override;
    QString spokenExercise() const override;
    QString spokenSolution() const override;
    void onFirstShown() override;

private:
    void judge();
    void exchange();
    void ricomincia();
    void showArea();
    void takenAway(QAbstractButton *block);
    // After a block or button of the child: the area, and its counts spoken.
    void countsChanged();
    void updateButtons();
    QAbstractButton *block(const QString &name, const QString &accessible, std::uint32_t colour,
                           const QString &cursor, int left, int top, int width, int height);

    const TensUnitsDesign &design_;
    TensUnitsModel model_;
    StepAnimator *animator_ = nullptr;
};

void registerTensUnits();
