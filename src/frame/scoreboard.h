#pragma once
// The two answer counters with their captions, and the happy and sad faces,
// as every exercise screen shows them. The counts are the shared ones, or
// the scoreboard's own where a screen keeps its own; neither wraps, each
// stops at 32767.

#include <QObject>
#include <QPoint>
#include <cstdint>

class QLabel;
class QWidget;

class Scoreboard final : public QObject {
    Q_OBJECT
public:
    // Places the faces, captions and counters in `area` around the happy
    // face's top left (twips), both counts at 0.
    Scoreboard(QWidget *area, QPoint iconaSi, const QString &label1Name,
               const QString &label2Name, bool ownCounts, QObject *parent);

    std::int16_t esatti() const { return *esatti_; }
    std::int16_t errati() const { return *errati_; }
    // The happy face on show: the exercise on screen is solved.
    bool happy() const;

    // One more right answer: the happy face and its count.
    void right();
    // One more wrong answer: the sad face and its count.
    void wrong();
    // One right answer taken back; false, and nothing changes, at 0.
    bool takeBackRight();
    // Both counts back to 0.
    void reset();

private:
    QLabel *ComandoIconaSi = nullptr;
    QLabel *ComandoIconaNo = nullptr;
    QLabel *EtichettaEsatti = nullptr;
    QLabel *EtichettaErrati = nullptr;
    std::int16_t ownEsatti_ = 0;
    std::int16_t ownErrati_ = 0;
    std::int16_t *esatti_;
    std::int16_t *errati_;
};
