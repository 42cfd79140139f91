#pragma once
// The screens that complete 100, 500 and 1 000 with coloured squares: one
// screen type, a design each.

#include "aids/complete_squares.h"
#include "frame/answer_line.h"

#include <QColor>
#include <vector>

class QPushButton;
class QToolButton;

struct CompleteDesign {
    enum class Colours { Unit, Ten, Hundred };
    struct Button {
        Colours kind;
        QString objectName, caption;
        QRect box;               // twips
        std::uint32_t colour;    // &H00BBGGRR
    };

    QString name;
    SquaresRule rule;
    QSize clientArea;            // twips
    QPoint grid;                 // top-left of the small square 0, twips
    int pitch = 600, side = 600; // small squares, twips
    std::vector<QPoint> big;     // top-left of each big square, twips
    std::uint32_t plain = 0;     // a square not coloured
    AnswerLineDesign line;
    std::vector<Button> buttons; // the colouring buttons, in keyboard order
    QRect ricomincia;
    QPoint iconaSi, avanti;   // top left of the happy face and of "avanti"
};

const std::vector<CompleteDesign> &completeDesigns();   // Form100g, Form500g, Form1000g

class CompleteScreen : public AnswerLineScreen {
    Q_OBJECT
public:
    explicit CompleteScreen(const CompleteDesign &design, QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const SquaresModel &model() const { return model_; }
    // The colours shown: small square i, big square j.
    QColor squareColour(int i) const;
    QColor bigColour(int j) const;

    QPushButton *Command1 = nullptr;   // ten
    QPushButton *Command2 = nullptr;   // unit
    QPushButton *Command3 = nullptr;   // hundred, on the larger totals
    QToolButton *BottoneRicomincia = nullptr;
    QWidget *Quadretti = nullptr;      // the squares, drawn

protected:
    void onAvanti() override;
    Verdict judge(const QString &typed) override;
    void onSolved() override;

private:
    void colour(CompleteDesign::Colours kind);
    void ricomincia();
    void squaresChanged();

    const CompleteDesign &design_;
    SquaresModel model_;
};

void registerCompleteScreens();
