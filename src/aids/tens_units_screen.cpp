#include "aids/tens_units_screen.h"

#include "frame/feedback.h"
#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "frame/spoken.h"
#include "frame/step_animator.h"
#include "frame/tell.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace {
// A ten or a unit: a block of colour that goes away when clicked (or pressed
// with Space or Enter once reached with Tab).
class Block final : public QAbstractButton {
public:
    Block(const QColor &colour, QWidget *parent) : QAbstractButton(parent), colour_(colour)
    {
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), colour_);
        if (hasFocus()) {
            const double w = pxF(30);
            p.setPen(QPen(Qt::white, w, Qt::DotLine));
            p.drawRect(QRectF(rect()).adjusted(w, w, -w, -w));
        }
    }

private:
    QColor colour_;
};

// The frame of the work area, with the line over the strip of changed units.
// A line from one point to another covers the pixels from the first to the
// last, as wide as a design pixel, and starts on a whole pixel.
class WorkArea final : public QWidget {
public:
    WorkArea(const QRect &box, int sidesEnd, int stripLine, QWidget *parent)
        : QWidget(parent), box_(box), sidesEnd_(std::max(sidesEnd, box.y() + box.height())),
          strip_(stripLine)
    {
        // Up to the end of the lowest line.
        const QPoint to = twipsPoint(box.x() + box.width(), sidesEnd_) + QPoint(line(), line());
        setGeometry(QRect(twipsPoint(box.x(), box.y()), to - QPoint(1, 1)));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QPoint origin = twipsPoint(box_.x(), box_.y());
        const auto draw = [&](int x1, int y1, int x2, int y2) {
            const QPoint from = twipsPoint(x1, y1) - origin;
            const QPoint to = twipsPoint(x2, y2) - origin + QPoint(line(), line());
            p.fillRect(QRect(from, to - QPoint(1, 1)), Qt::black);
        };
        const int left = box_.x(), top = box_.y();
        const int right = left + box_.width(), bottom = top + box_.height();
        draw(left, top, right, top);
        draw(left, bottom, right, bottom);
        draw(left, top, left, sidesEnd_);
        draw(right, top, right, sidesEnd_);
        if (strip_ > 0)
            draw(left, strip_, right, strip_);
    }

private:
    static int line() { return std::max(1, px(15)); }

    QRect box_;
    int sidesEnd_;
    int strip_;
};

FrameDesign frame(const QString &name, int left, int areaWidth, int areaHeight, QPoint avanti)
{
    // `left`: the captions' left edge.
    return {.name = name,
            .catalogue = Catalogue::Graphic,
            .clientArea = QSize(areaWidth, areaHeight),
            .iconaSi = {left + 300, 360},
            .avanti = avanti};
}

TensUnitsDesign withExchange(const QString &name, TensUnitsModel::Kind kind)
{
    TensUnitsDesign d;
    d.frame = frame(name, 8880, 13365, 9840, {8760, 6840});
    d.kind = kind;
    d.etNumero = {840, 480};
    d.risultato = {4080, 480};
    d.decine = {6720, 2520};
    d.unita = {6720, 3480};
    d.cambio = {6720, 4440};
    d.ricomincia = {8760, 3960};
    d.tenColumns = {840, 3360};
    d.unitColumns = {5880, 6240};
    d.box = QRect(600, 2400, 6000, 2640);
    d.stripLine = 4440;
    return d;
}

TensUnitsDesign withoutExchange()
{
    TensUnitsDesign d;
    d.frame = frame(QStringLiteral("FormGrafMeno1"), 8760, 14385, 9990, {8640, 6840});
    d.kind = TensUnitsModel::Kind::NoExchange;
    d.etNumero = {720, 480};
    d.risultato = {3960, 480};
    d.decine = {6600, 2520};
    d.unita = {6600, 3480};
    d.ricomincia = {8640, 4200};
    d.tenColumns = {600, 3120};
    d.unitColumns = {5640, 6000};
    d.box = QRect(480, 2400, 6000, 2040);
    d.sidesEnd = 4455;
    return d;
}

