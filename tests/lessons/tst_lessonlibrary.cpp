#include "engine/NumberText.h"
#include "lessons/LessonLibrary.h"
#include "lessons/LessonMessages.h"
#include "tests/support/DataFolder.h"
#include "tests/support/LessonNames.h"

#include <QLocale>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <limits>

namespace {

LessonPlan plan(const char *name, CounterSettings counter1, float speed = 1)
{
    return {QString::fromUtf8(name), {}, counter1, speed, false, {0, 0, 0}};
}

const LessonPlan sevens = plan("Sevens", {0, 7, 0});
const LessonPlan sevensFromSeven = plan("Sevens", {7, 7, 0});
const LessonPlan eights = plan("Eights", {0, 8, 0});

// A file of the lessons given as JSON, with the head given.
QByteArray fileOf(const QByteArray &lessons, const QByteArray &head = R"("format": "Tallyvane lessons", "version": 1)")
{
    return "{" + head + R"(, "lessons": [)" + lessons + "]}";
}

// The library's lessons as the next program run finds them.
QList<LessonPlan> afterRestart(const QString &path)
{
    LessonLibrary restarted(path);
    if (restarted.load().state != LessonLibrary::Loaded::State::Fine)
        return {plan("(damaged)", {})};
    return restarted.own();
}

} // namespace

Q_DECLARE_METATYPE(Routine)

// The lesson file, and the teacher's lessons kept in one.
class tst_LessonLibrary : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void fileRoundTrip_data();
    void fileRoundTrip();
    void fileReadTolerantly_data();
    void fileReadTolerantly();
    void changesSurviveARestart_data();
    void changesSurviveARestart();
    void damagedFileLosesNothingElse_data();
    void damagedFileLosesNothingElse();
    void importing_data();
    void importing();
    void aFileThatCannotBeWrittenChangesNothing();
    void hostileFiles_data();
    void hostileFiles();
    void namesAreCleaned_data();
    void namesAreCleaned();
    void routineIsDescribed_data();
    void routineIsDescribed();
    void twoCopiesAddingAtOnceLoseNothing();
    void whatThisVersionCannotReadSurvivesARenameAndASave();
};

