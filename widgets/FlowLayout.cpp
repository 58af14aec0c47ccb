#include "widgets/FlowLayout.h"

#include <algorithm>

FlowLayout::FlowLayout(QWidget *parent) : QLayout(parent) {}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    m_items << item;
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const
{
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : m_items)
        if (!item->isEmpty())
            size = size.expandedTo(item->sizeHint());
    const QMargins margins = contentsMargins();
    return size.grownBy(QMargins(margins.left(), margins.top(), margins.right(), margins.bottom()));
}

QSize FlowLayout::sizeHint() const
{
    const QMargins margins = contentsMargins();
    int width = margins.left() + margins.right();
    int shown = 0;
    for (const QLayoutItem *item : m_items) {
        if (!item->isEmpty()) {
            width += item->sizeHint().width();
            ++shown;
        }
    }
    width += std::max(0, spacing()) * std::max(0, shown - 1);
    return QSize(width, heightForWidth(width));
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLayout::arrange(const QRect &rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = std::max(0, spacing());
    int x = area.x();
    int y = area.y();
    int rowHeight = 0;
    int lastShown = int(m_items.size()) - 1;
    while (lastShown >= 0 && m_items[lastShown]->isEmpty())
        --lastShown;
    for (int index = 0; index <= lastShown; ++index) {
        QLayoutItem *item = m_items[index];
        if (item->isEmpty())
            continue;
        const QSize size = item->sizeHint();
        if (x > area.x() && x + size.width() > area.right() + 1) {
            x = area.x();
            y += rowHeight + gap;
            rowHeight = 0;
        }
        const int left = index == lastShown ? std::max(x, area.right() + 1 - size.width()) : x;
        if (place)
            item->setGeometry(QRect(QPoint(left, y), size));
        x += size.width() + gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    return y + rowHeight - rect.y() + contentsMargins().bottom();
}
