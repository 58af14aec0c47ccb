#pragma once

// The read-only view of a number list. Every row is one line high, so only
// the rows on screen are ever laid out and drawn, however long the list.
// Each column is as wide as its widest cell and every cell ends at its
// column's right edge; the columns together stand at the view's right edge,
// and the heading stays above the rows while they scroll. Rows are
// selected by dragging over them, with the mouse or a finger, and read back
// as text, their cells separated by tabs.

#include "output/lists/ListText.h"

#include <QAbstractScrollArea>

#include <optional>
#include <utility>

class ListView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ListView(QWidget *parent = nullptr);

    void setTable(ListTable table);
    const ListTable &table() const { return m_table; }

    // First and last selected row, in order; nothing when none is selected.
    std::optional<std::pair<int, int>> selectedRows() const;
    void selectRows(int from, int to);
    void selectAll();
    // Rows first to last, each ending in a line feed.
    QString text(int first, int last) const;
    QString selectedText() const;
    // The rows on screen.
    QString textOnScreen() const;
    // The heading line and every row, as assistive technology reads them.
    const QString &wholeText() const;
    // Where a row begins in wholeText().
    int rowOffset(int row) const;

    // The row under a point of the viewport, or -1 for the heading line.
    int rowAt(QPoint point) const;
    // Where a row is drawn in the viewport.
    QRect rowRect(int row) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void measure();
    void updateScrollBars();
    int headingHeight() const;
    int contentLeft() const;
    int nearestRow(int y) const;
    QColor cellColour(int column) const;

    ListTable m_table;
    int m_lineHeight = 1;
    int m_headingLines = 0;
    int m_contentWidth = 0;
    QList<int> m_columnLefts;  // from the content's left edge
    QList<int> m_columnRights;
    QList<int> m_counterDividers;
    mutable std::optional<QString> m_wholeText;
    mutable int m_headingLength = 0;
    int m_anchor = -1;
    int m_current = -1;
};
