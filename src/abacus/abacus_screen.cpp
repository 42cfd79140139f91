#include "abacus/abacus_screen.h"

#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/numbers.h"
#include "frame/spoken.h"
#include "frame/step_animator.h"
#include "frame/tell.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

using Wire = AbacusModel::Wire;

// Bead colours, &H00BBGGRR.
constexpr std::uint32_t green = 0x008000, red = 0x0000FF, lightRed = 0x8080FF,
                        blue = 0xFF0000, lightBlue = 0xFF8080;

// Beads `from`..`to` of a stack whose lowest bead (`from`) has its top at
// `bottomTop`, each `size` twips and `size` above the one below.
void stack(std::vector<AbacusBead> &beads, int from, int to, int left, int bottomTop, int size,
           std::uint32_t colour)
{
    for (int i = from; i <= to; ++i)
        beads.push_back({QRect(left, bottomTop - size * (i - from), size, size), colour});
}

AbacusWireButtons buttons(const char *plusName, const char *minusName, int plusLeft,
                          int minusLeft, int top, QSize size, const char *plusPointer = "",
                          const char *minusPointer = "")
{
    return {QLatin1String(plusName), QLatin1String(minusName), QRect(QPoint(plusLeft, top), size),
            QRect(QPoint(minusLeft, top), size), QLatin1String(plusPointer),
            QLatin1String(minusPointer)};
}

// Form99d and Form99d3: one design.
AbacusLayout twoWires()
{
    AbacusLayout l;
    l.frame.clientArea = QSize(12135, 9420);
    l.etichettaNumero = QRect(360, 360, 3045, 840);
    l.text1 = QRect(3480, 360, 1935, 855);
    stack(l.beads[Wire::Tens], 0, 8, 2300, 6600, 600, red);
    stack(l.beads[Wire::Units], 0, 8, 6060, 6600, 600, blue);
    l.beads[Wire::Units].push_back({QRect(6060, 1200, 600, 600), lightBlue});
    stack(l.beads[Wire::Units], 10, 18, 5400, 6600, 600, lightBlue);
    l.wire[Wire::Tens] = QLine(2595, 1680, 2595, 7200);
    l.wire[Wire::Units] = QLine(6360, 1680, 6360, 7200);
    l.marker = QLine(1440, 4200, 7440, 4200);
    const QSize button(975, 735);
    l.buttons[Wire::Tens] = buttons("Bot_da", "Command1", 1545, 2760, 7320, button);
    l.buttons[Wire::Units] = buttons("Bot_u", "Command2", 5280, 6435, 7320, button);
    l.cambio[0] = QRect(3480, 3600, 1485, 960);
    l.ricomincia = QRect(9000, 5520, 1905, 990);
    l.tabOrder = {QStringLiteral("Bot_u"), QStringLiteral("Bot_da"), QStringLiteral("Command1"),
                  QStringLiteral("Command2"), QStringLiteral("Text1"),
                  QStringLiteral("Bot_ricomincia"), QStringLiteral("BottoneAvanti"),
                  QStringLiteral("BottoneCambio")};
    l.frame.exitName = QStringLiteral("mnuesci");
    l.frame.iconaSi = {9420, 360};
    l.frame.avanti = {9000, 6960};
    return l;
}

