#include "aids/bars_screen.h"

#include "aids/number_buttons.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace {
// The bars and squares lie in a strip of the client area from this top down.
constexpr int barsOrigin = 1500;
constexpr int barsHeight = 2400;

FrameDesign frame(const QString &name, int down, int areaHeight, QPoint avanti)
{
    return {.name = name,
            .catalogue = Catalogue::Graphic,
            .clientArea = QSize(12975, areaHeight),
            .iconaSi = {9060, 240 + down},
            .avanti = avanti};
}

BarsDesign barsTen()
{
    BarsDesign d;
    d.frame = frame(QStringLiteral("FormBarreTolvena"), 0, 9525, {8880, 6360});
    d.maximum = 10;
    d.unit = 500;
    d.yellowTop = 1600;
    d.redTop = 2100;
    d.barHeights = {500, 495, 495};
    d.squaresTop = 2800;
    d.redSquaresTop = 3300;
    d.squareSide = 500;
    d.buttonSize = QSize(765, 765);
    for (int left : {570, 1530, 2490, 3450, 4410, 5370, 6360, 7290, 8250, 9210, 10200})
        d.buttons.emplace_back(left, 4590);
    d.label3 = {600, 5520};
    d.aiuto = {1200, 6360};
    d.menu = QStringLiteral("Tipo esercizio         ");
    d.items = {QStringLiteral("trova la barra rossa"), QStringLiteral("trova le barre gialla e verde"),
               QStringLiteral("trova una barra")};
    return d;
}

BarsDesign barsTwenty()
{
    BarsDesign d;
    d.frame = frame(QStringLiteral("FormBarreTolvena20"), 600, 9585, {8880, 6960});
    d.maximum = 20;
    d.unit = 400;
    d.yellowTop = 1600;
    d.redTop = 2000;
    d.barHeights = {330, 330, 330};
    d.squaresTop = 2800;
    d.redSquaresTop = 3200;
    d.squareSide = 405;
    d.otherYellowFrom = 4;
    d.otherYellowTo = 17;
    d.otherYellowSide = 400;
    d.buttonSize = QSize(800, 645);
    d.buttons.emplace_back(345, 4515);
    for (int i = 1; i <= 10; ++i)
        d.buttons.emplace_back(1320 + 960 * (i - 1), 4515);
    for (int i = 11; i <= 20; ++i)
        d.buttons.emplace_back(1320 + 960 * (i - 11), 5250);
    d.label3 = {360, 6120};
    d.aiuto = {1200, 6960};
    d.menu = QStringLiteral("Scegli esercizio           ");
    d.items = {QStringLiteral("trova la barra rossa"), QStringLiteral("trova la barra gialla o verde"),
               QStringLiteral("trova tutte le barre")};
    return d;
}

const std::array<QString, 3> barNames = {QStringLiteral("barra gialla"),
                                         QStringLiteral("barra verde"),
                                         QStringLiteral("barra rossa")};
} // namespace

const BarsDesign &barsTenDesign()
{
    static const BarsDesign d = barsTen();
    return d;
}

const BarsDesign &barsTwentyDesign()
{
    static const BarsDesign d = barsTwenty();
    return d;
}

BarsScreen::BarsScreen(const BarsDesign &design, QWidget *parent)
    : ExerciseScreen(design.frame, parent), design_(design), model_(design.maximum)
{
    barre = new QWidget(area());
    barre->setObjectName(QStringLiteral("barre"));
    barre->setAccessibleName(QStringLiteral("barre"));
    // As wide as the longest row of bars or squares.
    place(barre, 0, barsOrigin, design.unit * design.maximum + design.squareSide, barsHeight);

    const std::array<std::uint32_t, 3> barColours = {0x00FFFF, 0x00FF00, 0x0000FF};
    const std::array<std::uint32_t, 3> squareColours = {0x80FFFF, 0x00FF00, 0x0000FF};
    const std::array<QString, 3> barIds = {QStringLiteral("n1"), QStringLiteral("n2"),
                                           QStringLiteral("n3")};
    std::array<QLabel *, 3> bars{};
    for (int b = 0; b < 3; ++b) {
        bars[b] = makeLabel(barre, {.name = barIds[b], .points = 12});
        bars[b]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        bars[b]->setAccessibleName(barNames[b]);
        setBackground(bars[b], bgr(barColours[b]));
        for (int i = 0; i <= 20; ++i) {
            QLabel *square = makeLabel(barre,
                                       {.name = QStringLiteral("aiuto%1").arg(b + 1),
                                        .text = QStringLiteral(" "),
                                        .box = QRect(0, 0, squareSide(b, i), squareSide(b, i)),
                                        .points = 12});
            square->setProperty("index", i);
            // A thin edge keeps the squares of one row apart for counting.
            square->setFrameShape(QFrame::Box);
            square->setLineWidth(px(15));
            setBackground(square, bgr(squareColours[b]));
            square->hide();
            aiuto[b].push_back(square);
        }
    }
    n1 = bars[0];
    n2 = bars[1];
    n3 = bars[2];

    Bottone = makeNumberButtons(area(), design.buttons, design.buttonSize, [this](int i) { press(i); });

    Label3 = makeLabel(area(), {.name = QStringLiteral("Label3"),
                                .box = QRect(design.label3, QSize(5175, 495)), .points = 9.75,
                                .family = QStringLiteral("MS Sans Serif")});
    Command3D1 = makePictureButton(area(), {.name = QStringLiteral("Command3D1"),
                                            .text = QStringLiteral("Aiuto"),
                                            .box = QRect(design.aiuto, QSize(1875, 960)),
                                            .points = 14.25},
                                   QStringLiteral("lamp"));
    Command3D1->setCursor(pointer(QStringLiteral("lamp")));
    connect(Command3D1, &QToolButton::clicked, this, [this] { help(); });

    for (std::size_t i = 1; i < Bottone.size(); ++i)
        setTabOrder(Bottone[i - 1], Bottone[i]);
    setTabOrder(Bottone.back(), Command3D1);
    setTabOrder(Command3D1, avanti());

    mnuEsercizio = addScreenMenu(design.menu, QStringLiteral("mnuEsercizio"));
    const std::array<QString, 3> itemIds = {QStringLiteral("mnuRossa"), QStringLiteral("mnuGiallaVerde"),
                                            QStringLiteral("mnuTutteBarre")};
    std::array<QAction *, 3> items{};
    for (int t = 0; t < 3; ++t) {
        items[t] = mnuEsercizio->addAction(design.items[t]);
        items[t]->setObjectName(itemIds[t]);
        connect(items[t], &QAction::triggered, this, [this, t] { chooseType(t + 1); });
    }
    mnuRossa = items[0];
    mnuGiallaVerde = items[1];
    mnuTutteBarre = items[2];
    chooseType(2);
}

