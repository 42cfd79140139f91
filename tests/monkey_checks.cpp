// The family checks of the monkey (tests/monkey.h): what must hold on a
// screen of one family after any event. A family adds its rows to the table
// below, keyed by its screen class or by one screen's name.

#include "monkey.h"

#include "aids/make_ten_screen.h"
#include "column/column_screen.h"
#include "drills/typed_drill_screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The expected answer can be typed: it has no more figures than the field
// takes, and no sign.
QStringList typedAnswerFits(QWidget *screen)
{
    auto *s = static_cast<TypedDrillScreen *>(screen);
    const int answer = s->model().exercise().answer;
    const QString figures = QString::number(answer);
    if (answer < 0 || figures.size() > s->Text1->maxLength())
        return {QStringLiteral("the answer %1 of '%2' cannot be typed in a field of %3")
                    .arg(answer)
                    .arg(s->model().exercise().text)
                    .arg(s->Text1->maxLength())};
    return {};
}

// Until the exercise is solved, the button of the missing number is there to
// be pressed: shown, enabled and captioned with that number.
QStringList missingNumberHasButton(QWidget *screen)
{
    auto *s = static_cast<MakeTenScreen *>(screen);
    if (s->model().solved())
        return {};
    const int missing = s->model().target() - s->model().n();
    if (missing < 0 || missing >= int(s->Bottone.size()))
        return {QStringLiteral("no button for the missing %1 of %2").arg(missing).arg(s->model().target())};
    QPushButton *b = s->Bottone[std::size_t(missing)];
    if (!b->isVisible() || !b->isEnabled() || b->text().trimmed() != QString::number(missing))
        return {QStringLiteral("the button of the missing %1 is %2 '%3'")
                    .arg(missing)
                    .arg(b->isEnabled() && b->isVisible() ? QStringLiteral("captioned") : QStringLiteral("out of reach"))
                    .arg(b->text())};
    return {};
}

// Column subtraction: the digits of the line and of the grid are what the
// model holds, the subtraction can be done, and the result field of the step
// under way takes typing.
QStringList columnShowsModel(QWidget *screen)
{
    auto *s = static_cast<ColumnScreen *>(screen);
    const ColumnModel &m = s->model();
    QStringList out;
    if (m.difference() < 0)
        out << QStringLiteral("%1 - %2 cannot be done").arg(m.minuend()).arg(m.subtrahend());
    for (int row : {Minuend, Subtrahend})
        for (int column : {Units, Tens, Hundreds}) {
            if (QLabel *l = s->lineLabel(row, column); l && l->text() != m.lineText(row, column))
                out << QStringLiteral("line digit %1,%2 shows '%3', the model '%4'")
                           .arg(row).arg(column).arg(l->text(), m.lineText(row, column));
            if (QLabel *c = s->cell(row, column); c && c->text() != m.cellText(row, column))
                out << QStringLiteral("cell %1,%2 shows '%3', the model '%4'")
                           .arg(row).arg(column).arg(c->text(), m.cellText(row, column));
        }
    for (int column : {Units, Tens, Hundreds}) {
        if (!m.fieldOpen(column))
            continue;
        QLineEdit *f = s->resultField(column);
        if (!f || !f->isVisible() || !f->isEnabled() || f->maxLength() < 1)
            out << QStringLiteral("the result field of column %1 is open but out of reach").arg(column);
    }
    return out;
}

} // namespace

void registerFamilyChecks()
{
    addScreenCheck(QStringLiteral("TypedDrillScreen"), typedAnswerFits);
    addScreenCheck(QStringLiteral("MakeTenScreen"), missingNumberHasButton);
    addScreenCheck(QStringLiteral("ColumnScreen"), columnShowsModel);
}