void tst_LessonLibrary::fileRoundTrip_data()
{
    QTest::addColumn<LessonPlan>("lesson");
    QTest::addColumn<QLocale>("region");
    QTest::addColumn<QByteArray>("written");  // a part of the file, as written
    const QLocale german(QLocale::German);
    QTest::newRow("quarters, German region") << plan("Quarters", {0, 0.25, 0}, 1.5f) << german
                                             << QByteArray(R"("firstStep":0.25)");
    QTest::newRow("thirds, French region") << plan("Thirds", {1.0 / 3, -1e-300, 0}) << QLocale(QLocale::French)
                                           << QByteArray(R"("firstNumber":0.3333333333333333)");
    QTest::newRow("speed 0.3 as typed") << plan("Quick", {}, 0.3f) << german << QByteArray(R"("speed":0.3,)");
    QTest::newRow("largest numbers") << plan("Huge", {std::numeric_limits<double>::max(), 5e-324, 0},
                                             std::numeric_limits<float>::max())
                                     << QLocale::c() << QByteArray("1.7976931348623157e+308");
    QTest::newRow("typed beyond fifteen digits, kept as shown")
        << plan("Long", {readNumber("0.12345678901234567890").value, Decimal(1, 0), Decimal()}) << QLocale::c()
        << QByteArray(R"("firstNumber":0.123456789012346,)");
    LessonPlan tiny = plan("Tiny", {});
    tiny.routine = Routine{0, PlannedValue{1, 1e-310}, 0, false};
    QTest::newRow("a pause at a value below the normal doubles") << tiny << QLocale::c()
                                                                 << QByteArray(R"("pauseAtValue":1e-310)");
    QTest::newRow("two counters, quotes in the name") << LessonPlan{"Élan \"vital\"", {}, {0, 3, 0}, 2, true, {0, 4, 0.5}}
                                                      << german << QByteArray(R"(\"vital\")");
    LessonPlan zeroWidth = plan("Zero width", {});
    zeroWidth.name.prepend(QChar(0xFEFF));
    QTest::newRow("a name that begins with U+FEFF") << zeroWidth << QLocale::c()
                                                     << QByteArray(R"("name":"\ufeffZero width")");
    LessonPlan later = plan("Later", {});
    later.unknownMembers = {{"colour", "red"}, {"counter1", QJsonObject{{"decimals", 2}}}};
    QTest::newRow("members of a later version") << later << QLocale::c() << QByteArray(R"({"decimals":2,"firstNumber")");
    QTest::newRow("today's format, exactly")
        << plan("Quarters", {0, 0.25, 0}, 1.5f) << QLocale::c()
        << QByteArray(R"({"counter1":{"firstNumber":0,"firstStep":0.25,"stepChange":0},"counter2":{"firstNumber":0,)"
                      R"("firstStep":0,"stepChange":0},"name":"Quarters","speed":1.5,"twoCounters":false}]})");
    LessonPlan routine = plan("Tenths, hushed", {0, 0.1, 0});
    routine.routine = Routine{7, PlannedValue{2, -0.1}, 5, true};
    routine.look = LessonLook{131.5, 0xFFEE00, 0x102030, true};
    QTest::newRow("a routine and a look") << routine << QLocale(QLocale::German)
                                          << QByteArray(R"("look":{"backgroundColour":"#102030","digitColour":"#ffee00",)"
                                                        R"("fontSize":131.5,"fullScreen":true},"name")");
    routine.unknownMembers = {{"routine", QJsonObject{{"slowly", true}}}, {"look", QJsonObject{{"font", "Arial"}}}};
    QTest::newRow("a routine and a look of a later version") << routine << QLocale::c()
                                                             << QByteArray(R"("pauseAtValue":-0.1,"pauseEvery":7,"slowly":true})");
    routine.routine = Routine{};
    routine.unknownMembers = {};
    QTest::newRow("a routine that is off") << routine << QLocale::c()
                                           << QByteArray(R"("routine":{"countAloud":false,"hushEvery":0,"pauseEvery":0})");
}

// Numbers are written with "." whatever the region, and read back exactly.
void tst_LessonLibrary::fileRoundTrip()
{
    QFETCH(LessonPlan, lesson);
    QFETCH(QLocale, region);
    QFETCH(QByteArray, written);
    QLocale::setDefault(region);
    const QByteArray bytes = LessonFile::write({lesson});
    QVERIFY2(bytes.contains(written), bytes.constData());
    const LessonFile::Contents read = LessonFile::read(bytes);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(LessonFile::write({lesson}), bytes);
    QVERIFY(read.whole && read.lessons.size() == 1);
    QCOMPARE(read.lessons[0].name, lesson.name);
    QVERIFY(read.lessons[0].countsLike(lesson));
}

