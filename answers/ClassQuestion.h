#pragma once

// The question the class answers at a pause: the next number of each
// counter. Each device holds one answer per question, which it may change
// until the teacher reveals; answers are judged as the input box judges
// them, and the spread groups them as the board would show them.

#include "engine/CommonMistakes.h"
#include "engine/ExactDecimal.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class ClassQuestion {
public:
    enum class Refusal { None, Closed, NotANumber, TooLong };

    struct Bar {
        QString answer;  // as the board shows the number
        int pupils = 0;
        bool right = false;
        QString mistake;  // once revealed, the common mistake a wrong answer fits, if any
    };

    // A closed question, which takes no answers.
    ClassQuestion() = default;
    // One next value per counter in use; with each counter as the pause
    // found it, revealed wrong answers are named by the common mistake they fit.
    explicit ClassQuestion(QList<ExactDecimal> nextValues, QList<CountAtPause> counts = {});

    int counters() const { return int(m_next.size()); }
    bool isOpen() const { return !m_next.isEmpty() && !m_revealed; }
    bool isRevealed() const { return m_revealed; }
    // One text per counter; an answer that cannot count is refused whole.
    Refusal answer(const QString &device, const QStringList &answers);
    void reveal() { m_revealed = !m_next.isEmpty(); }

    // Takes a device's answer out of the count, and puts one back.
    std::optional<QStringList> withdraw(const QString &device);
    void restore(const QString &device, const QStringList &answers) { m_answers.insert(device, answers); }

    int answeredCount() const { return int(m_answers.size()); }
    std::optional<QStringList> answerOf(const QString &device) const;
    // Right or not, per counter; empty while unrevealed or unanswered.
    QList<bool> verdictOf(const QString &device) const;
    // The next numbers as the board will show them.
    QStringList nextTexts() const;
    // One bar per distinct answer of the counter, smallest number first;
    // once revealed, the right answer has a bar even when nobody gave it.
    QList<Bar> spread(int counter) const;

private:
    QList<ExactDecimal> m_next;
    QList<CountAtPause> m_counts;
    bool m_revealed = false;
    QHash<QString, QStringList> m_answers;  // by device
};

// Whether a pupil's text is a number the program reads whole: an optional
// sign, digits with at most one decimal separator ("." or the region's), an
// optional exponent, blanks around it, and within range: "6 8" is two
// numbers, not 68.
bool readsWholeAsNumber(const QString &text);
