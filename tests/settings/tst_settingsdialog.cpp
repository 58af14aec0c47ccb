#include "engine/NumberText.h"
#include "platform/Twips.h"
#include "tests/support/Named.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SessionSettings.h"
#include "windows/settings/SettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include <limits>
#include <memory>

namespace {

// The settings dialog over no main window, shown and active, worked by touch.
struct Rig {
    CountingSession session;
    WindowMemory memory;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsDialog> dialog;

    bool open()
    {
        dialog = std::make_unique<SettingsDialog>(session, memory, dialogs, nullptr);
        dialog->show();
        return QTest::qWaitForWindowActive(dialog.get());
    }
    QLineEdit *box(const QString &name) const { return dialog->findChild<QLineEdit *>(name); }
    Keypad *keypad() const { return named<Keypad>(*dialog, "Picture1"); }

    void touch(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Digits, '.' point, '-' "+/-", '<' DEL, '>' TAB, 't' touch the given box again.
    void press(const QString &keys, QLineEdit *box = nullptr)
    {
        const Keypad *k = keypad();
        for (const QChar c : keys) {
            if (c.isDigit())
                touch(k->digitKeys[c.digitValue()]);
            else
                touch(c == '.' ? k->pointKey : c == '-' ? k->signKey : c == '<' ? k->deleteKey
                                          : c == '>' ? k->tabKey : static_cast<QWidget *>(box));
        }
    }
    bool wholeTextSelectedIn(QLineEdit *box) const
    {
        return dialog->focusWidget() == box && box->selectedText() == box->text() && keypad()->startNewEntry()
            && keypad()->currentBox() == dialog->boxes().indexOf(box) + 1;
    }
};

} // namespace

Q_DECLARE_METATYPE(std::optional<Voices>)
Q_DECLARE_METATYPE(Routine)

class SettingsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void keypadEdits_data();
    void keypadEdits();
    void keyboardTypingKeepsTheNewEntry();
    void tabCycle_data();
    void tabCycle();
    void keyboardTabOrder();
    void keyFacesShowTheirColours();
    void places_data();
    void places();
    void moveKeypadTwiceRestoresEveryPlace();
    void opensGreyedCounter2FromSession();
    void counter2CaptionTogglesToo_data();
    void counter2CaptionTogglesToo();
    void greyedCounter2BoxIsEditedThenDropped();
    void okReadsBoxes_data();
    void okReadsBoxes();
    void negativeSpeedShowsThenBecomesZero();
    void tooLargeNumbers_data();
    void tooLargeNumbers();
    void routineDialog_data();
    void routineDialog();
};

void SettingsDialogTest::keypadEdits_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("5 then 5 replaces the 0") << "txtF" << "55" << "55";
    QTest::newRow("point twice") << "txtF" << ".." << ".";
    QTest::newRow("point after 12, twice") << "txtS" << "12.." << "12.";
    QTest::newRow("+/- then 3") << "txtF" << "-3" << "-3";
    QTest::newRow("+/- again changes nothing") << "txtF" << "-3-" << "-3";
    QTest::newRow("+/- after a digit does nothing") << "txtI" << "5-" << "5";
    QTest::newRow("+/- in the speed box") << "txtSpeed" << "-" << "1";
    QTest::newRow("+/- then digit in the speed box") << "txtSpeed" << "-2" << "2";
    QTest::newRow("DEL after focus empties") << "txtS" << "<" << "";
    QTest::newRow("DEL on an empty box") << "txtS" << "<<" << "";
    QTest::newRow("DEL removes the last digit") << "txtF" << "123<" << "12";
    QTest::newRow("-3 DEL DEL frees +/-") << "txtF" << "-3<<-4" << "-4";
    QTest::newRow("DEL to empty frees +/-") << "txtF" << "7<-" << "-";
    QTest::newRow("touching the box again starts anew") << "txtF" << "12t5" << "5";
    QTest::newRow("touching the box again frees +/-") << "txtSpeed" << "12t-5" << "5";
    QTest::newRow("touching again then +/-") << "txtI" << "12t-" << "-";
}

void SettingsDialogTest::keypadEdits()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    Rig rig;
    QVERIFY(rig.open());
    QLineEdit *target = rig.box(box);
    if (target != named<QLineEdit>(*rig.dialog, "txtF"))
        rig.touch(target);
    QVERIFY(rig.wholeTextSelectedIn(target));
    rig.press(keys, target);
    QCOMPARE(target->text(), text);
    if (keys.endsWith('t'))
        QVERIFY(rig.wholeTextSelectedIn(target));
}

