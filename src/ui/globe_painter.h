#pragma once

#include "globe/globe_model.h"
#include "globe/globe_projection.h"
#include "stars/star_colour.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QVector3D>
#include <QVector>

#include <array>
#include <unordered_map>

class QPainter;

namespace ui {

/// Draws a globe model through a projection: the disc, the lines and stars of the far side
/// showing faintly through it (stars as faint points), then those of the near side, the labels
/// and the rim; no star dot reaches past the globe's edge. From outside the globe looks like its
/// printed paper (dark dots on white, or light dots on the dark ground of GlobeModel::darkGround);
/// from inside like the sky (light dots on dark). Stars with a B−V in GlobeModel::colourIndices
/// take their colour from the star colour table. The preview window and the benchmark draw with it.
class GlobePainter
{
public:
    /// Paints `model` seen through `projection` onto `painter`, filling `width` × `height` pixels.
    void paint(QPainter& painter, const globe::GlobeModel& model, const globe::GlobeProjection& projection,
               int width, int height, bool inside);

private:
    const QImage& dotSprite(int quarterPixels, QRgb colour);
    void drawRun(QPainter& painter, const QRectF& visible);
    void drawStars(QPainter& painter, const globe::GlobeModel& model, const globe::GlobeProjection& projection,
                   bool facing, QRgb colour, const std::array<QRgb, stars::kColourTableRows>* tints, int width,
                   int height);

    /// Antialiased dots, one per radius in quarter pixels and colour.
    std::unordered_map<quint64, QImage> m_sprites;
    QVector<QPointF> m_points; ///< scratch buffer of one polyline run
    QVector<QPointF> m_drawn;  ///< the run with the points a chord covers left out
    QVector<QVector3D> m_edgeDots; ///< dots crossing the globe's edge: x, y and radius in pixels
    QVector<QRgb> m_edgeColours;   ///< the colour of each of m_edgeDots
};

} // namespace ui