AbacusLayout form99d1()
{
    AbacusLayout l;
    l.frame.clientArea = QSize(14145, 9510);
    l.etichettaNumero = QRect(240, 240, 3045, 840);
    l.text1 = QRect(3360, 240, 1935, 855);
    stack(l.beads[Wire::Tens], 0, 8, 2415, 6480, 600, red);
    for (int top : {6480, 5880, 5280, 4650, 4080, 3480, 2850, 2280, 1680})
        l.beads[Wire::Units].push_back({QRect(5700, top, 600, 600), blue});
    l.wire[Wire::Tens] = QLine(2715, 1560, 2715, 7080);
    l.wire[Wire::Units] = QLine(6000, 1560, 6000, 7080);
    l.marker = QLine(2040, 4080, 7080, 4080);
    const QSize button(975, 735);
    l.buttons[Wire::Tens] = buttons("Bot_da", "Command1", 1665, 2715, 7080, button, "disc_red",
                                    "disc_red_crossed");
    l.buttons[Wire::Units] = buttons("Bot_u", "Command2", 4920, 6075, 7080, button, "disc_blue",
                                     "disc_blue_crossed");
    l.ricomincia = QRect(9360, 5400, 1905, 990);
    l.tabOrder = {QStringLiteral("Bot_u"), QStringLiteral("Bot_da"), QStringLiteral("Command1"),
                  QStringLiteral("Command2"), QStringLiteral("BottoneAvanti"),
                  QStringLiteral("Bot_ricomincia"), QStringLiteral("Text1")};
    l.frame.exitName = QStringLiteral("mnuesci");
    l.frame.iconaSi = {9780, 240};
    l.frame.avanti = {9360, 6840};
    return l;
}

// Form999a to Form999d: one design; Form999a hides its exchange buttons.
AbacusLayout threeWires()
{
    AbacusLayout l;
    l.frame.clientArea = QSize(12150, 9765);
    l.etichettaNumero = QRect(360, 360, 3045, 840);
    l.text1 = QRect(3480, 360, 1935, 855);
    stack(l.beads[Wire::Hundreds], 0, 8, 915, 6615, 550, green);
    stack(l.beads[Wire::Tens], 0, 8, 4005, 6615, 550, red);
    stack(l.beads[Wire::Tens], 9, 9, 4005, 1665, 550, lightRed);
    stack(l.beads[Wire::Tens], 10, 18, 3450, 6615, 550, lightRed);
    stack(l.beads[Wire::Units], 0, 8, 6930, 6615, 550, blue);
    stack(l.beads[Wire::Units], 9, 9, 6945, 1665, 550, lightBlue);
    stack(l.beads[Wire::Units], 10, 18, 6270, 6615, 550, lightBlue);
    l.wire[Wire::Hundreds] = QLine(1200, 1620, 1200, 7200);
    l.wire[Wire::Tens] = QLine(4245, 1620, 4245, 7200);
    l.wire[Wire::Units] = QLine(7200, 1620, 7200, 7200);
    l.marker = QLine(240, 4440, 8760, 4440);
    const QSize button(765, 630);
    l.buttons[Wire::Hundreds] = buttons("Bot_h", "Command1", 360, 1260, 7320, button,
                                        "disc_green", "disc_green_crossed");
    l.buttons[Wire::Tens] = buttons("Bot_da", "Command2", 3465, 4305, 7305, button, "disc_red",
                                    "disc_red_crossed");
    l.buttons[Wire::Units] = buttons("Bot_u", "Command3", 6360, 7200, 7305, button, "disc_blue",
                                     "disc_blue_crossed");
    l.buttonPoints = 15.75;
    l.cambio[0] = QRect(4800, 5280, 1170, 960);
    l.cambio[1] = QRect(1800, 5280, 1170, 960);
    l.ricomincia = QRect(9120, 4560, 1905, 990);
    l.tabOrder = {QStringLiteral("Bot_u"),          QStringLiteral("Bot_da"),
                  QStringLiteral("Bot_h"),          QStringLiteral("Command1"),
                  QStringLiteral("Command2"),       QStringLiteral("Command3"),
                  QStringLiteral("Text1"),          QStringLiteral("BottoneAvanti"),
                  QStringLiteral("Bot_ricomincia"), QStringLiteral("BottoneCambio"),
                  QStringLiteral("BottoneCambio2")};
    l.frame.iconaSi = {9540, 480};
    l.frame.avanti = {9120, 6480};
    return l;
}

