#include "help/HelpViewer.h"

#include "help/ChmFile.h"
#include "help/HelpContents.h"
#include "widgets/TouchSizing.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString scheme = QStringLiteral("chm");

// The help pages are written in English only. In another language this line,
// translated, stands above them.
constexpr char englishPagesNotice[] = QT_TRANSLATE_NOOP("HelpViewer", "The help pages are in English for now.");

QUrl pageUrl(const QString &path)
{
    return QUrl(scheme + QStringLiteral(":///")).resolved(QUrl(path));
}

QUrl withoutFragment(QUrl url)
{
    url.setFragment(QString());
    return url;
}

// Serves every page, picture and style sheet from the open help file, and
// nothing from anywhere else.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const std::unique_ptr<ChmFile> &file, QWidget *parent) : QTextBrowser(parent), m_file(file) {}

    QVariant loadResource(int type, const QUrl &url) override
    {
        if (m_file && url.scheme() == scheme)
            if (const std::optional<QByteArray> data = m_file->read(url.path()))
                return *data;
        if (type == QTextDocument::HtmlResource)
            return HelpViewer::tr("<p>This page is missing from the help file.</p>");
        return {};
    }

private:
    const std::unique_ptr<ChmFile> &m_file;
};

QToolButton *navigationButton(const QString &text, QStyle::StandardPixmap icon, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(text);
    button->setAccessibleName(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

// A dialog of the window it belongs to, so that window managers keep it
// above that window, with a close button of its own for a finger.
HelpViewer::HelpViewer(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(tr("Tallyvane Help"));
    resize(1000, 700);
    setStyleSheet(QStringLiteral("QScrollBar:vertical { width: %1px; } QScrollBar:horizontal { height: %1px; }")
                      .arg(Touch::scrollBarWidth));

    m_back = navigationButton(tr("Back"), QStyle::SP_ArrowBack, this);
    m_forward = navigationButton(tr("Forward"), QStyle::SP_ArrowForward, this);
    m_home = navigationButton(tr("Start Page"), QStyle::SP_ArrowUp, this);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    m_home->setEnabled(false);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    close->setIconSize(QSize(32, 32));
    close->setMinimumSize(Touch::buttonWidth, Touch::targetHeight);
    QFont closeFont = close->font();
    closeFont.setPointSizeF(Touch::fontPointSize);
    close->setFont(closeFont);

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("contents"));
    m_contents->setAccessibleName(tr("Contents"));
    m_contents->setHeaderHidden(true);
    m_contents->setMinimumWidth(220);
    QFont larger = m_contents->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.3);
    m_contents->setFont(larger);

    m_browser = new HelpBrowser(m_file, this);
    m_browser->setObjectName(QStringLiteral("page"));
    m_browser->setOpenLinks(false);

    auto *notice = new QLabel(tr(englishPagesNotice), this);
    notice->setObjectName(QStringLiteral("notice"));
    notice->setFont(larger);
    notice->setVisible(notice->text() != QLatin1String(englishPagesNotice));

    m_splitter = new QSplitter(this);
    m_splitter->addWidget(m_contents);
    m_splitter->addWidget(m_browser);
    m_splitter->setStretchFactor(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addWidget(m_home);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(notice);
    layout->addWidget(m_splitter, 1);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::markTopic);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme() == scheme)
            m_browser->setSource(url);
        else
            QDesktopServices::openUrl(url);
    });
    connect(m_contents, &QTreeWidget::currentItemChanged, this, &HelpViewer::showTopic);
}

HelpViewer::~HelpViewer() = default;

QStringList HelpViewer::searchFolders()
{
    QStringList folders;
    for (const QString &folder :
         {QDir::currentPath(), QCoreApplication::applicationDirPath(), QStringLiteral(TALLYVANE_DATA_DIR)})
        folders << QDir::cleanPath(folder);
    folders.removeDuplicates();
    return folders;
}

