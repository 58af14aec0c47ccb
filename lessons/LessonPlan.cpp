#include "lessons/LessonPlan.h"

#include "engine/NumberText.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringView>
#include <QStringList>

namespace {

// Characters that turn the direction of the text after them, or mark it.
bool changesDirection(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool keptInName(char32_t c)
{
    const QChar::Category category = QChar::category(c);
    return category != QChar::Other_Control && category != QChar::Separator_Line
        && category != QChar::Separator_Paragraph && !changesDirection(c);
}

} // namespace

QString cleanLessonName(const QString &name)
{
    return cleanName(name, longestLessonName);
}

QString cleanName(const QString &name, int longest)
{
    QString clean;
    clean.reserve(std::min(name.size(), qsizetype(4 * longest)));
    int characters = 0;
    // Blanks at the start are left out here and at the end below; a long
    // name stops being read once it is long enough.
    for (const char32_t c : QStringView(name).toUcs4()) {
        if (!keptInName(c) || (clean.isEmpty() && QChar::isSpace(c)))
            continue;
        if (characters++ == longest)
            break;
        if (QChar::requiresSurrogates(c))
            clean.append(QChar(QChar::highSurrogate(c))).append(QChar(QChar::lowSurrogate(c)));
        else
            clean.append(QChar(c));
    }
    return clean.trimmed();
}

bool LessonPlan::countsLike(const LessonPlan &other) const
{
    return counter1 == other.counter1 && speed == other.speed && twoCounters == other.twoCounters
        && counter2 == other.counter2 && routine == other.routine && look == other.look;
}

LessonPlan LessonPlan::of(const CountingSession &session)
{
    return {QString(), QString(), session.counter1, session.speed, session.counterCount == 2, session.counter2, {},
            session.routine};
}

QString firstNumbersOf(const LessonPlan &plan)
{
    constexpr int shown = 4;
    QStringList numbers;
    ExactDecimal value, step, change;
    startCounter(plan.counter1, value, step, change);
    for (int k = 0; k < shown; ++k) {
        numbers << numberToText(value.shown());
        value += step;
        step += change;
    }
    const bool commaDecimals = QLocale().decimalPoint() == QStringLiteral(",");
    return numbers.join(commaDecimals ? QStringLiteral("; ") : QStringLiteral(", ")) + QStringLiteral(" …");
}

namespace {

// 1st, 2nd, 3rd, 4th … 11th, 12th, 13th … 21st, as each language writes them.
QString ordinal(int n)
{
    const int last = n % 10;
    const bool teen = n % 100 >= 11 && n % 100 <= 13;
    const char *form = teen || last == 0 || last > 3 ? QT_TRANSLATE_NOOP("LessonPlan", "%1th")
        : last == 1                                  ? QT_TRANSLATE_NOOP("LessonPlan", "%1st")
        : last == 2                                  ? QT_TRANSLATE_NOOP("LessonPlan", "%1nd")
                                                     : QT_TRANSLATE_NOOP("LessonPlan", "%1rd");
    return QCoreApplication::translate("LessonPlan", form).arg(n);
}

} // namespace

QString routineWords(const Routine &routine)
{
    QStringList words;
    if (routine.pauseEvery > 0)
        words << QCoreApplication::translate("LessonPlan", "pauses every %1").arg(routine.pauseEvery);
    if (routine.pauseAt)
        words << QCoreApplication::translate("LessonPlan", "pauses when counter %1 reaches %2")
                     .arg(routine.pauseAt->counter)
                     .arg(numberToText(routine.pauseAt->value));
    if (routine.hushEvery > 0)
        words << QCoreApplication::translate("LessonPlan", "hushes every %1").arg(ordinal(routine.hushEvery));
    if (routine.countAloud)
        words << QCoreApplication::translate("LessonPlan", "aloud");
    return words.join(QStringLiteral(", "));
}
