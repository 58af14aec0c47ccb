#include "lessons/LessonLibrary.h"

#include "lessons/BuiltInLessons.h"
#include "lessons/LessonFile.h"
#include "lessons/LessonMessages.h"
#include "platform/FileSaving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <array>

namespace {

// "Fractions (2)" is a number given to "Fractions".
QString baseName(const QString &name)
{
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S) \\(\\d+\\)$"));
    const QRegularExpressionMatch match = numbered.match(name);
    return match.hasMatch() ? match.captured(1) : name;
}

QString folded(const QString &name)
{
    return name.toCaseFolded();
}

QString numbered(const QString &base, int number)
{
    const QString suffix = QStringLiteral(" (%1)").arg(number);
    QString cut = base.left(longestLessonName - suffix.size());
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut.trimmed() + suffix;
}

// The same counting under the same name, whatever its case, as a key.
QByteArray countingKey(const QString &name, const LessonPlan &lesson)
{
    const std::array<double, 7> numbers = {
        lesson.counter1.firstNumber.toDouble(), lesson.counter1.firstStep.toDouble(),
        lesson.counter1.stepChange.toDouble(),  lesson.counter2.firstNumber.toDouble(),
        lesson.counter2.firstStep.toDouble(),   lesson.counter2.stepChange.toDouble(),
        double(lesson.speed) + (lesson.twoCounters ? 0.5 : 0)};
    QByteArray key;
    for (double number : numbers) {
        number += 0.0;  // -0 counts like 0
        key.append(reinterpret_cast<const char *>(&number), sizeof number);
    }
    const QString name_ = folded(name);
    return key.append(reinterpret_cast<const char *>(name_.constData()), name_.size() * 2);
}

// The names taken and the lessons there, each looked up at once, so that
// naming thousands of lessons of one name takes time in proportion to them.
class LessonIndex {
public:
    explicit LessonIndex(const QList<LessonPlan> &own, int ignoring = -1)
    {
        for (const LessonPlan &lesson : builtInLessons())
            for (const QString &name : {lesson.name, shownName(lesson)}) {
                m_taken.insert(folded(name));
                m_there.insert(countingKey(name, lesson));
            }
        for (int i = 0; i < own.size(); ++i)
            if (i != ignoring)
                add(own[i]);
    }

    void add(const LessonPlan &lesson)
    {
        m_taken.insert(folded(lesson.name));
        m_there.insert(countingKey(baseName(lesson.name), lesson));
    }

    bool alreadyThere(const LessonPlan &lesson) const
    {
        return m_there.contains(countingKey(baseName(lesson.name), lesson));
    }

    // The name cleaned, with the first number free after it if it is taken.
    QString uniqueName(const QString &name)
    {
        const QString clean = cleanLessonName(name);
        if (!m_taken.contains(folded(clean)))
            return clean;
        const QString base = baseName(clean);
        // Numbers below this one were found taken before.
        int &number = m_firstFree[folded(base)];
        number = std::max(number, 2);
        while (m_taken.contains(folded(numbered(base, number))))
            ++number;
        return numbered(base, number);
    }

private:
    QSet<QString> m_taken;
    QSet<QByteArray> m_there;
    QHash<QString, int> m_firstFree;
};

int indexOf(const QList<LessonPlan> &lessons, const LessonPlan &wanted)
{
    for (int i = 0; i < lessons.size(); ++i)
        if (lessons[i].name == wanted.name && lessons[i].countsLike(wanted))
            return i;
    return -1;
}

constexpr int lockWait = 5000;    // milliseconds: a change is written in far less
constexpr int staleLock = 30000;  // milliseconds: a lock left by a copy that was killed

} // namespace

QString LessonLibrary::standardPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("lessons.json"));
}

LessonLibrary::Loaded LessonLibrary::load()
{
    using State = Loaded::State;
    LessonFile::Contents contents = LessonFile::readFrom(m_path);
    Loaded loaded{State::Fine, int(contents.lessons.size()), contents.unread, {}, contents.opened};
    const bool missing = contents.opened == LessonFile::Opened::Missing;
    m_savingOff = !missing && contents.opened != LessonFile::Opened::Fine;
    m_contents = m_savingOff || missing ? LessonFile::Contents{} : contents;
    if (m_savingOff) {
        loaded.state = State::CannotRead;
    } else if (contents.newer() && contents.unread > 0) {
        loaded.state = State::NewerKept;
    } else if (!missing && !contents.whole && !contents.newer()) {
        loaded.setAsideAs = setAsideDamagedFile();
        m_savingOff = loaded.setAsideAs.isEmpty();
        loaded.state = m_savingOff ? State::DamagedFileInPlace : State::DamagedFileSetAside;
        if (!m_savingOff) {
            m_contents = LessonFile::Contents{contents.lessons};
            changeFile([&](QList<LessonPlan> &own) {
                if (own.isEmpty())
                    own = contents.lessons;
                else  // another copy has written the file anew since
                    for (const LessonPlan &lesson : contents.lessons)
                        if (indexOf(own, lesson) < 0)
                            own << lesson;
                return Change::Saved;
            });
        }
    }
    return loaded;
}

QString LessonLibrary::setAsideDamagedFile() const
{
    QString aside = m_path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".damaged-%1").arg(n);
    return QFile::rename(m_path, aside) ? QFileInfo(aside).fileName() : QString();
}

