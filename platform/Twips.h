#pragma once

// Window geometry is given in twips: 1440 per inch, 96 logical pixels per
// inch, so 15 twips to a logical pixel.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

inline constexpr double twipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return int(std::lround(twips / twipsPerPixel)); }
inline double pixelsToTwips(int pixels) { return pixels * twipsPerPixel; }
inline QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
inline QPoint twipsPoint(double left, double top) { return QPoint(twipsToPixels(left), twipsToPixels(top)); }
inline QSize twipsSize(double width, double height) { return QSize(twipsToPixels(width), twipsToPixels(height)); }
