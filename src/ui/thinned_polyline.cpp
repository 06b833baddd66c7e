#include "ui/thinned_polyline.h"

namespace ui {

namespace {

/// Whether `q` lies within kChordTolerance of the chord a→b (squared distances: this runs for every point).
bool nearChord(const QPointF& q, const QPointF& a, const QPointF& b)
{
    constexpr double tolerance2 = kChordTolerance * kChordTolerance;
    const double abx = b.x() - a.x(), aby = b.y() - a.y(), aqx = q.x() - a.x(), aqy = q.y() - a.y();
    const double along = aqx * abx + aqy * aby, length2 = abx * abx + aby * aby;
    if (along <= 0.0 || length2 <= 0.0)
        return aqx * aqx + aqy * aqy <= tolerance2;
    if (along >= length2) {
        const double bqx = q.x() - b.x(), bqy = q.y() - b.y();
        return bqx * bqx + bqy * bqy <= tolerance2;
    }
    const double cross = abx * aqy - aby * aqx;
    return cross * cross <= tolerance2 * length2;
}

} // namespace

void thinPolyline(const QVector<QPointF>& run, QVector<QPointF>& out)
{
    out.clear();
    if (run.isEmpty())
        return;
    out.append(run.front());
    qsizetype anchor = 0;
    for (qsizetype i = 2; i < run.size(); ++i) {
        bool covered = i - anchor <= kMostCovered;
        for (qsizetype j = anchor + 1; covered && j < i; ++j)
            covered = nearChord(run[j], run[anchor], run[i]);
        if (!covered) {
            anchor = i - 1;
            out.append(run[anchor]);
        }
    }
    if (run.size() >= 2)
        out.append(run.back());
}

} // namespace ui