void tst_LessonLibrary::fileReadTolerantly_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("whole");
    const QByteArray odd = R"({"name": " Odd ", "counter1": {"firstNumber": 1, "firstStep": 2, "stepChange": 0})";
    QTest::newRow("counter 2 left out, unknown members, blanks around the name")
        << fileOf(odd + R"(, "speed": 1, "colour": "red"})", R"("format": "Tallyvane lessons", "version": 1, "by": "K")")
        << QStringList{"Odd"} << true;
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + fileOf(odd + R"(, "speed": 1})") << QStringList{"Odd"} << true;
    QTest::newRow("a lesson without a name") << fileOf(R"({"speed": 1}, )" + odd + R"(, "speed": 1})")
                                             << QStringList{"Odd"} << false;
    QTest::newRow("a number written as text") << fileOf(odd + R"(, "speed": "0,5"}, )" + odd + R"(, "speed": 1})")
                                              << QStringList{"Odd"} << false;
    QTest::newRow("two counters without counter 2") << fileOf(odd + R"(, "speed": 1, "twoCounters": true})")
                                                    << QStringList{} << false;
    QTest::newRow("speed beyond a float") << fileOf(odd + R"(, "speed": 1e39})") << QStringList{} << false;
    QTest::newRow("cut short") << fileOf(odd + R"(, "speed": 1})").chopped(3) << QStringList{} << false;
    QTest::newRow("a later version") << fileOf(odd + R"(, "speed": 1})", R"("format": "Tallyvane lessons", "version": 2)")
                                     << QStringList{"Odd"} << true;
    QTest::newRow("a routine and a look out of range")
        << fileOf(odd + R"(, "speed": 1, "routine": {"pauseEvery": 1001}, "look": {"fontSize": 1e9}})")
        << QStringList{"Odd"} << true;
    QTest::newRow("a number beyond a double, then a comma missing")
        << fileOf(odd + R"(, "speed": 1e999}, )" + odd + R"(, "speed": 1} )" + odd + R"(, "speed": 2})")
        << QStringList{"Odd", "Odd"} << false;
    QTest::newRow("a member whose name begins with U+FEFF and then names a known one")
        << fileOf(R"({"name": "Odd", "speed": 1, "counter1": {"firstNumber": 1, "firstStep": 2, "stepChange": 0, "x": 1}, )"
                  "\"\xEF\xBB\xBF" R"(counter2": {"firstNumber": 5}})")
        << QStringList{"Odd"} << true;
}

void tst_LessonLibrary::fileReadTolerantly()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(bool, whole);
    const LessonFile::Contents read = LessonFile::read(file);
    QCOMPARE(namesOf(read.lessons), names);
    QCOMPARE(read.whole, whole);
    // What was read is written so that it reads back alike, and then written the same.
    const QByteArray written = LessonFile::write(read);
    const LessonFile::Contents again = LessonFile::read(written);
    QCOMPARE(namesOf(again.lessons), names);
    for (qsizetype i = 0; i < names.size(); ++i)
        QVERIFY2(again.lessons[i].countsLike(read.lessons[i])
                     && again.lessons[i].unknownMembers == read.lessons[i].unknownMembers, written.constData());
    QCOMPARE(LessonFile::write(again), written);
}

void tst_LessonLibrary::changesSurviveARestart_data()
{
    QTest::addColumn<QStringList>("changes");  // "add|name", "rename|index|name", "remove|index"
    QTest::addColumn<QStringList>("names");
    QTest::newRow("saved") << QStringList{"add|  Sevens "} << QStringList{"Sevens"};
    QTest::newRow("a built-in lesson's name") << QStringList{"add|Square numbers"} << QStringList{"Square numbers (2)"};
    QTest::newRow("names taken, in capitals or not") << QStringList{"add|Sevens", "add|SEVENS", "add|Sevens (2)"}
                                                     << QStringList{"Sevens", "SEVENS (2)", "Sevens (3)"};
    QTest::newRow("renamed, to its own name too") << QStringList{"add|A", "rename|0|B", "rename|0|B"} << QStringList{"B"};
    QTest::newRow("renamed to another's name") << QStringList{"add|A", "add|B", "rename|1|a"} << QStringList{"A", "a (2)"};
    QTest::newRow("deleted") << QStringList{"add|A", "add|B", "remove|0"} << QStringList{"B"};
}

