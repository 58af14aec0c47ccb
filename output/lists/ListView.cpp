#include "output/lists/ListView.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Blanks at either end of the lines, as a text box leaves them.
constexpr int textMargin = 4;  // pixels
// Between columns, in digit widths: a counter's columns stand closer
// together than the two counters do.
constexpr double columnGap = 2;
constexpr double counterGap = 4;

const QColor stepColour(0x0b, 0x4f, 0x9e);
const QColor changeColour(0x9a, 0x3b, 0x00);

// Adds up the widths of the characters: the same few characters make up
// every number, so a whole list is measured without laying it out.
class CellWidths {
public:
    explicit CellWidths(const QFont &font) : m_metrics(font)
    {
        for (std::size_t c = 0; c < m_ascii.size(); ++c)
            m_ascii[c] = m_metrics.horizontalAdvance(QChar(char16_t(c)));
    }

    double operator()(QStringView text) const
    {
        double width = 0;
        for (const QChar c : text)
            width += c.unicode() < m_ascii.size() ? m_ascii[c.unicode()] : m_metrics.horizontalAdvance(c);
        return width;
    }
    // Where the sum would fall short of the text's shaped width.
    double exactly(QStringView text) const { return m_metrics.horizontalAdvance(text.toString()); }
    double digit() const { return m_ascii['0']; }

private:
    QFontMetricsF m_metrics;
    std::array<double, 128> m_ascii{};
};

// What a screen reader reads of the list: a read-only text box holding its
// lines as shown, heading first, which it reads line by line. The text's
// offsets count characters of wholeText(); the selection is whole rows.
class ListViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListViewAccessible(QWidget *view) : QAccessibleWidget(view, QAccessible::EditableText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return view().textOnScreen();
        return QAccessibleWidget::text(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        const QString &whole = view().wholeText();
        if (endOffset < 0 || endOffset > whole.size())
            endOffset = int(whole.size());
        startOffset = std::clamp(startOffset, 0, endOffset);
        return whole.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(view().wholeText().size()); }
    int selectionCount() const override { return view().selectedRows() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        const auto rows = view().selectedRows();
        if (selectionIndex != 0 || !rows)
            return;
        *startOffset = view().rowOffset(rows->first);
        *endOffset = view().rowOffset(rows->second + 1);
    }
    int cursorPosition() const override { return 0; }
    // Read only: the text and the selection are changed on the view itself.
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    const ListView &view() const { return *static_cast<const ListView *>(widget()); }
};

QAccessibleInterface *accessibleListView(const QString &className, QObject *object)
{
    if (className == QLatin1String("ListView") && object && object->isWidgetType())
        return new ListViewAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ListView::ListView(QWidget *parent) : QAbstractScrollArea(parent)
{
    static const bool accessible = (QAccessible::installFactory(accessibleListView), true);
    Q_UNUSED(accessible);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    measure();
}

void ListView::setTable(ListTable table)
{
    m_table = std::move(table);
    m_wholeText.reset();
    m_anchor = m_current = -1;
    measure();
    updateScrollBars();
    viewport()->update();
}

void ListView::measure()
{
    const CellWidths widths(font());
    m_lineHeight = std::max(1, QFontMetrics(font()).lineSpacing());
    const int columns = m_table.columns;
    QList<double> widest(columns, 0);
    QList<int> widestAt(columns, -1);
    for (int i = 0; i < m_table.cellCount(); ++i) {
        const int column = i % columns;
        const double width = widths(m_table.cell(i));
        if (width > widest[column]) {
            widest[column] = width;
            widestAt[column] = i;
        }
    }
    m_columnLefts.clear();
    m_columnRights.clear();
    m_counterDividers.clear();
    m_headingLines = m_table.heading.isEmpty() ? 0 : 1;
    double right = textMargin;
    for (int c = 0; c < columns; ++c) {
        double width = widestAt[c] >= 0 ? std::max(widest[c], widths.exactly(m_table.cell(widestAt[c]))) : 0;
        if (!m_table.heading.isEmpty()) {
            // A heading wider than its numbers goes over two lines rather
            // than widen the list.
            const QString &heading = m_table.heading[c];
            double widestWord = 0;
            for (const QString &word : heading.split(QChar(' ')))
                widestWord = std::max(widestWord, widths.exactly(word));
            if (widths.exactly(heading) > std::max(width, widestWord))
                m_headingLines = 2;
            width = std::max(width, widestWord);
        }
        if (c > 0) {
            const bool newCounter = c >= m_table.termColumns && (c - m_table.termColumns) % m_table.columnsPerCounter == 0;
            const double gap = widths.digit() * (newCounter ? counterGap : columnGap);
            if (newCounter)
                m_counterDividers.append(int(std::lround(right + gap / 2)));
            right += gap;
        }
        m_columnLefts.append(int(std::floor(right)));
        right += width;
        m_columnRights.append(int(std::ceil(right)));
    }
    m_contentWidth = int(std::ceil(right)) + textMargin;
}

int ListView::headingHeight() const
{
    return m_headingLines == 0 ? 0 : m_headingLines * m_lineHeight + 1;
}

void ListView::updateScrollBars()
{
    const int rowsHeight = std::max(0, viewport()->height() - headingHeight());
    QScrollBar *vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, m_table.rowCount() * m_lineHeight - rowsHeight));
    vertical->setPageStep(rowsHeight);
    vertical->setSingleStep(m_lineHeight);
    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, m_contentWidth - viewport()->width()));
    horizontal->setPageStep(viewport()->width());
    horizontal->setSingleStep(std::max(1, m_lineHeight / 2));
}

