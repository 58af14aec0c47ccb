#pragma once

// The teacher's own lessons, kept in one file and written anew, atomically,
// after every change. Names are unique among all lessons, built-in ones
// included by their English and their translated names, ignoring case: a
// name already taken gets a number, "Fractions (2)", and no lesson is ever
// replaced. A file that cannot be read whole is set aside as
// lessons.json.damaged and the lessons that could be read are written back,
// so damage costs no lesson that can still be read and is met only once.

#include "LessonFile.h"
#include "LessonPlan.h"
#include "Messages.h"

#include <QList>
#include <QString>

#include <optional>

class LessonLibrary {
public:
    explicit LessonLibrary(QString path) : m_path(std::move(path)) {}
    // lessons.json in the program's data folder.
    static QString standardPath();

    enum class Loaded { Fine, DamagedFileSetAside };
    Loaded load();

    const QList<LessonPlan> &own() const { return m_own; }

    // Each change is written at once. When the file cannot be written the
    // library stays as it was, and the change reports failure.
    std::optional<int> add(const LessonPlan &lesson);  // its index in own()
    bool rename(int index, const QString &name);
    bool remove(int index);

    struct Imported {
        QList<int> added;       // indexes in own()
        int renamed = 0;
        int alreadyThere = 0;   // the same lesson under the same name, perhaps numbered
        bool saved = true;
    };
    Imported import(const QList<LessonPlan> &lessons);

private:
    bool nameTaken(const QList<LessonPlan> &own, const QString &name, int ignoring) const;
    QString uniqueName(const QList<LessonPlan> &own, const QString &name, int ignoring = -1) const;
    bool alreadyThere(const QList<LessonPlan> &own, const LessonPlan &lesson) const;
    bool setAsideDamagedFile() const;
    bool save(const QList<LessonPlan> &own);

    QString m_path;
    QList<LessonPlan> m_own;
    // Saving over a damaged file that could not be set aside would lose it.
    bool m_damagedInPlace = false;
};

// What the teacher is told after importing a file; nothing when every lesson
// in it was added as it was.
std::optional<Message> messageAfterImport(const LessonFile::Contents &file, const LessonLibrary::Imported &imported);
