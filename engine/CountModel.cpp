#include "engine/CountModel.h"

void CountModel::append(int countIndex, const QString &counter1, const std::optional<QString> &counter2)
{
    m_countIndex = countIndex;
    m_shown = {counter1, counter2};
    emit countsAppended(countIndex);
}

void CountModel::setHidden(int counter, bool hidden)
{
    bool &flag = m_hidden[std::size_t(counter - 1)];
    if (flag == hidden)
        return;
    flag = hidden;
    emit counterHiddenChanged(counter, hidden);
}
