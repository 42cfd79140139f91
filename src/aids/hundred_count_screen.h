#pragma once
// Completing 100 on the table of cells 1 to 100. The screen keeps its own
// answer counters and leaves the shared ones alone.

#include "aids/hundred_count.h"
#include "frame/answer_line.h"

#include <vector>

class QLabel;

class HundredCountScreen : public AnswerLineScreen {
    Q_OBJECT
public:
    explicit HundredCountScreen(QWidget *parent = nullptr);

    void GeneraEsercizio() override;
    const HundredCountModel &model() const { return model_; }

    std::vector<QLabel *> Numero;   // 0 to 99, showing 1 to 100

protected:
    void onAvanti() override;
    Verdict judge(const QString &typed) override;

private:
    HundredCountModel model_;
};

void registerHundredCount();
