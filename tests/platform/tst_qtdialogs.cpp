#include "engine/CountingSession.h"
#include "engine/Messages.h"
#include "engine/Prediction.h"
#include "platform/QtDialogs.h"
#include "tests/support/ModalDialogs.h"
#include "tests/support/ModalScript.h"
#include "widgets/AnswerKeypad.h"
#include "widgets/ColourSwatch.h"
#include "widgets/SwatchColourDialog.h"
#include "widgets/TouchSizing.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QTest>
#include <QTreeView>

// The real dialogs, driven as the teacher would: tapping buttons and typing
// into the focused box.
class QtDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void messageBox_data();
    void messageBox();
    void messageBoxCentresOnParentWindow();
    void inputBox_data();
    void inputBox();
    void inputBoxOverATouchDialogIsLarge();
    void keypadAnswerIsJudged();
    void colourDialog_data();
    void colourDialog();
    void saveDialogShowsTheRequest();
    void saveDialog_data();
    void saveDialog();
    void saveDialogAsksBeforeReplacing_data();
    void saveDialogAsksBeforeReplacing();
    void saveDialogFolder();
    void openDialog_data();
    void openDialog();

private:
    QTemporaryDir m_home;
    QString documents() const { return m_home.filePath(QStringLiteral("Documents")); }
};

namespace {

enum class Press { Ok, Yes, No, Cancel, Escape };

void press(QDialog *dialog, Press how)
{
    if (how == Press::Escape) {
        QTest::keyClick(dialog, Qt::Key_Escape);
        return;
    }
    QAbstractButton *button = nullptr;
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        button = box->button(how == Press::Yes  ? QMessageBox::Yes
                             : how == Press::No ? QMessageBox::No
                                                : QMessageBox::Ok);
    } else {
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        button = buttons->button(how == Press::Cancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok);
    }
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void verifyFingerSized(QDialog *dialog)
{
    for (const QPushButton *button : dialog->findChildren<QPushButton *>())
        QVERIFY2(button->height() >= Touch::targetHeight, qPrintable(button->text()));
}

// The focused name box of the file dialog, its text replaced as a user would.
void typeName(QFileDialog *dialog, const QString &name)
{
    QWidget *box = dialog->focusWidget();
    QVERIFY(qobject_cast<QLineEdit *>(box));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (!name.isEmpty())
        QTest::keyClicks(box, name);
}

} // namespace

void QtDialogsTest::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
}

void QtDialogsTest::init()
{
    QVERIFY(QDir().mkpath(documents()));
}

void QtDialogsTest::messageBox_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<Press>("press");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::newRow("critical, OK") << Messages::maximumCount() << QMessageBox::Critical << Press::Ok << MessageAnswer::Ok;
    QTest::newRow("exclamation, OK") << Messages::wellDone() << QMessageBox::Warning << Press::Ok << MessageAnswer::Ok;
    QTest::newRow("information, OK") << Messages::tryAgain() << QMessageBox::Information << Press::Ok << MessageAnswer::Ok;
    QTest::newRow("own title") << Messages::listNotPrinted() << QMessageBox::Warning << Press::Ok << MessageAnswer::Ok;
    QTest::newRow("question, Yes") << Messages::confirmClose() << QMessageBox::Question << Press::Yes << MessageAnswer::Yes;
    QTest::newRow("question, No") << Messages::confirmExit() << QMessageBox::Question << Press::No << MessageAnswer::No;
    QTest::newRow("question, Escape") << Messages::confirmExit() << QMessageBox::Question << Press::Escape
                                      << MessageAnswer::No;
    QTest::newRow("long, wrapped") << Messages::lessonsDamaged() << QMessageBox::Warning << Press::Ok << MessageAnswer::Ok;
}

