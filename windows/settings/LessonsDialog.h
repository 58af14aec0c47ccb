#pragma once

// The lesson list, made for a finger: the built-in lessons with their
// descriptions, then the teacher's own with their first numbers. Use Lesson,
// or a double tap, hands the chosen plan back to the settings dialog, which
// fills its boxes with it. The teacher's own lessons are saved, renamed,
// deleted, exported and imported here, each change written to the library
// at once, and what another copy of the program writes there is shown.

#include "lessons/LessonLibrary.h"

#include <QDialog>
#include <QFileSystemWatcher>
#include <QTimer>

#include <optional>

class Dialogs;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class LessonsDialog : public QDialog {
    Q_OBJECT
public:
    // current: the settings boxes as a plan; nothing while one of them holds
    // a number too large to keep.
    LessonsDialog(LessonLibrary &library, std::optional<LessonPlan> current, Dialogs &dialogs, QWidget *parent);

    // Set by Use Lesson; nothing after Close.
    const std::optional<LessonPlan> &chosen() const { return m_chosen; }

private:
    void fillList(std::optional<int> selectOwn = std::nullopt);
    void selectionChanged();
    // The selected lesson's place among the teacher's own; nothing for a
    // built-in lesson or none.
    std::optional<int> selectedOwn() const;
    std::optional<LessonPlan> selectedPlan() const;

    void useLesson();
    void saveAsLesson();
    void renameLesson();
    void deleteLesson();
    void exportLessons();
    void importLessons();

    void tellOf(const std::optional<Message> &message);
    std::optional<int> indexOfOwn(const QString &name) const;
    // The list follows the file when another copy of the program changes it.
    void watchLibrary();
    void reload();

    QListWidget *lessonList;
    QPushButton *useButton;
    QPushButton *saveAsButton;
    QPushButton *renameButton;
    QPushButton *deleteButton;
    QPushButton *exportButton;
    QPushButton *importButton;
    QPushButton *closeButton;

    LessonLibrary &m_library;
    std::optional<LessonPlan> m_current;
    Dialogs &m_dialogs;
    std::optional<LessonPlan> m_chosen;
    QFileSystemWatcher watcher;
    QTimer reloadTimer;
};

// Loads the teacher's lessons, telling of a damaged lesson file, and shows
// the list modally; returns the lesson chosen, or nothing after Close.
std::optional<LessonPlan> showLessonsDialog(const std::optional<LessonPlan> &current, Dialogs &dialogs,
                                            QWidget *parent);
