// Piece labels of packed kits: each lies wholly inside its piece and clear of every dot, line and
// other text of it, so nothing of a neighbouring piece on the sheet can reach it either.
#include "export/export_options.h"
#include "export/export_templates.h"
#include "export/label_placement.h"
#include "qt_app.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using exporter::LabelBox;

QRectF rectOf(const LabelBox& b) { return QRectF(QPointF(b.left, b.top), QPointF(b.right, b.bottom)); }

QPointF qt(const scene::Point& p) { return QPointF(p.x, p.y); }

/// Whether the line a–b comes within `pad` of `box`: points along it a hundredth of a millimetre apart.
bool lineTouches(const scene::Point& a, const scene::Point& b, double pad, const QRectF& box)
{
    const QRectF grown = box.adjusted(-pad, -pad, pad, pad);
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const int steps = std::max(1, static_cast<int>(length / 0.001));
    for (int i = 0; i <= steps; ++i)
        if (grown.contains(QLineF(qt(a), qt(b)).pointAt(static_cast<double>(i) / steps)))
            return true;
    return false;
}

/// Where the application's font puts ink for the upright text `t`, cm: measured at 1000 dpi.
QRectF inkOf(const scene::Text& t)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(39370);
    device.setDotsPerMeterY(39370);
    QFont font;
    font.setPointSizeF(t.sizePt);
    const QFontMetricsF metrics(font, &device);
    const QString text = QString::fromStdString(t.text);
    const double advance = metrics.horizontalAdvance(text);
    const double dx = t.anchor == scene::Anchor::Start ? 0.0 : t.anchor == scene::Anchor::Middle ? -advance / 2 : -advance;
    const QRectF ink = metrics.tightBoundingRect(text).translated(dx, 0.0);
    const double cm = 2.54 / 1000.0;
    return QRectF(t.at.x + ink.left() * cm, t.at.y + ink.top() * cm, ink.width() * cm, ink.height() * cm);
}

/// What the label `label` of `s` touches, described; empty when it touches nothing.
std::string collisionsOf(const scene::Scene& s, const scene::Text& label)
{
    const QRectF box = rectOf(exporter::textBox(label));
    std::string found;
    // The box taken for the label holds the letters as they are drawn.
    if (label.rotationDeg == 0.0 && !box.contains(inkOf(label)))
        found += " letters beyond its box";
    bool inOutline = false;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items) {
            if (const auto* d = std::get_if<scene::Dot>(&item)) {
                const double r = std::max(d->radius, scene::kMinPrintRadius);
                const double nx = std::clamp(d->centre.x, box.left(), box.right());
                const double ny = std::clamp(d->centre.y, box.top(), box.bottom());
                if (std::hypot(d->centre.x - nx, d->centre.y - ny) < r)
                    found += " dot of " + std::string(scene::roleName(d->role));
            } else if (const auto* t = scene::itemIf<scene::Text>(&item)) {
                if (t != &label && rectOf(exporter::textBox(*t)).intersects(box))
                    found += " text \"" + t->text + "\"";
            } else if (const auto* p = scene::itemIf<scene::Path>(&item); p && !p->fill) {
                for (const auto& run : p->runs) {
                    const std::size_t n = run.size(), segments = n < 2 ? 0 : p->closed ? n : n - 1;
                    for (std::size_t i = 0; i < segments; ++i)
                        if (lineTouches(run[i], run[(i + 1) % n], 0.005, box)) {
                            found += " line of " + std::string(scene::roleName(p->role));
                            break;
                        }
                    if (p->role == scene::Role::CutOutline) {
                        QPolygonF ring;
                        for (const scene::Point& q : run)
                            ring << qt(q);
                        inOutline = inOutline
                                    || (ring.containsPoint(box.topLeft(), Qt::OddEvenFill)
                                        && ring.containsPoint(box.topRight(), Qt::OddEvenFill)
                                        && ring.containsPoint(box.bottomLeft(), Qt::OddEvenFill)
                                        && ring.containsPoint(box.bottomRight(), Qt::OddEvenFill));
                    }
                }
            }
        }
    if (!inOutline)
        found += " outside its cut outline";
    return found;
}

struct Kit
{
    const char* name;
    std::vector<std::string> args;
};

const Kit kKits[] = {
    {"whole globe of 8 gores on A4", {"gores", "--k", "all", "--hemisphere", "both", "--plates", "both", "--paper", "a4"}},
    {"12 gores, R = 20 cm, deep stars, on A3",
     {"gores", "--k", "all", "--n", "12", "--radius", "20", "--faintest", "9", "--plates", "both", "--paper", "a3"}},
    {"whole gores with the grid", {"gores", "--k", "all", "--whole-gores", "--grid", "15", "--paper", "a4"}},
    {"soccer ball faces on A4", {"faces", "--face", "all", "--paper", "a4"}},
    {"soccer ball faces, R = 6 cm, with tabs and edges", {"faces", "--face", "all", "--radius", "6", "--edges", "--paper", "letter"}},
};

