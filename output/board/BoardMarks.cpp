#include "output/board/BoardMarks.h"

void BoardMarks::toggleCircle(int k)
{
    if (!m_circled.remove(k))
        m_circled.insert(k);
}

void BoardMarks::toggleColumn(int column, int count)
{
    if (!m_shadedColumns.remove(column)) {
        m_shadedColumns.insert(column);
        return;
    }
    for (int k = column; k < count; k += m_rowLength)
        m_shaded.remove(k);
}

void BoardMarks::reflow(int rowLength, int count)
{
    if (rowLength == m_rowLength)
        return;
    for (int column : std::as_const(m_shadedColumns))
        for (int k = column; k < count; k += m_rowLength)
            m_shaded.insert(k);
    m_shadedColumns.clear();
    m_rowLength = rowLength;
}

void BoardMarks::clear()
{
    m_circled.clear();
    m_shaded.clear();
    m_shadedColumns.clear();
}