std::vector<AbacusScreenRow> makeRows()
{
    using namespace AbacusDraws;
    const std::array<int, 3> two{19, 9, 0}, three{19, 19, 9};
    const auto twoWired = [](std::array<int, 3> limit, bool exchanges, AbacusExercise (*draw)()) {
        return AbacusRule{.wires = 2, .limit = limit, .exchanges = exchanges, .refusalBeeps = false,
                          .draw = draw};
    };
    const auto threeWired = [three](bool exchanges, AbacusExercise (*draw)()) {
        return AbacusRule{.wires = 3, .limit = three, .exchanges = exchanges, .refusalBeeps = true,
                          .draw = draw};
    };
    return {
        {QStringLiteral("Form99d1"), twoWired({9, 9, 0}, false, neverExchange), form99d1()},
        {QStringLiteral("Form99d3"), twoWired(two, true, alwaysExchange), twoWires()},
        {QStringLiteral("Form99d"), twoWired(two, true, withAndWithout), twoWires()},
        {QStringLiteral("Form999a"), threeWired(false, noExchanges), threeWires()},
        {QStringLiteral("Form999b"), threeWired(true, oneExchange), threeWires()},
        {QStringLiteral("Form999c"), threeWired(true, someExchange), threeWires()},
        {QStringLiteral("Form999d"), threeWired(true, anyExchanges), threeWires()},
    };
}

FrameDesign abacusFrame(const AbacusScreenRow &row)
{
    FrameDesign d = row.layout.frame;
    d.name = row.name;
    d.catalogue = Catalogue::Graphic;
    // Hidden in the design, shown (and disabled) when the screen opens.
    d.avantiVisible = true;
    return d;
}

// Everything the abacus draws, in twips, with room for the pens.
QRect abacusExtent(const AbacusLayout &l)
{
    QRect extent(l.marker.p1(), l.marker.p2());
    for (const auto &wire : l.beads)
        for (const AbacusBead &bead : wire)
            extent = extent.united(bead.box);
    for (const QLine &wire : l.wire)
        if (!wire.isNull())
            extent = extent.united(QRect(wire.p1(), wire.p2()));
    return extent.adjusted(-45, -45, 45, 45);
}

constexpr int exchangeStepMs = 300;

} // namespace

const std::vector<AbacusScreenRow> &abacusScreenRows()
{
    static const std::vector<AbacusScreenRow> rows = makeRows();
    return rows;
}

