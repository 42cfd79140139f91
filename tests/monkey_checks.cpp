// The family checks of the monkey (tests/monkey.h): what must hold on a
// screen of one family after any event. A family adds its rows to the table
// below, keyed by its screen class or by one screen's name.

#include "monkey.h"

#include "abacus/abacus_screen.h"
#include "aids/bars_screen.h"
#include "aids/complete_squares_screen.h"
#include "aids/hundred_table_screen.h"
#include "aids/make_ten_screen.h"
#include "aids/tens_units_screen.h"
#include "column/column_screen.h"
#include "drills/typed_drill_screen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace {

QString nameOf(const QWidget *w)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()), w->objectName());
}

// The keys: never on a control that is disabled or hidden, and, while the
// screen is the active window (and no menu or box is open over it), always
// on one of its controls; on the menu bar only while the child goes along it.
QStringList keysInReach(QWidget *screen)
{
    QStringList out;
    if (QWidget *f = screen->focusWidget(); f && (!f->isEnabled() || !f->isVisible()))
        out << QStringLiteral("the keys are on %1, which is %2")
                   .arg(nameOf(f), f->isEnabled() ? QStringLiteral("hidden") : QStringLiteral("disabled"));
    if (!screen->isActiveWindow() || QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return out;
    QWidget *f = QApplication::focusWidget();
    if (!f || f->window() != screen)
        out << QStringLiteral("the keys are nowhere on the active screen");
    else if (auto *bar = qobject_cast<QMenuBar *>(f); bar && !bar->activeAction())
        out << QStringLiteral("the keys are on the menu bar, which goes nowhere");
    return out;
}

// During an exchange the keys are on no control that changes the counts.
template <class Controls>
QStringList keysOffTheCounts(QWidget *screen, bool exchanging, const Controls &controls)
{
    QWidget *f = screen->focusWidget();
    if (!exchanging || !f)
        return {};
    for (const QWidget *c : controls)
        if (c && c == f)
            return {QStringLiteral("the keys are on %1 during an exchange").arg(nameOf(f))};
    return {};
}

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

// A number fits a field when its figures are no more than the field takes.
QStringList answerFits(int answer, const QLineEdit *field)
{
    if (answer < 0 || QString::number(answer).size() > field->maxLength())
        return {QStringLiteral("the answer %1 cannot be typed in a field of %2")
                    .arg(answer).arg(field->maxLength())};
    return {};
}

// The abacus: each wire holds 0 to its limit, the beads drawn (outside an
// exchange, which blinks them) are as many as counted, and what a screen
// reader hears is the count.
QStringList abacusShowsItsCounts(QWidget *screen)
{
    auto *s = static_cast<AbacusScreen *>(screen);
    const AbacusModel &m = s->model();
    QStringList out = answerFits(m.exercise().risposta, s->Text1);
    for (int wire = 0; wire < m.wires(); ++wire) {
        const int count = m.count(wire);
        if (count < 0 || count > m.limit(wire))
            out << QStringLiteral("wire %1 holds %2 beads, limit %3").arg(wire).arg(count).arg(m.limit(wire));
        if (m.exchanging())
            continue;
        int drawn = 0;
        for (int i = 0; i < 30; ++i)
            drawn += m.beadShown(wire, i) ? 1 : 0;
        if (drawn != count)
            out << QStringLiteral("wire %1 draws %2 beads for a count of %3").arg(wire).arg(drawn).arg(count);
    }
    if (s->abacus()->accessibleDescription() != m.description())
        out << QStringLiteral("the abacus reads '%1', the counts are '%2'")
                   .arg(s->abacus()->accessibleDescription(), m.description());
    std::vector<QWidget *> counting = {s->BottoneCambio, s->BottoneCambio2, s->Bot_ricomincia};
    for (int wire = 0; wire < m.wires(); ++wire)
        counting.insert(counting.end(), {s->plusButton(wire), s->minusButton(wire)});
    out << keysOffTheCounts(screen, m.exchanging(), counting);
    return out;
}

// Tens and units: at most 9 tens and 19 units, and each one is on show
// exactly when counted (outside an exchange, which blinks them).
QStringList tensAndUnitsShowTheirCounts(QWidget *screen)
{
    auto *s = static_cast<TensUnitsScreen *>(screen);
    const TensUnitsModel &m = s->model();
    QStringList out = answerFits(m.differenza(), s->Risultato);
    if (m.contaDecine() < 0 || m.contaDecine() > 9 || m.contaUnita() < 0 || m.contaUnita() > 19)
        out << QStringLiteral("%1 tens and %2 units").arg(m.contaDecine()).arg(m.contaUnita());
    std::vector<QWidget *> counting = {s->BotDecine1, s->BotUnita1, s->Cambio, s->BottoneRicomincia};
    for (const auto *row : {&s->Decina1, &s->Unita1, &s->Unita2})
        counting.insert(counting.end(), row->begin(), row->end());
    out << keysOffTheCounts(screen, m.exchanging(), counting);
    if (m.exchanging())
        return out;
    const auto compare = [&](const std::vector<QAbstractButton *> &shown, auto counted, const char *what) {
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i]->isVisible() != counted(int(i)))
                out << QStringLiteral("%1 %2 is %3").arg(QLatin1String(what)).arg(i)
                           .arg(shown[i]->isVisible() ? QStringLiteral("shown, not counted")
                                                      : QStringLiteral("counted, not shown"));
    };
    compare(s->Decina1, [&](int i) { return m.ten(i); }, "ten");
    compare(s->Unita1, [&](int i) { return m.unit(i); }, "unit");
    compare(s->Unita2, [&](int i) { return m.stripUnit(i); }, "unit of the changed ten");
    return out;
}

