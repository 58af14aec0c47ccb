#include "output/board/CountBoardAccessible.h"

#include "output/board/CountBoard.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

class BoardTable;

class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(CountBoard *board, int k) : m_board(board), m_k(k) {}

    bool isValid() const override { return m_board && m_k < m_board->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_board ? m_board->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_board); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return isValid() && (t == QAccessible::Name || t == QAccessible::Value) ? m_board->shownText(m_k) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = m_board->layout().cellRect(m_k, m_board->scrollOffset()).toRect();
        return QRect(m_board->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = !isValid();
        state.selectable = true;
        state.selected = isSelected();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this) : nullptr;
    }

    // Circled is what the class marked: it reads as selected.
    bool isSelected() const override { return isValid() && m_board->marks().isCircled(m_k); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_board ? m_board->layout().column(m_k) : -1; }
    int rowIndex() const override { return m_board ? m_board->layout().row(m_k) : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<CountBoard> m_board;
    int m_k;
};

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardTable(CountBoard *board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardTable() override
    {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return board()->count(); }
    QAccessibleInterface *child(int index) const override { return cell(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (const QAccessibleTableCellInterface *c = const_cast<QAccessibleInterface *>(child)->tableCellInterface())
            return c->rowIndex() * board()->rowLength() + c->columnIndex();
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        return cell(board()->layout().countAt(board()->mapFromGlobal(QPoint(x, y)), board()->scrollOffset()));
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (column < 0 || column >= columnCount())
            return nullptr;
        return cell(row * board()->rowLength() + column);
    }
    int columnCount() const override { return board()->rowLength(); }
    int rowCount() const override { return board()->layout().rows; }
    QString columnDescription(int column) const override { return QString::number(column + 1); }
    QString rowDescription(int row) const override { return QString::number(row + 1); }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> circled;
        for (int k = 0; k < board()->count(); ++k)
            if (board()->marks().isCircled(k))
                circled << cell(k);
        return circled;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    CountBoard *board() const { return static_cast<CountBoard *>(widget()); }
    // Made when first asked for, and kept with the table.
    QAccessibleInterface *cell(int k) const
    {
        if (k < 0 || k >= board()->count())
            return nullptr;
        auto found = m_cells.constFind(k);
        if (found != m_cells.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto *made = new BoardCell(board(), k);
        m_cells.insert(k, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    mutable QHash<int, QAccessible::Id> m_cells;
};

} // namespace

QAccessibleInterface *countBoardAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("CountBoard"))
        if (auto *board = qobject_cast<CountBoard *>(object))
            return new BoardTable(board);
    return nullptr;
}
