#pragma once

// Taps a lesson in the lesson list, as a teacher would, scrolling it into
// view first.

#include "tests/support/Named.h"

#include <QListWidget>
#include <QTest>

inline bool tapLesson(QWidget &lessons, const QString &name)
{
    auto *list = named<QListWidget>(lessons, "lessonList");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    if (found.size() != 1)
        return false;
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    return found.front()->isSelected();
}