TEST(LabelPlacement, PieceLabelsTouchNothingOnPackedSheets)
{
    for (const Kit& kit : kKits) {
        SCOPED_TRACE(kit.name);
        const exporter::TemplateList templates = exporter::drawExportTemplates(exporter::parseExportOptions(kit.args));
        ASSERT_FALSE(templates.empty());
        int labels = 0;
        for (const exporter::TemplateDrawing& t : templates)
            for (const scene::Layer& layer : t.scene.layers)
                for (const scene::Item& item : layer.items)
                    if (const auto* label = scene::itemIf<scene::Text>(&item); label && label->role == scene::Role::PieceLabel) {
                        ++labels;
                        EXPECT_EQ(collisionsOf(t.scene, *label), "") << t.caption << ": \"" << label->text << "\"";
                    }
        EXPECT_GE(labels, static_cast<int>(templates.size()));
    }
}

/// A 10 cm square piece full of stars 0.15 cm apart, 0.6 cm apart right of x = 6: nowhere clear;
/// its label in the crowd.
scene::Scene crowdedPiece()
{
    scene::Scene s;
    s.width = s.height = 10.0;
    scene::Path cut;
    cut.role = scene::Role::CutOutline;
    cut.closed = true;
    cut.runs = {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
    s.layer(scene::layers::kCut, scene::LayerKind::Cut).items.emplace_back(cut);
    for (double x = 0.3; x < 9.8; x += 0.15)
        for (double y = 0.3; y < 9.8; y += 0.15)
            if (x < 6.0 || (std::fmod(x, 0.6) < 0.1 && std::fmod(y, 0.6) < 0.1))
                s.layer(scene::layers::kStars).items.emplace_back(scene::Dot{scene::Role::Star, -1, {x, y}, 0.03});
    scene::Text label;
    label.role = scene::Role::PieceLabel;
    label.at = {4.5, 5.0};
    label.anchor = scene::Anchor::Middle;
    label.sizePt = 7.0;
    label.text = "3/8 N 5h15m";
    s.layer(scene::layers::kLabels).items.emplace_back(label);
    return s;
}

TEST(LabelPlacement, CrowdedPieceLabelTouchesFewerItems)
{
    scene::Scene s = crowdedPiece();
    const scene::Text label = scene::itemAs<scene::Text>(s.find(scene::layers::kLabels)->items.front());
    const auto touching = [&s](const scene::Text& t) { // stars touched
        const std::string found = collisionsOf(s, t);
        int n = 0;
        for (std::size_t at = found.find("dot of"); at != std::string::npos; at = found.find("dot of", at + 1))
            ++n;
        return n;
    };
    const auto before = touching(label);
    exporter::placePieceLabels(s);
    const auto& placed = scene::itemAs<scene::Text>(s.find(scene::layers::kLabels)->items.front());
    EXPECT_GT(placed.at.x, label.at.x);
    EXPECT_LT(touching(placed), before);
    EXPECT_EQ(collisionsOf(s, placed).find("outside"), std::string::npos);
}

TEST(LabelPlacement, DotsOfNoPlaceOrWiderThanTheSheetLeaveTheSearchAsItWas)
{
    // A dot with no number for a place touches no spot; one wider than the sheet touches every
    // spot alike: either way the label goes where it goes without them.
    scene::Scene plain = crowdedPiece();
    exporter::placePieceLabels(plain);
    const scene::Point expected = scene::itemAs<scene::Text>(plain.find(scene::layers::kLabels)->items.front()).at;
    const scene::Dot odd[] = {{scene::Role::Star, -1, {std::nan(""), 5.0}, 0.03},
                              {scene::Role::Star, -1, {5.0, 5.0}, 1e12}};
    for (const scene::Dot& dot : odd) {
        SCOPED_TRACE(testing::Message() << "dot at " << dot.centre.x << ", radius " << dot.radius);
        scene::Scene s = crowdedPiece();
        s.layer(scene::layers::kStars).items.emplace_back(dot);
        exporter::placePieceLabels(s);
        const scene::Point at = scene::itemAs<scene::Text>(s.find(scene::layers::kLabels)->items.front()).at;
        EXPECT_EQ(at.x, expected.x);
        EXPECT_EQ(at.y, expected.y);
    }
}

} // namespace
