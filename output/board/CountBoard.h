#pragma once

// One counter's count board: the numbers of the run so far in rows, under a
// strip of column heads. A tap on a number circles it, a tap on a head
// shades the column; a finger or the wheel scrolls the earlier rows, and
// each new count brings the newest row back into view. A new count repaints
// its own cell, and scrolls the rows by a row when it starts one, unless the
// numbers must be drawn smaller. Counts that come faster than the screen
// shows them are painted together, once a frame; when a row or more comes
// within a frame the rows scroll by half the board at once, which leaves room
// for the rows to come, instead of moving the whole board every frame.

#include "output/board/BoardLayout.h"
#include "output/board/BoardMarks.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QHash>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class CountBoard : public QWidget {
    Q_OBJECT
public:
    using Hushed = std::function<bool(int countIndex)>;

    CountBoard(const QString &name, QWidget *parent);

    // Count k of the run is the number appended k-th.
    void append(const QString &number);
    void clear();
    int count() const { return int(m_numbers.size()); }
    const QStringList &numbers() const { return m_numbers; }

    int rowLength() const { return m_layout.rowLength; }
    // Flows the rows again at once; the marks stay on their counts.
    void setRowLength(int rowLength);
    const BoardLayout &layout() const { return m_layout; }
    const BoardMarks &marks() const { return m_marks; }
    void clearMarks();
    void tapAt(QPointF point);
    // A finger put down, moved and lifted: a tap where it barely moved, else
    // the rows scrolled with it.
    void pressAt(QPointF point);
    void dragTo(QPointF point);
    void releaseAt(QPointF point);

    // While the counter is hidden its newest number is not drawn either.
    void setNewestHidden(bool hidden);
    // A hushed count shows "?" until the run pauses or ends after it: the
    // counts up to revealedThrough show their numbers.
    void setHushed(Hushed hushed);
    void setRevealedThrough(int k);
    // What count k's cell shows: its number, "?" or nothing.
    QString shownText(int k) const;

    void setColours(const QColor &text, const QColor &background);
    QColor textColour() const { return m_text; }
    QColor backgroundColour() const { return m_background; }

    // Milliseconds from one frame of the board's screen to the next.
    int frameInterval() const;
    // After a hurried count: the newest row at the bottom, the earlier rows
    // above it, and every count on the screen.
    void settle();

    // How far the rows are scrolled up, in pixels.
    double scrollOffset() const { return m_scroll; }
    void scrollBy(double pixels);
    // By wheel notches, a row each: up, positive, shows earlier rows.
    void scrollByNotches(double notches);

signals:
    void marksChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Puts what the new counts changed on screen.
    void paintNewCounts();
    void drawNumber(QPainter &painter, const QRectF &cell, const QString &text);
    struct Glyph {
        QPixmap picture;
        QPoint offset;  // of the picture's top-left from the pen at the baseline
    };
    const Glyph &glyph(QChar c);
    void useGlyphsOfTheLayout();
    void relayout();
    // The number's width at a one-pixel font, its characters' advances added.
    double measure(const QString &number);
    void updateCell(int k);
    QRect rowsArea() const;
    QFont numberFont(double pixels) const;

    QStringList m_numbers;
    double m_widest = 0;  // the widest number's width at a one-pixel font
    QFontMetricsF m_measure;
    QHash<QChar, double> m_advances;  // at a one-pixel font
    BoardLayout m_layout;
    BoardMarks m_marks{BoardLayout::defaultInRow};
    double m_scroll = 0;
    bool m_newestHidden = false;
    Hushed m_hushed;
    int m_revealedThrough = -1;
    QColor m_text{Qt::black};
    QColor m_background{Qt::white};
    // The counts not yet painted, and how far the rows have scrolled since.
    QList<int> m_unpainted;
    double m_unpaintedScroll = 0;
    bool m_repaintAll = false;
    QTimer m_frame;
    QElapsedTimer m_sincePainted;
    // Digits this large are drawn from outlines each time: they are drawn
    // once per size and colour, and copied.
    QHash<QChar, Glyph> m_glyphs;
    double m_glyphPixels = 0;
    QColor m_glyphColour;
    QFontMetricsF m_glyphMetrics;
    QPointF m_pressAt;
    double m_pressScroll = 0;
    bool m_dragging = false;
};
