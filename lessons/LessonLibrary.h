#pragma once

// The teacher's own lessons, kept in one file that several copies of the
// program may share. Every change locks the file, reads it again, applies
// the one change to what it holds and writes it anew, atomically, so no copy
// loses another's lessons. Names are unique among all lessons, built-in ones
// included by their English and their translated names, ignoring case: a
// name already taken gets a number, "Fractions (2)", and no lesson is ever
// replaced.
//
// Nothing the teacher saved is given up: a file with damaged lessons is set
// aside under a name of its own and the lessons that could be read are
// written back; a file of a later version is kept with what this version
// cannot read; a file that cannot be read at all is left where it is, and
// saving stays off until it can be read.

#include "engine/Messages.h"
#include "lessons/LessonFile.h"
#include "lessons/LessonPlan.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class LessonLibrary {
public:
    explicit LessonLibrary(QString path) : m_path(std::move(path)) {}
    // lessons.json in the program's data folder.
    static QString standardPath();
    const QString &path() const { return m_path; }

    struct Loaded {
        enum class State { Fine, NewerKept, DamagedFileSetAside, DamagedFileInPlace, CannotRead };
        State state = State::Fine;
        int read = 0;
        int unread = 0;
        QString setAsideAs;  // the damaged file's name now
        LessonFile::Opened opened = LessonFile::Opened::Fine;
    };
    Loaded load();

    const QList<LessonPlan> &own() const { return m_contents.lessons; }

    // How a change ended. Unless it was saved, the file is as it was, and
    // own() shows what it holds.
    enum class Change { Saved, Unchanged, NotWritten, TooLarge, Busy, SavingOff, LessonGone };
    struct Added {
        Change change = Change::Saved;
        std::optional<int> index;  // in own()
        explicit operator bool() const { return index.has_value(); }
    };
    Added add(const LessonPlan &lesson);
    // index: in own() as it was last read.
    Change rename(int index, const QString &name);
    Change remove(int index);

    struct Imported {
        QList<int> added;       // indexes in own()
        int renamed = 0;
        int alreadyThere = 0;   // the same lesson under the same name, perhaps numbered
        Change change = Change::Saved;
    };
    Imported import(const QList<LessonPlan> &lessons);

private:
    // Under the lock, the file read again is given to change; what it leaves
    // there is written when it answers Saved.
    Change changeFile(const std::function<Change(QList<LessonPlan> &lessons)> &change);
    QString setAsideDamagedFile() const;

    QString m_path;
    LessonFile::Contents m_contents;
    // A file that could not be read, or set aside when damaged, would be lost
    // by writing over it.
    bool m_savingOff = false;
};

std::optional<Message> messageAfterLoad(const LessonLibrary::Loaded &loaded);
// Nothing for a change saved or not needed.
std::optional<Message> messageAfterChange(LessonLibrary::Change change);
// What the teacher is told after importing a file; nothing when every lesson
// in it was added as it was.
std::optional<Message> messageAfterImport(const LessonFile::Contents &file, const LessonLibrary::Imported &imported);