void tst_LessonLibrary::changesSurviveARestart()
{
    QFETCH(QStringList, changes);
    QFETCH(QStringList, names);
    DataFolder folder;
    const QString path = folder.path("data/lessons.json");
    LessonLibrary library(path);
    QCOMPARE(library.load().state, LessonLibrary::Loaded::State::Fine);
    for (const QString &change : changes) {
        const QStringList words = change.split('|');
        if (words[0] == "add")
            QVERIFY(library.add(plan(qPrintable(words[1]), {0, 7, 0})));
        else if (words[0] == "rename")
            QVERIFY(library.rename(words[1].toInt(), words[2]) != LessonLibrary::Change::NotWritten);
        else
            QCOMPARE(library.remove(words[1].toInt()), LessonLibrary::Change::Saved);
    }
    QCOMPARE(namesOf(library.own()), names);
    const QList<LessonPlan> restarted = afterRestart(path);
    QCOMPARE(namesOf(restarted), names);
    for (const LessonPlan &lesson : restarted)
        QVERIFY(lesson.countsLike(sevens));
}

void tst_LessonLibrary::damagedFileLosesNothingElse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("earlierDamage");  // a lessons.json.damaged from before
    QTest::addColumn<QStringList>("names");
    const QByteArray good = LessonFile::write({sevens, eights});
    QTest::newRow("one lesson damaged") << QByteArray(good).replace(R"("lessons":[)", R"("lessons":[{"name": 5},)")
                                        << false << QStringList{"Sevens", "Eights"};
    QTest::newRow("cut short") << good.left(good.indexOf("Eights")) << false << QStringList{"Sevens"};
    QTest::newRow("another program's file") << QByteArray(R"({"recent": ["a.txt"]})") << false << QStringList{};
    QTest::newRow("damaged again, empty") << QByteArray() << true << QStringList{};
}

void tst_LessonLibrary::damagedFileLosesNothingElse()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, earlierDamage);
    QFETCH(QStringList, names);
    DataFolder folder;
    const QString path = folder.path("lessons.json");
    QVERIFY(DataFolder::write(path, file));
    if (earlierDamage)
        QVERIFY(DataFolder::write(path + ".damaged", "earlier"));

    LessonLibrary library(path);
    QCOMPARE(library.load().state, LessonLibrary::Loaded::State::DamagedFileSetAside);
    QCOMPARE(namesOf(library.own()), names);
    QCOMPARE(DataFolder::read(path + (earlierDamage ? ".damaged-2" : ".damaged")), file);
    if (earlierDamage)
        QCOMPARE(DataFolder::read(path + ".damaged"), QByteArray("earlier"));
    // Met once: the next run reads what could be read, and finds no damage.
    QCOMPARE(namesOf(afterRestart(path)), names);
}

void tst_LessonLibrary::importing_data()
{
    QTest::addColumn<QList<LessonPlan>>("file");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<int>("times");
    QTest::addColumn<QStringList>("names");  // with Sevens there at first
    QTest::addColumn<std::optional<Message>>("message");  // after the last import
    using Lessons = QList<LessonPlan>;
    QTest::newRow("new lesson") << Lessons{eights} << true << 1 << QStringList{"Sevens", "Eights"} << std::optional<Message>();
    QTest::newRow("the same file twice") << Lessons{eights} << true << 2 << QStringList{"Sevens", "Eights"}
                                         << std::optional(Messages::lessonsAlreadyThere());
    QTest::newRow("another lesson of the same name") << Lessons{sevensFromSeven} << true << 1
                                                     << QStringList{"Sevens", "Sevens (2)"}
                                                     << std::optional(Messages::lessonsRenamedOnImport());
    QTest::newRow("numbered, then imported again") << Lessons{sevensFromSeven} << true << 2
                                                   << QStringList{"Sevens", "Sevens (2)"}
                                                   << std::optional(Messages::lessonsAlreadyThere());
    QTest::newRow("a built-in lesson, and one changed") << Lessons{plan("square NUMBERS", {1, 3, 2}, 2), plan("Square numbers", {1, 3, 2}, 3)}
                                                        << true << 1 << QStringList{"Sevens", "Square numbers (2)"}
                                                        << std::optional(Messages::lessonsRenamedOnImport());
    QTest::newRow("partly readable") << Lessons{eights} << false << 1 << QStringList{"Sevens", "Eights"}
                                     << std::optional(Messages::lessonsPartlyImported());
    QTest::newRow("nothing readable") << Lessons{} << false << 1 << QStringList{"Sevens"}
                                      << std::optional(Messages::lessonsNotImported());
    LessonPlan huge = eights;
    huge.counter1.firstStep = Decimal(9, 0);
    huge.unknownMembers = {{"notes", QString(LessonFile::largest, 'x')}};
    QTest::newRow("too large to keep") << Lessons{eights, huge} << true << 1 << QStringList{"Sevens"}
                                       << std::optional(LessonMessages::libraryFull());
}

