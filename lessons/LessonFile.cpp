#include "lessons/LessonFile.h"

#include "engine/NumberText.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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
const QString routineKey = QStringLiteral("routine");
const QString lookKey = QStringLiteral("look");
const QString pauseEveryKey = QStringLiteral("pauseEvery");
const QString pauseAtCounterKey = QStringLiteral("pauseAtCounter");
const QString pauseAtValueKey = QStringLiteral("pauseAtValue");
const QString hushEveryKey = QStringLiteral("hushEvery");
const QString countAloudKey = QStringLiteral("countAloud");
const QString fontSizeKey = QStringLiteral("fontSize");
const QString digitColourKey = QStringLiteral("digitColour");
const QString backgroundColourKey = QStringLiteral("backgroundColour");
const QString fullScreenKey = QStringLiteral("fullScreen");
// Font sizes a lesson may bring, in points: beyond them it brings none.
constexpr double smallestFontSize = 1;
constexpr double largestFontSize = 2000;

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

// A counter's number is a JSON number in the file: the decimal is the
// shortest one that reads as that number, so it is written back the same.
QJsonValue jsonNumber(Decimal number)
{
    return number.toDouble();
}

// The counter's own members over those it was read with.
QJsonObject counterObject(QJsonObject object, const CounterSettings &counter)
{
    object[firstNumberKey] = jsonNumber(counter.firstNumber);
    object[firstStepKey] = jsonNumber(counter.firstStep);
    object[stepChangeKey] = jsonNumber(counter.stepChange);
    return object;
}

std::optional<double> finiteNumber(const QJsonValue &value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

std::optional<Decimal> decimalNumber(const QJsonValue &value)
{
    const std::optional<double> number = finiteNumber(value);
    return number ? std::optional(Decimal::shortest(*number)) : std::nullopt;
}

std::optional<CounterSettings> readCounter(const QJsonValue &value)
{
    const QJsonObject counter = value.toObject();
    const auto first = decimalNumber(counter[firstNumberKey]);
    const auto step = decimalNumber(counter[firstStepKey]);
    const auto change = decimalNumber(counter[stepChangeKey]);
    if (!first || !step || !change)
        return std::nullopt;
    return CounterSettings{*first, *step, *change};
}

// Whole numbers from 0 to the longest routine step; absent is 0.
std::optional<int> routineEvery(const QJsonValue &value)
{
    if (value.isUndefined())
        return 0;
    const auto number = finiteNumber(value);
    if (!number || *number != std::floor(*number) || *number < 0 || *number > Routine::longestEvery)
        return std::nullopt;
    return int(*number);
}

// A routine with a member out of its range is not read: the lesson keeps it
// as it was written, and uses none.
std::optional<Routine> readRoutine(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const auto pauseEvery = routineEvery(object[pauseEveryKey]);
    const auto hushEvery = routineEvery(object[hushEveryKey]);
    const QJsonValue counter = object[pauseAtCounterKey];
    const QJsonValue countAloud = object[countAloudKey];
    if (!value.isObject() || !pauseEvery || !hushEvery || !(countAloud.isUndefined() || countAloud.isBool())
        || (counter.isUndefined() && object.contains(pauseAtValueKey)))
        return std::nullopt;
    Routine routine{*pauseEvery, std::nullopt, *hushEvery, countAloud.toBool()};
    if (!counter.isUndefined()) {
        const auto at = decimalNumber(object[pauseAtValueKey]);
        if (!at || (counter.toInteger() != 1 && counter.toInteger() != 2))
            return std::nullopt;
        routine.pauseAt = PlannedValue{int(counter.toInteger()), *at};
    }
    return routine;
}

QJsonObject routineObject(QJsonObject object, const Routine &routine)
{
    object[pauseEveryKey] = routine.pauseEvery;
    object[hushEveryKey] = routine.hushEvery;
    object[countAloudKey] = routine.countAloud;
    object.remove(pauseAtCounterKey);
    object.remove(pauseAtValueKey);
    if (routine.pauseAt) {
        object[pauseAtCounterKey] = routine.pauseAt->counter;
        object[pauseAtValueKey] = jsonNumber(routine.pauseAt->value);
    }
    return object;
}

std::optional<std::uint32_t> readColour(const QJsonValue &value)
{
    static const QRegularExpression rgb(QStringLiteral("^#[0-9a-fA-F]{6}$"));
    const QString text = value.toString();
    if (!rgb.match(text).hasMatch())
        return std::nullopt;
    return std::uint32_t(text.sliced(1).toUInt(nullptr, 16));
}

QString colourText(std::uint32_t rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QChar('0'));
}