void QtDialogsTest::messageBox()
{
    QFETCH(Message, message);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(Press, press);
    QFETCH(MessageAnswer, answer);
    const auto buttons = message.buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                                  : QMessageBox::StandardButtons(QMessageBox::Ok);
    whenModalShown<QMessageBox>([&](QMessageBox *box) {
        QCOMPARE(box->text(), message.text);
        QCOMPARE(box->windowTitle(), message.title);
        QCOMPARE(box->icon(), icon);
        QCOMPARE(box->standardButtons(), buttons);
        verifyFingerSized(box);
        // A question reads on one line (wider messages too, on a real board).
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (message.buttons == MessageButtons::YesNo)
            QVERIFY2(label->height() < 2 * label->fontMetrics().lineSpacing(), "the question takes one line");
        // Whatever its length, none of it is cut off at the box's edge.
        QVERIFY2(label->geometry().right() < box->width(), "the text runs past the box");
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        ::press(box, press);
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.showMessage(message, nullptr), answer);
}

void QtDialogsTest::messageBoxCentresOnParentWindow()
{
    QWidget mainWindow;
    mainWindow.setGeometry(200, 150, 580, 430);
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    QPoint boxCentre;
    whenModalShown<QMessageBox>([&](QMessageBox *box) {
        boxCentre = box->frameGeometry().center();
        ::press(box, Press::Ok);
    });
    QtDialogs dialogs;
    dialogs.showMessage(Messages::tryAgain(), &mainWindow);
    const QPoint offCentre = boxCentre - mainWindow.frameGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 4,
             qPrintable(QStringLiteral("%1, %2 from the centre").arg(offCentre.x()).arg(offCentre.y())));
}