void SettingsDialogTest::keyboardTypingKeepsTheNewEntry()
{
    Rig rig;
    QVERIFY(rig.open());
    QTest::keyClicks(named<QLineEdit>(*rig.dialog, "txtF"), "7");
    QCOMPARE(named<QLineEdit>(*rig.dialog, "txtF")->text(), QStringLiteral("7"));
    rig.press("8");
    QCOMPARE(named<QLineEdit>(*rig.dialog, "txtF")->text(), QStringLiteral("8"));
    // The key keeps the focus it took; the box stays current.
    QCOMPARE(rig.dialog->focusWidget(), rig.keypad()->digitKeys[8]);
    rig.press("9");
    QCOMPARE(named<QLineEdit>(*rig.dialog, "txtF")->text(), QStringLiteral("89"));
}

void SettingsDialogTest::tabCycle_data()
{
    QTest::addColumn<bool>("counter2On");
    QTest::addColumn<QList<int>>("visits");
    QTest::newRow("counter 2 off") << false << QList<int>{2, 3, 4, 1, 2};
    QTest::newRow("counter 2 on") << true << QList<int>{2, 3, 4, 5, 6, 7, 1};
}

void SettingsDialogTest::tabCycle()
{
    QFETCH(bool, counter2On);
    QFETCH(QList<int>, visits);
    Rig rig;
    rig.session.counterCount = counter2On ? 2 : 1;
    QVERIFY(rig.open());
    for (int expected : visits) {
        rig.press(">");
        QVERIFY(rig.wholeTextSelectedIn(rig.dialog->boxes()[expected - 1]));
    }
    rig.press("5");
    QCOMPARE(rig.dialog->boxes()[visits.last() - 1]->text(), QStringLiteral("5"));
}

void SettingsDialogTest::keyboardTabOrder()
{
    Rig rig;
    rig.session.counterCount = 2;
    QVERIFY(rig.open());
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(rig.dialog->focusWidget(), Qt::Key_Tab);
        order << rig.dialog->focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"txtS", "txtI", "txtSpeed", "txtF2", "txtS2", "txtI2", "cmdOK", "cmdCancel",
                                 "chkC2on", "cmdLessons", "cmdRoutine", "cmd7"}));
    QVERIFY(rig.keypad()->currentBox() == 7 && rig.keypad()->startNewEntry());
}

void SettingsDialogTest::keyFacesShowTheirColours()
{
    Rig rig;
    QVERIFY(rig.open());
    const Keypad *k = rig.keypad();
    const QColor yellow(255, 255, 128);
    QList<std::pair<QPushButton *, QColor>> faces = {
        {k->pointKey, yellow}, {k->signKey, QColor(0, 255, 255)},
        {k->deleteKey, QColor(255, 128, 128)}, {k->tabKey, QColor(128, 255, 128)}};
    for (QPushButton *digit : k->digitKeys)
        faces.append({digit, yellow});
    for (const auto &[key, colour] : faces)
        QCOMPARE(key->grab().toImage().pixelColor(4, key->height() / 2), colour);
}

void SettingsDialogTest::places_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<int>("leftKeypadRight");
    QTest::addColumn<int>("leftKeypadLeft");
    QTest::addColumn<int>("top");
    QTest::newRow("Picture1") << "Picture1" << 6090 - 2580 << 0 << 0;
    QTest::newRow("Frame1") << "Frame1" << 120 << 2720 << 120;
    QTest::newRow("Frame2") << "Frame2" << 120 << 2720 << 2640;
    QTest::newRow("lblSpeed") << "lblSpeed" << 360 << 2960 << 2160;
    QTest::newRow("txtSpeed") << "txtSpeed" << 2220 << 4820 << 2040;
    QTest::newRow("cmdOK") << "cmdOK" << 240 << 2840 << 4560;
    QTest::newRow("cmdCancel") << "cmdCancel" << 2040 << 4640 << 4560;
    QTest::newRow("cmdLessons, a row below") << "cmdLessons" << 240 << 2840 << 5295;
    QTest::newRow("cmdRoutine, beside it") << "cmdRoutine" << 1800 << 4400 << 5295;
}

