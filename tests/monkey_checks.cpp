// The family checks of the monkey (tests/monkey.h): what must hold on a
// screen of one family after any event. A family adds its rows to the table
// below, keyed by its screen class or by one screen's name.

#include "monkey.h"

#include "aids/make_ten_screen.h"
#include "drills/typed_drill_screen.h"

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

} // namespace

void registerFamilyChecks()
{
    addScreenCheck(QStringLiteral("TypedDrillScreen"), typedAnswerFits);
    addScreenCheck(QStringLiteral("MakeTenScreen"), missingNumberHasButton);
}
