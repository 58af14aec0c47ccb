#include "output/lists/ListWindow.h"

#include "output/lists/ListCopy.h"
#include "output/lists/ListOutput.h"
#include "output/lists/RuleWindow.h"
#include "platform/Dialogs.h"
#include "platform/ScreenPlacement.h"
#include "platform/Twips.h"
#include "widgets/IconButton.h"
#include "widgets/Icons.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QResizeEvent>
#include <QShortcut>

ListWindow::ListWindow(const char *name, ListKind kind, ListServices &services)
    : QDialog(services.mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                           | Qt::WindowCloseButtonHint),
      m_kind(kind), m_services(services)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Number List"));
    setWindowIcon(programIcon());
    setModal(true);

    strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setGeometry(QRect(QPoint(0, 0), twipsSize(0, stripHeight)));

    const QString prefix = QStringLiteral("cmdList%1").arg(int(kind));
    const struct {
        const char *suffix;
        const char *tooltip;
        const char *icon;
        double left;
        void (ListWindow::*click)();
    } buttons[] = {
        {"Save", QT_TRANSLATE_NOOP("IconButton", "Save List"), "save", 0, &ListWindow::saveList},
        {"Print", QT_TRANSLATE_NOOP("IconButton", "Print List"), "print", 600, &ListWindow::printList},
        {"FontInc", QT_TRANSLATE_NOOP("IconButton", "Increase Font Size"), "list_font_inc", 1800, &ListWindow::enlargeFont},
        {"FontDec", QT_TRANSLATE_NOOP("IconButton", "Decrease Font Size"), "list_font_dec", 2400, &ListWindow::shrinkFont},
        {"Steps", QT_TRANSLATE_NOOP("IconButton", "Show Steps"), "show_steps", 3000, &ListWindow::toggleSteps},
        {"Rule", QT_TRANSLATE_NOOP("IconButton", "Show the Rule"), "show_rule", 3600, &ListWindow::showRule},
        {"Copy", QT_TRANSLATE_NOOP("IconButton", "Copy"), "copy", 4200, &ListWindow::copyList},
    };
    for (const auto &b : buttons) {
        QPushButton *made = addStripButton(strip, prefix + QLatin1String(b.suffix), QString::fromLatin1(b.tooltip),
                                           QString::fromLatin1(b.icon), b.left);
        connect(made, &QPushButton::clicked, this, b.click);
        if (b.click == &ListWindow::toggleSteps)
            m_stepsButton = made;
    }
    m_stepsButton->setCheckable(true);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &ListWindow::copyList);

    listText = new ListView(this);
    listText->setObjectName(QStringLiteral("Text1"));
    listText->move(twipsPoint(0, textTop));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    listText->setFont(font);
    listText->setFocus(Qt::OtherFocusReason);

    restoreLook();
}

void ListWindow::restoreLook()
{
    const WindowMemory &memory = m_services.memory;
    restorePlacement(memory.listPlacement, *this, twipsSize(smallestOpening, smallestOpening));
    if (memory.listFontSize)
        setFontPoints(*memory.listFontSize);
    fitListToWindow();
    showList();
}

void ListWindow::showList()
{
    const CountingSession &s = m_services.session;
    const bool showsSteps = m_services.memory.listShowsSteps;
    const QString tooltip = QCoreApplication::translate(
        "IconButton", showsSteps ? QT_TRANSLATE_NOOP("IconButton", "Hide Steps") : QT_TRANSLATE_NOOP("IconButton", "Show Steps"));
    m_stepsButton->setChecked(showsSteps);
    m_stepsButton->setToolTip(tooltip);
    m_stepsButton->setAccessibleName(tooltip);
    // With steps hidden the window shows the list text as it always has:
    // each line one cell, its columns lined up by its blanks.
    listText->setTable(showsSteps ? listTable(s, m_kind, Steps::Shown) : listLines(s, m_kind));
}

void ListWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    fitListToWindow();
}

// Below the strip's height the text box would get no height at all: then it
// and the strip keep their sizes.
void ListWindow::fitListToWindow()
{
    const double innerHeight = pixelsToTwips(height());
    if (innerHeight < textHeightLoss)
        return;
    listText->resize(width(), twipsToPixels(innerHeight - textHeightLoss));
    strip->resize(width(), strip->height());
}

void ListWindow::done(int result)
{
    rememberLook();
    QDialog::done(result);
}

void ListWindow::rememberLook()
{
    WindowMemory &memory = m_services.memory;
    rememberPlacement(memory.listPlacement, *this);
    memory.listFontSize = float(listText->font().pointSizeF());
}

void ListWindow::setFontPoints(double points)
{
    QFont font = listText->font();
    font.setPointSizeF(points);
    listText->setFont(font);
}

void ListWindow::enlargeFont()
{
    const double points = listText->font().pointSizeF();
    if (points <= largestGrowable)
        setFontPoints(points + fontStep);
}

void ListWindow::shrinkFont()
{
    const double points = listText->font().pointSizeF();
    if (points >= smallestShrinkable)
        setFontPoints(points - fontStep);
}

void ListWindow::printList()
{
    ::printList(m_services, m_kind, this);
}

void ListWindow::saveList()
{
    ::saveList(m_services, m_kind, this);
}

void ListWindow::toggleSteps()
{
    m_services.memory.listShowsSteps = m_stepsButton->isChecked();
    showList();
}

void ListWindow::showRule()
{
    RuleWindow rule(m_services.session, m_kind, this);
    // Beside the list, so the class sees the rule and the rows it explains.
    rule.adjustSize();
    const QSize frame = rule.size() + (frameGeometry().size() - size());
    rule.move(besideWindow(frame, frameGeometry(), screen()->availableGeometry()));
    rule.exec();
}

void ListWindow::copyList()
{
    const std::optional<std::pair<int, int>> selected = listText->selectedRows();
    const auto [first, last] = selected.value_or(std::pair(0, listText->table().rowCount() - 1));
    const ListTable shown = shownList(m_services, m_kind);
    // The whole list comes with its heading; a few lines without.
    const QStringList heading = selected ? QStringList() : shown.heading;
    QList<QStringList> rows;
    for (int row = first; row <= last; ++row)
        rows.append(shown.row(row));
    const QString headingLine = heading.isEmpty() ? QString() : heading.join(QChar('\t')) + QChar('\n');
    QGuiApplication::clipboard()->setMimeData(copiedList(headingLine + listText->text(first, last), heading, rows));
}

OneCounterListWindow::OneCounterListWindow(ListServices &services)
    : ListWindow("frmList", ListKind::OneCounter, services)
{
}

TwoCounterListWindow::TwoCounterListWindow(ListServices &services)
    : ListWindow("frmList2", ListKind::TwoCounters, services)
{
}