std::optional<LessonLook> readLook(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const auto points = finiteNumber(object[fontSizeKey]);
    const auto digits = readColour(object[digitColourKey]);
    const auto background = readColour(object[backgroundColourKey]);
    const QJsonValue fullScreen = object[fullScreenKey];
    if (!points || *points < smallestFontSize || *points > largestFontSize || !digits || !background
        || !fullScreen.isBool())
        return std::nullopt;
    return LessonLook{*points, *digits, *background, fullScreen.toBool()};
}

QJsonObject lookObject(QJsonObject object, const LessonLook &look)
{
    object[fontSizeKey] = look.fontPoints;
    object[digitColourKey] = colourText(look.digitRgb);
    object[backgroundColourKey] = colourText(look.backgroundRgb);
    object[fullScreenKey] = look.fullScreen;
    return object;
}

// Qt's reader drops a U+FEFF that begins a string, so it is written as an escape.
QByteArray compactJson(const QJsonValue &value)
{
    const QByteArray inArray = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return inArray.sliced(1, inArray.size() - 2).replace("\xEF\xBB\xBF", "\\ufeff");
}

// Qt orders a key that begins with U+FEFF by its bytes, but reads it back
// without the U+FEFF: written and read once, the members stand where they
// will when read back.
QJsonValue settled(const QJsonValue &value)
{
    return QJsonDocument::fromJson("[" + compactJson(value) + "]").array().at(0);
}

// The members of a lesson, and of its counters, routine and look, that this
// version does not know; a routine or look it could not read is kept whole.
QJsonObject unknownMembers(const QJsonObject &lesson, bool routineRead, bool lookRead)
{
    static const QList<std::pair<QString, QStringList>> groups = {
        {counter1Key, {firstNumberKey, firstStepKey, stepChangeKey}},
        {counter2Key, {firstNumberKey, firstStepKey, stepChangeKey}},
        {routineKey, {pauseEveryKey, pauseAtCounterKey, pauseAtValueKey, hushEveryKey, countAloudKey}},
        {lookKey, {fontSizeKey, digitColourKey, backgroundColourKey, fullScreenKey}},
    };
    const auto read = [&](const QString &group) {
        return (group != routineKey || routineRead) && (group != lookKey || lookRead);
    };
    // Nearly every lesson holds only known members: found without a copy.
    const auto knownOnly = [&] {
        for (auto member = lesson.begin(); member != lesson.end(); ++member) {
            const QString key = member.key();
            if (key == nameKey || key == speedKey || key == twoCountersKey)
                continue;
            const auto group = std::find_if(groups.begin(), groups.end(), [&](const auto &g) { return g.first == key; });
            if (group == groups.end() || !read(key) || !member.value().isObject())
                return false;
            const QJsonObject inner = member.value().toObject();
            for (auto it = inner.begin(); it != inner.end(); ++it)
                if (!group->second.contains(it.key()))
                    return false;
        }
        return true;
    };
    if (knownOnly())
        return {};
    // Settled first: a key that reads back as a known one ("\uFEFFcounter2")
    // is then left out with it, rather than written over it.
    QJsonObject unknown = settled(lesson).toObject();
    for (const QString &key : {nameKey, speedKey, twoCountersKey})
        unknown.remove(key);
    for (const auto &[key, members] : groups) {
        if (!unknown.contains(key) || !read(key))
            continue;
        QJsonObject group = unknown[key].toObject();
        for (const QString &member : members)
            group.remove(member);
        if (group.isEmpty())
            unknown.remove(key);
        else
            unknown[key] = group;
    }
    return unknown;
}

