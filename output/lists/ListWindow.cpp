#include "ListWindow.h"

#include "Dialogs.h"
#include "ListOutput.h"
#include "IconButton.h"
#include "Twips.h"

#include <QResizeEvent>
#include <QTextOption>

ListWindow::ListWindow(const char *name, ListKind kind, ListServices &services)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                           | Qt::WindowCloseButtonHint),
      m_kind(kind), m_services(services)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QStringLiteral("Number List"));
    setWindowIcon(QIcon(QStringLiteral(":/tallyvane.svg")));
    setModal(true);

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(QRect(QPoint(0, 0), twipsSize(0, stripHeight)));

    const QString prefix = QStringLiteral("cmdList%1").arg(int(kind));
    connect(addButton(prefix + "Save", 0, QStringLiteral("Save List"), "save"), &QPushButton::clicked, this,
            &ListWindow::cmdSave_Click);
    connect(addButton(prefix + "Print", 600, QStringLiteral("Print List"), "print"), &QPushButton::clicked, this,
            &ListWindow::cmdPrint_Click);
    connect(addButton(prefix + "FontInc", 1800, QStringLiteral("Increase Font Size"), "list_font_inc"),
            &QPushButton::clicked, this, &ListWindow::cmdFontInc_Click);
    connect(addButton(prefix + "FontDec", 2400, QStringLiteral("Decrease Font Size"), "list_font_dec"),
            &QPushButton::clicked, this, &ListWindow::cmdFontDec_Click);

    Text1 = new QTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAcceptRichText(false);
    Text1->setLineWrapMode(QTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QTextOption rightAligned(Qt::AlignRight);
    rightAligned.setWrapMode(QTextOption::NoWrap);
    Text1->document()->setDefaultTextOption(rightAligned);
    Text1->document()->setUndoRedoEnabled(false);
    Text1->move(twipsPoint(0, textTop));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    Text1->setFont(font);
    Text1->setFocus(Qt::OtherFocusReason);

    Form_Load();
}

QPushButton *ListWindow::addButton(const QString &name, double left, const QString &tooltip, const char *icon)
{
    QPushButton *b = makeIconButton(Picture1, name, tooltip, QString::fromLatin1(icon),
                                    QRect(twipsPoint(left, 0), twipsSize(buttonSize, buttonSize)));
    b->setAutoDefault(false);
    return b;
}

QPushButton *ListWindow::button(const QString &name) const
{
    return Picture1->findChild<QPushButton *>(name, Qt::FindDirectChildrenOnly);
}

void ListWindow::setListText(const QString &text)
{
    Text1->setPlainText(text);
}

void ListWindow::Form_Load()
{
    const CountingSession &s = m_services.session;
    if (s.listWidth && s.listHeight)
        resize((twipsSize(*s.listWidth, *s.listHeight) - frameExtent())
                   .expandedTo(twipsSize(smallestOpening, smallestOpening)));
    if (s.listLeft && s.listTop)
        move(twipsPoint(*s.listLeft, *s.listTop));
    if (s.listFontSize)
        setFontPoints(*s.listFontSize);
    Form_Resize();
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
    Text1->resize(width(), twipsToPixels(innerHeight - textHeightLoss));
    Picture1->resize(width(), Picture1->height());
}

void ListWindow::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void ListWindow::Form_Unload()
{
    CountingSession &s = m_services.session;
    const QRect frame = frameGeometry();
    s.listWidth = float(pixelsToTwips(frame.width()));
    s.listHeight = float(pixelsToTwips(frame.height()));
    s.listTop = float(pixelsToTwips(frame.y()));
    s.listLeft = float(pixelsToTwips(frame.x()));
    s.listFontSize = float(Text1->font().pointSizeF());
}

QSize ListWindow::frameExtent() const
{
    const QWidget *framed = isVisible() ? this : m_services.mainWindow;
    if (!framed || !framed->isVisible())
        return {};
    return framed->frameGeometry().size() - framed->size();
}

void ListWindow::setFontPoints(double points)
{
    QFont font = Text1->font();
    font.setPointSizeF(points);
    Text1->setFont(font);
}

void ListWindow::cmdFontInc_Click()
{
    const double points = Text1->font().pointSizeF();
    if (points <= largestGrowable)
        setFontPoints(points + fontStep);
}

void ListWindow::cmdFontDec_Click()
{
    const double points = Text1->font().pointSizeF();
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