void SettingsDialogTest::places()
{
    QFETCH(QString, widget);
    QFETCH(int, leftKeypadRight);
    QFETCH(int, leftKeypadLeft);
    QFETCH(int, top);
    for (const bool onRight : {true, false}) {
        Rig rig;
        rig.memory.keypadOnRight = onRight;
        QVERIFY(rig.open());
        const QWidget *w = rig.dialog->findChild<QWidget *>(widget);
        QCOMPARE(w->pos(), QPoint(twipsToPixels(onRight ? leftKeypadRight : leftKeypadLeft), twipsToPixels(top)));
        QVERIFY(rig.dialog->rect().contains(w->geometry()));
    }
}

void SettingsDialogTest::moveKeypadTwiceRestoresEveryPlace()
{
    Rig rig;
    QVERIFY(rig.open());
    const auto placesOf = [](const QWidget *dialog) {
        QList<QRect> places;
        for (const QWidget *w : dialog->findChildren<QWidget *>())
            places << w->geometry();
        return places;
    };
    const QList<QRect> first = placesOf(rig.dialog.get());
    rig.press("34>");
    rig.press(">");

    rig.touch(rig.keypad()->moveKeypadKey);
    QVERIFY(!rig.memory.keypadOnRight);
    QVERIFY(rig.wholeTextSelectedIn(named<QLineEdit>(*rig.dialog, "txtI")));
    const QList<QRect> moved = placesOf(rig.dialog.get());

    rig.touch(rig.keypad()->moveKeypadKey);
    QVERIFY(rig.memory.keypadOnRight);
    QCOMPARE(placesOf(rig.dialog.get()), first);

    // A dialog opened later keeps the side last chosen.
    rig.touch(rig.keypad()->moveKeypadKey);
    named<QPushButton>(*rig.dialog, "cmdCancel")->click();
    QVERIFY(rig.open());
    QCOMPARE(placesOf(rig.dialog.get()), moved);
}

void SettingsDialogTest::opensGreyedCounter2FromSession()
{
    Rig rig;
    rig.session.counter1 = {2.5, -3, 0.1};
    rig.session.counter2 = {7, 0.25, -1};
    QVERIFY(rig.open());
    QStringList texts;
    for (const QLineEdit *box : rig.dialog->boxes())
        texts << box->text();
    QCOMPARE(texts, QStringList({"2.5", "-3", "0.1", "1", "7", "0.25", "-1"}));
    QVERIFY(!named<QCheckBox>(*rig.dialog, "chkC2on")->isChecked());
    const QList<QWidget *> counter2 = {named<QLineEdit>(*rig.dialog, "txtF2"), named<QLineEdit>(*rig.dialog, "txtS2"), named<QLineEdit>(*rig.dialog, "txtI2"),
                                       named<QLabel>(*rig.dialog, "lblF2"), named<QLabel>(*rig.dialog, "lblS2"), named<QLabel>(*rig.dialog, "lblI2")};
    for (const QWidget *w : counter2)
        QVERIFY(!w->isEnabled());
    rig.touch(named<QCheckBox>(*rig.dialog, "chkC2on"));
    for (const QWidget *w : counter2)
        QVERIFY(w->isEnabled());
    QCOMPARE(named<QLineEdit>(*rig.dialog, "txtS2")->text(), QStringLiteral("0.25"));
}

void SettingsDialogTest::counter2CaptionTogglesToo_data()
{
    QTest::addColumn<bool>("keypadLeft");
    QTest::addColumn<QPoint>("fromBox");  // the tap, from the check box's centre
    QTest::addColumn<bool>("toggles");
    QTest::newRow("the check box") << false << QPoint(0, 0) << true;
    QTest::newRow("the caption") << false << QPoint(-30, 0) << true;
    QTest::newRow("a finger's top edge") << false << QPoint(-30, -20) << true;
    QTest::newRow("a finger's bottom edge") << false << QPoint(-20, 19) << true;
    QTest::newRow("First Number below") << false << QPoint(-30, 30) << false;
    QTest::newRow("caption, keypad on the left") << true << QPoint(-30, 0) << true;
    QTest::newRow("top edge, keypad on the left") << true << QPoint(0, -20) << true;
}

