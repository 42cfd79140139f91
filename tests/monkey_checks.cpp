// The family checks of the monkey (tests/monkey.h): what must hold on a
// screen of one family after any event. A family adds its rows to the table
// below, keyed by its screen class or by one screen's name.

#include "monkey.h"

#include "drills/typed_drill_screen.h"

#include <QLineEdit>

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

} // namespace

void registerFamilyChecks()
{
    addScreenCheck(QStringLiteral("TypedDrillScreen"), typedAnswerFits);
}
