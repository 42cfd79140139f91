#include "drills/typed_drill.h"

#include "frame/numbers.h"
#include "frame/services.h"
#include "frame/state.h"

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

std::vector<TypedDrillRow> makeRows()
{
    return {
        {.name = QStringLiteral("Form16"), .draw = [] {
             const int n = Int(98 * Rnd()) + 1;
             return minusConstant(n, 1);
         }, .left = 360, .top = 1080, .clientArea = {10530, 9945}},
        {.name = QStringLiteral("Form17"), .draw = [] {
             const int n = Int(88 * Rnd()) + 10;
             const int u = Int(10 * Rnd());
             return minusNumber(n + u, u);
         }, .left = 240, .top = 960, .clientArea = {10530, 9945}, .informazioniBlanks = 10},
        {.name = QStringLiteral("Form18"), .draw = [] {
             const int d = (Int(9 * Rnd()) + 1) * 10;
             const int n = Int((98 - d) * Rnd());
             return minusNumber(d + n, d);
         }, .left = 360, .top = 1080, .clientArea = {11025, 8265}},
        {.name = QStringLiteral("Form19"), .draw = [] {
             const int n = Int(78 * Rnd()) + 10;
             return minusConstant(n, 10);
         }, .left = 480, .top = 1080, .clientArea = {9855, 8295}, .informazioniBlanks = 10,
         .exitName = QStringLiteral("MnuEsci")},
        {.name = QStringLiteral("Form20"), .draw = [] {
             if (Int(2 * Rnd()) + 1 == 1)
                 return minusConstant(Int(97 * Rnd()) + 1, 1);
             return minusConstant(Int(78 * Rnd()) + 10, 10);
         }, .left = 600, .top = 1200, .clientArea = {9570, 6525}},
        {.name = QStringLiteral("Form21"), .draw = [] {
             const int k = Int(2 * Rnd()) + 1;
             const int d = k == 1 ? Int(9 * Rnd()) + 1 : (Int(9 * Rnd()) + 1) * 10;
             const int n = Int((99 - d) * Rnd()) + 1;
             return minusNumber(d + n, d);
         }, .left = 240, .top = 960, .clientArea = {9570, 6525}, .informazioniBlanks = 10},
        {.name = QStringLiteral("Form25"), .draw = [] {
             return minusConstant(Int(998 * Rnd()) + 1, 1);
         }, .left = 360, .top = 1080, .clientArea = {9495, 6510}, .azzeraBlanks = 7,
         .informazioniBlanks = 10, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form26"), .draw = [] {
             const int n = Int(990 * Rnd());
             const int u = Int(10 * Rnd());
             return minusNumber(n + u, u);
         }, .left = 360, .top = 1080, .clientArea = {9495, 6510}, .azzeraBlanks = 7,
         .informazioniBlanks = 10, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form27"), .draw = [] {
             return minusConstant(Int(970 * Rnd()) + 20, 10);
         }, .left = 240, .top = 1200, .clientArea = {9495, 6510}, .azzeraBlanks = 7,
         .informazioniBlanks = 10, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form28"), .draw = [] {
             const int n = Int(890 * Rnd());
             const int d = Int(10 * Rnd()) * 10;
             return minusNumber(n + d, d);
         }, .left = 240, .top = 960, .clientArea = {9495, 6510}, .azzeraBlanks = 7,
         .informazioniBlanks = 10, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form29"), .draw = [] {
             return minusConstant(Int(880 * Rnd()) + 100, 100);
         }, .left = 360, .top = 960, .clientArea = {9495, 6510}, .azzeraBlanks = 7,
         .informazioniBlanks = 10, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form30"), .draw = [] {
             const int m = Int(890 * Rnd());
             const int c = Int(Rnd() * m / 100) * 100;
             return minusNumber(m, c);
         }, .left = 240, .top = 840, .clientArea = {9495, 6510}, .azzeraBlanks = 7,
         .informazioniBlanks = 10, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form31"), .draw = [] {
             static const std::array<int, 3> s = {1, 10, 100};
             const int m = Int(890 * Rnd()) + 100;
             const int k = pick(Int(3 * Rnd()), 3);
             return minusPower(m, s[k], QString::number(s[k]));
         }, .left = 360, .top = 960, .clientArea = {10335, 9360}, .stopIsBlank = true,
         .reseedOnLoad = true, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form32"), .draw = [] {
             const int n = Int(100 * Rnd()) + 1;
             return exercise(B(100 - n) + QStringLiteral(" +____ = 100"), n,
                             B(100 - n) + QStringLiteral(" + ") + B(n) + QStringLiteral(" = 100"));
         }, .left = 360, .top = 960, .clientArea = {9495, 6510}, .azzeraBlanks = 7,
         .informazioniBlanks = 10, .fieldFirstInTab = false},
        {.name = QStringLiteral("Form35"), .draw = [] {
             static const std::array<int, 4> s = {1, 10, 100, 1000};
             static const std::array<const char *, 4> words = {"1", "10", "100", "1 000"};
             const int m = Int(8990 * Rnd()) + 1000;
             const int k = pick(Int(4 * Rnd()), 4);
             return minusPower(m, s[k], QString::fromLatin1(words[k]));
         }, .left = 360, .top = 1080, .clientArea = {10830, 7650}, .fontPoints = 27.75,
         .informazioniBlanks = 10, .maxLength = 5, .wideField = true, .stopIsBlank = true,
         .reseedOnLoad = true},
    };
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