int ListView::contentLeft() const
{
    return std::max(0, viewport()->width() - m_contentWidth) - horizontalScrollBar()->value();
}

QRect ListView::rowRect(int row) const
{
    return QRect(0, headingHeight() + row * m_lineHeight - verticalScrollBar()->value(), viewport()->width(),
                 m_lineHeight);
}

QString ListView::textOnScreen() const
{
    if (m_table.rowCount() == 0)
        return {};
    const int first = nearestRow(headingHeight());
    const int last = nearestRow(viewport()->height() - 1);
    return text(first, last);
}

int ListView::rowAt(QPoint point) const
{
    if (point.y() < headingHeight())
        return -1;
    return (point.y() - headingHeight() + verticalScrollBar()->value()) / m_lineHeight;
}

int ListView::nearestRow(int y) const
{
    const int row = int(std::floor(double(y - headingHeight() + verticalScrollBar()->value()) / m_lineHeight));
    return std::clamp(row, 0, std::max(0, m_table.rowCount() - 1));
}

QColor ListView::cellColour(int column) const
{
    if (column < m_table.termColumns)
        return palette().color(QPalette::Text);
    switch ((column - m_table.termColumns) % m_table.columnsPerCounter) {
    case 1:
        return stepColour;
    case 2:
        return changeColour;
    default:
        return palette().color(QPalette::Text);
    }
}

void ListView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const int width = viewport()->width();
    const int left = contentLeft();
    const auto drawCells = [&](const QStringList &cells, int y, int height, int flags, const QColor *colour) {
        for (int c = 0; c < cells.size() && c < m_columnRights.size(); ++c) {
            painter.setPen(colour ? *colour : cellColour(c));
            const QRect column(QPoint(left + m_columnLefts[c], y), QPoint(left + m_columnRights[c] - 1, y + height - 1));
            painter.drawText(column, Qt::AlignRight | flags, cells[c]);
        }
    };

    const int top = headingHeight();
    painter.setClipRect(0, top, width, viewport()->height() - top);
    const auto selection = selectedRows();
    const QColor selectedText = palette().color(QPalette::HighlightedText);
    for (int row = std::max(0, verticalScrollBar()->value() / m_lineHeight); row < m_table.rowCount(); ++row) {
        const QRect rect = rowRect(row);
        if (rect.top() >= viewport()->height())
            break;
        const bool selected = selection && row >= selection->first && row <= selection->second;
        if (selected)
            painter.fillRect(rect, palette().brush(QPalette::Highlight));
        drawCells(m_table.row(row), rect.top(), m_lineHeight, Qt::AlignVCenter, selected ? &selectedText : nullptr);
    }
    painter.setClipping(false);

    painter.setPen(palette().color(QPalette::Mid));
    for (const int divider : std::as_const(m_counterDividers))
        painter.drawLine(left + divider, 0, left + divider, viewport()->height());
    if (top > 0) {
        painter.fillRect(0, 0, width, top - 1, palette().brush(QPalette::Button));
        painter.drawLine(0, top - 1, width, top - 1);
        drawCells(m_table.heading, 0, top - 1, Qt::AlignBottom | Qt::TextWordWrap, nullptr);
    }
}

void ListView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ListView::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measure();
        updateScrollBars();
        viewport()->update();
    }
}

std::optional<std::pair<int, int>> ListView::selectedRows() const
{
    if (m_anchor < 0)
        return std::nullopt;
    return std::minmax(m_anchor, m_current);
}

void ListView::selectRows(int from, int to)
{
    const int last = m_table.rowCount() - 1;
    if (last < 0)
        return;
    m_anchor = std::clamp(from, 0, last);
    m_current = std::clamp(to, 0, last);
    viewport()->update();
}

void ListView::selectAll()
{
    selectRows(0, m_table.rowCount() - 1);
}

QString ListView::text(int first, int last) const
{
    QString text;
    for (int row = first; row <= last; ++row)
        text += m_table.row(row).join(QChar('\t')) + QChar('\n');
    return text;
}

const QString &ListView::wholeText() const
{
    if (!m_wholeText) {
        QString heading = m_table.heading.join(QChar('\t'));
        if (!heading.isEmpty())
            heading += QChar('\n');
        m_headingLength = int(heading.size());
        m_wholeText = heading + text(0, m_table.rowCount() - 1);
    }
    return *m_wholeText;
}

int ListView::rowOffset(int row) const
{
    const QString &whole = wholeText();
    int offset = m_headingLength;
    for (int r = 0; r < row && offset < whole.size(); ++r)
        offset = int(whole.indexOf(QChar('\n'), offset)) + 1;
    return offset;
}

QString ListView::selectedText() const
{
    const auto rows = selectedRows();
    return rows ? text(rows->first, rows->second) : QString();
}

void ListView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    const int row = nearestRow(event->position().toPoint().y());
    selectRows(event->modifiers() & Qt::ShiftModifier && m_anchor >= 0 ? m_anchor : row, row);
}

void ListView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_anchor < 0)
        return QAbstractScrollArea::mouseMoveEvent(event);
    const int row = nearestRow(event->position().toPoint().y());
    selectRows(m_anchor, row);
    // Dragging past the top or bottom scrolls the rows along.
    const QRect rect = rowRect(row);
    QScrollBar *vertical = verticalScrollBar();
    if (rect.top() < headingHeight())
        vertical->setValue(vertical->value() - (headingHeight() - rect.top()));
    else if (rect.bottom() >= viewport()->height())
        vertical->setValue(vertical->value() + rect.bottom() - viewport()->height() + 1);
}

void ListView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else
        QAbstractScrollArea::keyPressEvent(event);
}