QString HelpViewer::locate(const QString &name)
{
    if (QFileInfo(name).isAbsolute())
        return QFileInfo::exists(name) ? name : QString();
    for (const QString &folder : searchFolders()) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

void HelpViewer::openFile(const QString &name)
{
    m_contents->clear();
    m_browser->clearHistory();
    m_file.reset();

    const QString path = locate(name);
    if (path.isEmpty()) {
        QString folders;
        for (const QString &folder : searchFolders())
            folders += QStringLiteral("<li>%1</li>").arg(QDir::toNativeSeparators(folder).toHtmlEscaped());
        showProblem(tr("<p>The help file %1 was not found. Tallyvane looked for it in these folders:</p><ul>%2</ul>")
                        .arg(name.toHtmlEscaped(), folders));
        return;
    }
    m_file = ChmFile::open(path);
    QList<HelpTopic> topics;
    if (m_file)
        if (const std::optional<QByteArray> sitemap = m_file->read(m_file->contentsFile()))
            topics = readHelpContents(*sitemap);
    // A file cut short still opens, but names no page to show.
    if (!m_file || (m_file->defaultTopic().isEmpty() && topics.isEmpty())) {
        m_file.reset();
        showProblem(tr("<p>The help file %1 could not be read. It may be damaged, or it is not a help file.</p>")
                        .arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
        return;
    }
    showContents(topics);
}

void HelpViewer::showContents(const QList<HelpTopic> &topics)
{
    // The help file's title is the viewer's own, "Tallyvane Help", in English.
    if (!m_file->title().isEmpty())
        setWindowTitle(tr(m_file->title().toUtf8().constData()));
    addTopics(topics, nullptr);
    m_contents->expandAll();
    m_contents->setVisible(!topics.isEmpty());
    // Wide enough for every topic name, but never more than two fifths.
    m_contents->resizeColumnToContents(0);
    const int contentsWidth = m_contents->columnWidth(0) + 2 * m_contents->frameWidth() +
                              style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_splitter->setSizes({std::min(contentsWidth, width() * 2 / 5), width()});

    QUrl start;
    if (!m_file->defaultTopic().isEmpty())
        start = pageUrl(m_file->defaultTopic());
    // Without a default topic: the first topic in the contents with a page.
    for (QTreeWidgetItemIterator it(m_contents); *it && !start.isValid(); ++it)
        start = (*it)->data(0, Qt::UserRole).toUrl();
    m_home->setEnabled(true);
    m_browser->setSource(start);
}

void HelpViewer::showProblem(const QString &explanation)
{
    setWindowTitle(tr("Tallyvane Help - Help is not available"));
    m_contents->hide();
    m_home->setEnabled(false);
    m_browser->setHtml(QStringLiteral("<div style=\"font-size: 13pt\"><h2>%1</h2>%2<p>%3</p></div>")
                           .arg(tr("Help is not available"), explanation,
                                tr("Tallyvane itself works as usual; only this help cannot be shown.")));
}

void HelpViewer::addTopics(const QList<HelpTopic> &topics, QTreeWidgetItem *parent)
{
    for (const HelpTopic &topic : topics) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_contents);
        item->setText(0, topic.name);
        item->setSizeHint(0, QSize(0, Touch::rowHeight));
        if (!topic.page.isEmpty())
            item->setData(0, Qt::UserRole, pageUrl(topic.page));
        addTopics(topic.children, item);
    }
}

void HelpViewer::showTopic(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QUrl page = item->data(0, Qt::UserRole).toUrl();
    if (page.isValid() && page != m_browser->source())
        m_browser->setSource(page);
}

// Keeps the contents tree on the page shown, however it was reached.
void HelpViewer::markTopic(const QUrl &page)
{
    const QUrl wanted = withoutFragment(page);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if (withoutFragment((*it)->data(0, Qt::UserRole).toUrl()) == wanted) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentItem(*it);
            return;
        }
    }
}
