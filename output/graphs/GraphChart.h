#pragma once

#include "output/graphs/GraphPlan.h"

#include <QChart>

// Axis numbers and titles, and the legend: large enough to read from the back of a room on
// screen, their usual size on paper.
inline constexpr int screenAxisPoints = 16;
inline constexpr int printedAxisPoints = 11;

// A new chart showing the plan: the series of its kind on the plan's two
// scales, the horizontal one titled "Time". The caller owns it. A line of
// more points than drawnSize has pixels across holds only the points its
// drawing at that size needs; without a size it holds every point.
QChart *buildChart(const GraphPlan &plan, QSize drawnSize = {});

// Sets the size of every axis's numbers and title and of the legend, and lays the chart out
// again at once, so that it can be drawn straight away.
void setAxisPoints(QChart &chart, int points);
