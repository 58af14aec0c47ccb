#pragma once

// One of the main window's two huge counters. Geometry is kept in twips, as
// the window lays it out, and mapped to pixels when applied, so repeated
// font steps never drift by rounding. A counter counts as hidden when its
// background colour equals its text colour: there is no other hidden flag.

#include <QLabel>

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

    double fontPoints() const { return font().pointSizeF(); }
    void setFontPoints(double points);

    QColor textColour() const;
    QColor backgroundColour() const;
    void setTextColour(const QColor &colour);
    void setBackgroundColour(const QColor &colour);
    bool isMasked() const { return textColour() == backgroundColour(); }

private:
    void applyGeometry();
    double m_top = 0;
    double m_height = 0;
    double m_width = 0;
};

// Hides a shown counter by painting its background in its text colour, or
// shows a hidden one on the window's background colour.
void toggleCounterMask(CounterLabel *label, const QColor &windowBackground);