// The check box keeps its small place; its caption makes a finger-high target.
void SettingsDialogTest::counter2CaptionTogglesToo()
{
    QFETCH(bool, keypadLeft);
    QFETCH(QPoint, fromBox);
    QFETCH(bool, toggles);
    Rig rig;
    QVERIFY(rig.open());
    if (keypadLeft)
        rig.touch(rig.keypad()->moveKeypadKey);
    auto *box = named<QCheckBox>(*rig.dialog, "chkC2on");
    QCOMPARE(box->size(), twipsSize(250, 220));
    const QPoint tap = box->mapTo(rig.dialog.get(), box->rect().center()) + fromBox;
    QTest::mouseClick(rig.dialog->window()->windowHandle(), Qt::LeftButton, {}, tap);
    QCOMPARE(box->isChecked(), toggles);
    QCOMPARE(named<QLineEdit>(*rig.dialog, "txtF2")->isEnabled(), toggles);
}

void SettingsDialogTest::greyedCounter2BoxIsEditedThenDropped()
{
    Rig rig;
    rig.session.counterCount = 2;
    rig.session.counter2 = {7, 8, 9};
    QVERIFY(rig.open());
    rig.touch(named<QLineEdit>(*rig.dialog, "txtF2"));
    rig.press("4");
    rig.touch(named<QCheckBox>(*rig.dialog, "chkC2on"));
    QVERIFY(!named<QLineEdit>(*rig.dialog, "txtF2")->isEnabled());
    rig.press("2");
    QCOMPARE(named<QLineEdit>(*rig.dialog, "txtF2")->text(), QStringLiteral("42"));
    // Move Keypad cannot give the greyed box the focus; it stays current.
    rig.touch(rig.keypad()->moveKeypadKey);
    QCOMPARE(rig.keypad()->currentBox(), 5);
    rig.press(">");
    QVERIFY(rig.wholeTextSelectedIn(named<QLineEdit>(*rig.dialog, "txtF")));

    named<QPushButton>(*rig.dialog, "cmdOK")->click();
    QCOMPARE(rig.session.counterCount, 1);
    QCOMPARE(rig.session.counter2.firstNumber.toDouble(), 7.0);
    QCOMPARE(rig.session.counter2.firstStep.toDouble(), 8.0);
    QCOMPARE(rig.dialog->applied()->counter2Caption, QString());
    QVERIFY(!rig.dialog->applied()->twoCounters);
}

void SettingsDialogTest::okReadsBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("reopened");
    QTest::newRow("empty first number") << "txtF" << "" << 0.0 << "0";
    QTest::newRow("minus only") << "txtF" << "-" << 0.0 << "0";
    QTest::newRow("12abc") << "txtF" << "12abc" << 12.0 << "12";
    QTest::newRow("007") << "txtF" << "007" << 7.0 << "7";
    QTest::newRow("first step 0.1") << "txtS" << "0.1" << 0.1 << "0.1";
    QTest::newRow("step change hex") << "txtI" << "&H1F" << 31.0 << "31";
    QTest::newRow("speed 0.3") << "txtSpeed" << "0.3" << double(0.3f) << "0.3";
    QTest::newRow("speed -2") << "txtSpeed" << "-2" << 0.0 << "0";
    QTest::newRow("speed 0") << "txtSpeed" << "0" << 0.0 << "0";
    QTest::newRow("counter 2 first number") << "txtF2" << "-4.5" << -4.5 << "-4.5";
    QTest::newRow("first step beyond fifteen digits") << "txtS" << "0.12345678901234567890" << 0.123456789012346
                                                      << "0.123456789012346";
    QTest::newRow("largest first number") << "txtF" << "1.7976931348623157E308" << std::numeric_limits<double>::max()
                                          << "1.79769313486231E+308";
}

