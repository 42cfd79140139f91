#include "frame/spoken.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace {

// "1 000" and "1.000" are one number.
QString joinedGroups(QString text)
{
    static const QRegularExpression groups(QStringLiteral("(\\d)[ .](?=\\d{3}(?!\\d))"));
    return text.replace(groups, QStringLiteral("\\1"));
}

} // namespace

QString spokenSum(const QString &shown)
{
    QString text = joinedGroups(shown);
    static const QRegularExpression gap(QStringLiteral("_+"));
    text.replace(gap, QStringLiteral(" quanto "));
    text.replace(QLatin1Char('-'), QStringLiteral(" meno "));
    text.replace(QLatin1Char('+'), QStringLiteral(" più "));
    text.replace(QLatin1Char('='), QStringLiteral(" uguale "));
    return text.simplified();
}

QString spokenPlace(const QString &heading, const QString &caption)
{
    const QString where = QString(heading).replace(QStringLiteral(" - "), QStringLiteral(", "))
                              .simplified();
    const QString what = spokenSum(caption);
    if (where.isEmpty())
        return what;
    return what.isEmpty() ? where : where + QStringLiteral(", ") + what;
}

QString spokenLines(const QString &shown)
{
    static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
    QString said;
    for (const QString &line : shown.split(breaks)) {
        if (std::none_of(line.begin(), line.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            continue;
        // A line that ends a sentence needs no comma after it.
        if (!said.isEmpty())
            said += said.back().isPunct() ? QStringLiteral(" ") : QStringLiteral(", ");
        said += line.simplified();
    }
    return said;
}
