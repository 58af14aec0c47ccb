#pragma once

// Lays its items out left to right in a row, and wraps them onto more rows
// where the row is too narrow for them all, so that touch controls keep their
// size on a narrow window. The last item keeps to the right edge of its row,
// as after a stretch. Each item takes its size hint.

#include <QLayout>
#include <QList>

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(m_items.size()); }
    QLayoutItem *itemAt(int index) const override { return m_items.value(index); }
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    // As narrow as the widest item, as wide as all of them in one row.
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Puts the items in rows within rect, or only measures them; the height
    // the rows take.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> m_items;
};