AbacusView::AbacusView(const AbacusModel &model, const AbacusLayout &layout, QWidget *parent)
    : QWidget(parent), model_(model), layout_(layout)
{
    setObjectName(QStringLiteral("abaco"));
    setAccessibleName(QStringLiteral("abaco"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect extent = abacusExtent(layout);
    setGeometry(twipsRect(extent.x(), extent.y(), extent.width(), extent.height()));
    refresh();
}

void AbacusView::refresh()
{
    setAccessibleDescription(model_.description());
    update();
}

void AbacusView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn in the client area's pixels.
    p.translate(-x(), -y());
    auto point = [](QPoint twips) { return QPointF(pxF(twips.x()), pxF(twips.y())); };

    p.setPen(QPen(Qt::black, pxF(30), Qt::SolidLine, Qt::FlatCap));
    for (int w = 0; w < model_.wires(); ++w)
        p.drawLine(point(layout_.wire[w].p1()), point(layout_.wire[w].p2()));
    p.drawLine(point(layout_.marker.p1()), point(layout_.marker.p2()));

    const double border = pxF(15);
    p.setPen(QPen(Qt::black, border));
    for (int w = 0; w < model_.wires(); ++w) {
        const auto &beads = layout_.beads[w];
        for (int i = 0; i < int(beads.size()); ++i) {
            if (!model_.beadShown(w, i))
                continue;
            const QRect &b = beads[i].box;
            p.setBrush(bgr(beads[i].colour));
            p.drawEllipse(QRectF(pxF(b.x()), pxF(b.y()), pxF(b.width()), pxF(b.height()))
                              .adjusted(border / 2, border / 2, -border / 2, -border / 2));
        }
    }
}

AbacusScreen::AbacusScreen(const AbacusScreenRow &row, QWidget *parent)
    : ExerciseScreen(abacusFrame(row), parent), layout_(row.layout), model_(row.rule)
{
    const AbacusLayout &l = layout_;
    animator_ = new StepAnimator(this);

    abacus_ = new AbacusView(model_, l, area());

    const QRect &e = l.etichettaNumero;
    EtichettaNumero = makeLabel(area(), {.name = QStringLiteral("EtichettaNumero"), .box = e,
                                         .points = 36});
    EtichettaNumero->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Text1 = makeAnswerField(area(),
                            {.name = QStringLiteral("Text1"),
                             .spokenName = QStringLiteral("risultato"),
                             .box = l.text1,
                             .maxLength = 4,
                             .centred = false},
                            [this] { checkAnswer(); });
    setAnswerField(Text1);

    for (int w = 0; w < model_.wires(); ++w) {
        const AbacusWireButtons &b = l.buttons[w];
        const QString suffix = QLatin1String(w == Wire::Units ? "u" : w == Wire::Tens ? "da" : "h");
        plus_[w] = makeButton(area(), {.name = b.plusName, .text = QStringLiteral("+ ") + suffix,
                                       .box = b.plus, .points = l.buttonPoints});
        minus_[w] = makeButton(area(), {.name = b.minusName, .text = QStringLiteral("- ") + suffix,
                                        .box = b.minus, .points = l.buttonPoints});
        static const char *const beads[3] = {"un'unità", "una decina", "un centinaio"};
        plus_[w]->setAccessibleName(QStringLiteral("più ") + QString::fromUtf8(beads[w]));
        minus_[w]->setAccessibleName(QStringLiteral("meno ") + QString::fromUtf8(beads[w]));
        if (!b.plusPointer.isEmpty())
            plus_[w]->setCursor(pointer(b.plusPointer));
        if (!b.minusPointer.isEmpty())
            minus_[w]->setCursor(pointer(b.minusPointer));
        connect(plus_[w], &QPushButton::clicked, this, [this, w] {
            if (model_.add(w))
                countsChanged();
        });
        connect(minus_[w], &QPushButton::clicked, this, [this, w] {
            if (model_.remove(w))
                countsChanged();
        });
    }

    // The exchange buttons: the arrow in the colour of the beads delivered.
    const char *const names[2] = {"BottoneCambio", "BottoneCambio2"};
    const char *const arrows[2] = {"arrow_blue", "arrow_red"};
    for (int lower = 0; lower + 1 < model_.wires(); ++lower) {
        const QRect &c = l.cambio[lower];
        if (c.isNull())
            continue;   // a screen without exchanges
        auto *button = makePictureButton(area(), {.name = QLatin1String(names[lower]),
                                                  .text = QStringLiteral("Cambio"), .box = c,
                                                  .points = 12},
                                         QLatin1String(arrows[lower]));
        button->setCursor(pointer(QLatin1String(arrows[lower])));
        button->setAccessibleName(lower == Wire::Units
                                      ? QStringLiteral("cambio di una decina in dieci unità")
                                      : QStringLiteral("cambio di un centinaio in dieci decine"));
        button->setVisible(model_.rule().exchanges);
        connect(button, &QToolButton::clicked, this, [this, lower] { exchange(lower); });
        (lower == Wire::Units ? BottoneCambio : BottoneCambio2) = button;
    }

    const QRect &r = l.ricomincia;
    Bot_ricomincia = makePictureButton(area(), {.name = QStringLiteral("Bot_ricomincia"),
                                                .text = QStringLiteral("Ricomincia"), .box = r,
                                                .points = 14.25},
                                       QStringLiteral("bin"));
    Bot_ricomincia->setCursor(pointer(QStringLiteral("bin")));
    connect(Bot_ricomincia, &QToolButton::clicked, this, [this] {
        if (model_.clear())
            countsChanged();
    });

    QWidget *previous = nullptr;
    for (const QString &name : l.tabOrder) {
        auto *w = area()->findChild<QWidget *>(name);
        if (!w)
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }

    // Loading: "avanti" shown and disabled, the counts at 0, a first exercise.
    avanti()->setEnabled(false);
    GeneraEsercizio();
}

void AbacusScreen::onFirstShown() { plus_[Wire::Units]->setFocus(); }

void AbacusScreen::GeneraEsercizio()
{
    animator_->stop();
    newBackground();
    avanti()->setEnabled(false);
    solved_ = false;
    Text1->clear();
    model_.next();
    showExercise();
}

void AbacusScreen::pose(const AbacusExercise &exercise)
{
    animator_->stop();
    model_.start(exercise);
    showExercise();
}

// The text sized to itself, the field right after it.
void AbacusScreen::showExercise()
{
    EtichettaNumero->setText(model_.text());
    const int width = QFontMetrics(EtichettaNumero->font()).horizontalAdvance(model_.text()) + 2;
    EtichettaNumero->resize(width, EtichettaNumero->height());
    Text1->move(EtichettaNumero->x() + EtichettaNumero->width(), Text1->y());
    refresh();
}

void AbacusScreen::onAvanti()
{
    Text1->setEnabled(true);
    GeneraEsercizio();
}

// The controls follow the model: during an exchange the beads, both exchange
// buttons and "Ricomincia" wait for it to end.
void AbacusScreen::refresh()
{
    const bool still = !model_.exchanging();
    for (int w = 0; w < model_.wires(); ++w) {
        plus_[w]->setEnabled(still);
        minus_[w]->setEnabled(still);
    }
    if (BottoneCambio)
        BottoneCambio->setEnabled(model_.exchangeAvailable(Wire::Units));
    if (BottoneCambio2)
        BottoneCambio2->setEnabled(model_.exchangeAvailable(Wire::Tens));
    Bot_ricomincia->setEnabled(still && !solved_);
    abacus_->refresh();
}

void AbacusScreen::countsChanged()
{
    refresh();
    tellDescription(abacus_);
}

void AbacusScreen::exchange(int lower)
{
    switch (model_.startExchange(lower)) {
    case AbacusModel::Exchange::Unavailable:
        return;
    case AbacusModel::Exchange::Refused:
        wrongAnswer(model_.rule().refusalBeeps);
        return;
    case AbacusModel::Exchange::Started:
        break;
    }
    // The keys wait in the answer field, away from the beads' buttons,
    // until the exchange is over.
    parkFocus();
    refresh();
    animator_->start(
        AbacusModel::ExchangeSteps, exchangeStepMs,
        [this](int) {
            model_.exchangeStep();
            abacus_->update();
        },
        [this] {
            model_.finishExchange();
            countsChanged();
            unparkFocus();
        });
}

QString AbacusScreen::spokenSolution() const
{
    return spokenSum(EtichettaNumero->text() + QLatin1Char(' ')
                     + QString::number(readDigits(Text1->text())));
}

void AbacusScreen::checkAnswer()
{
    if (!Text1->isEnabled())
        return;
    const auto right = model_.check(Text1->text());
    if (!right)
        return;
    if (!*right) {
        wrongAnswer();
        return;
    }
    rightAnswer();
    solved_ = true;
    avanti()->setEnabled(true);
    Text1->setEnabled(false);
    refresh();
    avanti()->setFocus();
}

void registerAbacusScreens()
{
    for (const auto &row : abacusScreenRows())
        registerScreen(abacusFrame(row), [&row] { return new AbacusScreen(row); });
}
