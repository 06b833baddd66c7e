#pragma once

#include <QPointF>
#include <QVector>

namespace ui {

/// Pixels a left-out point of a preview line may lie off the chord drawn in its place.
inline constexpr double kChordTolerance = 0.2;
/// Most points one chord may stand for, so that a long straight run costs linear time.
inline constexpr int kMostCovered = 48;

/// `run` into `out` without the points that lie within kChordTolerance of the chord drawn past
/// them (each chord standing for at most kMostCovered points); the ends and corners stay.
void thinPolyline(const QVector<QPointF>& run, QVector<QPointF>& out);

} // namespace ui
