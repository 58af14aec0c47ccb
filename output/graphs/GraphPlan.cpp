#include "output/graphs/GraphPlan.h"

#include "engine/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

struct CountLimits {
    int line;
    int bar;
};
constexpr CountLimits oneCounterLimits{3797, 200};
constexpr CountLimits twoCounterLimits{1898, 100};
constexpr int fewestCounts = 2;
// Line graphs of up to this many counts draw a marker at every point.
constexpr int mostCountsWithMarkers = 25;

constexpr double firstLeftMargin = 400;    // twips
constexpr double firstTopMargin = 200;     // twips

Scale pointScale(int countIndex)
{
    const int spacing = labelSpacing(countIndex);
    Scale scale{-0.5, countIndex + 0.5, {}};
    for (int k = 0; k <= countIndex; k += spacing)
        scale.labels.append({double(k), QString::number(k + 1)});
    return scale;
}

// Room beyond the outer ticks, so that no line or marker is cut by the
// plot's edge (a flat line at the lowest tick included).
Scale withRoom(Scale scale)
{
    const double room = (scale.high - scale.low) / 25;
    if (std::isfinite(room)) {
        scale.low -= room;
        scale.high += room;
    }
    return scale;
}

} // namespace

int labelSpacing(int countIndex)
{
    int tenths = countIndex / 10;
    const int rest = countIndex % 10;
    if (rest > 5 || (rest == 5 && tenths % 2 == 1))
        ++tenths;
    return std::max(tenths, 1);
}

std::optional<Message> graphRefusal(GraphKind kind, int counterCount, int countIndex)
{
    if (countIndex < fewestCounts)
        return Messages::notEnoughToGraph();
    const CountLimits &limits = counterCount == 1 ? oneCounterLimits : twoCounterLimits;
    if (kind == GraphKind::Line && countIndex > limits.line)
        return Messages::tooManyToGraph();
    if (kind == GraphKind::Bar && countIndex > limits.bar)
        return Messages::tooManyForBars();
    return std::nullopt;
}

GraphPlan planGraph(const CountingSession &session, GraphKind kind)
{
    const int n = session.countIndex;
    const auto values = [n](const std::unique_ptr<CountHistory> &history) {
        return std::span<const double>(history->data(), std::size_t(n) + 1);
    };

    GraphPlan plan{kind, {}, kind == GraphKind::Line && n <= mostCountsWithMarkers, pointScale(n), {}};
    if (session.counterCount == 1) {
        plan.series.append({QCoreApplication::translate("GraphPlan", "Counter"), values(session.history1), counter1Red, MarkerShape::Circle});
    } else {
        plan.series.append({QCoreApplication::translate("GraphPlan", "Counter 1"), values(session.history1), counter1Red, MarkerShape::Circle});
        plan.series.append({QCoreApplication::translate("GraphPlan", "Counter 2"), values(session.history2), counter2Blue, MarkerShape::Diamond});
    }

    // Bars stand on zero, so zero is always on their scale.
    double low = kind == GraphKind::Bar ? 0 : plan.series.front().values.front();
    double high = low;
    for (const GraphSeries &series : plan.series) {
        const auto [least, most] = std::minmax_element(series.values.begin(), series.values.end());
        low = std::min(low, *least);
        high = std::max(high, *most);
    }
    plan.vertical = withRoom(niceScale(low, high));
    return plan;
}

Scale niceScale(double low, double high)
{
    if (low == high) {
        const double opening = std::max(std::abs(low) / 10, 1.0);
        low -= opening;
        high += opening;
    }
    const Scale plain{low, high, {{low, numberToText(low)}, {high, numberToText(high)}}};

    constexpr double roughIntervals = 8;
    const double rough = (high - low) / roughIntervals;
    if (!std::isfinite(rough) || rough <= 0)
        return plain;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / magnitude;
    const double step = (fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10) * magnitude;
    // A value a hair beyond a tick by rounding still counts as on it.
    constexpr double fuzz = 1e-9;
    const double first = std::floor(low / step + fuzz);
    const double intervals = std::ceil(high / step - fuzz) - first;
    if (!std::isfinite(intervals) || intervals < 1 || intervals > 2 * roughIntervals)
        return plain;

    Scale scale{std::min(first * step, low), std::max((first + intervals) * step, high), {}};
    for (int k = 0; k <= int(intervals); ++k) {
        const double at = (first + k) * step + 0.0;  // + 0.0 turns -0 into 0
        // Values far larger than their spread leave no distinct round ticks.
        if (!scale.labels.isEmpty() && at <= scale.labels.last().at)
            return plain;
        scale.labels.append({at, numberToText(at)});
    }
    return scale;
}

TwipsGeometry firstGraphGeometry(const TwipsGeometry &mainWindow)
{
    return {mainWindow.left + firstLeftMargin, mainWindow.top + firstTopMargin,
            mainWindow.width - 2 * firstLeftMargin, mainWindow.height - 2 * firstTopMargin};
}