constexpr std::uint32_t red = 0x0000FF;
constexpr std::uint32_t blue = 0xFF0000;
constexpr int blinks = 9;
constexpr int blinkMs = 300;
} // namespace

const TensUnitsDesign &tensUnitsNoExchangeDesign()
{
    static const TensUnitsDesign d = withoutExchange();
    return d;
}

const TensUnitsDesign &tensUnitsExchangeDesign()
{
    static const TensUnitsDesign d =
        withExchange(QStringLiteral("FormGrafMeno"), TensUnitsModel::Kind::NeedsExchange);
    return d;
}

const TensUnitsDesign &tensUnitsEitherDesign()
{
    static const TensUnitsDesign d =
        withExchange(QStringLiteral("FormGrafMeno2"), TensUnitsModel::Kind::Either);
    return d;
}

TensUnitsScreen::TensUnitsScreen(const TensUnitsDesign &design, QWidget *parent)
    : ExerciseScreen(design.frame, parent), design_(design), model_(design.kind)
{
    animator_ = new StepAnimator(this);

    EtNumero = makeLabel(area(), {.name = QStringLiteral("EtNumero"),
                                  .box = QRect(design.etNumero, QSize(3240, 960)), .points = 36});
    EtNumero->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(EtNumero, QApplication::palette().color(QPalette::Window));

    Risultato = makeAnswerField(area(),
                                {.name = QStringLiteral("Risultato"),
                                 .spokenName = QStringLiteral("risultato"),
                                 .box = QRect(design.risultato, QSize(1695, 960)),
                                 .centred = false},
                                [this] { judge(); });
    setAnswerField(Risultato);

    BotDecine1 = makeButton(area(), {.name = QStringLiteral("BotDecine1"),
                                     .text = QStringLiteral("Decine"),
                                     .box = QRect(design.decine, QSize(1300, 600)),
                                     .points = 9.75});
    BotDecine1->setCursor(pointer(QStringLiteral("disc_red")));
    connect(BotDecine1, &QPushButton::clicked, this, [this] {
        if (model_.addTen())
            countsChanged();
    });
    BotUnita1 = makeButton(area(), {.name = QStringLiteral("BotUnita1"),
                                    .text = QStringLiteral("Unità"),
                                    .box = QRect(design.unita, QSize(1300, 600)), .points = 9.75});
    BotUnita1->setCursor(pointer(QStringLiteral("disc_blue")));
    connect(BotUnita1, &QPushButton::clicked, this, [this] {
        if (model_.addUnit())
            countsChanged();
    });
    if (model_.offersExchange()) {
        Cambio = makeButton(area(), {.name = QStringLiteral("Cambio"),
                                     .text = QStringLiteral("Cambio"),
                                     .box = QRect(design.cambio, QSize(1335, 615)),
                                     .points = 9.75});
        Cambio->setCursor(pointer(QStringLiteral("exchange")));
        connect(Cambio, &QPushButton::clicked, this, [this] { exchange(); });
    }
    BottoneRicomincia = makePictureButton(area(),
                                          {.name = QStringLiteral("BottoneRicomincia"),
                                           .text = QStringLiteral("Ricomincia"),
                                           .box = QRect(design.ricomincia, QSize(1905, 1110)),
                                           .points = 14.25},
                                          QStringLiteral("bin"));
    BottoneRicomincia->setCursor(pointer(QStringLiteral("bin")));
    connect(BottoneRicomincia, &QToolButton::clicked, this, [this] { ricomincia(); });

    const QRect &box = design.box;
    workArea = new WorkArea(box, design.sidesEnd, design.stripLine, area());
    workArea->setObjectName(QStringLiteral("workArea"));
    workArea->setAccessibleName(QStringLiteral("decine e unità"));

    for (int i = 0; i < TensUnitsModel::tens; ++i) {
        const int left = design.tenColumns[i < 5 ? 0 : 1];
        const int top = 2520 + 360 * (i < 5 ? i : i - 5);
        QAbstractButton *b = block(QStringLiteral("Decina1"), QStringLiteral("decina"), red,
                                   QStringLiteral("ten_off"), left, top, 2415, 255);
        b->setProperty("index", i);
        connect(b, &QAbstractButton::clicked, this, [this, b, i] {
            if (model_.takeTen(i))
                takenAway(b);
        });
        Decina1.push_back(b);
    }
    for (int i = 0; i < TensUnitsModel::units; ++i) {
        QAbstractButton *b = block(QStringLiteral("Unita1"), QStringLiteral("unità"), blue,
                                   QStringLiteral("unit_off"), design.unitColumns[i % 2],
                                   2520 + 360 * (i / 2), 255, 255);
        b->setProperty("index", i);
        connect(b, &QAbstractButton::clicked, this, [this, b, i] {
            if (model_.takeUnit(i))
                takenAway(b);
        });
        Unita1.push_back(b);
    }
    if (model_.offersExchange())
        for (int i = 0; i < TensUnitsModel::stripUnits; ++i) {
            QAbstractButton *b = block(QStringLiteral("Unita2"), QStringLiteral("unità"), blue,
                                       QStringLiteral("unit_off"), 960 + 480 * i, 4680, 255, 255);
            b->setProperty("index", i);
            connect(b, &QAbstractButton::clicked, this, [this, b, i] {
                if (model_.takeStripUnit(i))
                    takenAway(b);
            });
            Unita2.push_back(b);
        }

    std::vector<QWidget *> order = {Risultato, BotDecine1, BotUnita1};
    if (Cambio)
        order.push_back(Cambio);
    order.push_back(BottoneRicomincia);
    order.push_back(avanti());
    for (const auto *row : {&Decina1, &Unita1, &Unita2})
        order.insert(order.end(), row->begin(), row->end());
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    showArea();
    updateButtons();
}

