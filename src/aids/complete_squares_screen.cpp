#include "aids/complete_squares_screen.h"

#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/tell.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int bigSide = 1665;
constexpr std::uint32_t unitColour = 0xFF0000;
constexpr std::uint32_t tenColour = 0x0000FF;
constexpr std::uint32_t hundredColour = 0x00C000;

using Kind = CompleteDesign::Colours;

// The small squares and the big ones, drawn in one area.
class SquaresView final : public QWidget {
public:
    SquaresView(QWidget *parent, const CompleteDesign &design, const CompleteScreen &screen)
        : QWidget(parent), design_(design), screen_(screen)
    {
        QRect extent(design.grid, QSize(9 * design.pitch + design.side, 9 * design.pitch + design.side));
        for (const QPoint &at : design.big)
            extent = extent.united(QRect(at, QSize(bigSide, bigSide)));
        origin_ = extent.topLeft();
        // Up to the end of the last edge, drawn from a whole pixel on.
        const QPoint from = twipsPoint(extent.x(), extent.y());
        const QPoint to = twipsPoint(extent.x() + extent.width() - 15,
                                     extent.y() + extent.height() - 15)
                          + QPoint(edgePixels(), edgePixels());
        setGeometry(QRect(from, to - QPoint(1, 1)));
        setObjectName(QStringLiteral("Quadretti"));
        setAccessibleName(QStringLiteral("quadretti"));
    }

protected:
    // Every edge starts on a whole pixel and is as wide as every other, so
    // the grid looks even at any zoom: a square's two edges are the lines at
    // its left (top) and 15 twips inside its right (bottom), where the next
    // square of the grid starts its own.
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int line = edgePixels();
        const QPoint origin = twipsPoint(origin_.x(), origin_.y());
        const auto square = [&](int left, int top, int side, const QColor &colour) {
            const QPoint from = twipsPoint(left, top) - origin;
            const QPoint to = twipsPoint(left + side - 15, top + side - 15) - origin
                              + QPoint(line, line);
            const QRect outer(from, to - QPoint(1, 1));
            p.fillRect(outer, Qt::black);
            p.fillRect(outer.adjusted(line, line, -line, -line), colour);
        };
        for (int j = 0; j < static_cast<int>(design_.big.size()); ++j) {
            const QPoint at = design_.big[static_cast<std::size_t>(j)];
            square(at.x(), at.y(), bigSide, screen_.bigColour(j));
        }
        for (int i = 0; i < 100; ++i)
            square(design_.grid.x() + design_.pitch * (i / 10),
                   design_.grid.y() + design_.pitch * (i % 10), design_.side,
                   screen_.squareColour(i));
    }

private:
    static int edgePixels() { return std::max(1, px(15)); }

    const CompleteDesign &design_;
    const CompleteScreen &screen_;
    QPoint origin_;
};

CompleteDesign hundred()
{
    CompleteDesign d;
    d.name = QStringLiteral("Form100g");
    d.rule = {.total = 100, .judgeEmpty = false, .equals = QStringLiteral(" = 100")};
    d.clientArea = QSize(11955, 9420);
    d.grid = QPoint(240, 1080);
    d.plain = 0x80FF80;
    d.line = {QPoint(1440, 120), QSize(975, 600), 3, 21.75};
    d.buttons = {
        {Kind::Unit, QStringLiteral("Command2"), QStringLiteral("Colora un'unità"),
         QRect(6600, 2640, 1650, 915), unitColour},
        {Kind::Ten, QStringLiteral("Command1"), QStringLiteral("Colora una decina"),
         QRect(6600, 4920, 1650, 915), tenColour},
    };
    d.ricomincia = QRect(9000, 4560, 1905, 1110);
    d.avanti = QPoint(9000, 6600);
    d.iconaSi = QPoint(9420, 240);
    return d;
}

CompleteDesign larger(int total)
{
    CompleteDesign d;
    d.clientArea = QSize(12975, 9840);
    d.pitch = 165;
    d.side = 180;
    d.plain = 0xFFFFC0;
    d.line = {QPoint(840, 5160), QSize(1215, 600), 4, 21.75};
    d.buttons = {
        {Kind::Hundred, QStringLiteral("Command3"), QStringLiteral("centinaio"),
         QRect(120, 6360, 1830, 660), hundredColour},
        {Kind::Ten, QStringLiteral("Command1"), QStringLiteral("decina"),
         QRect(2160, 6360, 1830, 675), tenColour},
        {Kind::Unit, QStringLiteral("Command2"), QStringLiteral("unità"),
         QRect(4200, 6360, 1830, 675), 0xC00000},
    };
    d.avanti = QPoint(8760, 6480);
    if (total == 500) {
        d.name = QStringLiteral("Form500g");
        d.rule = {.total = 500,
                  .bigSquares = 4,
                  .kinds = true,
                  .anyCount = 500,
                  .anyFrom = 0,
                  .hundredsCount = 5,
                  .tensCount = 50,
                  .judgeEmpty = true,
                  .equals = QStringLiteral(" = 500")};
        d.grid = QPoint(2205, 2370);
        d.big = {{360, 240}, {2205, 240}, {4080, 240}, {360, 2400}};
        d.ricomincia = QRect(8760, 4440, 1905, 1110);
        d.iconaSi = QPoint(9180, 120);
    } else {
        d.name = QStringLiteral("Form1000g");
        d.rule = {.total = 1000,
                  .bigSquares = 9,
                  .kinds = true,
                  .anyCount = 999,
                  .anyFrom = 1,
                  .hundredsCount = 9,
                  .tensCount = 99,
                  .judgeEmpty = true,
                  .equals = QStringLiteral(" = 1 000")};
        d.grid = QPoint(7485, 2130);
        for (int left : {120, 1965, 3840, 5640, 7440})
            d.big.emplace_back(left, 120);
        for (int left : {120, 1920, 3840, 5640})
            d.big.emplace_back(left, 2160);
        d.ricomincia = QRect(8760, 5040, 1905, 1110);
        d.iconaSi = QPoint(9780, 120);
    }
    return d;
}

