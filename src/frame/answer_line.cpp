#include "frame/answer_line.h"

#include "frame/look.h"
#include "frame/numbers.h"
#include "frame/spoken.h"
#include "frame/twips.h"
#include "frame/widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
QLabel *lineLabel(QWidget *area, int index, const AnswerLineDesign &d)
{
    QLabel *l = makeLabel(area, {.name = QStringLiteral("EtichettaNumero"),
                                 .box = QRect(d.start, d.field), .points = d.points});
    l->setProperty("index", index);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(l, Qt::white);
    return l;
}

// A label sized to its text, as high as the field beside it.
void fitText(QLabel *l, int height)
{
    const int width = l->fontMetrics().horizontalAdvance(l->text()) + 2 * l->margin();
    l->resize(std::max(width, 1), height);
}
} // namespace

AnswerLineScreen::AnswerLineScreen(const FrameDesign &frame, const AnswerLineDesign &line,
                                   QWidget *parent)
    : ExerciseScreen(frame, parent)
{
    EtichettaNumero0 = lineLabel(area(), 0, line);
    Text1 = makeAnswerField(area(),
                            {.name = QStringLiteral("Text1"),
                             .spokenName = QStringLiteral("risposta"),
                             .box = QRect(line.start, line.field),
                             .points = line.points,
                             .maxLength = line.maxLength},
                            [this] { checkAnswer(); });
    setAnswerField(Text1);
    EtichettaNumero1 = lineLabel(area(), 1, line);
}

void AnswerLineScreen::showLine(const QString &before, const QString &after)
{
    EtichettaNumero0->setText(before);
    EtichettaNumero1->setText(after);
    // A screen reader reads the field with the line it stands in.
    Text1->setAccessibleDescription(spokenExercise());
    const int height = Text1->height();
    fitText(EtichettaNumero0, height);
    fitText(EtichettaNumero1, height);
    const QPoint start = EtichettaNumero0->pos();
    Text1->move(start.x() + EtichettaNumero0->width(), start.y());
    EtichettaNumero1->move(Text1->x() + Text1->width(), start.y());
}

void AnswerLineScreen::checkAnswer()
{
    if (!Text1->isEnabled())
        return;
    switch (judge(Text1->text())) {
    case Verdict::Right:
        rightAnswer();
        avanti()->setEnabled(true);
        Text1->setEnabled(false);
        onSolved();
        avanti()->setFocus();
        break;
    case Verdict::Wrong:
        wrongAnswer();
        Text1->setFocus();
        break;
    case Verdict::Ignored:
        break;
    }
}

QString AnswerLineScreen::spokenExercise() const
{
    return spokenSum(EtichettaNumero0->text() + QStringLiteral(" ____ ") + EtichettaNumero1->text());
}

QString AnswerLineScreen::spokenSolution() const
{
    // The answer as it was judged: by its figures only.
    return spokenSum(EtichettaNumero0->text() + QLatin1Char(' ')
                     + QString::number(readDigits(Text1->text())) + QLatin1Char(' ')
                     + EtichettaNumero1->text());
}

void AnswerLineScreen::onFirstShown() { Text1->setFocus(); }