std::optional<LessonPlan> readLesson(const QJsonValue &value)
{
    const QJsonObject lesson = value.toObject();
    const QString name = cleanLessonName(lesson[nameKey].toString());
    const auto counter1 = readCounter(lesson[counter1Key]);
    const auto speed = finiteNumber(lesson[speedKey]);
    const QJsonValue twoCounters = lesson[twoCountersKey];
    const QJsonValue counter2 = lesson[counter2Key];
    // A one-counter lesson may leave counter 2 out.
    const bool counter2Needed = twoCounters.toBool() || !counter2.isUndefined();
    const auto readCounter2 = counter2Needed ? readCounter(counter2) : CounterSettings();
    if (name.isEmpty() || !counter1 || !speed || !fitsSingle(*speed) || !readCounter2
        || !(twoCounters.isUndefined() || twoCounters.isBool()))
        return std::nullopt;
    const QJsonValue routine = lesson[routineKey];
    const QJsonValue look = lesson[lookKey];
    const auto readRoutineValue = routine.isUndefined() ? std::nullopt : readRoutine(routine);
    const auto readLookValue = look.isUndefined() ? std::nullopt : readLook(look);
    return LessonPlan{name, QString(), *counter1, float(*speed), twoCounters.toBool(), *readCounter2,
                      unknownMembers(lesson, readRoutineValue.has_value(), readLookValue.has_value()),
                      readRoutineValue, readLookValue};
}

// Where the JSON object starting at start ends (one past its "}"), or -1
// when the bytes end first.
qsizetype objectEnd(const QByteArray &json, qsizetype start)
{
    int depth = 0;
    bool inString = false;
    for (qsizetype i = start; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            return i + 1;
        }
    }
    return -1;
}

// A lesson file that is not valid JSON (cut short, a comma missing, a number
// beyond a double): each lesson in it is read on its own, up to where the
// file can no longer be followed.
LessonFile::Contents readEachLesson(const QByteArray &json)
{
    static const QRegularExpression formatMember(QStringLiteral(R"("format"\s*:\s*"%1")").arg(LessonFile::format));
    static const QRegularExpression lessonsMember(QStringLiteral(R"("lessons"\s*:\s*\[)"));
    const QString text = QString::fromLatin1(json);  // the offsets stay those of the bytes
    const QRegularExpressionMatch lessons = lessonsMember.match(text);
    LessonFile::Contents contents{{}, false};
    if (!formatMember.match(text).hasMatch() || !lessons.hasMatch())
        return contents;
    qsizetype at = lessons.capturedEnd();
    while (at < json.size()) {
        const char c = json[at];
        if (c == ']')
            break;
        if (c == ',' || QChar::isSpace(uchar(c))) {
            ++at;
            continue;
        }
        const qsizetype end = c == '{' ? objectEnd(json, at) : -1;
        const std::optional<LessonPlan> lesson
            = end < 0 ? std::nullopt : readLesson(QJsonDocument::fromJson(json.sliced(at, end - at)).object());
        if (lesson)
            contents.lessons << *lesson;
        else
            ++contents.unread;
        if (end < 0)
            break;
        at = end;
    }
    return contents;
}

void appendNumber(QByteArray &json, double number)
{
    char text[32];
    json.append(text, std::to_chars(std::begin(text), std::end(text), number).ptr - text);
}

void appendNumber(QByteArray &json, Decimal number)
{
    appendNumber(json, number.toDouble());
}

void appendString(QByteArray &json, const QString &string)
{
    QByteArray escaped;
    for (const char c : string.toUtf8()) {
        if (c == '"' || c == '\\')
            escaped.append('\\').append(c);
        else if (uchar(c) < 0x20)
            escaped += QByteArray("\\u00") + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
        else
            escaped += c;
    }
    json += '"' + escaped.replace("\xEF\xBB\xBF", "\\ufeff") + '"';
}

void appendCounter(QByteArray &json, const CounterSettings &counter)
{
    json += "{\"firstNumber\":";
    appendNumber(json, counter.firstNumber);
    json += ",\"firstStep\":";
    appendNumber(json, counter.firstStep);
    json += ",\"stepChange\":";
    appendNumber(json, counter.stepChange);
    json += '}';
}

