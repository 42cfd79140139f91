#include "aids/hundred_count_screen.h"

#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
constexpr std::uint32_t countedCell = 0x00C000;
constexpr std::uint32_t missingCell = 0xC0FFFF;

FrameDesign frame()
{
    return {.name = QStringLiteral("FormC100"),
            .catalogue = Catalogue::Graphic,
            .clientArea = QSize(12690, 9300),
            .iconaSi = {8940, 360},
            .avanti = {9360, 6480},
            .avantiEnabled = true,
            .ownCounters = true};
}
} // namespace

HundredCountScreen::HundredCountScreen(QWidget *parent)
    : AnswerLineScreen(frame(), AnswerLineDesign{QPoint(7380, 4080), QSize(975, 700), 4, 21.75},
                       parent)
{
    for (int i = 0; i < 100; ++i) {
        const QRect box(120 + 720 * (i % 10), 240 + 720 * (i / 10), 735, 735);
        QLabel *cell = makeLabel(area(), {.name = QStringLiteral("Numero"),
                                          .text = QString::number(i + 1), .box = box, .points = 21.75});
        cell->setProperty("index", i);
        cell->setAlignment(Qt::AlignCenter);
        cell->setFrameShape(QFrame::Box);
        cell->setAccessibleName(QString::number(i + 1));
        Numero.push_back(cell);
    }
    setTabOrder(Text1, avanti());
    GeneraEsercizio();
}

void HundredCountScreen::GeneraEsercizio()
{
    avanti()->setEnabled(false);
    Text1->setEnabled(true);
    newBackground();
    model_.next();
    for (int i = 0; i < 100; ++i) {
        const bool counted = i < model_.n();
        setBackground(Numero[static_cast<std::size_t>(i)], bgr(counted ? countedCell : missingCell));
        Numero[static_cast<std::size_t>(i)]->setAccessibleDescription(
            counted ? QStringLiteral("verde") : QStringLiteral("giallo"));
    }
    Text1->clear();
    showLine(model_.before(), model_.after());
}

Verdict HundredCountScreen::judge(const QString &typed)
{
    return model_.check(typed);
}

void HundredCountScreen::onAvanti()
{
    GeneraEsercizio();
    Text1->setFocus();
}

void registerHundredCount()
{
    registerScreen(frame(), [] { return new HundredCountScreen; });
}
