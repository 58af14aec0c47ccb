#include "LessonFile.h"

#include "NumberText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <optional>

namespace {

const QString nameKey = QStringLiteral("name");
const QString speedKey = QStringLiteral("speed");
const QString twoCountersKey = QStringLiteral("twoCounters");
const QString counter1Key = QStringLiteral("counter1");
const QString counter2Key = QStringLiteral("counter2");
const QString firstNumberKey = QStringLiteral("firstNumber");
const QString firstStepKey = QStringLiteral("firstStep");
const QString stepChangeKey = QStringLiteral("stepChange");

// The speed is a 32-bit float: written as the shortest text that reads back
// as that float (0.3, not 0.30000001192092896), unless that text lies just
// beyond the largest float.
double shortestDouble(float value)
{
    char text[32];
    const auto written = std::to_chars(std::begin(text), std::end(text), value);
    double shortest = value;
    std::from_chars(std::begin(text), written.ptr, shortest);
    return fitsSingle(shortest) ? shortest : double(value);
}

QJsonObject counterObject(const CounterSettings &counter)
{
    return {{firstNumberKey, counter.firstNumber}, {firstStepKey, counter.firstStep}, {stepChangeKey, counter.stepChange}};
}

std::optional<double> finiteNumber(const QJsonValue &value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

std::optional<CounterSettings> readCounter(const QJsonValue &value)
{
    const QJsonObject counter = value.toObject();
    const auto first = finiteNumber(counter[firstNumberKey]);
    const auto step = finiteNumber(counter[firstStepKey]);
    const auto change = finiteNumber(counter[stepChangeKey]);
    if (!first || !step || !change)
        return std::nullopt;
    return CounterSettings{*first, *step, *change};
}

std::optional<LessonPlan> readLesson(const QJsonValue &value)
{
    const QJsonObject lesson = value.toObject();
    const QString name = lesson[nameKey].toString().trimmed();
    const auto counter1 = readCounter(lesson[counter1Key]);
    const auto speed = finiteNumber(lesson[speedKey]);
    const QJsonValue twoCounters = lesson[twoCountersKey];
    const QJsonValue counter2 = lesson[counter2Key];
    // A one-counter lesson may leave counter 2 out.
    const bool counter2Needed = twoCounters.toBool() || !counter2.isUndefined();
    const auto readCounter2 = counter2Needed ? readCounter(counter2) : CounterSettings{0, 0, 0};
    if (name.isEmpty() || !counter1 || !speed || !fitsSingle(*speed) || !readCounter2
        || !(twoCounters.isUndefined() || twoCounters.isBool()))
        return std::nullopt;
    return LessonPlan{name, QString(), *counter1, float(*speed), twoCounters.toBool(), *readCounter2};
}

} // namespace

QByteArray LessonFile::write(const QList<LessonPlan> &lessons)
{
    QJsonArray array;
    for (const LessonPlan &lesson : lessons)
        array.append(QJsonObject{{nameKey, lesson.name},
                                 {speedKey, shortestDouble(lesson.speed)},
                                 {twoCountersKey, lesson.twoCounters},
                                 {counter1Key, counterObject(lesson.counter1)},
                                 {counter2Key, counterObject(lesson.counter2)}});
    const QJsonObject file{{QStringLiteral("format"), format}, {QStringLiteral("version"), version},
                           {QStringLiteral("lessons"), array}};
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

LessonFile::Contents LessonFile::read(const QByteArray &bytes)
{
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF"))
        json.remove(0, 3);
    const QJsonObject file = QJsonDocument::fromJson(json).object();
    const QJsonValue lessons = file[QStringLiteral("lessons")];
    if (file[QStringLiteral("format")].toString() != format || file[QStringLiteral("version")].toInteger(-1) != version
        || !lessons.isArray())
        return {{}, false};
    Contents contents;
    for (const QJsonValue &value : lessons.toArray()) {
        if (const auto lesson = readLesson(value))
            contents.lessons << *lesson;
        else
            contents.whole = false;
    }
    return contents;
}

LessonFile::Contents LessonFile::readFrom(const QString &path)
{
    constexpr qint64 largest = 4 << 20;  // bytes: tens of thousands of lessons
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largest)
        return {{}, false};
    return read(file.readAll());
}