void SettingsDialogTest::okReadsBoxes()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(QString, reopened);
    Rig rig;
    QVERIFY(rig.open());
    named<QCheckBox>(*rig.dialog, "chkC2on")->setChecked(true);
    rig.box(box)->setText(typed);
    named<QPushButton>(*rig.dialog, "cmdOK")->click();

    const CountingSession &s = rig.session;
    const QMap<QString, double> fields = {
        {"txtF", s.counter1.firstNumber.toDouble()}, {"txtS", s.counter1.firstStep.toDouble()},
        {"txtI", s.counter1.stepChange.toDouble()},  {"txtSpeed", s.speed},
        {"txtF2", s.counter2.firstNumber.toDouble()}};
    QCOMPARE(fields[box], stored);
    const SettingsApplied applied = *rig.dialog->applied();
    QCOMPARE(applied.counter1Caption, named<QLineEdit>(*rig.dialog, "txtF")->text());
    QCOMPARE(applied.counter2Caption, named<QLineEdit>(*rig.dialog, "txtF2")->text());
    QVERIFY(applied.twoCounters);
    QCOMPARE(s.counterCount, 2);

    QVERIFY(rig.open());
    QCOMPARE(rig.box(box)->text(), reopened);
    // What the dialog shows, OK takes back unedited.
    named<QPushButton>(*rig.dialog, "cmdOK")->click();
    QVERIFY(rig.dialogs.messages.isEmpty());
    QVERIFY(rig.dialog->applied().has_value());
}

void SettingsDialogTest::negativeSpeedShowsThenBecomesZero()
{
    Rig rig;
    rig.session.speed = -0.15f;
    QVERIFY(rig.open());
    QCOMPARE(named<QLineEdit>(*rig.dialog, "txtSpeed")->text(), QStringLiteral("-0.15"));
    named<QPushButton>(*rig.dialog, "cmdOK")->click();
    QCOMPARE(rig.session.speed, 0.0f);
}

void SettingsDialogTest::tooLargeNumbers_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("counter2On");
    QTest::addColumn<bool>("refused");
    QTest::newRow("1E400 first number") << "txtF" << "1E400" << false << true;
    QTest::newRow("-1D400 step change") << "txtI" << "-1D400" << false << true;
    QTest::newRow("hex beyond doubles") << "txtS" << "&H" + QString(300, 'F') << false << true;
    QTest::newRow("speed beyond floats") << "txtSpeed" << "1E39" << false << true;
    QTest::newRow("negative speed beyond floats") << "txtSpeed" << "-1E39" << false << true;
    QTest::newRow("largest float speed") << "txtSpeed" << "3.4E38" << false << true;
    QTest::newRow("speed of weeks") << "txtSpeed" << "2000000" << false << true;
    QTest::newRow("speed just over an hour") << "txtSpeed" << "3600.5" << false << true;
    QTest::newRow("speed of an hour") << "txtSpeed" << "3600" << false << false;
    QTest::newRow("counter 2 in use") << "txtS2" << "1E400" << true << true;
    QTest::newRow("counter 2 off is ignored") << "txtS2" << "1E400" << false << false;
}

void SettingsDialogTest::tooLargeNumbers()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, counter2On);
    QFETCH(bool, refused);
    Rig rig;
    rig.session.counter1 = {3, 4, 5};
    QVERIFY(rig.open());
    const auto before = settingsOf(rig.session);
    named<QCheckBox>(*rig.dialog, "chkC2on")->setChecked(counter2On);
    named<QLineEdit>(*rig.dialog, "txtF")->setText("9");
    rig.box(box)->setText(typed);
    QTest::keyClick(named<QLineEdit>(*rig.dialog, "txtF"), Qt::Key_Return);

    QCOMPARE(rig.dialog->isVisible(), refused);
    QCOMPARE(rig.dialog->applied().has_value(), !refused);
    if (refused) {
        QCOMPARE(rig.dialogs.messages, QList<Message>{Messages::numberTooLarge()});
        QVERIFY(settingsOf(rig.session) == before);
        QVERIFY(rig.wholeTextSelectedIn(rig.box(box)));
    } else {
        QVERIFY(rig.dialogs.messages.isEmpty());
        QCOMPARE(rig.session.counter1.firstNumber.toDouble(), 9.0);
    }
}