// Keys tapped on the keypad beside the box, by name.
void tapKeys(QDialog *box, const QStringList &keys)
{
    for (const QString &name : keys) {
        auto *key = box->findChild<QPushButton *>(name);
        QVERIFY2(key, qPrintable(name));
        QVERIFY2(key->width() >= AnswerKeypad::smallestKey && key->height() >= AnswerKeypad::smallestKey, qPrintable(QStringLiteral("%1 x %2").arg(key->width()).arg(key->height())));
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

void QtDialogsTest::inputBox_data()
{
    QTest::addColumn<Question>("question");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("taps");  // after typing
    QTest::addColumn<Press>("press");
    QTest::addColumn<QString>("answer");
    const Question number = Messages::nextNumberCounter2();
    const QStringList none;
    QTest::newRow("number, OK") << number << "11" << none << Press::Ok << "11";
    QTest::newRow("words kept as typed") << number << "11 apples" << none << Press::Ok << "11 apples";
    QTest::newRow("single blank is an answer") << number << " " << none << Press::Ok << " ";
    QTest::newRow("nothing, OK") << number << "" << none << Press::Ok << "";
    QTest::newRow("typed, Cancel") << number << "11" << none << Press::Cancel << "";
    QTest::newRow("typed, Escape") << number << "11" << none << Press::Escape << "";
    QTest::newRow("keypad only") << number << "" << QStringList{"cmd1", "cmd1"} << Press::Ok << "11";
    QTest::newRow("keypad, negative tenths") << number << "" << QStringList{"cmdNegative", "cmd0", "cmdPoint", "cmd5", "cmdPoint"}
                                             << Press::Ok << "-0.5";
    QTest::newRow("keypad DEL: first empties, then one each") << number << ""
                                                              << QStringList{"cmd1", "Command1", "cmd2", "cmd3", "Command1"}
                                                              << Press::Ok << "2";
    QTest::newRow("keypad goes on from the keyboard") << number << "1" << QStringList{"cmd2"} << Press::Ok << "12";
    QTest::newRow("keypad, Cancel") << number << "" << QStringList{"cmd7"} << Press::Cancel << "";
    QTest::newRow("lesson name, typed") << Messages::lessonName() << "Squares 2" << none << Press::Ok << "Squares 2";
    QTest::newRow("lesson name, on the letter keys") << Messages::lessonName() << ""
                                                     << QStringList{"shiftKey", "key_s", "key_q", "spaceKey", "key_2",
                                                                    "key_x", "deleteKey"}
                                                     << Press::Ok << "Sq 2";
}

void QtDialogsTest::inputBox()
{
    QFETCH(Question, question);
    QFETCH(QString, typed);
    QFETCH(QStringList, taps);
    QFETCH(Press, press);
    QFETCH(QString, answer);
    whenModalShown<QDialog>([&](QDialog *box) {
        QCOMPARE(box->objectName(), QStringLiteral("inputBox"));
        QCOMPARE(box->windowTitle(), question.title);
        QCOMPARE(box->findChild<QLabel *>()->text(), question.prompt);
        auto *field = qobject_cast<QLineEdit *>(box->focusWidget());
        QVERIFY(field);
        QCOMPARE(field->text(), QString());
        // A name asks the on-screen keyboard for letters, a number for digits.
        const bool name = question.kind == AnswerKind::Name;
        QCOMPARE(bool(field->inputMethodHints() & Qt::ImhPreferNumbers), !name);
        QCOMPARE(box->findChild<AnswerKeypad *>() == nullptr, name);
        verifyFingerSized(box);
        QTest::keyClicks(field, typed);
        tapKeys(box, taps);
        QCOMPARE(box->focusWidget(), field);
        ::press(box, press);
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.askText(question, nullptr), answer);
}

// A dialog's style sheet reaches the dialogs opened over it.
void QtDialogsTest::inputBoxOverATouchDialogIsLarge()
{
    QDialog touchDialog;
    Touch::enlargeForTouch(&touchDialog);
    touchDialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&touchDialog));
    whenModalShown<QDialog>([&](QDialog *box) {
        for (const QWidget *text : QList<QWidget *>{box->findChild<QLabel *>(), box->focusWidget()})
            QCOMPARE(text->font().pointSizeF(), Touch::fontPointSize);
        ::press(box, Press::Cancel);
    });
    QtDialogs dialogs;
    dialogs.askText(Messages::lessonName(), &touchDialog);
}

// The class answers by taps alone and is told it is right.
void QtDialogsTest::keypadAnswerIsJudged()
{
    CountingSession session;
    session.currentValue1 = ExactDecimal::fromShown(0.5);
    session.currentStep1 = ExactDecimal::fromShown(-1);
    ModalScript script;
    QString verdict;
    script.then([](QDialog *box) {
        tapKeys(box, {"cmdNegative", "cmd0", "cmdPoint", "cmd5"});
        ::press(box, Press::Ok);
    });
    script.then([&](QDialog *box) {
        verdict = qobject_cast<QMessageBox *>(box)->text();
        box->accept();
    });
    QtDialogs dialogs;
    WindowPrompter prompter(dialogs, nullptr);
    predictOneCounter(session, prompter);
    QCOMPARE(verdict, Messages::wellDone().text);
    QCOMPARE(script.unexpected, QStringList());
}

void QtDialogsTest::colourDialog_data()
{
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<Press>("press");
    QTest::addColumn<std::optional<QColor>>("colour");
    QTest::newRow("red, OK") << QStringList{"Red"} << Press::Ok << std::optional<QColor>(QColor(255, 0, 0));
    QTest::newRow("changed mind, OK") << QStringList{"Red", "Black"} << Press::Ok << std::optional<QColor>(Qt::black);
    QTest::newRow("red, Cancel") << QStringList{"Red"} << Press::Cancel << std::optional<QColor>();
    QTest::newRow("Escape") << QStringList{} << Press::Escape << std::optional<QColor>();
}

void QtDialogsTest::colourDialog()
{
    QFETCH(QStringList, taps);
    QFETCH(Press, press);
    QFETCH(std::optional<QColor>, colour);
    whenModalShown<SwatchColourDialog>([&](SwatchColourDialog *dialog) {
        for (const QString &name : taps) {
            for (ColourSwatch *swatch : dialog->findChildren<ColourSwatch *>())
                if (swatch->accessibleName() == name)
                    QTest::mouseClick(swatch, Qt::LeftButton);
        }
        ::press(dialog, press);
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.pickColour(nullptr), colour);
}

void QtDialogsTest::saveDialogShowsTheRequest()
{
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        auto *filters = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(filters);
        QCOMPARE(filters->count(), 2);
        QCOMPARE(filters->itemText(0), QStringLiteral("Text Files (*.txt)"));
        QCOMPARE(filters->itemText(1), QStringLiteral("All Files (*.*)"));
        QCOMPARE(filters->currentIndex(), 0);
        QCOMPARE(dialog->directory().absolutePath(), documents());
        auto *name = qobject_cast<QLineEdit *>(dialog->focusWidget());
        QVERIFY(name);
        QCOMPARE(name->text(), QStringLiteral("count1.txt"));
        // Only names are listed, across the whole view.
        auto *details = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        for (int column = 1; column < details->header()->count(); ++column)
            QVERIFY(details->isColumnHidden(column));
        QCOMPARE(details->header()->sectionSize(0), details->viewport()->width());
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    QtDialogs dialogs;
    QCOMPARE(dialogs.askSaveFileName("count1.txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", nullptr), std::nullopt);
}

void QtDialogsTest::saveDialog_data()
{
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("filterDown");   // presses of Down on the filter box
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<std::optional<QString>>("saved");
    const QString text = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    const QString bitmaps = QStringLiteral("Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*");
    using Name = std::optional<QString>;
    QTest::newRow("suggested name") << "count1.txt" << text << 0 << Name() << Name("count1.txt");
    QTest::newRow("typed without suffix") << "count1.txt" << text << 0 << Name("lesson") << Name("lesson.txt");
    QTest::newRow("typed with own suffix") << "count1.txt" << text << 0 << Name("lesson.dat") << Name("lesson.dat");
    QTest::newRow("bitmap without suffix") << "graph12.bmp" << bitmaps << 0 << Name("graph") << Name("graph.bmp");
    QTest::newRow("all files, as typed") << "count1.txt" << text << 1 << Name("lesson") << Name("lesson");
    QTest::newRow("all files, suggested name") << "count1.txt" << text << 1 << Name() << Name("count1.txt");
    QTest::newRow("cancelled") << "count1.txt" << text << 0 << Name("lesson") << Name();
    const QString pictures =
        QStringLiteral("Bitmaps (*.bmp)|*.bmp|PNG Image (*.png)|*.png|SVG Drawing (*.svg)|*.svg|All Files (*.*)|*.*");
    const QString table = QStringLiteral("Text Files (*.txt)|*.txt|CSV File (*.csv)|*.csv|All Files (*.*)|*.*");
    QTest::newRow("PNG chosen, suggested name") << "graph12.bmp" << pictures << 1 << Name() << Name("graph12.png");
    QTest::newRow("SVG chosen, typed without suffix")
        << "graph12.bmp" << pictures << 2 << Name("worksheet") << Name("worksheet.svg");
    QTest::newRow("CSV chosen, suggested name") << "count1.txt" << table << 1 << Name() << Name("count1.csv");
}

void QtDialogsTest::saveDialog()
{
    QFETCH(QString, suggested);
    QFETCH(QString, filter);
    QFETCH(int, filterDown);
    QFETCH(std::optional<QString>, typed);
    QFETCH(std::optional<QString>, saved);
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        QWidget *nameBox = dialog->focusWidget();
        auto *filterBox = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        QVERIFY(filterBox);
        for (int i = 0; i < filterDown; ++i)
            QTest::keyClick(filterBox, Qt::Key_Down);
        nameBox->setFocus();
        if (typed)
            typeName(dialog, *typed);
        if (saved)
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        else
            ::press(dialog, Press::Cancel);
    });
    QtDialogs dialogs;
    const std::optional<QString> path = dialogs.askSaveFileName(suggested, filter, nullptr);
    QCOMPARE(path, saved ? std::optional<QString>(QDir(documents()).filePath(*saved)) : std::nullopt);
}

