#pragma once

// One of the main window's two huge counters. Geometry is kept in twips, as
// the window lays it out, and mapped to pixels when applied, so repeated
// font steps never drift by rounding. A counter counts as hidden when its
// background colour equals its text colour: there is no other hidden flag.
// A number is never cut: a text wider than the part of the counter the
// class can see is drawn at the largest size at which it fits whole.

#include <QLabel>

#include <optional>

class CounterLabel : public QLabel {
    Q_OBJECT
public:
    static constexpr double left = 120;  // twips from the window's left interior edge

    CounterLabel(const QString &name, QWidget *parent);

    double topTwips() const { return m_top; }
    double heightTwips() const { return m_height; }
    double widthTwips() const { return m_width; }
    void setTopTwips(double top);
    void setHeightTwips(double height);
    void setWidthTwips(double width);
    // Places the counter in pixels, keeping its twips geometry for the next
    // twips setter.
    void placeAt(const QRect &area);
    // The part of the counter not covered or outside the window, in its own
    // coordinates; the whole counter unless set.
    void setVisibleArea(const QRect &area);

    double fontPoints() const { return font().pointSizeF(); }
    void setFontPoints(double points);
    // The size the text is drawn at: the font size, or less when the text
    // would not fit whole at it.
    double drawnFontPoints() const;
    // The largest size, up to points, at which text is no wider than width.
    double pointsFittingWidth(const QString &text, double width, double points) const;
    // The largest whole size at which digits are no taller than height.
    double pointsFittingDigitHeight(double height) const;

    QColor textColour() const;
    QColor backgroundColour() const;
    void setTextColour(const QColor &colour);
    void setBackgroundColour(const QColor &colour);
    bool isMasked() const { return textColour() == backgroundColour(); }

signals:
    // Its text or background colour was set, which may have hidden or shown it.
    void coloursChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct TextPlace {
        QFont font;
        QRect box;
    };
    TextPlace textPlace() const;
    void applyGeometry();
    std::optional<QRect> m_visibleArea;
    double m_top = 0;
    double m_height = 0;
    double m_width = 0;
};

// Hides a shown counter by painting its background in its text colour, or
// shows a hidden one on the window's background colour.
void toggleCounterMask(CounterLabel *label, const QColor &windowBackground);
