#include "aids/make_ten_screen.h"

#include "aids/number_buttons.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/spoken.h"
#include "frame/widgets.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {
FrameDesign frame(const QString &name, QPoint iconaSi, QPoint avanti)
{
    // "avanti" may skip the first exercise; after that it waits for a right answer.
    return {.name = name,
            .catalogue = Catalogue::Numbers,
            .clientArea = QSize(9510, 6495),
            .iconaSi = iconaSi,
            .avanti = avanti,
            .avantiEnabled = true,
            .ownCounters = true};
}

MakeTenDesign makeTen()
{
    MakeTenDesign d;
    d.frame = frame(QStringLiteral("Formcomponi10"), {8970, 360}, {8790, 6480});
    d.target = 10;
    d.gap = QStringLiteral("__");
    d.etNumero = QRect(1560, 2040, 5655, 975);
    d.buttonSize = QSize(765, 765);
    for (int left : {480, 1440, 2400, 3360, 4320, 5280, 6270, 7200, 8160, 9120, 10110})
        d.buttons.emplace_back(left, 4710);
    return d;
}

MakeTenDesign makeTwenty()
{
    MakeTenDesign d;
    d.frame = frame(QStringLiteral("Form15"), {9195, 240}, {9015, 6360});
    d.target = 20;
    d.gap = QStringLiteral("___");
    d.etNumero = QRect(1440, 1080, 6375, 975);
    d.buttonSize = QSize(800, 645);
    d.buttons.emplace_back(480, 3915);
    for (int i = 1; i <= 10; ++i)
        d.buttons.emplace_back(1455 + 960 * (i - 1), 3915);
    for (int i = 11; i <= 20; ++i)
        d.buttons.emplace_back(1455 + 960 * (i - 11), 4650);
    return d;
}
} // namespace

const MakeTenDesign &makeTenDesign()
{
    static const MakeTenDesign d = makeTen();
    return d;
}

const MakeTenDesign &makeTwentyDesign()
{
    static const MakeTenDesign d = makeTwenty();
    return d;
}

MakeTenScreen::MakeTenScreen(const MakeTenDesign &design, QWidget *parent)
    : ExerciseScreen(design.frame, parent), model_(design.target, design.gap)
{
    const QRect &e = design.etNumero;
    EtNumero = makeLabel(area(), {.name = QStringLiteral("EtNumero"), .box = e, .points = 39.75});
    EtNumero->setProperty("index", 0);
    EtNumero->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(EtNumero, Qt::white);

    Bottone = makeNumberButtons(area(), design.buttons, design.buttonSize, [this](int i) { press(i); });

    GeneraEsercizio();
}

void MakeTenScreen::GeneraEsercizio()
{
    newBackground();
    model_.next();
    EtNumero->setText(model_.text());
}

void MakeTenScreen::press(int i)
{
    switch (model_.press(i)) {
    case Verdict::Right:
        rightAnswer();
        avanti()->setEnabled(true);
        EtNumero->setText(model_.text());
        enableButtons(false);
        break;
    case Verdict::Wrong:
        wrongAnswer();
        break;
    case Verdict::Ignored:
        break;
    }
}

void MakeTenScreen::onAvanti()
{
    GeneraEsercizio();
    avanti()->setEnabled(false);
    enableButtons(true);
}

void MakeTenScreen::enableButtons(bool enabled)
{
    for (QPushButton *b : Bottone)
        b->setEnabled(enabled);
}

void registerMakeTen()
{
    for (const MakeTenDesign *d : {&makeTenDesign(), &makeTwentyDesign()})
        registerScreen(d->frame, [d] { return new MakeTenScreen(*d); });
}

QString MakeTenScreen::spokenExercise() const { return spokenSum(EtNumero->text()); }

QString MakeTenScreen::spokenSolution() const { return spokenSum(model_.text()); }
