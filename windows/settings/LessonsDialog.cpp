#include "windows/settings/LessonsDialog.h"

#include "lessons/BuiltInLessons.h"
#include "lessons/LessonFile.h"
#include "platform/Dialogs.h"
#include "platform/FileSaving.h"
#include "widgets/TouchSizing.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIODevice>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QScroller>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Shown under the name, and read out after it.
constexpr int descriptionRole = Qt::AccessibleDescriptionRole;
// The lesson's place in the built-in lessons followed by the teacher's own;
// none on a heading.
constexpr int lessonRole = Qt::UserRole + 1;
constexpr int padding = 8;  // pixels
constexpr int scrollBarWidth = 32;  // pixels: wide enough for a finger
constexpr QSize preferredSize(780, 640);
constexpr int reloadDelay = 300;  // milliseconds: one reload for the several changes of one save
const QString lessonFileFilter = QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "Tallyvane Lessons"))
    + QStringLiteral(" (*.tallyvane)|*.tallyvane|") + QStringLiteral(QT_TRANSLATE_NOOP("SaveFilters", "All Files"))
    + QStringLiteral(" (*.*)|*.*");

int linesOf(const QModelIndex &index)
{
    return index.data(descriptionRole).toString().isEmpty() ? 1 : 2;
}

// A lesson's name in bold with its description below; a heading on a band
// of its own.
class LessonItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const bool heading = !index.data(lessonRole).isValid();
        const bool selected = item.state & QStyle::State_Selected;
        painter->save();
        if (heading)
            painter->fillRect(item.rect, item.palette.midlight());
        else
            item.widget->style()->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, item.widget);
        const QColor ink = item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        const QString description = index.data(descriptionRole).toString();
        const int line = item.fontMetrics.height();
        QRect text = item.rect.adjusted(padding, 0, -padding, 0);
        text.setTop(text.center().y() - linesOf(index) * line / 2);
        QFont bold = item.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(ink);
        painter->drawText(QRect(text.left(), text.top(), text.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                          QFontMetrics(bold).elidedText(item.text, Qt::ElideRight, text.width()));
        painter->setFont(item.font);
        painter->setPen(selected ? ink : item.palette.color(QPalette::PlaceholderText));
        painter->drawText(QRect(text.left(), text.top() + line, text.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                          item.fontMetrics.elidedText(description, Qt::ElideRight, text.width()));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int height = linesOf(index) * option.fontMetrics.height() + 2 * padding;
        return {QStyledItemDelegate::sizeHint(option, index).width(), std::max(height, Touch::targetHeight)};
    }
};

QListWidget *addLessonList(QWidget *parent, const char *name)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setItemDelegate(new LessonItemDelegate(list));
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QScroller::grabGesture(list->viewport(), QScroller::TouchGesture);
    list->verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:vertical { width: %1px; }").arg(scrollBarWidth));
    return list;
}

QListWidgetItem *addLessonItem(QListWidget *list, const QString &name, const QString &description,
                               std::optional<int> lesson)
{
    auto *item = new QListWidgetItem(name, list);
    item->setData(descriptionRole, description);
    if (lesson)
        item->setData(lessonRole, *lesson);
    else
        item->setFlags(Qt::ItemIsEnabled);
    return item;
}

// A teacher's own lesson by its first numbers and what its routine does.
QString descriptionOf(const LessonPlan &lesson)
{
    if (!lesson.description.isEmpty())
        return lesson.description;
    const QString routine = routineWords(lesson.routine.value_or(Routine{}));
    return routine.isEmpty() ? firstNumbersOf(lesson) : firstNumbersOf(lesson) + QStringLiteral(" (") + routine + u')';
}

void fitOnScreen(QWidget &window, QWidget *parent)
{
    const QScreen *screen = parent ? parent->screen() : QApplication::primaryScreen();
    window.resize(preferredSize.boundedTo(screen->availableGeometry().size()));
}

