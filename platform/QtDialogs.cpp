#include "platform/QtDialogs.h"

#include "platform/SaveFilters.h"
#include "platform/ScreenPlacement.h"
#include "widgets/AnswerKeypad.h"
#include "widgets/LetterKeypad.h"
#include "widgets/SwatchColourDialog.h"
#include "widgets/TouchSizing.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QBoxLayout>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStandardPaths>
#include <QTreeView>

#include <algorithm>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QWidget *dialogParent(QWidget *parent)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return parent;
}

// A message box wraps its text at about half a screen; a one-sentence
// message reads better on one line, as long as the box may grow that wide.
// Qt never makes a message box wider than 1000 pixels, or than the screen
// less 480: a label asked to be wider would be cut off at the box's edge.
void keepOnOneLine(QMessageBox &box)
{
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const int oneLine = label->fontMetrics().horizontalAdvance(box.text()) + 2;
    const QScreen *screen = box.screen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1000;
    const auto *icon = box.findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
    const int besideText = (icon ? icon->sizeHint().width() : 0) + 4 * box.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) + 40;
    const int widest = std::min({screenWidth * 3 / 4, screenWidth - 480, 1000}) - besideText;
    label->setMinimumWidth(std::max(0, std::min(oneLine, widest)));
}

// Names matter when saving; sizes, types and dates only crowd them out.
void giveNamesTheRoom(QFileDialog &dialog)
{
    auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!details)
        return;
    for (int column = 1; column < details->header()->count(); ++column)
        details->setColumnHidden(column, true);
    details->header()->setStretchLastSection(true);
}

std::optional<QString> chosenFile(QFileDialog &dialog)
{
    Touch::enlargeForTouch(&dialog);
    giveNamesTheRoom(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

// In "Bitmaps (*.bmp)|*.bmp|…" each description before its pattern is
// marked with QT_TRANSLATE_NOOP("SaveFilters", …) and translated here.
QList<SaveFilter> translatedFilters(const QString &filter)
{
    QStringList parts = filter.split(QChar('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const qsizetype pattern = parts[i].lastIndexOf(QStringLiteral(" ("));
        const QString description = pattern < 0 ? parts[i] : parts[i].left(pattern);
        parts[i] = QCoreApplication::translate("SaveFilters", description.toUtf8().constData())
                   + (pattern < 0 ? QString() : parts[i].mid(pattern));
    }
    return parseSaveFilters(parts.join(QChar('|')));
}

} // namespace

MessageAnswer QtDialogs::showMessage(const Message &message, QWidget *parent)
{
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(message.icon), message.title, message.text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, dialogParent(parent));
    box.setObjectName(QStringLiteral("messageBox"));
    const auto scale = boardScale(box.parentWidget());
    Touch::enlargeForTouch(&box, scale ? boardPoints * *scale : Touch::fontPointSize);
    keepOnOneLine(box);
    execOver(box, box.parentWidget());
    if (!yesNo)
        return MessageAnswer::Ok;
    // Escape and the window's close button count as No.
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtDialogs::askText(const Question &question, QWidget *parent)
{
    QWidget *over = dialogParent(parent);
    return question.kind == AnswerKind::Name ? askName(question, over) : askNumber(question, over);
}

namespace {

// The input box: the question, a box for the answer, OK and Cancel, and
// room for keys beside it (a number) or below it (a name).
QLineEdit *buildInputBox(QDialog &dialog, const Question &question, Qt::InputMethodHints hints,
                         QBoxLayout::Direction keys)
{
    dialog.setObjectName(QStringLiteral("inputBox"));
    dialog.setWindowTitle(question.title);
    auto *prompt = new QLabel(question.prompt, &dialog);
    auto *answer = new QLineEdit(&dialog);
    answer->setInputMethodHints(hints);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QBoxLayout(keys, &dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *column = new QVBoxLayout;
    column->addWidget(prompt);
    column->addWidget(answer);
    column->addStretch();
    column->addWidget(buttons);
    layout->addLayout(column);
    answer->setFocus(Qt::OtherFocusReason);
    return answer;
}

} // namespace

// A name is typed, on the letter keys where the board has no keyboard.
QString QtDialogs::askName(const Question &question, QWidget *over)
{
    QDialog dialog(over);
    QLineEdit *answer = buildInputBox(dialog, question, Qt::ImhNone, QBoxLayout::TopToBottom);
    if (LetterKeypad::wanted(over))
        dialog.layout()->addWidget(new LetterKeypad(*answer, &dialog));
    Touch::enlargeForTouch(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return answer->text();
}

// The input box with a keypad beside it, so a class at a board without a
// keyboard can answer. Answers are numbers, though "11 apples" is still
// allowed from a keyboard.
QString QtDialogs::askNumber(const Question &question, QWidget *over)
{
    QDialog dialog(over);
    QLineEdit *answer = buildInputBox(dialog, question, Qt::ImhPreferNumbers, QBoxLayout::LeftToRight);
    auto *keypad = new AnswerKeypad(*answer, &dialog);
    dialog.layout()->addWidget(keypad);
    const auto scale = boardScale(over);
    Touch::enlargeForTouch(&dialog, scale ? boardPoints * *scale : Touch::fontPointSize);
    keypad->setKeySide(qRound(AnswerKeypad::smallestKey * scale.value_or(1)));
    if (execOver(dialog, over) != QDialog::Accepted)
        return {};
    return answer->text();
}

int QtDialogs::execOver(QDialog &dialog, QWidget *over)
{
    if (m_standAtFoot && boardScale(over))
        m_standAtFoot(dialog);
    return dialog.exec();
}

std::optional<QColor> QtDialogs::pickColour(QWidget *parent)
{
    SwatchColourDialog dialog(dialogParent(parent));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenColour();
}

QString QtDialogs::saveFolder() const
{
    if (!m_lastSaveFolder.isEmpty() && QFileInfo(m_lastSaveFolder).isDir())
        return m_lastSaveFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

// In the folder of the last file saved, the first filter selected.
void QtDialogs::prepareFileDialog(QFileDialog &dialog, const QString &name, const QList<SaveFilter> &filters) const
{
    dialog.setObjectName(name);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setDirectory(saveFolder());
    QStringList nameFilters;
    for (const SaveFilter &f : filters)
        nameFilters << f.nameFilter;
    if (!filters.isEmpty()) {
        dialog.setNameFilters(nameFilters);
        dialog.selectNameFilter(nameFilters.front());
    }
}

std::optional<QString> QtDialogs::askSaveFileName(const QString &suggestedName, const QString &filter,
                                                  QWidget *parent)
{
    const QList<SaveFilter> filters = translatedFilters(filter);
    QFileDialog dialog(dialogParent(parent));
    prepareFileDialog(dialog, QStringLiteral("saveDialog"), filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!filters.isEmpty())
        dialog.setDefaultSuffix(filters.front().defaultSuffix);
    // A name typed without a suffix takes the one of the filter shown.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString &selected) {
        QString suffix;
        for (const SaveFilter &f : filters)
            if (selected == f.label || selected == f.nameFilter)
                suffix = f.defaultSuffix;
        dialog.setDefaultSuffix(suffix);
    });
    dialog.selectFile(suggestedName);
    return chosenFile(dialog);
}

std::optional<QString> QtDialogs::askOpenFileName(const QString &filter, QWidget *parent)
{
    QFileDialog dialog(dialogParent(parent));
    prepareFileDialog(dialog, QStringLiteral("openDialog"), translatedFilters(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

void QtDialogs::fileSaved(const QString &path)
{
    m_lastSaveFolder = QFileInfo(path).absolutePath();
}