// What the teacher ticks and types: "e7" pause every 7 (by +), "a2:8.5" pause
// when counter 2 reaches 8.5 (on its keypad where it can be), "h5" hush one
// in 5, "s" say aloud, "x" cancel.
void SettingsDialogTest::routineDialog_data()
{
    QTest::addColumn<std::optional<Voices>>("voices");
    QTest::addColumn<double>("speed");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<Routine>("routine");
    QTest::addColumn<QString>("told");  // about the voices
    QTest::addColumn<bool>("tooFast");
    const Voices two{true, {"English", "français"}};
    const Voices none{false, {}};
    QTest::newRow("everything, slow enough to say each number")
        << std::optional(two) << 1.5 << QStringList{"e7", "a2:8.5", "h5", "s"} << Routine{7, PlannedValue{2, 8.5}, 5, true}
        << "Voices here: English, français." << false;
    QTest::newRow("a value read by its leading number") << std::optional(two) << 0.5 << QStringList{"a1:-0.1abc"}
                                                        << Routine{0, PlannedValue{1, -0.1}, 0, false}
                                                        << "Voices here: English, français." << true;
    QTest::newRow("no voice: counting aloud stays off") << std::optional(none) << 0.5 << QStringList{"s"} << Routine{}
                                                        << "No voice here speaks this language, so Tallyvane cannot count "
                                                           "aloud. No voice is installed." << false;
    QTest::newRow("a voice, not for this language") << std::optional(Voices{false, {"English"}}) << 1.0
                                                    << QStringList{"h1"} << Routine{0, std::nullopt, 1, false}
                                                    << "No voice here speaks this language, so Tallyvane cannot count "
                                                       "aloud. Voices here: English." << false;
    QTest::newRow("voices still looked for: aloud can be ticked")
        << std::optional<Voices>() << 0.5 << QStringList{"s"} << Routine{0, std::nullopt, 0, true}
        << "Looking for voices…" << false;
    QTest::newRow("the sound has gone") << std::optional(Voices{true, {"English"}, true}) << 1.0 << QStringList{}
                                        << Routine{} << "No sound: the voice has stopped. Voices here: English." << false;
    QTest::newRow("cancelled") << std::optional(two) << 1.0 << QStringList{"e3", "x"} << Routine{}
                               << "Voices here: English, français." << false;
}

void SettingsDialogTest::routineDialog()
{
    QFETCH(std::optional<Voices>, voices);
    QFETCH(double, speed);
    QFETCH(QStringList, changes);
    QFETCH(Routine, routine);
    QFETCH(QString, told);
    QFETCH(bool, tooFast);
    ScriptedDialogs dialogs;
    RoutineDialog dialog(Routine{}, speed, voices, dialogs, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(named<QLabel>(dialog, "lblVoices")->text(), told);
    QCOMPARE(named<QLabel>(dialog, "lblAloudPace")->isVisible(), tooFast);
    QCOMPARE(named<QCheckBox>(dialog, "chkAloud")->isEnabled(), !voices || voices->speaksProgramLanguage);
    QVERIFY(!named<QWidget>(dialog, "pauseAtKeypad")->isEnabled());  // until a value is paused at
    for (QWidget *control : dialog.findChildren<QWidget *>()) {
        if (control->isVisible() && control->focusPolicy() != Qt::NoFocus && !control->objectName().startsWith("qt_")
            && !control->inherits("QGroupBox"))
            QVERIFY2(control->height() >= 44, qPrintable(control->objectName()));
    }
    const auto click = [&](const QString &name) { QTest::mouseClick(named<QAbstractButton>(dialog, qPrintable(name)), Qt::LeftButton); };
    bool cancelled = false;
    for (const QString &change : changes) {
        if (change.startsWith('e')) {
            click("chkPauseEvery");
            for (int i = 1; i < change.mid(1).toInt(); ++i)
                click("pauseEveryMore");
        } else if (change.startsWith('a')) {
            click("chkPauseAt");
            named<QComboBox>(dialog, "cboPauseCounter")->setCurrentIndex(change.mid(1, 1).toInt() - 1);
            const QString value = change.mid(3);
            if (value.contains(QRegularExpression("[^0-9.]")))
                named<QLineEdit>(dialog, "txtPauseAt")->setText(value);  // not all on the keypad
            else
                for (const QChar c : value)
                    click(c == '.' ? QString("cmdPoint") : QString("cmd") + c);
        } else if (change.startsWith('h')) {
            click("chkHush");
            named<QSpinBox>(dialog, "spnHush")->setValue(change.mid(1).toInt());
        } else if (change == "s") {
            click("chkAloud");
        } else {
            click("cmdCancel");
            cancelled = true;
        }
    }
    if (!cancelled)
        click("cmdOK");
    QCOMPARE(dialog.result(), cancelled ? QDialog::Rejected : QDialog::Accepted);
    if (!cancelled)
        QVERIFY(dialog.routine() == routine);
}

QTEST_MAIN(SettingsDialogTest)
#include "tst_settingsdialog.moc"