void BarsScreen::placeInBars(QWidget *w, int left, int top, int width, int height) const
{
    place(w, left, top - barsOrigin, width, height);
}

int BarsScreen::squareSide(int bar, int i) const
{
    if (bar == 0 && i >= design_.otherYellowFrom && i <= design_.otherYellowTo)
        return design_.otherYellowSide;
    return design_.squareSide;
}

void BarsScreen::GeneraEsercizio()
{
    newBackground();
    for (QPushButton *b : Bottone)
        b->setEnabled(true);
    avanti()->setEnabled(false);
    for (auto &row : aiuto)
        for (QLabel *square : row)
            square->hide();
    model_.next();

    const int u = design_.unit;
    const int giallo = model_.value(BarsModel::Bar::Yellow);
    const int verde = model_.value(BarsModel::Bar::Green);
    const int rosso = model_.value(BarsModel::Bar::Red);
    placeInBars(n1, u, design_.yellowTop, u * giallo, design_.barHeights[0]);
    placeInBars(n2, u + u * giallo, design_.yellowTop, u * verde, design_.barHeights[1]);
    placeInBars(n3, u, design_.redTop, u * rosso, design_.barHeights[2]);
    // A yellow bar of 0 has no length, so it shows nothing; it stays in
    // place for the screen reader, which finds its "?" there.
    showBars();
    Label3->setText(model_.instruction());
}

// The instruction, then each bar by its colour and the number it bears.
QString BarsScreen::spokenExercise() const
{
    QStringList bars;
    for (const QLabel *bar : {n1, n2, n3}) {
        const QString number = bar->text().trimmed();
        bars << bar->accessibleName() + QLatin1Char(' ')
                    + (number == QLatin1String("?") ? QStringLiteral("quanto") : number);
    }
    return Label3->text() + QStringLiteral(". ") + bars.join(QStringLiteral(", "));
}

void BarsScreen::showBars()
{
    const std::array<QLabel *, 3> bars = {n1, n2, n3};
    const std::array<BarsModel::Bar, 3> which = {BarsModel::Bar::Yellow, BarsModel::Bar::Green,
                                                 BarsModel::Bar::Red};
    for (int b = 0; b < 3; ++b) {
        const QString text = model_.text(which[b]);
        bars[b]->setText(text);
        bars[b]->setAccessibleDescription(text);
    }
    barre->setAccessibleDescription(model_.squaresDescription());
}

void BarsScreen::press(int i)
{
    switch (model_.press(i)) {
    case Verdict::Right:
        rightAnswer();
        showBars();
        avanti()->setEnabled(true);
        for (QPushButton *b : Bottone)
            b->setEnabled(false);
        avanti()->setFocus();
        break;
    case Verdict::Wrong:
        wrongAnswer();
        break;
    case Verdict::Ignored:
        break;
    }
}

void BarsScreen::help()
{
    takeBackRightAnswer();
    model_.help();
    const int u = design_.unit;
    const int giallo = model_.value(BarsModel::Bar::Yellow);
    const std::array<int, 3> counts = {giallo, model_.value(BarsModel::Bar::Green),
                                       model_.value(BarsModel::Bar::Red)};
    const std::array<int, 3> starts = {u, u + u * giallo, u};
    const std::array<int, 3> tops = {design_.squaresTop, design_.squaresTop, design_.redSquaresTop};
    for (int b = 0; b < 3; ++b)
        for (int i = 0; i < counts[b] && i < static_cast<int>(aiuto[b].size()); ++i) {
            placeInBars(aiuto[b][i], starts[b] + u * i, tops[b], squareSide(b, i),
                        squareSide(b, i));
            aiuto[b][i]->show();
        }
    barre->setAccessibleDescription(model_.squaresDescription());
}

void BarsScreen::chooseType(int type)
{
    model_.setType(type);
    tick(mnuRossa, type == 1);
    tick(mnuGiallaVerde, type == 2);
    tick(mnuTutteBarre, type == 3);
    GeneraEsercizio();
}

void BarsScreen::onAvanti()
{
    GeneraEsercizio();
    Bottone.front()->setFocus();
}

void BarsScreen::onAzzera()
{
    ExerciseScreen::onAzzera();
    GeneraEsercizio();
}

void registerBars()
{
    for (const BarsDesign *d : {&barsTenDesign(), &barsTwentyDesign()})
        registerScreen(d->frame, [d] { return new BarsScreen(*d); });
}
