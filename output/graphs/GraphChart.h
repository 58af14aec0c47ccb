#pragma once

#include "GraphPlan.h"

#include <QChart>

// A new chart showing the plan: the series of its kind on the plan's two
// scales, the horizontal one titled "Time". The caller owns it.
QChart *buildChart(const GraphPlan &plan);