// Completing 100, 500 and 1 000: the coloured squares never pass the total,
// and what a screen reader hears is the count.
QStringList squaresShowTheirCounts(QWidget *screen)
{
    auto *s = static_cast<CompleteScreen *>(screen);
    const SquaresModel &m = s->model();
    QStringList out;
    const int coloured = m.contaQuadretti() + 100 * m.contaCentinaia();
    if (m.contaQuadretti() < 0 || m.contaCentinaia() < 0 || coloured > m.rule().total)
        out << QStringLiteral("%1 squares and %2 hundreds coloured of %3")
                   .arg(m.contaQuadretti()).arg(m.contaCentinaia()).arg(m.rule().total);
    if (s->Quadretti->accessibleDescription() != m.description())
        out << QStringLiteral("the squares read '%1', the counts are '%2'")
                   .arg(s->Quadretti->accessibleDescription(), m.description());
    return out;
}

// Screens answered with a click: until the answer is given, the button or
// cell of the right number is there to be clicked.
QStringList answerButtonInReach(const std::vector<QPushButton *> &buttons, int answer, const char *what)
{
    if (answer < 0 || answer >= int(buttons.size()))
        return {QStringLiteral("no %1 for the answer %2").arg(QLatin1String(what)).arg(answer)};
    const QPushButton *b = buttons[std::size_t(answer)];
    if (!b->isVisible() || !b->isEnabled())
        return {QStringLiteral("the %1 of the answer %2 is out of reach").arg(QLatin1String(what)).arg(answer)};
    return {};
}

QStringList barsAnswerInReach(QWidget *screen)
{
    auto *s = static_cast<BarsScreen *>(screen);
    if (s->model().answered())
        return {};
    return answerButtonInReach(s->Bottone, s->model().answer(), "number button");
}

QStringList tableAnswerInReach(QWidget *screen)
{
    auto *s = static_cast<HundredTableScreen *>(screen);
    if (s->model().solved())
        return {};
    return answerButtonInReach(s->Numero, s->model().differenza(), "cell");
}

} // namespace

void registerFamilyChecks()
{
    addScreenCheck(QStringLiteral("ExerciseScreen"), keysInReach);
    addScreenCheck(QStringLiteral("TypedDrillScreen"), typedAnswerFits);
    addScreenCheck(QStringLiteral("MakeTenScreen"), missingNumberHasButton);
    addScreenCheck(QStringLiteral("ColumnScreen"), columnShowsModel);
    addScreenCheck(QStringLiteral("AbacusScreen"), abacusShowsItsCounts);
    addScreenCheck(QStringLiteral("TensUnitsScreen"), tensAndUnitsShowTheirCounts);
    addScreenCheck(QStringLiteral("CompleteScreen"), squaresShowTheirCounts);
    addScreenCheck(QStringLiteral("BarsScreen"), barsAnswerInReach);
    addScreenCheck(QStringLiteral("HundredTableScreen"), tableAnswerInReach);
}
