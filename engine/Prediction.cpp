#include "Prediction.h"

#include "NumberText.h"

#include <cmath>

namespace {

// Asks until the answer is right (true) or empty (false).
bool askUntilRight(CountingSession &session, Prompter &prompter, const Question &question, double nextValue)
{
    for (;;) {
        session.predictionAnswer = prompter.askText(question);
        if (session.predictionAnswer.isEmpty())
            return false;
        if (isRightAnswer(session.predictionAnswer, nextValue)) {
            prompter.showMessage(Messages::wellDone());
            return true;
        }
        prompter.showMessage(Messages::tryAgain());
    }
}

} // namespace

bool isRightAnswer(const QString &answer, double nextValue)
{
    // Beyond the largest number the run ends instead of showing it.
    if (!std::isfinite(nextValue))
        return false;
    // Judged as the counter shows numbers, so after 0.1 and 0.2 the answer 0.3
    // is right, and so is the exact sum.
    return numberToText(textToNumber(answer)) == numberToText(nextValue);
}

void predictOneCounter(CountingSession &session, Prompter &prompter)
{
    askUntilRight(session, prompter, Messages::nextNumber(), session.currentValue1 + session.currentStep1);
}

void predictTwoCounters(CountingSession &session, Prompter &prompter)
{
    if (askUntilRight(session, prompter, Messages::nextNumberCounter1(), session.currentValue1 + session.currentStep1))
        askUntilRight(session, prompter, Messages::nextNumberCounter2(), session.currentValue2 + session.currentStep2);
}

void predictNext(CountingSession &session, Prompter &prompter)
{
    if (session.counterCount == 1)
        predictOneCounter(session, prompter);
    else
        predictTwoCounters(session, prompter);
}