void QtDialogsTest::saveDialogAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace") << true;
    QTest::newRow("keep the old file") << false;
}

void QtDialogsTest::saveDialogAsksBeforeReplacing()
{
    QFETCH(bool, replace);
    QFile existing(QDir(documents()).filePath("count1.txt"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    bool asked = false;
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        typeName(dialog, "count1");
        whenModalShown<QMessageBox>([&](QMessageBox *box) {
            asked = true;
            QVERIFY(box->text().contains("count1.txt"));
            verifyFingerSized(box);
            QVERIFY(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font().pointSizeF() >= Touch::fontPointSize);
            ::press(box, replace ? Press::Yes : Press::No);
        });
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog->isVisible(), !replace);
        if (dialog->isVisible())
            ::press(dialog, Press::Cancel);
    });
    QtDialogs dialogs;
    const auto path = dialogs.askSaveFileName("count1.txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", nullptr);
    QVERIFY(asked);
    QCOMPARE(path, replace ? std::optional<QString>(existing.fileName()) : std::nullopt);
    existing.remove();
}

// Documents when there is such a folder, else home; then the folder of the
// last file written, for the rest of the lesson.
void QtDialogsTest::saveDialogFolder()
{
    QtDialogs dialogs;
    QString opened;
    const QString elsewhere = m_home.filePath("class 4");
    const QString unwritable = m_home.filePath("read only");
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QDir().mkpath(unwritable));
    auto saveAt = [&](const QString &typed) {
        whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
            opened = dialog->directory().absolutePath();
            typeName(dialog, typed);
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        return dialogs.askSaveFileName("count1.txt", "Text Files (*.txt)|*.txt", nullptr);
    };

    QVERIFY(QDir(documents()).removeRecursively());
    QCOMPARE(saveAt(elsewhere + "/first"), std::optional<QString>(elsewhere + "/first.txt"));
    QCOMPARE(opened, m_home.path());
    dialogs.fileSaved(elsewhere + "/first.txt");
    QCOMPARE(saveAt(unwritable + "/failed"), std::optional<QString>(unwritable + "/failed.txt"));
    QCOMPARE(opened, elsewhere);
    QCOMPARE(saveAt("second"), std::optional<QString>(elsewhere + "/second.txt"));
    QCOMPARE(opened, elsewhere);

    QVERIFY(QDir().mkpath(documents()));
    QtDialogs newLesson;
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        opened = dialog->directory().absolutePath();
        ::press(dialog, Press::Cancel);
    });
    newLesson.askSaveFileName("count1.txt", "Text Files (*.txt)|*.txt", nullptr);
    QCOMPARE(opened, documents());
}

