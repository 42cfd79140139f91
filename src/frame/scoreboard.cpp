#include "frame/scoreboard.h"

#include "frame/numbers.h"
#include "frame/state.h"
#include "frame/widgets.h"

#include <QLabel>

Scoreboard::Scoreboard(QWidget *area, QPoint iconaSi, const QString &label1Name,
                       const QString &label2Name, bool ownCounts, QObject *parent)
    : QObject(parent),
      esatti_(ownCounts ? &ownEsatti_ : &shared().NumeroEsatti),
      errati_(ownCounts ? &ownErrati_ : &shared().NumeroErrati)
{
    const int x = iconaSi.x(), y = iconaSi.y();
    ComandoIconaSi = makePicture(area, QStringLiteral("ComandoIconaSi"), QStringLiteral("happy"),
                                 QRect(x, y, 1095, 975));
    ComandoIconaNo = makePicture(area, QStringLiteral("ComandoIconaNo"), QStringLiteral("sad"),
                                 QRect(x - 60, y + 30, 1095, 975));
    ComandoIconaSi->setAccessibleName(QStringLiteral("faccina felice"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("faccina triste"));
    ComandoIconaNo->hide();
    makeLabel(area, {.name = label1Name, .text = QStringLiteral("Esatti"),
                     .box = QRect(x - 300, y + 1155, 735, 375), .points = 12});
    EtichettaEsatti = makeLabel(area, {.name = QStringLiteral("EtichettaEsatti"),
                                       .box = QRect(x + 540, y + 1050, 975, 615), .points = 18});
    makeLabel(area, {.name = label2Name, .text = QStringLiteral("Errati"),
                     .box = QRect(x - 300, y + 1680, 735, 495), .points = 12});
    EtichettaErrati = makeLabel(area, {.name = QStringLiteral("EtichettaErrati"),
                                       .box = QRect(x + 540, y + 1575, 855, 615), .points = 18});
}

bool Scoreboard::happy() const { return ComandoIconaSi->isVisible(); }

void Scoreboard::right()
{
    ComandoIconaSi->show();
    ComandoIconaSi->setAccessibleName(QStringLiteral("faccina felice"));
    ComandoIconaNo->setAccessibleName(QStringLiteral("faccina triste"));
    ComandoIconaNo->hide();
    countOne(*esatti_);
    EtichettaEsatti->setText(B(*esatti_));
}

void Scoreboard::wrong()
{
    ComandoIconaSi->hide();
    ComandoIconaNo->show();
    countOne(*errati_);
    EtichettaErrati->setText(B(*errati_));
}

bool Scoreboard::takeBackRight()
{
    if (*esatti_ <= 0)
        return false;
    --*esatti_;
    EtichettaEsatti->setText(B(*esatti_));
    return true;
}

void Scoreboard::reset()
{
    EtichettaEsatti->setText(QStringLiteral("0"));
    EtichettaErrati->setText(QStringLiteral("0"));
    *esatti_ = 0;
    *errati_ = 0;
}
