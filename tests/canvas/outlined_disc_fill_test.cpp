#include "canvas/outlined_disc_fill.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <random>
#include <vector>

using canvas::OutlinedDiscFill;

namespace {

constexpr QRgb kInk = 0xff0c2238; // qRgb(12, 34, 56)

QImage white(int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    image.fill(Qt::white);
    return image;
}

/// The reference: the painter's own aliased ellipse with a cosmetic pen and a brush of one colour.
void paint(QImage& image, double x, double y, double radius)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(kInk), 0));
    painter.setBrush(QColor::fromRgb(kInk));
    painter.drawEllipse(QPointF(x, y), radius, radius);
}

struct Dot
{
    double x, y, radius;
    int width, height;
    QImage::Format format = QImage::Format_RGB32;
};

/// Whether `dots` takes `dot`; one it takes must be as the painter paints it, one it leaves untouched.
bool takenAsPainted(OutlinedDiscFill& dots, const Dot& dot)
{
    SCOPED_TRACE(testing::Message() << std::setprecision(17) << "dot " << dot.x << ", " << dot.y << " r " << dot.radius
                                    << " in " << dot.width << " × " << dot.height);
    QImage ours = white(dot.width, dot.height, dot.format), theirs = white(dot.width, dot.height, dot.format);
    const bool taken = dots.fill(ours, dot.x, dot.y, dot.radius, kInk);
    if (taken)
        paint(theirs, dot.x, dot.y, dot.radius);
    EXPECT_TRUE(ours == theirs);
    return taken;
}

} // namespace

TEST(OutlinedDiscFill, SetsThePaintersPixelsOrNone)
{
    const struct { Dot dot; bool taken; } rows[] = {
        {{20.37, 18.71, 5.23, 96, 80}, true},
        {{47.123, 39.987, 31.4, 96, 80}, true},
        {{250.3, 251.7, 249.1, 502, 504}, true}, // as large as the picture takes, a pixel from every edge
        {{20.2, 20.0, 5.5, 96, 80}, true},       // its bottom point on row 25's centre line
        {{30.0, 30.5, 9.0, 96, 80}, true},       // centre on a whole and a half pixel
        {{20.3, 20.6, 1.0, 96, 80}, true},       // the smallest taken
        {{40000.3, 20.6, 7.2, 40020, 40}, true}, // far from the origin, its outlines found there
        {{20.3, 20.6, 0.99, 96, 80}, false},     // under a pixel
        {{3.1, 20.3, 5.0, 96, 80}, true},        // over the left edge: cut there as the painter cuts it
        {{90.5, 78.3, 5.0, 96, 80}, true},       // over the right and bottom edges
        {{-3.7, 40.2, 9.3, 96, 80}, true},       // its centre beside the picture
        {{-20.7, 40.2, 9.3, 96, 80}, true},      // wholly beside it: nothing set
        {{0.0, 40.2, 20.0, 96, 80}, false},      // quarters ending on the picture's edge: not sure
        {{20.5, 20.5, 6.5, 96, 80}, false},      // on whole pixels: the painter's other way
        {{20.5 + 1e-12, 20.5, 6.5, 96, 80}, false}, // all but on them: the painter may take them so
        {{20.37, 18.71, 5.23, 96, 80, QImage::Format_ARGB32_Premultiplied}, false},
        {{20.37, 18.71, 5.23, 96, 80, QImage::Format_BGR888}, false},
    };
    OutlinedDiscFill dots;
    for (const auto& row : rows)
        EXPECT_EQ(takenAsPainted(dots, row.dot), row.taken);
}

TEST(OutlinedDiscFill, NearlyEveryDotIsTakenAndTheSameAsPainted)
{
    // Radii of 1 to 250 pixels, as many of 1–2 as of 100–200, each used again as stars' are;
    // centres at random or on or beside whole and half pixels, radii too; pictures with 3 to 4
    // pixels to spare around the dot or 1 to 2, or cutting it at the left and top or the right
    // and bottom: by under a pixel, to about its centre, or beyond it.
    std::mt19937 random(11);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const auto near = [&](double v) {
        const double off[] = {0.0, 1e-9, -1e-9, 1.0 / 128, -1.0 / 128};
        return std::round(v * 2) / 2 + off[random() % 5];
    };
    std::vector<double> radii(2000);
    for (double& r : radii)
        r = std::exp(unit(random) * std::log(250.0));
    OutlinedDiscFill dots;
    int plain = 0, plainTaken = 0, snapped = 0, snappedTaken = 0, cut = 0, cutTaken = 0;
    const int count = 200000;
    for (int i = 0; i < count; ++i) {
        const bool snap = i % 4 == 0;
        Dot dot{0, 0, snap && i % 3 == 0 ? near(radii[i % radii.size()]) : radii[i % radii.size()], 0, 0};
        const double margins[] = {3, 1, 0, -dot.radius, -dot.radius - 2};
        const double margin = margins[i % 8 < 4 ? 0 : i % 8 - 3];
        dot.width = dot.height = static_cast<int>(std::ceil(2 * dot.radius + 2 * std::max(margin, 0.0))) + 1;
        const double fx = unit(random), fy = unit(random);
        dot.x = margin + dot.radius + (snap ? near(fx) : fx);
        dot.y = margin + dot.radius + (snap ? near(fy) : fy);
        if (i % 16 >= 8) { // cut at the right and bottom instead
            dot.x = dot.width - dot.x;
            dot.y = dot.height - dot.y;
        }
        const bool taken = takenAsPainted(dots, dot);
        if (margin < 1) {
            ++cut;
            cutTaken += taken;
        } else if (snap) {
            ++snapped;
            snappedTaken += taken;
        } else {
            ++plain;
            plainTaken += taken;
        }
        if (HasFailure())
            return;
    }
    std::printf("taken: %d of %d dots at random, %d of %d on or beside whole or half pixels, %d of %d cut\n",
                plainTaken, plain, snappedTaken, snapped, cutTaken, cut);
    EXPECT_GE(plainTaken, plain * 999 / 1000);
    EXPECT_GE(snappedTaken, snapped * 3 / 4);
    EXPECT_GE(cutTaken, cut * 9 / 10);
}
