#pragma once
// The click screens of the hundred table: one screen type, a row each.

#include "aids/hundred_table.h"
#include "frame/exercise_screen.h"

#include <vector>

class QLabel;
class QPushButton;

struct HundredTableRow {
    QString name;
    HundredTableModel::Draw draw;
    int shift = 0;       // twips the whole layout stands further right
    QSize clientArea;    // twips
};

const std::vector<HundredTableRow> &hundredTableRows();

class HundredTableScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit HundredTableScreen(const HundredTableRow &row, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const HundredTableModel &model() const { return model_; }

    std::vector<QPushButton *> Numero;   // 0 to 99
    QLabel *Label3 = nullptr;
    QLabel *EtichettaNumero = nullptr;

protected:
    void onAvanti() override;
    void onFirstShown() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(int i);
    void showMark(int i);

    HundredTableModel model_;
};

void registerHundredTable();
