#include "ui/globe_painter.h"

#include "ui/thinned_polyline.h"

#include "stars/star_colour.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ui {

namespace {

using globe::LineKind;

/// Dots up to this radius in pixels are stamped from a sprite; larger ones drawn as ellipses.
constexpr int kSpriteMaxQuarterPixels = 4 * 12;
/// Smallest dot radius in pixels, so that the faintest stars stay visible.
constexpr double kMinDotRadius = 0.6;
/// Opacity of what lies on the far side of the globe.
constexpr double kFarSideOpacity = 0.22;
/// Largest dot radius in pixels of a star seen through the globe: a faint point, not a disc that
/// hides the near side's stars and lines.
constexpr double kFarSideMaxDotRadius = 1.2;

struct Look
{
    QColor background, disc, rim, star;
};

/// From inside the sky; from outside the printed paper, white or (`dark`) the dark blue ground.
Look lookFor(bool inside, bool dark)
{
    if (inside)
        return {QColor(70, 74, 82), QColor(10, 16, 40), QColor(90, 110, 160), QColor(255, 250, 225)};
    if (dark)
        return {QColor(70, 74, 82), QColor(16, 30, 68), QColor(90, 110, 160), QColor(255, 255, 255)};
    return {QColor(70, 74, 82), QColor(250, 248, 240), QColor(40, 40, 40), QColor(15, 15, 20)};
}

/// Share of each channel a tinted star keeps on white paper, as the printed templates darken it.
constexpr double kTintOnWhite = 0.55;

/// `inside`: the pens for a dark disc (the sky from inside, or the dark ground from outside).
QPen penFor(LineKind kind, bool inside)
{
    // Sky lines are many: one pixel wide, they take the raster engine's fast cosmetic stroker.
    QColor colour;
    qreal width = 1.0;
    Qt::PenStyle style = Qt::SolidLine;
    switch (kind) {
    case LineKind::GoreOutline: colour = inside ? QColor(110, 170, 255) : QColor(25, 90, 200); width = 1.5; break;
    case LineKind::PlateOutline: colour = inside ? QColor(255, 120, 110) : QColor(200, 40, 30); width = 1.8; break;
    case LineKind::FaceEdge: colour = inside ? QColor(110, 170, 255) : QColor(25, 90, 200); width = 1.5; break;
    case LineKind::Figure: colour = inside ? QColor(120, 220, 160) : QColor(30, 140, 80); break;
    case LineKind::Boundary: colour = inside ? QColor(200, 150, 230) : QColor(140, 80, 170); style = Qt::DotLine; break;
    case LineKind::Grid: colour = inside ? QColor(130, 140, 170) : QColor(150, 150, 160); break;
    case LineKind::Ecliptic: colour = inside ? QColor(255, 200, 90) : QColor(210, 130, 10); break;
    case LineKind::Galactic: colour = inside ? QColor(215, 170, 235) : QColor(150, 80, 170); style = Qt::DashLine; break;
    }
    QPen pen(colour, width, style, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

QColor faded(QColor c, const Look& look)
{
    // Mixed into the disc rather than drawn translucent, so that crossing lines do not darken.
    const double a = kFarSideOpacity;
    return QColor::fromRgbF(static_cast<float>(a * c.redF() + (1 - a) * look.disc.redF()),
                            static_cast<float>(a * c.greenF() + (1 - a) * look.disc.greenF()),
                            static_cast<float>(a * c.blueF() + (1 - a) * look.disc.blueF()));
}

constexpr std::array kLineOrder{LineKind::Grid,        LineKind::Ecliptic,    LineKind::Galactic,
                                LineKind::Boundary,    LineKind::Figure,      LineKind::GoreOutline,
                                LineKind::FaceEdge,    LineKind::PlateOutline};

} // namespace

const QImage& GlobePainter::dotSprite(int quarterPixels, QRgb colour)
{
    const quint64 key = (static_cast<quint64>(colour) << 16) | static_cast<quint64>(quarterPixels);
    auto found = m_sprites.find(key);
    if (found != m_sprites.end())
        return found->second;
    const double r = quarterPixels / 4.0;
    const int side = static_cast<int>(std::ceil(2.0 * r)) + 2;
    QImage sprite(side, side, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    {
        QPainter p(&sprite);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgba(colour));
        p.drawEllipse(QPointF(side / 2.0, side / 2.0), r, r);
    }
    return m_sprites.emplace(key, std::move(sprite)).first->second;
}

void GlobePainter::drawRun(QPainter& painter, const QRectF& visible)
{
    // The pieces' outlines are sampled for the largest zoom, and each point of a wide antialiased
    // line costs its stroke: the points a chord covers to a fifth of a pixel are left out, and so
    // are the stretches wholly outside the picture.
    thinPolyline(m_points, m_drawn);
    qsizetype from = 0;
    const auto flush = [&](qsizetype to) {
        if (to > from)
            painter.drawPolyline(m_drawn.constData() + from, static_cast<int>(to - from + 1));
    };
    for (qsizetype i = 1; i < m_drawn.size(); ++i) {
        const QPointF &a = m_drawn[i - 1], &b = m_drawn[i];
        const bool outside = std::max(a.x(), b.x()) < visible.left() || std::min(a.x(), b.x()) > visible.right()
                             || std::max(a.y(), b.y()) < visible.top() || std::min(a.y(), b.y()) > visible.bottom();
        if (outside) {
            flush(i - 1);
            from = i;
        }
    }
    flush(m_drawn.size() - 1);
}

void GlobePainter::drawStars(QPainter& painter, const globe::GlobeModel& model,
                             const globe::GlobeProjection& projection, bool facing, QRgb colour,
                             const std::array<QRgb, stars::kColourTableRows>* tints, int width, int height)
{
    const double minR = kMinDotRadius;
    const double maxR = facing ? std::numeric_limits<double>::infinity() : kFarSideMaxDotRadius;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(colour));
    const bool tinted = tints && model.colourIndices.size() == model.stars.size();
    // A dot is printed on the sphere: none reaches past the globe's edge. The few dots that
    // cross it are drawn last, clipped to the disc.
    m_edgeDots.clear();
    m_edgeColours.clear();
    const auto drawDot = [&](double x, double y, double r, QRgb dot) {
        const int quarters = static_cast<int>(std::lround(r * 4.0));
        if (quarters <= kSpriteMaxQuarterPixels) {
            const QImage& sprite = dotSprite(quarters, dot);
            painter.drawImage(QPoint(static_cast<int>(std::lround(x - sprite.width() / 2.0)),
                                     static_cast<int>(std::lround(y - sprite.height() / 2.0))),
                              sprite);
        } else {
            painter.setBrush(QColor::fromRgba(dot));
            painter.drawEllipse(QPointF(x, y), r, r);
        }
    };
    for (std::size_t i = 0; i < model.stars.size(); ++i) {
        const globe::GlobeStar& star = model.stars[i];
        const globe::ScreenPoint s = globe::project(projection, star.direction);
        if (s.facing != facing)
            continue;
        const double r = std::clamp(star.radius * projection.scale, minR, maxR);
        if (s.x + r < 0 || s.y + r < 0 || s.x - r > width || s.y - r > height)
            continue;
        QRgb dot = colour;
        if (tinted && model.colourIndices[i])
            dot = (*tints)[static_cast<std::size_t>(stars::starColourRow(*model.colourIndices[i]))];
        if (std::hypot(s.x - projection.centreX, s.y - projection.centreY) + r > projection.scale) {
            m_edgeDots.append(QVector3D(float(s.x), float(s.y), float(r)));
            m_edgeColours.append(dot);
        } else {
            drawDot(s.x, s.y, r, dot);
        }
    }
    if (m_edgeDots.isEmpty())
        return;
    QPainterPath disc;
    disc.addEllipse(QPointF(projection.centreX, projection.centreY), projection.scale, projection.scale);
    painter.save();
    painter.setClipPath(disc);
    for (qsizetype i = 0; i < m_edgeDots.size(); ++i)
        drawDot(m_edgeDots[i].x(), m_edgeDots[i].y(), m_edgeDots[i].z(), m_edgeColours[i]);
    painter.restore();
}

void GlobePainter::paint(QPainter& painter, const globe::GlobeModel& model, const globe::GlobeProjection& projection,
                         int width, int height, bool inside)
{
    const Look look = lookFor(inside, model.darkGround);
    const bool darkDisc = inside || model.darkGround;
    painter.save();
    painter.fillRect(QRect(0, 0, width, height), look.background);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(projection.centreX, projection.centreY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.disc);
    painter.drawEllipse(centre, projection.scale, projection.scale);

    // Each line in runs of points on one side; a run ends on the first point of the other side,
    // so the line stays joined where it crosses the rim.
    const QRectF frame(-width, -height, 3.0 * width, 3.0 * height);
    const QRectF visible(-4.0, -4.0, width + 8.0, height + 8.0); // the picture and a pen's width round it
    for (const bool facing : {false, true}) {
        for (const LineKind kind : kLineOrder) {
            QPen pen = penFor(kind, darkDisc);
            if (!facing)
                pen.setColor(faded(pen.color(), look));
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            for (const globe::GlobeLine& line : model.lines) {
                if (line.kind != kind)
                    continue;
                m_points.clear();
                bool inRun = false;
                for (const sky::Vector3& v : line.points) {
                    const globe::ScreenPoint s = globe::project(projection, v);
                    if (s.facing == facing) {
                        inRun = true;
                        m_points.append(QPointF(s.x, s.y));
                    } else {
                        if (inRun) {
                            m_points.append(QPointF(s.x, s.y));
                            if (m_points.size() >= 2 && frame.intersects(QPolygonF(m_points).boundingRect()))
                                drawRun(painter, visible);
                        }
                        m_points.clear();
                        m_points.append(QPointF(s.x, s.y)); // the next run starts from here
                        inRun = false;
                    }
                }
                if (inRun && m_points.size() >= 2)
                    drawRun(painter, visible);
            }
        }
        const QColor star = facing ? look.star : faded(look.star, look);
        // The star colour table as this side shows it: darkened on white paper, faded on the far side.
        std::array<QRgb, stars::kColourTableRows> tints{};
        for (int row = 0; row < stars::kColourTableRows; ++row) {
            const stars::Srgb c = stars::starColourAt(row);
            const double keep = darkDisc ? 1.0 : kTintOnWhite;
            const QColor tint(static_cast<int>(std::lround(c.r * keep)), static_cast<int>(std::lround(c.g * keep)),
                              static_cast<int>(std::lround(c.b * keep)));
            tints[static_cast<std::size_t>(row)] = (facing ? tint : faded(tint, look)).rgba();
        }
        drawStars(painter, model, projection, facing, star.rgba(), &tints, width, height);
    }

    QFont font = painter.font();
    font.setPixelSize(std::clamp(static_cast<int>(projection.scale / 28.0), 9, 16));
    painter.setFont(font);
    for (const globe::GlobeLabel& label : model.labels) {
        const globe::ScreenPoint s = globe::project(projection, label.at);
        if (!s.facing || s.x < -200 || s.y < -50 || s.x > width + 200 || s.y > height + 50)
            continue;
        const bool name = label.kind == globe::LabelKind::ConstellationName;
        painter.setPen(name ? penFor(LineKind::Figure, darkDisc).color() : look.star);
        const QString text = QString::fromStdString(label.text);
        const QRectF box(s.x - 150.0, name ? s.y - 10.0 : s.y + 2.0, 300.0, 20.0);
        painter.drawText(box, Qt::AlignHCenter | (name ? Qt::AlignVCenter : Qt::AlignTop), text);
    }

    painter.setPen(QPen(look.rim, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, projection.scale, projection.scale);
    painter.restore();
}

} // namespace ui
