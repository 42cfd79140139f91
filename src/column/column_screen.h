#pragma once
// The screen of the column subtractions: the exercise line whose digits are
// dragged, the grid of minuend and subtrahend cells, the exchange marks, the
// result fields and the frame. Each screen is one row of a table that gives
// its draw rule and where everything stands.

#include "column/column_model.h"
#include "frame/exercise_screen.h"

#include <QLine>
#include <QRect>
#include <array>

class LabelDrag;
class QFrame;
class QLabel;
class QLineEdit;

// Positions in twips; index 0 units, 1 tens, 2 hundreds.
struct ColumnLayout {
    QSize clientArea;
    QRect label3;
    double label3Points = 12;
    int lineLeft = 0, lineTop = 0, resultTop = 0;   // Label7 and Lris may sit higher
    double headingPoints = 9.75;
    std::array<QRect, 3> heading;
    std::array<std::array<QRect, 3>, 2> cell;        // [row][column]
    std::array<QRect, 3> field;
    QLine line1, line2;
    std::array<QRect, 2> mark, markTarget;            // [0] CambioUp/Ua, [1] CambioDap/Daa
    int fieldLength = 1;
    // The frame.
    QPoint iconaSi, avanti;   // top left of the happy face and of "avanti"
};

struct ColumnScreenRow {
    QString name;
    ColumnRule rule;
    ColumnLayout layout;
};

const std::vector<ColumnScreenRow> &columnScreenRows();

class ColumnScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit ColumnScreen(const ColumnScreenRow &row, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const ColumnModel &model() const { return model_; }

    QLabel *lineLabel(int row, int column) const { return line_[row][column]; }
    QLabel *cell(int row, int column) const { return cell_[row][column]; }
    QLineEdit *resultField(int column) const { return field_[column]; }
    QLabel *exchangeMark(int column) const { return mark_[column]; }      // CambioUp, CambioDap
    QLabel *exchangeTarget(int column) const { return target_[column]; }  // CambioUa, CambioDaa
    LabelDrag *drag() const { return drag_; }

    QLabel *Label3 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Lris = nullptr;

protected:
    void onAvanti() override;
    void onFirstShown() override;
    void letGo() override;
    QString spokenSolution() const override;
    QString spokenExercise() const override;

private:
    void layOutLine();
    void refresh(ColumnModel::Step before);
    void dropped(QLabel *source, QWidget *target);
    QString whyNot(int row, int cellRow, int cellColumn) const;
    void answer(int column);

    ColumnLayout layout_;
    ColumnModel model_;
    LabelDrag *drag_ = nullptr;
    std::array<std::array<QLabel *, 3>, 2> line_{};
    std::array<std::array<QLabel *, 3>, 2> cell_{};
    std::array<QLineEdit *, 3> field_{};
    std::array<QLabel *, 2> mark_{};
    std::array<QLabel *, 2> target_{};
};

void registerColumnScreens();
