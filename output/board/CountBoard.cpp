#include "output/board/CountBoard.h"

#include "output/board/CountBoardAccessible.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr double measuredPixels = 100;  // numbers are measured at this font size
constexpr double dragDistance = 12;      // pixels a finger moves before a tap becomes a scroll
constexpr int shadeAlpha = 60;

QFont boardFont(double pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(std::max(1, int(pixels)));
    return font;
}

} // namespace

CountBoard::CountBoard(const QString &name, QWidget *parent)
    : QWidget(parent), m_measure(boardFont(measuredPixels)), m_glyphMetrics(boardFont(1))
{
    static const bool tableOnTheBus = [] {
        QAccessible::installFactory(countBoardAccessible);
        return true;
    }();
    Q_UNUSED(tableOnTheBus);
    setObjectName(name);
    setAccessibleName(tr("Count Board"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumHeight(int(BoardLayout::headHeight + BoardLayout::smallestCell * 2));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_frame.setSingleShot(true);
    connect(&m_frame, &QTimer::timeout, this, &CountBoard::paintNewCounts);
    m_sincePainted.start();
    relayout();
}

QFont CountBoard::numberFont(double pixels) const
{
    return boardFont(pixels);
}

// A row of the board is a finger's target wide a number; the rows stand
// wholly on the board.
void CountBoard::relayout()
{
    setMinimumWidth(int(BoardLayout::smallestCell * m_layout.rowLength));
    m_layout = layoutBoard(count(), m_layout.rowLength, size(), m_widest);
    m_scroll = m_layout.newestRowScroll();
    m_unpainted.clear();
    m_unpaintedScroll = 0;
    m_repaintAll = false;
}

QRect CountBoard::rowsArea() const
{
    return QRect(0, int(BoardLayout::headHeight), width(), std::max(0, height() - int(BoardLayout::headHeight)));
}

void CountBoard::updateCell(int k)
{
    if (k >= 0 && k < count())
        update(m_layout.cellRect(k, m_scroll).toAlignedRect().intersected(rowsArea()));
}

void CountBoard::append(const QString &number)
{
    const int k = count();
    m_numbers << number;
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent added(this, QAccessibleTableModelChangeEvent::DataChanged);
        added.setFirstRow(k / m_layout.rowLength);
        added.setLastRow(k / m_layout.rowLength);
        QAccessible::updateAccessibility(&added);
    }
    m_widest = std::max(m_widest, measure(number));
    const BoardLayout before = m_layout;
    m_layout = layoutBoard(count(), before.rowLength, size(), m_widest);
    const bool relaid = m_layout.fontPixels != before.fontPixels || m_layout.cell != before.cell;
    m_repaintAll = m_repaintAll || relaid;
    // A row or more within a frame: more than a class reads.
    const bool hurry = m_unpainted.size() >= m_layout.rowLength;
    const double scroll = relaid ? m_layout.newestRowScroll() : m_layout.scrollToNewest(m_scroll, hurry);
    m_unpaintedScroll += m_scroll - scroll;
    m_scroll = scroll;
    m_unpainted << k;
    if (m_newestHidden)
        m_unpainted << k - 1;
    const int frame = frameInterval();
    if (m_sincePainted.elapsed() >= frame)
        paintNewCounts();
    else if (!m_frame.isActive())
        m_frame.start(int(frame - m_sincePainted.elapsed()));
}

int CountBoard::frameInterval() const
{
    const QScreen *shownOn = screen();
    const double rate = shownOn && shownOn->refreshRate() > 0 ? shownOn->refreshRate() : 60;
    return std::max(1, int(1000 / rate));
}

void CountBoard::settle()
{
    const double newest = m_layout.newestRowScroll();
    if (m_scroll <= newest)
        return;
    m_unpaintedScroll += m_scroll - newest;
    m_scroll = newest;
    paintNewCounts();
}

void CountBoard::paintNewCounts()
{
    m_frame.stop();
    m_sincePainted.start();
    const int by = int(std::lround(m_unpaintedScroll));
    if (m_repaintAll || std::abs(by) >= rowsArea().height()) {
        update();
    } else {
        if (by != 0)
            scroll(0, by, rowsArea());
        for (int k : std::as_const(m_unpainted))
            updateCell(k);
    }
    m_unpainted.clear();
    m_unpaintedScroll = 0;
    m_repaintAll = false;
}

double CountBoard::measure(const QString &number)
{
    double width = 0;
    for (QChar c : number) {
        auto found = m_advances.constFind(c);
        if (found == m_advances.constEnd())
            found = m_advances.insert(c, m_measure.horizontalAdvance(c) / measuredPixels);
        width += *found;
    }
    return width;
}

void CountBoard::clear()
{
    m_numbers.clear();
    m_widest = 0;
    m_marks.clear();
    relayout();
    update();
    emit marksChanged();
}

void CountBoard::setRowLength(int rowLength)
{
    rowLength = clampedRowLength(rowLength);
    if (rowLength == m_layout.rowLength)
        return;
    m_marks.reflow(rowLength, count());
    m_layout.rowLength = rowLength;
    relayout();
    update();
}

void CountBoard::clearMarks()
{
    m_marks.clear();
    update();
    emit marksChanged();
}

void CountBoard::tapAt(QPointF point)
{
    if (const int column = m_layout.headAt(point); column >= 0)
        m_marks.toggleColumn(column, count());
    else if (const int k = m_layout.countAt(point, m_scroll); k >= 0)
        m_marks.toggleCircle(k);
    else
        return;
    update();
    emit marksChanged();
}

void CountBoard::setNewestHidden(bool hidden)
{
    if (hidden == m_newestHidden)
        return;
    m_newestHidden = hidden;
    updateCell(count() - 1);
}

void CountBoard::setHushed(Hushed hushed)
{
    m_hushed = std::move(hushed);
    update();
}

void CountBoard::setRevealedThrough(int k)
{
    if (k == m_revealedThrough)
        return;
    m_revealedThrough = k;
    if (m_hushed)
        update();
}

QString CountBoard::shownText(int k) const
{
    if (k < 0 || k >= count() || (m_newestHidden && k == count() - 1))
        return {};
    if (k > m_revealedThrough && m_hushed && m_hushed(k))
        return QStringLiteral("?");
    return m_numbers[k];
}

void CountBoard::setColours(const QColor &text, const QColor &background)
{
    if (text == m_text && background == m_background)
        return;
    m_text = text;
    m_background = background;
    update();
}

void CountBoard::scrollBy(double pixels)
{
    const double scroll = std::clamp(m_scroll + pixels, 0.0, std::max(m_scroll, m_layout.newestRowScroll()));
    if (scroll == m_scroll)
        return;
    m_scroll = scroll;
    update(rowsArea());
}

void CountBoard::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void CountBoard::paintEvent(QPaintEvent *event)
{
    // Painted at the rows' new place, this area would move again with the
    // scroll still to come: the rows are painted whole instead.
    if (m_unpaintedScroll != 0)
        m_repaintAll = true;
    useGlyphsOfTheLayout();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, m_background);
    QColor shade = m_text;
    shade.setAlpha(shadeAlpha);

    painter.setPen(m_text);
    painter.setFont(numberFont(BoardLayout::headHeight * 0.4));
    for (int column = 0; column < m_layout.rowLength; ++column) {
        const QRectF head = m_layout.headRect(column);
        if (!head.intersects(dirty))
            continue;
        if (m_marks.isColumnShaded(column))
            painter.fillRect(head, shade);
        painter.drawText(head, Qt::AlignCenter, QString::number(column + 1));
    }
    painter.drawLine(QPointF(0, BoardLayout::headHeight - 0.5), QPointF(width(), BoardLayout::headHeight - 0.5));

    const QRect rows = rowsArea().intersected(dirty);
    if (rows.isEmpty() || count() == 0)
        return;
    painter.setClipRect(rows);
    QPen circle(m_text, std::max(2.0, m_layout.fontPixels / 12));
    const double cellHeight = m_layout.cell.height();
    const int firstRow = std::max(0, int((rows.top() - BoardLayout::headHeight + m_scroll) / cellHeight));
    const int lastRow = std::min(m_layout.rows - 1, int((rows.bottom() - BoardLayout::headHeight + m_scroll) / cellHeight));
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int k = row * m_layout.rowLength, end = k + m_layout.countsInRow(row); k < end; ++k) {
            const QRectF cell = m_layout.cellRect(k, m_scroll);
            if (!cell.intersects(rows))
                continue;
            if (m_marks.isShaded(k))
                painter.fillRect(cell, shade);
            drawNumber(painter, cell, shownText(k));
            if (m_marks.isCircled(k)) {
                // Round at the ends and straight along the number: an
                // ellipse would cut the corners of a long one.
                painter.setPen(circle);
                painter.setBrush(Qt::NoBrush);
                const double inset = circle.widthF();
                const QRectF ring = cell.adjusted(inset, inset, -inset, -inset);
                painter.drawRoundedRect(ring, ring.height() / 2, ring.height() / 2);
            }
        }
    }
}

