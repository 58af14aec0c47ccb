#include "LessonLibrary.h"

#include "BuiltInLessons.h"
#include "FileSaving.h"
#include "LessonFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

// "Fractions (2)" is a number given to "Fractions".
QString baseName(const QString &name)
{
    static const QRegularExpression numbered(QStringLiteral("^(.*\\S) \\(\\d+\\)$"));
    const QRegularExpressionMatch match = numbered.match(name);
    return match.hasMatch() ? match.captured(1) : name;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A built-in lesson goes by its English name, which lesson files hold, and
// by the name the teacher sees.
bool goesBy(const LessonPlan &builtIn, const QString &name)
{
    return sameName(builtIn.name, name) || sameName(shownName(builtIn), name);
}

} // namespace

QString LessonLibrary::standardPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("lessons.json"));
}

LessonLibrary::Loaded LessonLibrary::load()
{
    m_own.clear();
    m_damagedInPlace = false;
    if (!QFileInfo::exists(m_path))
        return Loaded::Fine;
    const LessonFile::Contents contents = LessonFile::readFrom(m_path);
    m_own = contents.lessons;
    if (contents.whole)
        return Loaded::Fine;
    m_damagedInPlace = !setAsideDamagedFile();
    if (!m_damagedInPlace)
        save(m_own);
    return Loaded::DamagedFileSetAside;
}

bool LessonLibrary::setAsideDamagedFile() const
{
    QString aside = m_path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".damaged-%1").arg(n);
    return QFile::rename(m_path, aside);
}

bool LessonLibrary::nameTaken(const QList<LessonPlan> &own, const QString &name, int ignoring) const
{
    for (const LessonPlan &lesson : builtInLessons())
        if (goesBy(lesson, name))
            return true;
    for (int i = 0; i < own.size(); ++i)
        if (i != ignoring && sameName(own[i].name, name))
            return true;
    return false;
}

QString LessonLibrary::uniqueName(const QList<LessonPlan> &own, const QString &name, int ignoring) const
{
    QString unique = name.trimmed();
    const QString base = baseName(unique);
    for (int n = 2; nameTaken(own, unique, ignoring); ++n)
        unique = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return unique;
}

bool LessonLibrary::alreadyThere(const QList<LessonPlan> &own, const LessonPlan &lesson) const
{
    for (const LessonPlan &there : builtInLessons())
        if (there.countsLike(lesson) && goesBy(there, baseName(lesson.name)))
            return true;
    for (const LessonPlan &there : own)
        if (there.countsLike(lesson) && sameName(baseName(there.name), baseName(lesson.name)))
            return true;
    return false;
}

bool LessonLibrary::save(const QList<LessonPlan> &own)
{
    if (m_damagedInPlace || !QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    const QByteArray bytes = LessonFile::write(own);
    if (!writeFileAtomically(m_path, [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }))
        return false;
    m_own = own;
    return true;
}

std::optional<int> LessonLibrary::add(const LessonPlan &lesson)
{
    QList<LessonPlan> own = m_own;
    own << lesson;
    own.last().name = uniqueName(m_own, lesson.name);
    if (!save(own))
        return std::nullopt;
    return int(own.size()) - 1;
}

bool LessonLibrary::rename(int index, const QString &name)
{
    QList<LessonPlan> own = m_own;
    own[index].name = uniqueName(m_own, name, index);
    return save(own);
}

bool LessonLibrary::remove(int index)
{
    QList<LessonPlan> own = m_own;
    own.removeAt(index);
    return save(own);
}

LessonLibrary::Imported LessonLibrary::import(const QList<LessonPlan> &lessons)
{
    Imported imported;
    QList<LessonPlan> own = m_own;
    for (LessonPlan lesson : lessons) {
        if (alreadyThere(own, lesson)) {
            ++imported.alreadyThere;
            continue;
        }
        const QString name = uniqueName(own, lesson.name);
        imported.renamed += name != lesson.name;
        lesson.name = name;
        imported.added << int(own.size());
        own << lesson;
    }
    if (!imported.added.isEmpty() && !save(own)) {
        imported.saved = false;
        imported.added.clear();
    }
    return imported;
}

std::optional<Message> messageAfterImport(const LessonFile::Contents &file, const LessonLibrary::Imported &imported)
{
    if (file.lessons.isEmpty())
        return Messages::lessonsNotImported();
    if (!imported.saved)
        return Messages::lessonsNotSaved();
    if (!file.whole)
        return Messages::lessonsPartlyImported();
    if (imported.renamed > 0)
        return Messages::lessonsRenamedOnImport();
    if (imported.added.isEmpty())
        return Messages::lessonsAlreadyThere();
    return std::nullopt;
}
