#pragma once

// The square picture buttons of the toolbars and strips: an SVG icon of about
// 30 pixels, no caption, the tooltip, translated in the "IconButton" context,
// also given as accessible name.

#include <QPushButton>

inline constexpr int iconButtonIconPixels = 30;

// A picture button that can also show its name under the picture.
class IconButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    void setCaptionShown(bool shown);
    bool isCaptionShown() const { return m_captionShown; }
    // The caption's two lines, at the button's font.
    int captionHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_captionShown = false;
};

QPushButton *makeIconButton(QWidget *parent, const QString &name, const QString &tooltip, const QString &icon,
                            const QRect &geometry);

// A button of a window's strip: a 600-twip square at the given left (twips).
// Enter never presses it by accident: only a tap does.
inline constexpr double stripButtonSize = 600;  // twips
QPushButton *addStripButton(QWidget *strip, const QString &name, const QString &tooltip, const QString &icon,
                            double left);