// The teacher's own lessons to export, chosen by tapping them; the one
// selected in the lesson list, or else every one, is chosen at first.
std::optional<QList<LessonPlan>> chooseLessonsToExport(const QList<LessonPlan> &own, std::optional<int> selected,
                                                       QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("exportDialog"));
    dialog.setWindowTitle(LessonsDialog::tr("Export Lessons"));
    auto *prompt = new QLabel(LessonsDialog::tr("Tap the lessons to export."), &dialog);
    QListWidget *list = addLessonList(&dialog, "exportList");
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (int i = 0; i < own.size(); ++i)
        addLessonItem(list, own[i].name, descriptionOf(own[i]), i)->setSelected(!selected || *selected == i);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton *exportButton = buttons->addButton(LessonsDialog::tr("Export…"), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("cmdExportChosen"));
    exportButton->setDefault(true);
    QObject::connect(list, &QListWidget::itemSelectionChanged, &dialog,
                     [&] { exportButton->setEnabled(!list->selectedItems().isEmpty()); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(prompt);
    layout->addWidget(list);
    layout->addWidget(buttons);
    Touch::enlargeForTouch(&dialog);
    fitOnScreen(dialog, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<LessonPlan> chosen;
    for (int i = 0; i < own.size(); ++i)
        if (list->item(i)->isSelected())
            chosen << own[i];
    return chosen;
}

QPushButton *addButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

LessonsDialog::LessonsDialog(LessonLibrary &library, std::optional<LessonPlan> current, Dialogs &dialogs,
                             QWidget *parent)
    : QDialog(parent), m_library(library), m_current(std::move(current)), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmLessons"));
    setWindowTitle(tr("Lessons"));

    lessonList = addLessonList(this, "lessonList");
    lessonList->setSelectionMode(QAbstractItemView::SingleSelection);
    useButton = addButton(this, "cmdUse", tr("Use Lesson"));
    saveAsButton = addButton(this, "cmdSaveAs", tr("Save as Lesson…"));
    renameButton = addButton(this, "cmdRename", tr("Rename…"));
    deleteButton = addButton(this, "cmdDelete", tr("Delete"));
    exportButton = addButton(this, "cmdExport", tr("Export…"));
    importButton = addButton(this, "cmdImport", tr("Import…"));
    closeButton = addButton(this, "cmdClose", tr("Close"));
    useButton->setDefault(true);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {useButton, saveAsButton, renameButton, deleteButton, exportButton, importButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(lessonList, 1);
    layout->addLayout(buttons);

    connect(lessonList, &QListWidget::itemSelectionChanged, this, &LessonsDialog::selectionChanged);
    connect(lessonList, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        if (item->data(lessonRole).isValid())
            useLesson();
    });
    connect(useButton, &QPushButton::clicked, this, &LessonsDialog::useLesson);
    connect(saveAsButton, &QPushButton::clicked, this, &LessonsDialog::saveAsLesson);
    connect(renameButton, &QPushButton::clicked, this, &LessonsDialog::renameLesson);
    connect(deleteButton, &QPushButton::clicked, this, &LessonsDialog::deleteLesson);
    connect(exportButton, &QPushButton::clicked, this, &LessonsDialog::exportLessons);
    connect(importButton, &QPushButton::clicked, this, &LessonsDialog::importLessons);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    Touch::enlargeForTouch(this);
    fitOnScreen(*this, parent);
    fillList();
    watchLibrary();
}

void LessonsDialog::fillList(std::optional<int> selectOwn)
{
    lessonList->clear();
    const QList<LessonPlan> &builtIn = builtInLessons();
    const QList<LessonPlan> &own = m_library.own();
    addLessonItem(lessonList, tr("Lessons that come with Tallyvane"), QString(), std::nullopt);
    for (int i = 0; i < builtIn.size(); ++i)
        addLessonItem(lessonList, shownName(builtIn[i]), shownDescription(builtIn[i]), i);
    addLessonItem(lessonList, tr("Your own lessons"),
                  own.isEmpty() ? tr("None yet: press Save as Lesson… to add one.") : QString(),
                  std::nullopt);
    for (int i = 0; i < own.size(); ++i) {
        QListWidgetItem *item = addLessonItem(lessonList, own[i].name, descriptionOf(own[i]), builtIn.size() + i);
        if (selectOwn == i) {
            lessonList->setCurrentItem(item);
            lessonList->scrollToItem(item);
        }
    }
    selectionChanged();
}

std::optional<LessonPlan> LessonsDialog::selectedPlan() const
{
    const QList<QListWidgetItem *> selected = lessonList->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const int lesson = selected.front()->data(lessonRole).toInt();
    const qsizetype builtIn = builtInLessons().size();
    return lesson < builtIn ? builtInLessons()[lesson] : m_library.own()[lesson - builtIn];
}

std::optional<int> LessonsDialog::selectedOwn() const
{
    const QList<QListWidgetItem *> selected = lessonList->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const int own = selected.front()->data(lessonRole).toInt() - int(builtInLessons().size());
    return own >= 0 ? std::optional(own) : std::nullopt;
}

void LessonsDialog::selectionChanged()
{
    useButton->setEnabled(selectedPlan().has_value());
    renameButton->setEnabled(selectedOwn().has_value());
    deleteButton->setEnabled(selectedOwn().has_value());
    exportButton->setEnabled(!m_library.own().isEmpty());
}

void LessonsDialog::useLesson()
{
    m_chosen = selectedPlan();
    if (m_chosen)
        accept();
}

void LessonsDialog::saveAsLesson()
{
    if (!m_current) {
        m_dialogs.showMessage(Messages::numberTooLarge(), this);
        return;
    }
    LessonPlan lesson = *m_current;
    lesson.name = cleanLessonName(m_dialogs.askText(Messages::lessonName(), this));
    if (lesson.name.isEmpty())
        return;
    const LessonLibrary::Added added = m_library.add(lesson);
    fillList(added.index);
    tellOf(messageAfterChange(added.change));
}

void LessonsDialog::renameLesson()
{
    const std::optional<int> own = selectedOwn();
    const QString name = own ? cleanLessonName(m_dialogs.askText(Messages::newLessonName(), this)) : QString();
    if (name.isEmpty())
        return;
    const LessonLibrary::Change change = m_library.rename(*own, name);
    fillList(indexOfOwn(name));
    tellOf(messageAfterChange(change));
}

void LessonsDialog::deleteLesson()
{
    const std::optional<int> own = selectedOwn();
    if (!own || m_dialogs.showMessage(Messages::confirmDeleteLesson(), this) != MessageAnswer::Yes)
        return;
    const LessonLibrary::Change change = m_library.remove(*own);
    fillList();
    tellOf(messageAfterChange(change));
}

void LessonsDialog::exportLessons()
{
    const auto lessons = chooseLessonsToExport(m_library.own(), selectedOwn(), this);
    if (!lessons)
        return;
    // A name may hold a "/", which no file name can; it holds nothing else a file name cannot.
    const QString name = lessons->size() == 1 ? QString(lessons->front().name).replace(QChar('/'), QChar('-'))
                                              : QStringLiteral("lessons");
    const QByteArray bytes = LessonFile::write(*lessons);
    saveWithDialog(
        m_dialogs, name + QStringLiteral(".tallyvane"), lessonFileFilter,
        [&](QIODevice &file) { return file.write(bytes) == bytes.size(); }, Messages::lessonsNotSaved(), this);
}

void LessonsDialog::importLessons()
{
    const std::optional<QString> path = m_dialogs.askOpenFileName(lessonFileFilter, this);
    if (!path)
        return;
    const LessonFile::Contents file = LessonFile::readFrom(*path);
    const LessonLibrary::Imported imported = m_library.import(file.lessons);
    fillList(imported.added.isEmpty() ? std::nullopt : std::optional(imported.added.front()));
    tellOf(messageAfterImport(file, imported));
}

void LessonsDialog::tellOf(const std::optional<Message> &message)
{
    if (message)
        m_dialogs.showMessage(*message, this);
}

std::optional<int> LessonsDialog::indexOfOwn(const QString &name) const
{
    const QList<LessonPlan> &own = m_library.own();
    for (int i = 0; i < own.size(); ++i)
        if (own[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

void LessonsDialog::watchLibrary()
{
    const QFileInfo file(m_library.path());
    QDir().mkpath(file.absolutePath());
    // Written anew, the file is another file: its folder tells of it.
    watcher.addPath(file.absolutePath());
    reloadTimer.setSingleShot(true);
    reloadTimer.setInterval(reloadDelay);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, &reloadTimer, qOverload<>(&QTimer::start));
    connect(&reloadTimer, &QTimer::timeout, this, &LessonsDialog::reload);
}

void LessonsDialog::reload()
{
    // Not under a question of its own: an answer is about the list it was asked over.
    if (QApplication::activeModalWidget() != this) {
        reloadTimer.start();
        return;
    }
    const std::optional<int> selected = selectedOwn();
    const QString selectedName = selected ? m_library.own()[*selected].name : QString();
    const LessonLibrary::Loaded loaded = m_library.load();
    fillList(indexOfOwn(selectedName));
    // Lessons of a newer version were told of when the list opened.
    if (loaded.state != LessonLibrary::Loaded::State::NewerKept)
        tellOf(messageAfterLoad(loaded));
}

std::optional<LessonPlan> showLessonsDialog(const std::optional<LessonPlan> &current, Dialogs &dialogs,
                                            QWidget *parent)
{
    LessonLibrary library(LessonLibrary::standardPath());
    if (const std::optional<Message> message = messageAfterLoad(library.load()))
        dialogs.showMessage(*message, parent);
    LessonsDialog dialog(library, current, dialogs, parent);
    dialog.exec();
    return dialog.chosen();
}