void QtDialogsTest::openDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<QString>>("opened");
    QTest::newRow("a file there") << "shared.tallyvane" << std::optional<QString>("shared.tallyvane");
    QTest::newRow("cancelled") << "" << std::optional<QString>();
}

void QtDialogsTest::openDialog()
{
    QFETCH(QString, typed);
    QFETCH(std::optional<QString>, opened);
    QFile shared(QDir(documents()).filePath("shared.tallyvane"));
    QVERIFY(shared.open(QIODevice::WriteOnly));
    shared.close();
    whenModalShown<QFileDialog>([&](QFileDialog *dialog) {
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(dialog->directory().absolutePath(), documents());
        QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))->currentText(),
                 QStringLiteral("Lessons (*.tallyvane)"));
        verifyFingerSized(dialog);
        if (typed.isEmpty())
            return ::press(dialog, Press::Cancel);
        typeName(dialog, typed);
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    QtDialogs dialogs;
    const std::optional<QString> path = dialogs.askOpenFileName("Lessons (*.tallyvane)|*.tallyvane", nullptr);
    QCOMPARE(path, opened ? std::optional<QString>(QDir(documents()).filePath(*opened)) : std::nullopt);
    shared.remove();
}

QTEST_MAIN(QtDialogsTest)
#include "tst_qtdialogs.moc"