LessonLibrary::Change LessonLibrary::changeFile(const std::function<Change(QList<LessonPlan> &lessons)> &change)
{
    if (m_savingOff)
        return Change::SavingOff;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return Change::NotWritten;
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(staleLock);
    if (!lock.tryLock(lockWait))
        return lock.error() == QLockFile::LockFailedError ? Change::Busy : Change::NotWritten;
    LessonFile::Contents contents = LessonFile::readFrom(m_path);
    if (contents.opened == LessonFile::Opened::Missing)
        contents = {};
    else if (contents.opened != LessonFile::Opened::Fine || (!contents.whole && !contents.newer()))
        return Change::SavingOff;
    m_contents = contents;
    const Change changed = change(contents.lessons);
    if (changed != Change::Saved)
        return changed;
    const QByteArray bytes = LessonFile::write(contents);
    if (bytes.size() > LessonFile::largest)
        return Change::TooLarge;
    if (!writeFileAtomically(m_path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }))
        return Change::NotWritten;
    m_contents = contents;
    return Change::Saved;
}

LessonLibrary::Added LessonLibrary::add(const LessonPlan &lesson)
{
    Added added;
    added.change = changeFile([&](QList<LessonPlan> &own) {
        LessonPlan named = lesson;
        named.name = LessonIndex(own).uniqueName(lesson.name);
        if (named.name.isEmpty())
            return Change::Unchanged;
        added.index = int(own.size());
        own << named;
        return Change::Saved;
    });
    if (added.change != Change::Saved)
        added.index.reset();
    return added;
}

LessonLibrary::Change LessonLibrary::rename(int index, const QString &name)
{
    const LessonPlan renamed = m_contents.lessons.value(index);
    return changeFile([&](QList<LessonPlan> &own) {
        const int there = indexOf(own, renamed);
        if (there < 0)
            return Change::LessonGone;
        const QString unique = LessonIndex(own, there).uniqueName(name);
        if (unique.isEmpty() || unique == own[there].name)
            return Change::Unchanged;
        own[there].name = unique;
        return Change::Saved;
    });
}

LessonLibrary::Change LessonLibrary::remove(int index)
{
    const LessonPlan removed = m_contents.lessons.value(index);
    return changeFile([&](QList<LessonPlan> &own) {
        const int there = indexOf(own, removed);
        if (there < 0)
            return Change::Unchanged;  // deleted already
        own.removeAt(there);
        return Change::Saved;
    });
}

LessonLibrary::Imported LessonLibrary::import(const QList<LessonPlan> &lessons)
{
    Imported imported;
    imported.change = changeFile([&](QList<LessonPlan> &own) {
        LessonIndex index(own);
        for (LessonPlan lesson : lessons) {
            if (index.alreadyThere(lesson)) {
                ++imported.alreadyThere;
                continue;
            }
            const QString name = index.uniqueName(lesson.name);
            imported.renamed += name != lesson.name;
            lesson.name = name;
            imported.added << int(own.size());
            own << lesson;
            index.add(lesson);
        }
        return imported.added.isEmpty() ? Change::Unchanged : Change::Saved;
    });
    if (imported.change != Change::Saved)
        imported.added.clear();
    return imported;
}

std::optional<Message> messageAfterLoad(const LessonLibrary::Loaded &loaded)
{
    using State = LessonLibrary::Loaded::State;
    switch (loaded.state) {
    case State::Fine: return std::nullopt;
    case State::NewerKept: return LessonMessages::newerKept(loaded.read, loaded.unread);
    case State::DamagedFileSetAside: return LessonMessages::damagedSetAside(loaded.read, loaded.unread, loaded.setAsideAs);
    case State::DamagedFileInPlace: return LessonMessages::damagedInPlace(loaded.read, loaded.unread);
    case State::CannotRead: return LessonMessages::cannotRead(QStringLiteral("lessons.json"), loaded.opened);
    }
    return std::nullopt;
}

std::optional<Message> messageAfterChange(LessonLibrary::Change change)
{
    using Change = LessonLibrary::Change;
    switch (change) {
    case Change::Saved:
    case Change::Unchanged: return std::nullopt;
    case Change::NotWritten: return Messages::lessonsNotSaved();
    case Change::TooLarge: return LessonMessages::libraryFull();
    case Change::Busy: return LessonMessages::busy();
    case Change::SavingOff: return LessonMessages::savingOff();
    case Change::LessonGone: return LessonMessages::lessonGone();
    }
    return std::nullopt;
}

std::optional<Message> messageAfterImport(const LessonFile::Contents &file, const LessonLibrary::Imported &imported)
{
    if (file.opened != LessonFile::Opened::Fine)
        return LessonMessages::importCannotRead(file.opened);
    if (file.lessons.isEmpty())
        return Messages::lessonsNotImported();
    if (const std::optional<Message> failed = messageAfterChange(imported.change))
        return failed;
    if (!file.whole)
        return Messages::lessonsPartlyImported();
    if (imported.renamed > 0)
        return Messages::lessonsRenamedOnImport();
    if (imported.added.isEmpty())
        return Messages::lessonsAlreadyThere();
    return std::nullopt;
}