FrameDesign frame(const CompleteDesign &c)
{
    return {.name = c.name,
            .catalogue = Catalogue::Graphic,
            .clientArea = c.clientArea,
            .iconaSi = c.iconaSi,
            .avanti = c.avanti,
            .avantiEnabled = true};   // the first exercise closes it
}

QString discFor(Kind kind)
{
    switch (kind) {
    case Kind::Unit: return QStringLiteral("disc_blue");
    case Kind::Ten: return QStringLiteral("disc_red");
    case Kind::Hundred: break;
    }
    return QStringLiteral("disc_green");
}
} // namespace

const std::vector<CompleteDesign> &completeDesigns()
{
    static const std::vector<CompleteDesign> designs = {hundred(), larger(500), larger(1000)};
    return designs;
}

CompleteScreen::CompleteScreen(const CompleteDesign &design, QWidget *parent)
    : AnswerLineScreen(frame(design), design.line, parent), design_(design), model_(design.rule)
{
    Quadretti = new SquaresView(area(), design, *this);

    QWidget *before = Text1;
    for (const CompleteDesign::Button &b : design.buttons) {
        QPushButton *button = makeButton(area(), {.name = b.objectName, .text = b.caption,
                                                  .box = b.box, .points = 8.25,
                                                  .family = QStringLiteral("MS Sans Serif")});
        setButtonColour(button, bgr(b.colour));
        button->setCursor(pointer(discFor(b.kind)));
        const Kind kind = b.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { colour(kind); });
        (kind == Kind::Unit ? Command2 : kind == Kind::Ten ? Command1 : Command3) = button;
        setTabOrder(before, button);
        before = button;
    }
    const QRect &r = design.ricomincia;
    BottoneRicomincia = makePictureButton(area(), {.name = QStringLiteral("BottoneRicomincia"),
                                                   .text = QStringLiteral("Ricomincia"), .box = r,
                                                   .points = 14.25},
                                          QStringLiteral("bin"));
    BottoneRicomincia->setCursor(pointer(QStringLiteral("bin")));
    connect(BottoneRicomincia, &QToolButton::clicked, this, [this] { ricomincia(); });
    setTabOrder(before, BottoneRicomincia);
    setTabOrder(BottoneRicomincia, avanti());

    GeneraEsercizio();
}

QColor CompleteScreen::squareColour(int i) const
{
    switch (model_.square(i)) {
    case SquaresModel::Square::Unit: return bgr(unitColour);
    case SquaresModel::Square::Ten: return bgr(tenColour);
    case SquaresModel::Square::Plain: break;
    }
    return bgr(design_.plain);
}

QColor CompleteScreen::bigColour(int j) const
{
    return bgr(j < model_.contaCentinaia() ? hundredColour : design_.plain);
}

void CompleteScreen::GeneraEsercizio()
{
    Text1->setEnabled(true);
    avanti()->setEnabled(false);
    newBackground();
    model_.next();
    squaresChanged();
    Text1->clear();
    showLine(model_.before(), model_.after());
}

void CompleteScreen::squaresChanged()
{
    Quadretti->setAccessibleDescription(model_.description());
    Quadretti->update();
}

void CompleteScreen::colour(Kind kind)
{
    const bool changed = kind == Kind::Unit ? model_.unit()
                         : kind == Kind::Ten ? model_.ten()
                                             : model_.hundred();
    if (changed) {
        squaresChanged();
        tellDescription(Quadretti);
    }
}

void CompleteScreen::ricomincia()
{
    model_.restart();
    squaresChanged();
    tellDescription(Quadretti);
    Text1->clear();
    showLine(model_.before(), model_.after());
}

Verdict CompleteScreen::judge(const QString &typed)
{
    return model_.check(typed);
}

void CompleteScreen::onSolved() { BottoneRicomincia->setEnabled(false); }

void CompleteScreen::onAvanti()
{
    GeneraEsercizio();
    BottoneRicomincia->setEnabled(true);
    Text1->setFocus();
}

void registerCompleteScreens()
{
    for (const CompleteDesign &d : completeDesigns())
        registerScreen(frame(d), [&d] { return new CompleteScreen(d); });
}