// A lesson without members of a later version, written directly: tens of
// thousands of lessons take a fraction of the time Qt's objects take.
void appendLesson(QByteArray &json, const LessonPlan &lesson)
{
    json += "{\"counter1\":";
    appendCounter(json, lesson.counter1);
    json += ",\"counter2\":";
    appendCounter(json, lesson.counter2);
    if (lesson.look)
        json += ",\"look\":" + compactJson(lookObject({}, *lesson.look));
    json += ",\"name\":";
    appendString(json, lesson.name);
    if (lesson.routine)
        json += ",\"routine\":" + compactJson(routineObject({}, *lesson.routine));
    json += ",\"speed\":";
    appendNumber(json, shortestDouble(lesson.speed));
    json += lesson.twoCounters ? ",\"twoCounters\":true}" : ",\"twoCounters\":false}";
}

LessonFile::Contents notRead(LessonFile::Opened opened)
{
    return {{}, false, 0, opened};
}

} // namespace

QByteArray LessonFile::write(const QList<LessonPlan> &lessons)
{
    return write(Contents{lessons});
}

QByteArray LessonFile::write(const Contents &contents)
{
    QByteArray lessons;
    lessons.reserve(contents.lessons.size() * 160);
    for (const LessonPlan &lesson : contents.lessons) {
        if (!lessons.isEmpty())
            lessons += ',';
        if (lesson.unknownMembers.isEmpty()) {
            appendLesson(lessons, lesson);
            continue;
        }
        QJsonObject object = lesson.unknownMembers;
        object[nameKey] = lesson.name;
        object[speedKey] = shortestDouble(lesson.speed);
        object[twoCountersKey] = lesson.twoCounters;
        object[counter1Key] = counterObject(object[counter1Key].toObject(), lesson.counter1);
        object[counter2Key] = counterObject(object[counter2Key].toObject(), lesson.counter2);
        if (lesson.routine)
            object[routineKey] = routineObject(object[routineKey].toObject(), *lesson.routine);
        if (lesson.look)
            object[lookKey] = lookObject(object[lookKey].toObject(), *lesson.look);
        lessons += compactJson(object);
    }
    for (const QJsonValue &unread : contents.unreadLessons)
        lessons += (lessons.isEmpty() ? "" : ",") + compactJson(unread);
    QJsonObject head = contents.otherMembers;
    head[QStringLiteral("format")] = format;
    head[QStringLiteral("version")] = std::max(contents.version, version);
    return compactJson(head).chopped(1) + ",\"lessons\":[" + lessons + "]}";
}

LessonFile::Contents LessonFile::read(const QByteArray &bytes)
{
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF"))
        json.remove(0, 3);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return readEachLesson(json);
    QJsonObject file = document.object();
    const QJsonValue lessons = file.take(QStringLiteral("lessons"));
    Contents contents;
    contents.version = int(file[QStringLiteral("version")].toInteger(-1));
    if (file[QStringLiteral("format")].toString() != format || contents.version < 1 || !lessons.isArray())
        return {{}, false};
    for (const QJsonValue &value : lessons.toArray()) {
        if (const auto lesson = readLesson(value)) {
            contents.lessons << *lesson;
        } else {
            ++contents.unread;
            if (contents.newer())
                contents.unreadLessons.append(settled(value));
        }
    }
    contents.whole = contents.unread == 0;
    if (contents.newer())
        contents.otherMembers = settled(file).toObject();
    return contents;
}

LessonFile::Contents LessonFile::readFrom(const QString &path)
{
    // Not blocking: opening a pipe would wait for a writer.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (fd < 0) {
        // A device or folder is told as such, even where it may not be opened.
        const int error = errno;
        if (error != ENOENT && ::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
            return notRead(Opened::NotAFile);
        return notRead(error == ENOENT ? Opened::Missing : Opened::CannotOpen);
    }
    QFile file;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > largest
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return notRead(S_ISREG(status.st_mode) ? (status.st_size > largest ? Opened::TooLarge : Opened::CannotOpen)
                                                : Opened::NotAFile);
    }
    const QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest)
        return notRead(Opened::TooLarge);
    if (file.error() != QFileDevice::NoError)
        return notRead(Opened::CannotOpen);
    return read(bytes);
}