void CountBoard::useGlyphsOfTheLayout()
{
    if (m_glyphPixels == m_layout.fontPixels && m_glyphColour == m_text)
        return;
    m_glyphs.clear();
    m_glyphPixels = m_layout.fontPixels;
    m_glyphColour = m_text;
    m_glyphMetrics = QFontMetricsF(numberFont(m_glyphPixels));
}

// A glyph's picture holds its ink and no more: most of a cell is background,
// and every pixel of a picture is blended each time it is copied.
const CountBoard::Glyph &CountBoard::glyph(QChar c)
{
    auto found = m_glyphs.constFind(c);
    if (found != m_glyphs.constEnd())
        return *found;
    const qreal scale = devicePixelRatioF();
    const QRect ink = m_glyphMetrics.boundingRect(c).toAlignedRect().adjusted(-1, -1, 1, 1);
    QPixmap picture(ink.size() * scale);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(numberFont(m_glyphPixels));
    painter.setPen(m_text);
    painter.drawText(-ink.topLeft(), QString(c));
    return *m_glyphs.insert(c, Glyph{picture, ink.topLeft()});
}

// The number centred in its cell, a copy of each of its glyphs in turn, each
// on whole pixels.
void CountBoard::drawNumber(QPainter &painter, const QRectF &cell, const QString &text)
{
    double width = 0;
    for (QChar c : text)
        width += m_glyphMetrics.horizontalAdvance(c);
    double x = cell.center().x() - width / 2;
    const int baseline = int(std::round(cell.center().y() - m_glyphMetrics.height() / 2 + m_glyphMetrics.ascent()));
    for (QChar c : text) {
        const Glyph &drawn = glyph(c);
        painter.drawPixmap(QPoint(int(std::round(x)), baseline) + drawn.offset, drawn.picture);
        x += m_glyphMetrics.horizontalAdvance(c);
    }
}

void CountBoard::pressAt(QPointF point)
{
    m_pressAt = point;
    m_pressScroll = m_scroll;
    m_dragging = false;
}

void CountBoard::dragTo(QPointF point)
{
    const double moved = point.y() - m_pressAt.y();
    if (!m_dragging && std::abs(moved) < dragDistance)
        return;
    m_dragging = true;
    scrollBy(m_pressScroll - moved - m_scroll);
}

void CountBoard::releaseAt(QPointF point)
{
    if (!m_dragging)
        tapAt(point);
    m_dragging = false;
}

void CountBoard::scrollByNotches(double notches)
{
    scrollBy(-notches * m_layout.cell.height());
}

void CountBoard::mousePressEvent(QMouseEvent *event)
{
    pressAt(event->position());
}

void CountBoard::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        dragTo(event->position());
}

void CountBoard::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        releaseAt(event->position());
}

void CountBoard::wheelEvent(QWheelEvent *event)
{
    scrollByNotches(event->angleDelta().y() / 120.0);
    event->accept();
}
