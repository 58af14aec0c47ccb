#pragma once

#include "output/graphs/GraphPlan.h"

#include <QChart>

// Axis numbers and titles, and the legend: large enough to read from the back of a room on
// screen, their usual size on paper.
inline constexpr int screenAxisPoints = 16;
inline constexpr int printedAxisPoints = 11;

// A new chart showing the plan: the series of its kind on the plan's two
// scales, the horizontal one titled "Time". The caller owns it.
QChart *buildChart(const GraphPlan &plan);

// Sets the size of every axis's numbers and title and of the legend, and lays the chart out
// again at once, so that it can be drawn straight away.
void setAxisPoints(QChart &chart, int points);
