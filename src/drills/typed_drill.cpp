#include "drills/typed_drill.h"

#include "frame/numbers.h"
#include "frame/services.h"
#include "frame/state.h"

#include <QStringList>
#include <array>

namespace {

// Sets the shared number of the exercise on show to its expected answer.
TypedExercise exercise(QString text, int answer, QString solution = QString())
{
    shared().NumeroCasuale = static_cast<std::int16_t>(answer);
    return {std::move(text), answer, std::move(solution)};
}

// B(n + s), then " - s = ": the answer is n.
TypedExercise minusConstant(int n, int s)
{
    return exercise(B(n + s) + QStringLiteral(" - %1 = ").arg(s), n);
}

TypedExercise minusNumber(int minuend, int taken)
{
    return exercise(B(minuend) + QStringLiteral(" - ") + B(taken) + QStringLiteral(" = "),
                    minuend - taken);
}

// The starting number is held in NumeroCasuale while the text is written,
// then lowered by the number taken away to the expected answer.
TypedExercise minusPower(int m, int s, const QString &sText)
{
    shared().NumeroCasuale = static_cast<std::int16_t>(m);
    const QString text = G(m) + QStringLiteral(" - ") + sText + QStringLiteral(" = ");
    shared().NumeroCasuale = static_cast<std::int16_t>(shared().NumeroCasuale - s);
    return {text, shared().NumeroCasuale, QString()};
}

int pick(int k, int count)
{
    Q_ASSERT(k >= 0 && k < count);
    return k;
}

TypedDrillRow row(QString name, std::function<TypedExercise()> draw, int left, int top,
                  int w, int h, int azzera, int info)
{
    TypedDrillRow r;
    r.name = std::move(name);
    r.draw = std::move(draw);
    r.left = left;
    r.top = top;
    r.areaWidth = w;
    r.areaHeight = h;
    r.azzeraBlanks = azzera;
    r.informazioniBlanks = info;
    return r;
}

std::vector<TypedDrillRow> makeRows()
{
    std::vector<TypedDrillRow> rows;
    rows.push_back(row(QStringLiteral("Form16"), [] {
        const int n = Int(98 * Rnd()) + 1;
        return minusConstant(n, 1);
    }, 360, 1080, 10530, 9945, 8, 11));
    rows.push_back(row(QStringLiteral("Form17"), [] {
        const int n = Int(88 * Rnd()) + 10;
        const int u = Int(10 * Rnd());
        return minusNumber(n + u, u);
    }, 240, 960, 10530, 9945, 8, 10));
    rows.push_back(row(QStringLiteral("Form18"), [] {
        const int d = (Int(9 * Rnd()) + 1) * 10;
        const int n = Int((98 - d) * Rnd());
        return minusNumber(d + n, d);
    }, 360, 1080, 11025, 8265, 8, 11));
    rows.push_back(row(QStringLiteral("Form19"), [] {
        const int n = Int(78 * Rnd()) + 10;
        return minusConstant(n, 10);
    }, 480, 1080, 9855, 8295, 8, 10));
    rows.back().exitName = QStringLiteral("MnuEsci");
    rows.push_back(row(QStringLiteral("Form20"), [] {
        if (Int(2 * Rnd()) + 1 == 1)
            return minusConstant(Int(97 * Rnd()) + 1, 1);
        return minusConstant(Int(78 * Rnd()) + 10, 10);
    }, 600, 1200, 9570, 6525, 8, 11));
    rows.push_back(row(QStringLiteral("Form21"), [] {
        const int k = Int(2 * Rnd()) + 1;
        const int d = k == 1 ? Int(9 * Rnd()) + 1 : (Int(9 * Rnd()) + 1) * 10;
        const int n = Int((99 - d) * Rnd()) + 1;
        return minusNumber(d + n, d);
    }, 240, 960, 9570, 6525, 8, 10));
    rows.push_back(row(QStringLiteral("Form25"), [] {
        return minusConstant(Int(998 * Rnd()) + 1, 1);
    }, 360, 1080, 9495, 6510, 7, 10));
    rows.push_back(row(QStringLiteral("Form26"), [] {
        const int n = Int(990 * Rnd());
        const int u = Int(10 * Rnd());
        return minusNumber(n + u, u);
    }, 360, 1080, 9495, 6510, 7, 10));
    rows.push_back(row(QStringLiteral("Form27"), [] {
        return minusConstant(Int(970 * Rnd()) + 20, 10);
    }, 240, 1200, 9495, 6510, 7, 10));
    rows.push_back(row(QStringLiteral("Form28"), [] {
        const int n = Int(890 * Rnd());
        const int d = Int(10 * Rnd()) * 10;
        return minusNumber(n + d, d);
    }, 240, 960, 9495, 6510, 7, 10));
    rows.push_back(row(QStringLiteral("Form29"), [] {
        return minusConstant(Int(880 * Rnd()) + 100, 100);
    }, 360, 960, 9495, 6510, 7, 10));
    rows.push_back(row(QStringLiteral("Form30"), [] {
        const int m = Int(890 * Rnd());
        const int c = Int(Rnd() * m / 100) * 100;
        return minusNumber(m, c);
    }, 240, 840, 9495, 6510, 7, 10));
    rows.push_back(row(QStringLiteral("Form31"), [] {
        static const std::array<int, 3> s = {1, 10, 100};
        const int m = Int(890 * Rnd()) + 100;
        const int k = pick(Int(3 * Rnd()), 3);
        return minusPower(m, s[k], QString::number(s[k]));
    }, 360, 960, 10335, 9360, 8, 11));
    rows.back().stopIsBlank = true;
    rows.back().reseedOnLoad = true;
    rows.push_back(row(QStringLiteral("Form32"), [] {
        const int n = Int(100 * Rnd()) + 1;
        return exercise(B(100 - n) + QStringLiteral(" +____ = 100"), n,
                        B(100 - n) + QStringLiteral(" + ") + B(n) + QStringLiteral(" = 100"));
    }, 360, 960, 9495, 6510, 7, 10));
    rows.push_back(row(QStringLiteral("Form35"), [] {
        static const std::array<int, 4> s = {1, 10, 100, 1000};
        static const std::array<const char *, 4> words = {"1", "10", "100", "1 000"};
        const int m = Int(8990 * Rnd()) + 1000;
        const int k = pick(Int(4 * Rnd()), 4);
        return minusPower(m, s[k], QString::fromLatin1(words[k]));
    }, 360, 1080, 10830, 7650, 8, 10));
    rows.back().fontPoints = 27.75;
    rows.back().maxLength = 5;
    rows.back().wideField = true;
    rows.back().stopIsBlank = true;
    rows.back().reseedOnLoad = true;

    // The answer field comes first in the tab order on these; elsewhere
    // "avanti" does, but it starts disabled.
    for (auto &r : rows) {
        static const QStringList fieldFirst = {
            QStringLiteral("Form16"), QStringLiteral("Form17"), QStringLiteral("Form18"),
            QStringLiteral("Form19"), QStringLiteral("Form20"), QStringLiteral("Form21"),
            QStringLiteral("Form35")};
        r.fieldFirstInTab = fieldFirst.contains(r.name);
    }
    return rows;
}

} // namespace

const std::vector<TypedDrillRow> &typedDrillRows()
{
    static const std::vector<TypedDrillRow> rows = makeRows();
    return rows;
}

const TypedDrillRow *typedDrillRow(const QString &name)
{
    for (const auto &r : typedDrillRows())
        if (r.name == name)
            return &r;
    return nullptr;
}

void TypedDrillModel::next()
{
    exercise_ = draw_();
    state_ = State::Asking;
}

bool TypedDrillModel::check(const QString &typed)
{
    if (state_ != State::Asking || typed.isEmpty())
        return false;
    if (readDigits(typed) != exercise_.answer)
        return false;
    state_ = State::Solved;
    return true;
}

QString TypedDrillModel::completed(const QString &typed) const
{
    if (!exercise_.solution.isEmpty())
        return exercise_.solution;
    return exercise_.text + QLatin1Char(' ') + typed;
}
