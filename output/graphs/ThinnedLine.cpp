#include "output/graphs/ThinnedLine.h"

#include <cmath>
#include <limits>

QList<QPointF> thinnedLine(std::span<const double> values, double pixelsAcross, double pixelsUp, double tolerance)
{
    QList<QPointF> line;
    const auto point = [&](std::size_t k) { return QPointF(double(k), values[k]); };
    const bool drawable = std::isfinite(pixelsAcross) && std::isfinite(pixelsUp) && pixelsAcross > 0 && pixelsUp > 0;
    if (!drawable || values.size() < 3) {
        line.reserve(qsizetype(values.size()));
        for (std::size_t k = 0; k < values.size(); ++k)
            line.append(point(k));
        return line;
    }
    // From the last point kept, the slopes (in pixels) of the lines that pass
    // every point since within the tolerance: a single walk, however the
    // values run.
    constexpr double unbounded = std::numeric_limits<double>::infinity();
    std::size_t anchor = 0;
    double lowest = -unbounded;
    double highest = unbounded;
    const auto slopeTo = [&](std::size_t k) { return (values[k] - values[anchor]) * pixelsUp / (double(k - anchor) * pixelsAcross); };
    line.append(point(0));
    for (std::size_t k = 1; k < values.size(); ++k) {
        if (const double slope = slopeTo(k); slope < lowest || slope > highest) {
            anchor = k - 1;
            line.append(point(anchor));
            lowest = -unbounded;
            highest = unbounded;
        }
        const double slope = slopeTo(k);
        const double leeway = tolerance / (double(k - anchor) * pixelsAcross);
        lowest = std::max(lowest, slope - leeway);
        highest = std::min(highest, slope + leeway);
    }
    line.append(point(values.size() - 1));
    return line;
}
