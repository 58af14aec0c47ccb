#include "lessons/LessonMessages.h"
#include "tests/support/DataFolder.h"
#include "tests/support/LessonList.h"
#include "tests/support/LessonNames.h"
#include "tests/support/ModalScript.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SessionSettings.h"
#include "windows/settings/LessonsDialog.h"
#include "windows/settings/SettingsDialog.h"

#include <QTest>

#include <memory>

namespace {

// The settings dialog, shown and active, with its lesson list worked while
// it is modal over it.
struct Rig {
    DataFolder data;
    CountingSession session;
    WindowMemory memory;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsDialog> settings;
    std::unique_ptr<ModalScript> script;  // for the dialogs over the settings dialog

    bool open()
    {
        settings = std::make_unique<SettingsDialog>(session, memory, dialogs, nullptr);
        settings->show();
        script = std::make_unique<ModalScript>();
        return QTest::qWaitForWindowActive(settings.get());
    }
    void lessons(const std::function<void(QDialog *)> &work)
    {
        script->then([work](QDialog *lessons) {
            work(lessons);
            if (lessons->isVisible())
                lessons->reject();
        });
        named<QPushButton>(*settings, "cmdLessons")->click();
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const QLineEdit *box : settings->boxes())
            texts << box->text();
        return texts;
    }
    static QStringList ownNames()
    {
        LessonLibrary library(LessonLibrary::standardPath());
        library.load();
        return namesOf(library.own());
    }
};

void press(QDialog *dialog, const char *button)
{
    QTest::mouseClick(named<QPushButton>(*dialog, button), Qt::LeftButton);
}

} // namespace

class tst_LessonsDialog : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void choosingFillsTheBoxes_data();
    void choosingFillsTheBoxes();
    void ownLessons_data();
    void ownLessons();
    void damagedFileIsToldOnce();
    void exportedLessonsImportOnce();
    void anotherCopysLessonIsShown();
};

void tst_LessonsDialog::choosingFillsTheBoxes_data()
{
    QTest::addColumn<QString>("lesson");
    QTest::addColumn<QLocale>("region");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("counter2On");
    QTest::newRow("square numbers") << "Square numbers" << QLocale::c()
                                    << QStringList{"1", "3", "2", "2", "0", "0", "0"} << false;
    QTest::newRow("quarters, German region") << "Count in 0.25s" << QLocale(QLocale::German)
                                             << QStringList{"0", "0,25", "0", "1,5", "0", "0", "0"} << false;
    QTest::newRow("two counters") << "The 3 and 4 times tables" << QLocale::c()
                                  << QStringList{"0", "3", "0", "2", "0", "4", "0"} << true;
    QTest::newRow("closed without choosing") << "" << QLocale::c()
                                             << QStringList{"7", "1", "0", "1", "0", "0", "0"} << false;
}

void tst_LessonsDialog::choosingFillsTheBoxes()
{
    QFETCH(QString, lesson);
    QFETCH(QLocale, region);
    QFETCH(QStringList, boxes);
    QFETCH(bool, counter2On);
    QLocale::setDefault(region);
    Rig rig;
    rig.session.counter1.firstNumber = Decimal(7, 0);
    QVERIFY(rig.open());
    const auto before = settingsOf(rig.session);
    rig.lessons([&](QDialog *lessons) {
        if (lesson.isEmpty())
            return press(lessons, "cmdClose");
        QVERIFY(tapLesson(*lessons, lesson));
        press(lessons, "cmdUse");
    });
    QCOMPARE(rig.boxTexts(), boxes);
    QCOMPARE(named<QCheckBox>(*rig.settings, "chkC2on")->isChecked(), counter2On);
    QCOMPARE(named<QLineEdit>(*rig.settings, "txtF2")->isEnabled(), counter2On);
    QVERIFY(settingsOf(rig.session) == before);
    QVERIFY(rig.script->unexpected.isEmpty());
}

void tst_LessonsDialog::ownLessons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("answer");  // typed in the input box, or Yes/No
    QTest::addColumn<QStringList>("names");
    QTest::newRow("rename") << "cmdRename" << "Weekly fives" << QStringList{"Weekly fives"};
    QTest::newRow("rename cancelled") << "cmdRename" << "" << QStringList{"Fives"};
    QTest::newRow("delete, Yes") << "cmdDelete" << "Yes" << QStringList{};
    QTest::newRow("delete, No") << "cmdDelete" << "No" << QStringList{"Fives"};
}

