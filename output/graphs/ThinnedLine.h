#pragma once

#include <QList>
#include <QPointF>

#include <span>

// The points of a line graph a drawing of it needs: value k stands at (k, value).
// A point is left out where the line from the last point kept to a later one
// passes within tolerance pixels of it, measured up and down, at the given
// pixels per step across and per unit up. The first and last points are always
// kept. Where the scale gives no pixels (a range too wide to draw), every
// point is kept.
QList<QPointF> thinnedLine(std::span<const double> values, double pixelsAcross, double pixelsUp, double tolerance);