void tst_LessonLibrary::importing()
{
    QFETCH(QList<LessonPlan>, file);
    QFETCH(bool, whole);
    QFETCH(int, times);
    QFETCH(QStringList, names);
    QFETCH(std::optional<Message>, message);
    DataFolder folder;
    LessonLibrary library(folder.path("lessons.json"));
    QVERIFY(library.add(sevens));
    std::optional<Message> told;
    for (int i = 0; i < times; ++i)
        told = messageAfterImport({file, whole}, library.import(file));
    QCOMPARE(namesOf(library.own()), names);
    QCOMPARE(told, message);
    QCOMPARE(namesOf(afterRestart(folder.path("lessons.json"))), names);
}

void tst_LessonLibrary::aFileThatCannotBeWrittenChangesNothing()
{
    DataFolder folder;
    QVERIFY(DataFolder::write(folder.path("not a folder"), "x"));
    LessonLibrary library(folder.path("not a folder/lessons.json"));
    QVERIFY(!library.add(sevens));
    const LessonLibrary::Imported imported = library.import({sevens});
    QCOMPARE(messageAfterImport({{sevens}, true}, imported), std::optional(Messages::lessonsNotSaved()));
    QVERIFY(imported.added.isEmpty() && library.own().isEmpty());
}

void tst_LessonLibrary::hostileFiles_data()
{
    QTest::addColumn<QString>("kind");  // of lessons.json: "file", "fifo", "mode 0000", "/dev/zero"
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<std::optional<Message>>("message");
    QTest::addColumn<QStringList>("names");      // in the list, and after another is saved
    QTest::addColumn<QByteArrayList>("keptInFile");  // after another is saved
    const QByteArray good = LessonFile::write({sevens, eights});
    const QByteArray lessons = good.sliced(good.indexOf('[') + 1, good.lastIndexOf(']') - good.indexOf('[') - 2);
    const QByteArray later = fileOf(R"({"name": "Future", "kind": "spiral"}, )" + lessons + R"(, "colour": "red"})",
                                    R"("format": "Tallyvane lessons", "version": 2, "by": "K")");
    QTest::newRow("a later version") << "file" << later << std::optional(LessonMessages::newerKept(2, 1))
                                     << QStringList{"Sevens", "Eights"}
                                     << QByteArrayList{"\"version\":2", "\"by\":\"K\"", "spiral", "\"colour\":\"red\""};
    QTest::newRow("a number beyond a double") << "file" << QByteArray(good).replace("\"firstStep\":7", "\"firstStep\":7e999")
                                              << std::optional(LessonMessages::damagedSetAside(1, 1, "lessons.json.damaged"))
                                              << QStringList{"Eights"} << QByteArrayList{};
    QTest::newRow("a comma missing") << "file" << QByteArray(good).replace("},{", "}{")
                                     << std::optional(LessonMessages::damagedSetAside(2, 0, "lessons.json.damaged"))
                                     << QStringList{"Sevens", "Eights"} << QByteArrayList{};
    QTest::newRow("a pipe") << "fifo" << QByteArray() << std::optional(LessonMessages::cannotRead("lessons.json", LessonFile::Opened::NotAFile))
                            << QStringList{} << QByteArrayList{};
    QTest::newRow("mode 0000") << "mode 0000" << good << std::optional(LessonMessages::cannotRead("lessons.json", LessonFile::Opened::CannotOpen))
                               << QStringList{} << QByteArrayList{"Sevens", "Eights"};
    QTest::newRow("a link to /dev/zero") << "/dev/zero" << QByteArray()
                                         << std::optional(LessonMessages::cannotRead("lessons.json", LessonFile::Opened::NotAFile))
                                         << QStringList{} << QByteArrayList{};
    QTest::newRow("larger than any written") << "file" << QByteArray(LessonFile::largest + 1, ' ')
                                             << std::optional(LessonMessages::cannotRead("lessons.json", LessonFile::Opened::TooLarge))
                                             << QStringList{} << QByteArrayList{};
}

