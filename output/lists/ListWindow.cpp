#include "ListWindow.h"

#include "Dialogs.h"
#include "IconButton.h"
#include "ListCopy.h"
#include "ListOutput.h"
#include "RuleWindow.h"
#include "ScreenPlacement.h"
#include "Twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QShortcut>

ListWindow::ListWindow(const char *name, ListKind kind, ListServices &services)
    : QDialog(services.mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                           | Qt::WindowCloseButtonHint),
      m_kind(kind), m_services(services)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Number List"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyvane.svg")));
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
        {"Save", QT_TRANSLATE_NOOP("IconButton", "Save List"), "save", 0, &ListWindow::cmdSave_Click},
        {"Print", QT_TRANSLATE_NOOP("IconButton", "Print List"), "print", 600, &ListWindow::cmdPrint_Click},
        {"FontInc", QT_TRANSLATE_NOOP("IconButton", "Increase Font Size"), "list_font_inc", 1800, &ListWindow::cmdFontInc_Click},
        {"FontDec", QT_TRANSLATE_NOOP("IconButton", "Decrease Font Size"), "list_font_dec", 2400, &ListWindow::cmdFontDec_Click},
        {"Steps", QT_TRANSLATE_NOOP("IconButton", "Show Steps"), "show_steps", 3000, &ListWindow::cmdSteps_Click},
        {"Rule", QT_TRANSLATE_NOOP("IconButton", "Show the Rule"), "show_rule", 3600, &ListWindow::cmdRule_Click},
        {"Copy", QT_TRANSLATE_NOOP("IconButton", "Copy"), "copy", 4200, &ListWindow::copyList},
    };
    for (const auto &b : buttons)
        connect(addStripButton(strip, prefix + QLatin1String(b.suffix), QString::fromLatin1(b.tooltip),
                               QString::fromLatin1(b.icon), b.left),
                &QPushButton::clicked, this, b.click);
    m_stepsButton = button(prefix + QLatin1String("Steps"));
    m_stepsButton->setCheckable(true);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this, &ListWindow::copyList);

    listText = new ListView(this);
    listText->setObjectName(QStringLiteral("Text1"));
    listText->move(twipsPoint(0, textTop));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    listText->setFont(font);
    listText->setFocus(Qt::OtherFocusReason);

    Form_Load();
}

QPushButton *ListWindow::button(const QString &name) const
{
    return strip->findChild<QPushButton *>(name, Qt::FindDirectChildrenOnly);
}

void ListWindow::Form_Load()
{
    const CountingSession &s = m_services.session;
    restorePlacement(s.listPlacement, *this, twipsSize(smallestOpening, smallestOpening));
    if (s.listFontSize)
        setFontPoints(*s.listFontSize);
    Form_Resize();
    showList();
}

void ListWindow::showList()
{
    const CountingSession &s = m_services.session;
    const QString tooltip = QCoreApplication::translate(
        "IconButton", s.listShowsSteps ? QT_TRANSLATE_NOOP("IconButton", "Hide Steps") : QT_TRANSLATE_NOOP("IconButton", "Show Steps"));
    m_stepsButton->setChecked(s.listShowsSteps);
    m_stepsButton->setToolTip(tooltip);
    m_stepsButton->setAccessibleName(tooltip);
    // With steps hidden the window shows the list text as it always has:
    // each line one cell, its columns lined up by its blanks.
    listText->setTable(s.listShowsSteps ? listTable(s, m_kind, Steps::Shown) : listLines(s, m_kind));
}

void ListWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

// Below the strip's height the text box would get no height at all: then it
// and the strip keep their sizes.
void ListWindow::Form_Resize()
{
    const double innerHeight = pixelsToTwips(height());
    if (innerHeight < textHeightLoss)
        return;
    listText->resize(width(), twipsToPixels(innerHeight - textHeightLoss));
    strip->resize(width(), strip->height());
}

void ListWindow::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void ListWindow::Form_Unload()
{
    CountingSession &s = m_services.session;
    rememberPlacement(s.listPlacement, *this);
    s.listFontSize = float(listText->font().pointSizeF());
}

void ListWindow::setFontPoints(double points)
{
    QFont font = listText->font();
    font.setPointSizeF(points);
    listText->setFont(font);
}

void ListWindow::cmdFontInc_Click()
{
    const double points = listText->font().pointSizeF();
    if (points <= largestGrowable)
        setFontPoints(points + fontStep);
}

void ListWindow::cmdFontDec_Click()
{
    const double points = listText->font().pointSizeF();
    if (points >= smallestShrinkable)
        setFontPoints(points - fontStep);
}

void ListWindow::cmdPrint_Click()
{
    printList(m_services, m_kind, this);
}

void ListWindow::cmdSave_Click()
{
    saveList(m_services, m_kind, this);
}

void ListWindow::cmdSteps_Click()
{
    m_services.session.listShowsSteps = m_stepsButton->isChecked();
    showList();
}

void ListWindow::cmdRule_Click()
{
    RuleWindow rule(m_services.session, m_kind, this);
    rule.exec();
}

void ListWindow::copyList()
{
    const std::optional<std::pair<int, int>> selected = listText->selectedRows();
    const auto [first, last] = selected.value_or(std::pair(0, listText->table().rowCount() - 1));
    const ListTable shown = shownList(m_services.session, m_kind);
    // The whole list comes with its heading; a few lines without.
    const QStringList heading = selected ? QStringList() : shown.heading;
    QList<QStringList> rows;
    for (int row = first; row <= last; ++row)
        rows.append(shown.row(row));
    const QString headingLine = heading.isEmpty() ? QString() : heading.join(QChar('\t')) + QChar('\n');
    QGuiApplication::clipboard()->setMimeData(copiedList(headingLine + listText->text(first, last), heading, rows));
}

frmList::frmList(ListServices &services)
    : ListWindow("frmList", ListKind::OneCounter, services),
      cmdList1Save(button("cmdList1Save")), cmdList1Print(button("cmdList1Print")),
      cmdList1FontInc(button("cmdList1FontInc")), cmdList1FontDec(button("cmdList1FontDec"))
{
}

frmList2::frmList2(ListServices &services)
    : ListWindow("frmList2", ListKind::TwoCounters, services),
      cmdList2Save(button("cmdList2Save")), cmdList2Print(button("cmdList2Print")),
      cmdList2FontInc(button("cmdList2FontInc")), cmdList2FontDec(button("cmdList2FontDec"))
{
}
