#include "drills/typed_drill_screen.h"

#include "frame/look.h"
#include "frame/navigation.h"
#include "frame/services.h"
#include "frame/spoken.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

FrameDesign typedDrillFrame(const TypedDrillRow &row)
{
    // The frame stands where the exercise's number does.
    const int x = row.left, y = row.top;
    return {.name = row.name,
            .catalogue = Catalogue::Numbers,
            .clientArea = row.clientArea,
            .iconaSi = {x + 8340, y - 600},
            .avanti = {x + 7680, y + 5160},
            .azzeraBlanks = row.azzeraBlanks,
            .informazioniBlanks = row.informazioniBlanks,
            .exitName = row.exitName,
            .avantiEnabled = row.avantiEnabled};
}

TypedDrillScreen::TypedDrillScreen(const TypedDrillRow &row, QWidget *parent)
    : ExerciseScreen(typedDrillFrame(row), parent),
      row_(row), model_(row.draw)
{
    if (row.reseedOnLoad)
        services().random->reseed();

    EtichettaNumero = makeLabel(area(), {.name = QStringLiteral("EtichettaNumero"),
                                         .box = QRect(row.left, row.top, 7215, 975),
                                         .points = row.fontPoints});
    EtichettaNumero->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(EtichettaNumero, Qt::white);

    const QRect box = row.wideField ? QRect(row.left + 960, row.top + 2520, 5895, 2175)
                                    : QRect(row.left + 1800, row.top + 2520, 3975, 2175);
    Text1 = makeAnswerField(area(),
                            {.name = QStringLiteral("Text1"),
                             .spokenName = QStringLiteral("risposta"),
                             .box = box,
                             .points = 48,
                             .maxLength = row.maxLength},
                            [this] { checkAnswer(); });
    Text1->installEventFilter(this);
    // The field is read with the exercise it answers, from the label.
    EtichettaNumero->setBuddy(Text1);
    setAnswerField(Text1);

    if (row.fieldFirstInTab)
        setTabOrder(Text1, avanti());
    else
        setTabOrder(avanti(), Text1);
}

void TypedDrillScreen::onFirstShown() { GeneraEsercizio(); }

void TypedDrillScreen::GeneraEsercizio()
{
    newBackground();
    model_.next();
    Text1->clear();
    showExercise(model_.exercise().text);
    if (Text1->isEnabled())
        Text1->setFocus();
}

void TypedDrillScreen::onAvanti()
{
    Text1->setEnabled(true);
    avanti()->setEnabled(false);
    GeneraEsercizio();
}

void TypedDrillScreen::checkAnswer()
{
    if (!Text1->isEnabled() || Text1->text().isEmpty())
        return;
    const QString typed = Text1->text();
    if (model_.check(typed)) {
        rightAnswer();
        avanti()->setEnabled(true);
        // The closed field leaves the keys in the resting place, not on
        // "avanti": the Enter pressed again must not hurry the child past the
        // smile and the completed subtraction. Tab reaches "avanti".
        Text1->setEnabled(false);
        showExercise(model_.completed(typed));
    } else {
        wrongAnswer();
        if (Text1->isEnabled())
            Text1->setFocus();
    }
}

QString TypedDrillScreen::spokenSolution() const
{
    return spokenSum(model_.completed(Text1->text()));
}

void TypedDrillScreen::showExercise(const QString &text)
{
    EtichettaNumero->setText(text);
    EtichettaNumero->setAccessibleName(spokenSum(text));
}

bool TypedDrillScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text1) {
        if (event->type() == QEvent::KeyPress && row_.stopIsBlank) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->text() == QLatin1String(".")) {
                Text1->insert(QStringLiteral(" "));
                return true;
            }
        }
    }
    return ExerciseScreen::eventFilter(watched, event);
}

void registerTypedDrills()
{
    for (const auto &row : typedDrillRows())
        registerScreen(typedDrillFrame(row), [&row] { return new TypedDrillScreen(row); });
}