// Whatever lessons.json is, the lessons it holds are never lost: read where
// they can be, kept as they are where they cannot.
void tst_LessonLibrary::hostileFiles()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, file);
    QFETCH(std::optional<Message>, message);
    QFETCH(QStringList, names);
    QFETCH(QByteArrayList, keptInFile);
    if (kind == "mode 0000" && geteuid() == 0)
        QSKIP("root reads any file");
    DataFolder folder;
    const QString path = folder.path("lessons.json");
    QVERIFY(kind == "fifo" ? mkfifo(qPrintable(path), 0600) == 0
            : kind == "/dev/zero" ? QFile::link("/dev/zero", path) : DataFolder::write(path, file));
    if (kind == "mode 0000")
        QVERIFY(QFile::setPermissions(path, {}));
    LessonLibrary library(path);
    const std::optional<Message> told = messageAfterLoad(library.load());
    QCOMPARE(told ? told->text : "", message ? message->text : "");
    QCOMPARE(namesOf(library.own()), names);
    const bool readable = !library.own().isEmpty();
    QCOMPARE(library.add(plan("Nines", {0, 9, 0})).change, readable ? LessonLibrary::Change::Saved : LessonLibrary::Change::SavingOff);
    QCOMPARE(namesOf(library.own()), readable ? names << "Nines" : names);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    if (kind == "file" && !readable)
        QCOMPARE(DataFolder::read(path), file);
    for (const QByteArray &kept : keptInFile)
        QVERIFY2(DataFolder::read(path).contains(kept), kept.constData());
}

void tst_LessonLibrary::namesAreCleaned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("right-to-left override") << QString::fromUtf8("Halves \u202Eevif") << "Halves evif";
    QTest::newRow("control characters and line breaks") << "Two\r\nlines\x07\u2028" << "Twolines";
    QTest::newRow("blanks left at the ends once cleaned") << "\x01 Fives \n" << "Fives";
    QTest::newRow("a megabyte") << QString(1 << 20, 'm') << QString(longestLessonName, 'm');
    QTest::newRow("80 characters beyond the BMP") << QString::fromUtf8("🐝").repeated(81) << QString::fromUtf8("🐝").repeated(80);
    QTest::newRow("numbered at the longest") << QString(longestLessonName, 'S') + " (2)" << QString(longestLessonName, 'S');
}

// Typed or imported, a name is cleaned, and read back the same.
void tst_LessonLibrary::namesAreCleaned()
{
    QFETCH(QString, name);
    QFETCH(QString, cleaned);
    DataFolder folder;
    LessonLibrary library(folder.path("lessons.json"));
    QVERIFY(library.add(plan("Taken", {})));
    QCOMPARE(library.import({LessonPlan{name, {}, {0, 2, 0}, 1, false, {}}}).added, QList<int>{1});
    QVERIFY(library.add({name, {}, {0, 3, 0}, 1, false, {}}));
    const QStringList names = namesOf(afterRestart(folder.path("lessons.json")));
    QCOMPARE(names[1], cleaned);
    QVERIFY2(names[2].size() <= longestLessonName + 1 && names[2].endsWith(" (2)"), qPrintable(names[2]));
}

