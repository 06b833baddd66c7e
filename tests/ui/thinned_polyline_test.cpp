// Thinning a preview line: the points a chord covers to a fifth of a pixel go, ends and corners stay.
#include "ui/thinned_polyline.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

double distanceToSegment(QPointF q, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(q - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF off = q - (a + t * ab);
    return std::hypot(off.x(), off.y());
}

} // namespace

class ThinnedPolylineTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsEndsCornersAndShape_data();
    void keepsEndsCornersAndShape();
};

void ThinnedPolylineTest::keepsEndsCornersAndShape_data()
{
    QTest::addColumn<QVector<QPointF>>("run");
    QTest::addColumn<int>("fewest"); // points drawn at least
    QTest::addColumn<int>("most");   // and at most

    QVector<QPointF> straight, corner, arc, zigzag;
    for (int i = 0; i < 100; ++i)
        straight.append(QPointF(i, 0.5 * i));
    for (int i = 0; i <= 20; ++i)
        corner.append(QPointF(i, 0));
    for (int i = 1; i <= 20; ++i)
        corner.append(QPointF(20, i));
    // A quarter of a 400-pixel circle every 0.25°: chords of 2·√(2·400·0.2) ≈ 25 px (3.6°) stay within 0.2 px.
    for (int i = 0; i <= 360; ++i)
        arc.append(QPointF(400 * std::cos(i * M_PI / 720), 400 * std::sin(i * M_PI / 720)));
    for (int i = 0; i < 30; ++i)
        zigzag.append(QPointF(i, i % 2));

    QTest::newRow("two points") << QVector<QPointF>{{0, 0}, {5, 5}} << 2 << 2;
    QTest::newRow("straight: a chord for each 48 points") << straight << 4 << 4; // 0, 48, 96, 99
    QTest::newRow("right angle: its corner stays") << corner << 3 << 3;
    QTest::newRow("quarter circle") << arc << 26 << 40;
    QTest::newRow("zigzag a pixel high: all stay") << zigzag << 30 << 30;
}

void ThinnedPolylineTest::keepsEndsCornersAndShape()
{
    QFETCH(QVector<QPointF>, run);
    QFETCH(int, fewest);
    QFETCH(int, most);
    QVector<QPointF> out;
    ui::thinPolyline(run, out);
    QVERIFY2(out.size() >= fewest && out.size() <= most, qPrintable(QString::number(out.size())));
    QCOMPARE(out.front(), run.front());
    QCOMPARE(out.back(), run.back());
    // Every point drawn is one of the run's, in order, and every point of the run lies near the line drawn.
    qsizetype at = 0;
    for (const QPointF& p : out) {
        while (at < run.size() && run[at] != p)
            ++at;
        QVERIFY(at < run.size());
    }
    for (const QPointF& q : run) {
        double nearest = 1e9;
        for (qsizetype i = 1; i < out.size(); ++i)
            nearest = std::min(nearest, distanceToSegment(q, out[i - 1], out[i]));
        QVERIFY2(nearest <= ui::kChordTolerance + 1e-9, qPrintable(QString::number(nearest)));
    }
}

QTEST_GUILESS_MAIN(ThinnedPolylineTest)
#include "thinned_polyline_test.moc"
