// Piece labels of packed kits: each lies wholly inside its piece and clear of every dot, line and
// other text of it, so nothing of a neighbouring piece on the sheet can reach it either.
#include "export/export_options.h"
#include "export/export_templates.h"
#include "export/label_placement.h"
#include "qt_app.h"

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

/// What the label `label` of `s` touches, described; empty when it touches nothing.
std::string collisionsOf(const scene::Scene& s, const scene::Text& label)
{
    const QRectF box = rectOf(exporter::textBox(label));
    std::string found;
    bool inOutline = false;
    for (const scene::Layer& layer : s.layers)
        for (const scene::Item& item : layer.items) {
            if (const auto* d = std::get_if<scene::Dot>(&item)) {
                const double r = std::max(d->radius, scene::kMinPrintRadius);
                const double nx = std::clamp(d->centre.x, box.left(), box.right());
                const double ny = std::clamp(d->centre.y, box.top(), box.bottom());
                if (std::hypot(d->centre.x - nx, d->centre.y - ny) < r)
                    found += " dot of " + std::string(scene::roleName(d->role));
            } else if (const auto* t = std::get_if<scene::Text>(&item)) {
                if (t != &label && rectOf(exporter::textBox(*t)).intersects(box))
                    found += " text \"" + t->text + "\"";
            } else if (const auto* p = std::get_if<scene::Path>(&item); p && !p->fill) {
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
                    if (const auto* label = std::get_if<scene::Text>(&item); label && label->role == scene::Role::PieceLabel) {
                        ++labels;
                        EXPECT_EQ(collisionsOf(t.scene, *label), "") << t.caption << ": \"" << label->text << "\"";
                    }
        EXPECT_GE(labels, static_cast<int>(templates.size()));
    }
}

TEST(LabelPlacement, TextBoxFollowsAnchorAndTurn)
{
    scene::Text t;
    t.at = {10.0, 5.0};
    t.sizePt = 72.0; // an em is 2.54 cm
    t.text = "ab";   // two narrow characters: 1.24 em
    const double width = 1.24 * 2.54;
    struct Case
    {
        scene::Anchor anchor;
        double turn, left, top, right, bottom;
    };
    const Case cases[] = {
        {scene::Anchor::Start, 0.0, 10.0, 5.0 - 0.8 * 2.54, 10.0 + width, 5.0 + 0.25 * 2.54},
        {scene::Anchor::Middle, 0.0, 10.0 - width / 2, 5.0 - 0.8 * 2.54, 10.0 + width / 2, 5.0 + 0.25 * 2.54},
        {scene::Anchor::End, 0.0, 10.0 - width, 5.0 - 0.8 * 2.54, 10.0, 5.0 + 0.25 * 2.54},
        // A quarter turn clockwise: the text runs down the page, the tops of its letters to the right.
        {scene::Anchor::Start, 90.0, 10.0 - 0.25 * 2.54, 5.0, 10.0 + 0.8 * 2.54, 5.0 + width},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.turn);
        t.anchor = c.anchor;
        t.rotationDeg = c.turn;
        const LabelBox b = exporter::textBox(t);
        EXPECT_NEAR(b.left, c.left, 1e-9);
        EXPECT_NEAR(b.top, c.top, 1e-9);
        EXPECT_NEAR(b.right, c.right, 1e-9);
        EXPECT_NEAR(b.bottom, c.bottom, 1e-9);
    }
}

} // namespace