// Saved from the boxes, then changed; a built-in lesson cannot be.
void tst_LessonsDialog::ownLessons()
{
    QFETCH(QString, button);
    QFETCH(QString, answer);
    QFETCH(QStringList, names);
    Rig rig;
    QVERIFY(rig.open());
    named<QLineEdit>(*rig.settings, "txtS")->setText("5");
    rig.dialogs.textAnswers << "Fives";
    rig.lessons([](QDialog *lessons) {
        press(lessons, "cmdSaveAs");
        QVERIFY(named<QListWidget>(*lessons, "lessonList")->currentItem()->text() == "Fives");
        QVERIFY(named<QPushButton>(*lessons, "cmdRename")->isEnabled());
        QVERIFY(tapLesson(*lessons, "Odd numbers"));
        QVERIFY(!named<QPushButton>(*lessons, "cmdRename")->isEnabled());
        QVERIFY(!named<QPushButton>(*lessons, "cmdDelete")->isEnabled());
    });
    QCOMPARE(rig.dialogs.questions, QList<Question>{Messages::lessonName()});
    QCOMPARE(Rig::ownNames(), QStringList{"Fives"});

    rig.dialogs.textAnswers << answer;
    rig.dialogs.messageAnswers << (answer == "Yes" ? MessageAnswer::Yes : MessageAnswer::No);
    rig.lessons([&](QDialog *lessons) {
        QVERIFY(tapLesson(*lessons, "Fives"));
        press(lessons, qPrintable(button));
    });
    QCOMPARE(Rig::ownNames(), names);
    QVERIFY(rig.script->unexpected.isEmpty());
}

void tst_LessonsDialog::damagedFileIsToldOnce()
{
    Rig rig;
    QVERIFY(DataFolder::write(LessonLibrary::standardPath(), "{\"format\": \"Tallyvane lessons\", \"lessons\": ["));
    QVERIFY(rig.open());
    rig.lessons([](QDialog *lessons) { press(lessons, "cmdClose"); });
    rig.lessons([](QDialog *lessons) { press(lessons, "cmdClose"); });
    QCOMPARE(rig.dialogs.messages, QList<Message>{LessonMessages::damagedSetAside(0, 0, "lessons.json.damaged")});
    QVERIFY(QFile::exists(LessonLibrary::standardPath() + ".damaged"));
}

void tst_LessonsDialog::exportedLessonsImportOnce()
{
    Rig rig;
    LessonLibrary library(LessonLibrary::standardPath());
    QVERIFY(library.add({"Fives", {}, {0, 5, 0}, 1, false, {}}) && library.add({"Sixes", {}, {0, 6, 0}, 1, false, {}}));
    const QString shared = rig.data.path("shared.tallyvane");
    rig.dialogs.saveAnswers << shared;
    rig.dialogs.openAnswers << shared << shared;
    rig.dialogs.messageAnswers << MessageAnswer::Yes;
    QVERIFY(rig.open());
    rig.lessons([&](QDialog *lessons) {
        QVERIFY(tapLesson(*lessons, "Sixes"));
        rig.script->then([](QDialog *picker) { press(picker, "cmdExportChosen"); });
        press(lessons, "cmdExport");
        QVERIFY(tapLesson(*lessons, "Sixes"));
        press(lessons, "cmdDelete");
        press(lessons, "cmdImport");
        press(lessons, "cmdImport");
    });
    QCOMPARE(rig.dialogs.saveRequests.front().suggestedName, QStringLiteral("Sixes.tallyvane"));
    QCOMPARE(rig.dialogs.openFilters.front(), rig.dialogs.saveRequests.front().filter);
    QCOMPARE(rig.dialogs.messages, QList<Message>({Messages::confirmDeleteLesson(), Messages::lessonsAlreadyThere()}));
    QCOMPARE(Rig::ownNames(), QStringList({"Fives", "Sixes"}));
    QVERIFY(rig.script->unexpected.isEmpty());
}

// Saved by another copy of the program while the list is open.
void tst_LessonsDialog::anotherCopysLessonIsShown()
{
    Rig rig;
    QVERIFY(rig.open());
    rig.lessons([](QDialog *lessons) {
        LessonLibrary otherCopy(LessonLibrary::standardPath());
        QVERIFY(otherCopy.add({"Fives", {}, {0, 5, 0}, 1, false, {}}));
        QTRY_VERIFY(tapLesson(*lessons, "Fives"));
    });
}

QTEST_MAIN(tst_LessonsDialog)
#include "tst_lessonsdialog.moc"
