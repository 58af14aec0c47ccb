#pragma once

// Graphs of the counted values, from the pause dialog's Graph button:
//   Graphs (showLineGraph / showBarGraph)  checks the run against the limits,
//     → GraphPlan (this file)              decides what the graph shows: the
//                                          series, colours, markers and scales,
//     → buildChart (GraphChart)            turns the plan into a chart,
//     → GraphWindow                           shows it modally, prints it, saves
//                                          it as a bitmap, and switches
//                                          between line and bar graphs.
// This file knows nothing of widgets, so every rule here is tested plainly.

#include "engine/CountingSession.h"
#include "engine/Messages.h"

#include <QColor>
#include <QList>
#include <QString>

#include <optional>
#include <span>

enum class GraphKind { Line, Bar };
enum class MarkerShape { Circle, Diamond };

inline const QColor counter1Red{255, 0, 0};
inline const QColor counter2Blue{0, 0, 255};

// Every t-th point carries a label and a tick: t is N / 10 rounded half to
// even, at least 1.
int labelSpacing(int countIndex);

// The message refusing a graph of the run, or nothing when it can be drawn.
std::optional<Message> graphRefusal(GraphKind kind, int counterCount, int countIndex);

struct GraphSeries {
    QString name;
    std::span<const double> values;  // in counting order
    QColor colour;
    MarkerShape marker;
};

struct AxisLabel {
    double at;
    QString text;
};

// A scale from low to high, labelled at every tick, the outer ticks at or
// inside its ends.
struct Scale {
    double low;
    double high;
    QList<AxisLabel> labels;
};

struct GraphPlan {
    GraphKind kind;
    QList<GraphSeries> series;
    bool markers;
    // Point k (0-based) stands at k on the horizontal scale and is labelled k + 1.
    Scale horizontal;
    Scale vertical;
};

GraphPlan planGraph(const CountingSession &session, GraphKind kind);

// About five to ten round-numbered ticks from at or below low to at or above
// high; a range with no width is opened around its value.
Scale niceScale(double low, double high);

// The graph window's first place and size, in twips, from the main window's.
struct TwipsGeometry {
    double left;
    double top;
    double width;
    double height;
};
TwipsGeometry firstGraphGeometry(const TwipsGeometry &mainWindow);