QAbstractButton *TensUnitsScreen::block(const QString &name, const QString &accessible,
                                        std::uint32_t colour, const QString &cursor, int left,
                                        int top, int width, int height)
{
    auto *b = new Block(bgr(colour), workArea);
    b->setObjectName(name);
    b->setAccessibleName(accessible);
    b->setCursor(pointer(cursor));
    const QRect &box = design_.box;
    place(b, left - box.x(), top - box.y(), width, height);
    b->hide();
    return b;
}

bool TensUnitsScreen::exchangeRunning() const { return animator_->running(); }

void TensUnitsScreen::onFirstShown()
{
    GeneraEsercizio();
    Risultato->setFocus();
}

void TensUnitsScreen::GeneraEsercizio()
{
    animator_->stop();
    newBackground();
    Risultato->clear();
    model_.next();
    EtNumero->setText(model_.text());
    // The label is as wide as its text, and the answer field follows it.
    const QRect e = EtNumero->geometry();
    EtNumero->resize(EtNumero->fontMetrics().horizontalAdvance(model_.text()) + EtNumero->margin() * 2,
                     e.height());
    Risultato->move(EtNumero->geometry().right() + 1, Risultato->y());
    showArea();
    updateButtons();
}

void TensUnitsScreen::showArea()
{
    for (int i = 0; i < static_cast<int>(Decina1.size()); ++i)
        Decina1[i]->setHidden(!model_.ten(i));
    for (int i = 0; i < static_cast<int>(Unita1.size()); ++i)
        Unita1[i]->setHidden(!model_.unit(i));
    for (int i = 0; i < static_cast<int>(Unita2.size()); ++i)
        Unita2[i]->setHidden(!model_.stripUnit(i));
    workArea->setAccessibleDescription(model_.description());
}

// A ten or unit taken away with the keys hands them to the nearest one
// still shown, in the tab order, so that the next one is a key away; with
// none left they rest in the answer field.
void TensUnitsScreen::takenAway(QAbstractButton *block)
{
    const bool hadKeys = focusWidget() == block;
    countsChanged();
    if (!hadKeys)
        return;
    std::vector<QAbstractButton *> blocks = Decina1;
    blocks.insert(blocks.end(), Unita1.begin(), Unita1.end());
    blocks.insert(blocks.end(), Unita2.begin(), Unita2.end());
    const auto at = std::find(blocks.begin(), blocks.end(), block);
    const auto shown = [](QAbstractButton *b) { return !b->isHidden(); };
    auto next = std::find_if(at, blocks.end(), shown);
    if (next == blocks.end()) {
        const auto before = std::find_if(std::make_reverse_iterator(at), blocks.rend(), shown);
        next = before == blocks.rend() ? blocks.end() : std::prev(before.base());
    }
    if (next != blocks.end())
        (*next)->setFocus(Qt::TabFocusReason);
    else
        restingPlace()->setFocus(Qt::OtherFocusReason);
}

