#include "engine/Prediction.h"

#include "engine/NumberText.h"

#include <cmath>

namespace {

// Asks until the answer is right (true) or empty (false).
bool askUntilRight(Prompter &prompter, const Question &question, const ExactDecimal &nextValue)
{
    for (;;) {
        const QString answer = prompter.askText(question);
        if (answer.isEmpty())
            return false;
        if (isRightAnswer(answer, nextValue)) {
            prompter.showMessage(Messages::wellDone());
            return true;
        }
        prompter.showMessage(Messages::tryAgain());
    }
}

} // namespace

bool isRightAnswer(const QString &answer, const ExactDecimal &nextValue)
{
    // Beyond the largest number the run ends instead of showing it.
    const ReadNumber answered = readNumber(answer);
    if (!std::isfinite(nextValue.toDouble()) || !answered.inRange)
        return false;
    return answered.value.rounded() == nextValue.shown();
}

void predictOneCounter(const CountingSession &session, Prompter &prompter)
{
    askUntilRight(prompter, Messages::nextNumber(), session.currentValue1 + session.currentStep1);
}

void predictTwoCounters(const CountingSession &session, Prompter &prompter)
{
    if (askUntilRight(prompter, Messages::nextNumberCounter1(), session.currentValue1 + session.currentStep1))
        askUntilRight(prompter, Messages::nextNumberCounter2(), session.currentValue2 + session.currentStep2);
}

void predictNext(const CountingSession &session, Prompter &prompter)
{
    if (session.counterCount == 1)
        predictOneCounter(session, prompter);
    else
        predictTwoCounters(session, prompter);
}
