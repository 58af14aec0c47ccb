#include "output/board/CountBoardPanel.h"

#include "platform/Dialogs.h"
#include "platform/FileSaving.h"
#include "platform/PagePrinter.h"
#include "widgets/FlowLayout.h"
#include "widgets/IconButton.h"
#include "widgets/TouchSizing.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

QPushButton *textButton(QWidget *parent, const QString &name, const QString &text, const QString &accessibleName)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumSize(Touch::targetHeight, Touch::targetHeight);
    return button;
}

QPushButton *pictureButton(QWidget *parent, const char *name, const char *tooltip, const char *icon)
{
    QPushButton *button = makeIconButton(parent, QString::fromLatin1(name), QString::fromLatin1(tooltip),
                                         QString::fromLatin1(icon), QRect());
    button->setFixedSize(Touch::targetHeight, Touch::targetHeight);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// Buttons that stay together in a row of the strip.
QWidget *buttonGroup(QWidget *strip, std::initializer_list<QWidget *> buttons)
{
    auto *group = new QWidget(strip);
    auto *layout = new QHBoxLayout(group);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *button : buttons)
        layout->addWidget(button);
    return group;
}

} // namespace

CountBoardPanel::CountBoardPanel(WindowMemory &memory, Dialogs &dialogs, PagePrinter &printer, QWidget *parent)
    : QWidget(parent), m_memory(memory), m_dialogs(dialogs), m_printer(printer)
{
    setObjectName(QStringLiteral("picCountBoard"));
    QFont stripFont = font();
    stripFont.setPointSizeF(std::max(stripFont.pointSizeF(), Touch::fontPointSize));

    auto *strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("picBoardStrip"));
    strip->setFont(stripFont);
    fewerButton = textButton(strip, QStringLiteral("cmdRowsFewer"), QStringLiteral("\u2212"), tr("Fewer in Each Row"));
    rowLengthLabel = new QLabel(strip);
    rowLengthLabel->setObjectName(QStringLiteral("lblRowLength"));
    rowLengthLabel->setAlignment(Qt::AlignCenter);
    rowLengthLabel->setMinimumHeight(Touch::targetHeight);
    moreButton = textButton(strip, QStringLiteral("cmdRowsMore"), QStringLiteral("+"), tr("More in Each Row"));
    clearMarksButton = textButton(strip, QStringLiteral("cmdClearMarks"), tr("Clear Marks"), tr("Clear Marks"));
    copyButton = pictureButton(strip, "cmdBoardCopy", QT_TRANSLATE_NOOP("IconButton", "Copy"), "copy");
    saveButton = pictureButton(strip, "cmdBoardSave", QT_TRANSLATE_NOOP("IconButton", "Save Board"), "save");
    printButton = pictureButton(strip, "cmdBoardPrint", QT_TRANSLATE_NOOP("IconButton", "Print Board"), "print");

    // On a narrow board the strip wraps, a group of buttons at a time.
    auto *stripLayout = new FlowLayout(strip);
    stripLayout->setContentsMargins(4, 4, 4, 4);
    stripLayout->setSpacing(Touch::targetHeight / 4);
    stripLayout->addWidget(buttonGroup(strip, {fewerButton, rowLengthLabel, moreButton}));
    stripLayout->addWidget(clearMarksButton);
    stripLayout->addWidget(buttonGroup(strip, {copyButton, saveButton, printButton}));

    m_boards = new QWidget(this);
    m_board1 = new CountBoard(QStringLiteral("picBoard1"), m_boards);
    m_board2 = new CountBoard(QStringLiteral("picBoard2"), m_boards);
    m_board2->hide();
    auto *boardsLayout = new QVBoxLayout(m_boards);
    boardsLayout->setContentsMargins(0, 0, 0, 0);
    boardsLayout->setSpacing(2);
    boardsLayout->addWidget(m_board1);
    boardsLayout->addWidget(m_board2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(m_boards, 1);

    connect(fewerButton, &QPushButton::clicked, this, [this] { setRowLength(rowLength() - 1); });
    connect(moreButton, &QPushButton::clicked, this, [this] { setRowLength(rowLength() + 1); });
    connect(clearMarksButton, &QPushButton::clicked, this, &CountBoardPanel::clearMarks);
    connect(copyButton, &QPushButton::clicked, this, &CountBoardPanel::copyBoard);
    connect(saveButton, &QPushButton::clicked, this, &CountBoardPanel::saveBoard);
    connect(printButton, &QPushButton::clicked, this, &CountBoardPanel::printBoard);
    // In whichever window the board stands, while it is shown.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &CountBoardPanel::copyBoard);

    setRowLength(m_memory.boardRowLength.value_or(BoardLayout::defaultInRow));
}

void CountBoardPanel::setTwoBoards(bool two)
{
    m_board2->setVisible(two);
}

void CountBoardPanel::setRowLength(int rowLength)
{
    rowLength = clampedRowLength(rowLength);
    m_memory.boardRowLength = rowLength;
    m_board1->setRowLength(rowLength);
    m_board2->setRowLength(rowLength);
    showRowLength();
}

void CountBoardPanel::showRowLength()
{
    rowLengthLabel->setText(tr("Rows of %1").arg(rowLength()));
    fewerButton->setEnabled(rowLength() > BoardLayout::fewestInRow);
    moreButton->setEnabled(rowLength() < BoardLayout::mostInRow);
}

void CountBoardPanel::clearMarks()
{
    m_board1->clearMarks();
    m_board2->clearMarks();
}

QImage CountBoardPanel::picture() const
{
    return m_boards->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void CountBoardPanel::pointerWhileBlocked(BlockedPresses::Pointer what, QPoint pos)
{
    using Blocked = BlockedPresses::Pointer;
    if (what == Blocked::Drag || what == Blocked::Release) {
        CountBoard *held = m_held;
        if (!held)
            return;
        if (what == Blocked::Drag) {
            held->dragTo(held->mapFrom(this, pos));
        } else {
            m_held = nullptr;
            held->releaseAt(held->mapFrom(this, pos));
        }
        return;
    }
    QWidget *under = childAt(pos);
    for (CountBoard *board : {m_board1, m_board2}) {
        if (under != board)
            continue;
        const QPoint at = board->mapFrom(this, pos);
        if (what == Blocked::Press) {
            m_held = board;
            board->pressAt(at);
        } else {
            board->scrollByNotches(what == Blocked::WheelUp ? 1 : -1);
        }
    }
    // Queued: Save and Print open a dialog of their own over the pause one,
    // which must wait until the window system's event has been handled.
    for (QPushButton *button : {fewerButton, moreButton, clearMarksButton, copyButton, saveButton, printButton})
        if (what == Blocked::Press && under == button && button->isEnabled())
            QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
}

void CountBoardPanel::copyBoard()
{
    QGuiApplication::clipboard()->setImage(picture());
}

void CountBoardPanel::saveBoard()
{
    const QList<SaveFormat> formats = {
        {QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "PNG Image")), QStringLiteral("png"),
         [this](QIODevice &file) { return picture().save(&file, "PNG"); }},
    };
    if (saveWithDialog(m_dialogs, QStringLiteral("board%1.png").arg(m_memory.boardFileNumber), formats,
                       Messages::boardNotSaved(), window()))
        advanceFileNumber(m_memory.boardFileNumber);
}

void CountBoardPanel::printBoard()
{
    if (!m_printer.printWidget(*m_boards))
        m_dialogs.showMessage(Messages::boardNotPrinted(), window());
}
