#pragma once

// What the class marked on the count board. Marks belong to the counts, not
// to the cells: a circled number stays circled however the rows flow. A
// shaded column shades every count that falls in it, also those still to
// come; when the rows flow again, the counts it shaded so far stay shaded.

#include <QSet>

class BoardMarks {
public:
    explicit BoardMarks(int rowLength) : m_rowLength(rowLength) {}

    int rowLength() const { return m_rowLength; }
    bool isEmpty() const { return m_circled.isEmpty() && m_shaded.isEmpty() && m_shadedColumns.isEmpty(); }

    void toggleCircle(int k);
    bool isCircled(int k) const { return m_circled.contains(k); }

    // A second tap on a shaded column's head clears every shade in it.
    void toggleColumn(int column, int count);
    bool isColumnShaded(int column) const { return m_shadedColumns.contains(column); }
    bool isShaded(int k) const { return m_shaded.contains(k) || m_shadedColumns.contains(k % m_rowLength); }

    // The rows now hold rowLength counts each, count of them so far.
    void reflow(int rowLength, int count);
    void clear();

private:
    int m_rowLength;
    QSet<int> m_circled;
    QSet<int> m_shaded;  // counts shaded by a column before the rows flowed again
    QSet<int> m_shadedColumns;
};