// Two real processes, each adding lessons to one library at the same time.
void tst_LessonLibrary::twoCopiesAddingAtOnceLoseNothing()
{
    DataFolder folder;
    const QString path = folder.path("lessons.json");
    QProcess copies[2];
    for (int copy = 0; copy < 2; ++copy)
        copies[copy].start(QCoreApplication::applicationFilePath(), {"--add-lessons", path, QString::number(copy)});
    for (QProcess &copy : copies) {
        QVERIFY(copy.waitForFinished(60000));
        QCOMPARE(copy.exitCode(), 0);
    }
    QCOMPARE(afterRestart(path).size(), 100);
}

// Written by a later version: an unknown member, a routine this one cannot
// read and a look with a member it does not know.
void tst_LessonLibrary::whatThisVersionCannotReadSurvivesARenameAndASave()
{
    DataFolder folder;
    const QString path = folder.path("lessons.json");
    const QByteArray lesson = R"({"name": "A", "speed": 1, "counter1": {"firstNumber": 0, "firstStep": 7, "stepChange": 0},
        "colour": "red", "routine": {"pauseEvery": 2, "pauseAtCounter": 3, "pauseAtValue": 1},
        "look": {"fontSize": 50, "digitColour": "#000000", "backgroundColour": "#00ff00", "fullScreen": false, "font": "Arial"}})";
    QVERIFY(DataFolder::write(path, fileOf(lesson)));
    LessonLibrary library(path);
    QCOMPARE(library.load().state, LessonLibrary::Loaded::State::Fine);
    QVERIFY(!library.own().value(0).routine);
    QVERIFY(library.rename(0, "B") != LessonLibrary::Change::NotWritten);
    QVERIFY(library.add(sevens));
    const QList<LessonPlan> restarted = afterRestart(path);
    QCOMPARE(namesOf(restarted), QStringList({"B", "Sevens"}));
    QVERIFY(restarted[0].look == (LessonLook{50, 0x000000, 0x00FF00, false}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    for (const QByteArray kept : {R"("colour":"red")", R"("font":"Arial")", R"("pauseAtCounter":3)"})
        QVERIFY2(written.contains(kept), written.constData());
}

void tst_LessonLibrary::routineIsDescribed_data()
{
    QTest::addColumn<Routine>("routine");
    QTest::addColumn<QString>("words");
    QTest::newRow("none") << Routine{} << "";
    QTest::newRow("pauses, hushes, aloud") << Routine{5, std::nullopt, 4, true} << "pauses every 5, hushes every 4th, aloud";
    QTest::newRow("1st") << Routine{0, std::nullopt, 1, false} << "hushes every 1st";
    QTest::newRow("the teens are th") << Routine{0, std::nullopt, 12, false} << "hushes every 12th";
    QTest::newRow("22nd, with a pause at a value") << Routine{0, PlannedValue{2, -0.1}, 22, false}
                                    << "pauses when counter 2 reaches -0.1, hushes every 22nd";
    QTest::newRow("103rd") << Routine{0, std::nullopt, 103, false} << "hushes every 103rd";
    QTest::newRow("a pause at a third, as shown") << Routine{0, PlannedValue{1, 1.0 / 3}, 0, false}
                                                  << "pauses when counter 1 reaches 0.333333333333333";
}

void tst_LessonLibrary::routineIsDescribed()
{
    QFETCH(Routine, routine);
    QFETCH(QString, words);
    QCOMPARE(routineWords(routine), words);
}

// With --add-lessons path copy, the program is one of the two copies above.
int addLessons(const QString &path, const QString &copy)
{
    LessonLibrary library(path);
    library.load();
    int lost = 0;
    for (int i = 0; i < 50; ++i)
        lost += !library.add(plan(qPrintable(copy + QString::number(i)), {0, double(i), 0}));
    return lost;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--add-lessons")
        return addLessons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    tst_LessonLibrary test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_lessonlibrary.moc"
