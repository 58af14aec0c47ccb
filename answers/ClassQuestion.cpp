#include "answers/ClassQuestion.h"

#include "answers/AnswerLimits.h"
#include "engine/NumberText.h"
#include "engine/Prediction.h"

#include <QRegularExpression>

#include <algorithm>

bool readsWholeAsNumber(const QString &text)
{
    const QString compact = text.trimmed();
    const QString separators = QRegularExpression::escape(QStringLiteral(".") + decimalSeparator());
    static const QString pattern = QStringLiteral("^[+-]?(\\d+([%1]\\d*)?|[%1]\\d+)([eEdD][+-]?\\d+)?$");
    return QRegularExpression(pattern.arg(separators)).match(compact).hasMatch() && readNumber(text).inRange;
}

ClassQuestion::ClassQuestion(QList<ExactDecimal> nextValues, QList<CountAtPause> counts)
    : m_next(std::move(nextValues)), m_counts(std::move(counts))
{
}

std::optional<QStringList> ClassQuestion::withdraw(const QString &device)
{
    if (!m_answers.contains(device))
        return std::nullopt;
    return m_answers.take(device);
}

ClassQuestion::Refusal ClassQuestion::answer(const QString &device, const QStringList &answers)
{
    if (!isOpen())
        return Refusal::Closed;
    if (answers.size() != m_next.size())
        return Refusal::NotANumber;
    for (const QString &text : answers) {
        if (text.size() > AnswerLimits::maxAnswerCharacters)
            return Refusal::TooLong;
        if (!readsWholeAsNumber(text))
            return Refusal::NotANumber;
    }
    m_answers.insert(device, answers);
    return Refusal::None;
}

std::optional<QStringList> ClassQuestion::answerOf(const QString &device) const
{
    const auto found = m_answers.constFind(device);
    if (found == m_answers.cend())
        return std::nullopt;
    return *found;
}

QList<bool> ClassQuestion::verdictOf(const QString &device) const
{
    QList<bool> verdict;
    const auto found = m_answers.constFind(device);
    if (!m_revealed || found == m_answers.cend())
        return verdict;
    for (int i = 0; i < counters(); ++i)
        verdict << isRightAnswer(found->at(i), m_next[i]);
    return verdict;
}

QStringList ClassQuestion::nextTexts() const
{
    QStringList texts;
    for (const ExactDecimal &next : m_next)
        texts << next.shown().text(decimalSeparator());
    return texts;
}

QList<ClassQuestion::Bar> ClassQuestion::spread(int counter) const
{
    struct Group {
        double value;
        Bar bar;
    };
    QList<Group> groups;
    for (const QStringList &answers : m_answers) {
        const QString &text = answers.at(counter);
        const Decimal value = readNumber(text).value;
        const QString shown = numberToText(value);
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group &g) { return g.bar.answer == shown; });
        if (group == groups.end()) {
            const bool right = isRightAnswer(text, m_next[counter]);
            const QString mistake = m_revealed && !right && counter < m_counts.size()
                ? mistakeName(mistakeOf(m_counts[counter], value), 2 - counter) : QString();
            group = groups.insert(groups.end(), {value.toDouble(), {shown, 0, right, mistake}});
        }
        ++group->bar.pupils;
    }
    // Once revealed, the right answer has its bar even when nobody gave it.
    if (m_revealed && std::none_of(groups.cbegin(), groups.cend(), [](const Group &g) { return g.bar.right; }))
        groups.append({m_next[counter].toDouble(), {m_next[counter].shown().text(decimalSeparator()), 0, true, {}}});
    std::sort(groups.begin(), groups.end(), [](const Group &a, const Group &b) { return a.value < b.value; });
    QList<Bar> bars;
    for (const Group &g : groups)
        bars << g.bar;
    return bars;
}
