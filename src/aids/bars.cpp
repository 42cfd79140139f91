#include "aids/bars.h"

#include "frame/numbers.h"
#include "frame/services.h"

#include <QtGlobal>

void BarsModel::setType(int type)
{
    if (type >= 1 && type <= 3)
        type_ = type;
}

void BarsModel::next()
{
    switch (type_) {
    case 1:
        asked_ = Bar::Red;
        break;
    case 2:
        asked_ = Int(Rnd() * 2) + 1 == 1 ? Bar::Green : Bar::Yellow;
        break;
    default: {
        const int choice = Int(Rnd() * 3) + 1;
        asked_ = choice == 1 ? Bar::Green : choice == 2 ? Bar::Yellow : Bar::Red;
        break;
    }
    }
    rosso_ = Int(Rnd() * maximum_) + 1;
    giallo_ = Int(Rnd() * rosso_);
    Q_ASSERT(rosso_ >= 1 && rosso_ <= maximum_ && giallo_ >= 0 && giallo_ < rosso_);
    answered_ = false;
    helpShown_ = false;
}

Verdict BarsModel::press(int i)
{
    if (answered_)
        return Verdict::Ignored;
    if (i != answer())
        return Verdict::Wrong;
    answered_ = true;
    return Verdict::Right;
}

int BarsModel::value(Bar bar) const
{
    switch (bar) {
    case Bar::Yellow:
        return giallo_;
    case Bar::Green:
        return rosso_ - giallo_;
    case Bar::Red:
        break;
    }
    return rosso_;
}

QString BarsModel::text(Bar bar) const
{
    if (bar == asked_ && !answered_)
        return QStringLiteral("?");
    return B(value(bar));
}

QString BarsModel::instruction() const
{
    switch (asked_) {
    case Bar::Yellow:
        return QStringLiteral("Trova il numero che corrisponde alla barra gialla");
    case Bar::Green:
        return QStringLiteral("Trova il numero che corrisponde alla barra verde");
    case Bar::Red:
        break;
    }
    return QStringLiteral("Trova il numero che corrisponde alla barra rossa");
}

QString BarsModel::squaresDescription() const
{
    if (!helpShown_)
        return {};
    const auto squares = [](int n, const char *one, const char *many) {
        return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
    };
    return squares(value(Bar::Yellow), "quadretto giallo", "quadretti gialli") + QStringLiteral(", ")
           + squares(value(Bar::Green), "quadretto verde", "quadretti verdi") + QStringLiteral(", ")
           + squares(value(Bar::Red), "quadretto rosso", "quadretti rossi");
}