void TensUnitsScreen::countsChanged()
{
    showArea();
    tellDescription(workArea);
}

void TensUnitsScreen::updateButtons()
{
    // While a ten is being changed the work area takes no orders, nor the
    // keys.
    const bool busy = model_.exchanging();
    workArea->setEnabled(!busy);
    BotDecine1->setEnabled(!busy);
    BotUnita1->setEnabled(!busy);
    if (Cambio)
        Cambio->setEnabled(!busy && !model_.exchangeUsed());
    BottoneRicomincia->setEnabled(!busy && !model_.answered());
}

void TensUnitsScreen::exchange()
{
    switch (model_.beginExchange()) {
    case TensUnitsModel::ExchangeStart::Refused:
        wrongAnswer();
        return;
    case TensUnitsModel::ExchangeStart::Ignored:
        return;
    case TensUnitsModel::ExchangeStart::Started:
        break;
    }
    // The keys wait in the answer field, away from the tens and units, until
    // the exchange is over.
    parkFocus();
    updateButtons();
    QAbstractButton *ten = Decina1[model_.exchangingTen()];
    // The ten blinks first, then the ten units it becomes.
    animator_->start(2 * blinks, blinkMs, [this, ten](int step) {
        if (step < blinks) {
            ten->setHidden(!ten->isHidden());
            return;
        }
        for (QAbstractButton *u : Unita2)
            u->setHidden(!u->isHidden());
    }, [this] {
        model_.finishExchange();
        countsChanged();
        updateButtons();
        unparkFocus();
    });
}

void TensUnitsScreen::ricomincia()
{
    if (model_.exchanging())
        return;
    model_.clear();
    // Where no exchange is offered, starting again clears the answer too.
    if (design_.kind == TensUnitsModel::Kind::NoExchange)
        Risultato->clear();
    countsChanged();
    updateButtons();
}

void TensUnitsScreen::judge()
{
    if (!Risultato->isEnabled())
        return;
    switch (model_.judge(Risultato->text())) {
    case Verdict::Right:
        rightAnswer();
        avanti()->setEnabled(true);
        Risultato->setEnabled(false);
        updateButtons();
        avanti()->setFocus();
        return;
    case Verdict::Wrong:
        break;
    case Verdict::Ignored:
        return;
    }
    wrongAnswer();
    if (design_.kind == TensUnitsModel::Kind::NoExchange) {
        // The screen without an exchange insists on a careful check.
        QPointer<TensUnitsScreen> self(this);
        services().messages->show(this, QStringLiteral("Controlla esattamente il risultato"),
                                  ProgramTitle, MessageBoxes::Icon::Error, MessageBoxes::Buttons::Ok);
        if (!self)
            return;
        SuonoSbagliato();
    }
    if (Risultato->isEnabled())
        Risultato->setFocus();
}

void TensUnitsScreen::onAvanti()
{
    Risultato->setEnabled(true);
    avanti()->setEnabled(false);
    GeneraEsercizio();
    Risultato->setFocus();
}

void registerTensUnits()
{
    for (const TensUnitsDesign *d :
         {&tensUnitsNoExchangeDesign(), &tensUnitsExchangeDesign(), &tensUnitsEitherDesign()})
        registerScreen(d->frame, [d] { return new TensUnitsScreen(*d); });
}

QString TensUnitsScreen::spokenExercise() const { return spokenSum(EtNumero->text()); }

QString TensUnitsScreen::spokenSolution() const { return spokenSum(EtNumero->text() + QLatin1Char(' ') + Risultato->text()); }
