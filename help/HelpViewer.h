#pragma once

// The program's own help window: the contents of a compiled help file in a
// tree beside its pages. Pages, pictures and style sheets are read straight
// from the file, so links, pictures and Back work as in a browser. A file
// that cannot be found or read is reported in the window itself.

#include <QWidget>

#include <memory>

class ChmFile;
class QSplitter;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;
struct HelpTopic;

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    static inline const QString helpFileName = QStringLiteral("Tallyvane.chm");

    explicit HelpViewer(QWidget *parent = nullptr);
    ~HelpViewer() override;

    // Opens the file at its default topic.
    void openFile(const QString &name);
    // Where a name without a folder is found: the current folder, the
    // program's folder, then the installed data folder. Empty when nowhere.
    static QString locate(const QString &name);
    static QStringList searchFolders();

    QTreeWidget *contents() const { return m_contents; }
    QTextBrowser *browser() const { return m_browser; }

private:
    void showContents(const QList<HelpTopic> &topics);
    void showProblem(const QString &explanation);
    void addTopics(const QList<HelpTopic> &topics, QTreeWidgetItem *parent);
    void showTopic(QTreeWidgetItem *item);
    void markTopic(const QUrl &page);

    std::unique_ptr<ChmFile> m_file;
    QSplitter *m_splitter;
    QTreeWidget *m_contents;
    QTextBrowser *m_browser;
    QToolButton *m_back;
    QToolButton *m_forward;
    QToolButton *m_home;
};
