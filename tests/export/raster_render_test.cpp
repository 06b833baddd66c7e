#include "qt_app.h"
#include "render_support.h"

#include "render/renderers.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <unistd.h>

using namespace exporter;
using render_test::Grey;

namespace {

int dark(const Grey& g)
{
    return static_cast<int>(std::count_if(g.px.begin(), g.px.end(), [](unsigned char v) { return v < 128; }));
}

/// The smallest box holding every dark pixel, as width and height.
std::pair<int, int> darkBox(const Grey& g)
{
    int left = g.width, top = g.height, right = -1, bottom = -1;
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x)
            if (g.at(x, y) < 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    return {right - left + 1, bottom - top + 1};
}

scene::Path line(std::vector<scene::Point> points, double dotRadius = 0.0)
{
    scene::Path p;
    p.runs.push_back(std::move(points));
    p.dotRadius = dotRadius;
    return p;
}

scene::Scene oneItem(scene::Item item)
{
    scene::Scene s;
    s.width = 5.08;
    s.height = 2.54;
    s.layer(scene::layers::kStars).items.push_back(std::move(item));
    return s;
}

} // namespace

TEST(RasterImage, EveryFaintStarIsSet)
{
    // A 96-dpi pixel scaled: 1 px at 96 dpi, lround(300 / 96) = 3 px at 300 dpi.
    const struct { double radius, dpi; int side; } rows[] = {
        {0.008, 96, 1}, {0.0033, 96, 1}, {0.008, 300, 3}, {0.0033, 300, 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "radius " << row.radius << " at " << row.dpi << " dpi");
        const scene::Scene s = render_test::starGrid(500, row.radius);
        const Grey g = render_test::greyOf(rasterImage(s, row.dpi));
        int set = 0;
        for (const scene::Dot& d : render_test::dotsOf(s))
            set += g.at(int(d.centre.x / 2.54 * row.dpi), int(d.centre.y / 2.54 * row.dpi)) < 128;
        EXPECT_EQ(set, 500);
        EXPECT_EQ(dark(g), 500 * row.side * row.side);
    }
}

TEST(RasterImage, SmallMarksAreAScaled96DpiPixel)
{
    const scene::Dot subPixel{scene::Role::Star, 0, {2.0, 1.0}, 0.01};
    const scene::Path dotted = line({{1.0, 1.0}, {2.0, 1.0}, {3.0, 1.0}}, 1.0 / 300.0);
    const scene::Path hairline = line({{1.0, 1.0}, {4.0, 1.0}});
    const struct { const char* name; scene::Item item; double dpi; int count, boxHeight; } rows[] = {
        {"sub-pixel dot", subPixel, 96, 1, 1},
        {"sub-pixel dot", subPixel, 300, 9, 3},
        {"sub-pixel dot", subPixel, 600, 36, 6},
        {"dotted path: its three dots", dotted, 300, 27, 3},
        {"hairline", hairline, 300, -1, 3},
        {"hairline", hairline, 600, -1, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name << " at " << row.dpi << " dpi");
        const Grey g = render_test::greyOf(rasterImage(oneItem(row.item), row.dpi));
        if (row.count >= 0) {
            EXPECT_EQ(dark(g), row.count);
        }
        EXPECT_EQ(darkBox(g).second, row.boxHeight);
    }
}

TEST(RasterImage, SizeAndResolution)
{
    // 5.08 × 2.54 cm is 2 × 1 inches.
    const scene::Scene s = oneItem(scene::Dot{});
    const struct { double dpi; int width, height, perMetre; } rows[] = {
        {96, 192, 96, 3780}, {300, 600, 300, 11811}, {72, 144, 72, 2835}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dpi);
        const QImage image = rasterImage(s, row.dpi);
        EXPECT_EQ(image.width(), row.width);
        EXPECT_EQ(image.height(), row.height);
        EXPECT_EQ(image.dotsPerMeterX(), row.perMetre);
    }
}

TEST(RasterImage, RefusesABitmapOverTheWritersLimitBeforeDrawing)
{
    // 300 cm square: at d dpi a side is w = round(300 / 2.54 · d) pixels and the file
    // 54 + 4 · ceil(3w / 4) · w bytes. d = 226: w = 26693, 54 + 80080 · 26693 = 2137575494
    // fits 2³¹ − 1; d = 227: w = 26811, 54 + 80436 · 26811 = 2156569650 does not.
    scene::Scene s;
    s.width = s.height = 300.0;
    EXPECT_THROW(rasterImage(s, 600), text::InputError);
    EXPECT_EQ(bitmapSize(s, 226).fileBytes, 2137575494u);
    EXPECT_EQ(bitmapSize(s, 227).fileBytes, 2156569650u);
    if (bitmapSize(s, 226).imageBytes > std::uint64_t(::sysconf(_SC_PHYS_PAGES)) * ::sysconf(_SC_PAGE_SIZE) / 2)
        GTEST_SKIP() << "this computer's memory, not the file, sets the limit here";
    EXPECT_EQ(largestBitmapDpi(s, 600), 226);
    try {
        checkBitmapSize(s, 600);
        ADD_FAILURE() << "not refused";
    } catch (const text::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("at most 226 dpi"), std::string::npos) << e.what();
    }
}

TEST(RasterImage, AStarReachesOutToItsScaledOutline)
{
    // The outline, a 96-dpi pixel scaled (lround(dpi / 96) pixels), is centred on the rim.
    const struct { double radius, dpi; int thick; } rows[] = {{0.05, 200, 2}, {0.1, 300, 3}, {0.3, 600, 6}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "radius " << row.radius << " at " << row.dpi << " dpi");
        scene::Dot d;
        d.centre = {2.54, 1.27};
        d.radius = row.radius;
        const Grey g = render_test::greyOf(rasterImage(oneItem(d), row.dpi));
        const double cx = row.dpi, cy = row.dpi / 2, rim = row.radius / 2.54 * row.dpi + row.thick / 2.0;
        for (int k = 0; k < 16; ++k) {
            const double a = k * M_PI / 8;
            EXPECT_LT(g.at(int(std::lround(cx + (rim - 1.5) * std::cos(a))), int(std::lround(cy + (rim - 1.5) * std::sin(a)))), 128) << k;
            EXPECT_GT(g.at(int(std::lround(cx + (rim + 1.5) * std::cos(a))), int(std::lround(cy + (rim + 1.5) * std::sin(a)))), 128) << k;
        }
    }
}

TEST(RasterImage, ALaterDotOfAnotherColourLiesOnTop)
{
    // Dots of one colour may be set in any order, but not across a change of colour.
    const canvas::Rgb red{255, 0, 0};
    for (const bool redLast : {false, true}) {
        SCOPED_TRACE(redLast ? "red last" : "black last");
        scene::Dot big, small;
        big.centre = small.centre = {2.54, 1.27};
        big.radius = 0.1;
        small.radius = 0.05;
        (redLast ? small : big).fill = (redLast ? small : big).outline = red;
        scene::Scene s = oneItem(big);
        s.layer(scene::layers::kStars).items.push_back(small);
        const QImage image = rasterImage(s, 300);
        // The centre, inside both: the small dot's colour, drawn last.
        EXPECT_EQ(image.pixel(300, 150), redLast ? qRgb(255, 0, 0) : qRgb(0, 0, 0));
        // 10 pixels out, in the big dot only (radii 13.3 and 7.4 pixels with their outlines): its own colour.
        EXPECT_EQ(image.pixel(310, 150), redLast ? qRgb(0, 0, 0) : qRgb(255, 0, 0));
    }
}

TEST(RasterImage, EveryDotIsSetOnWhiteWhereverItLies)
{
    // Each picture as drawn on a picture whitened all at once (a white line drawn first does
    // that), though its memory held the picture drawn before. The picture is 600 × 300 pixels.
    const std::vector<std::vector<scene::Dot>> pictures = {
        {},
        {{scene::Dot{.centre = {0.4, 0.1}, .radius = 0.02}}},
        // A disc over many rows, then smaller ones inside it and below it.
        {{scene::Dot{.centre = {2.5, 0.9}, .radius = 0.7}}, {scene::Dot{.centre = {2.6, 1.5}, .radius = 0.03}},
         {scene::Dot{.centre = {1.0, 2.2}, .radius = 0.05}}, {scene::Dot{.centre = {2.0, 1.2}, .radius = 0.003}}},
        // Over the top and the bottom edges, and a mark on the last rows.
        {{scene::Dot{.centre = {1.0, 0.01}, .radius = 0.08}}, {scene::Dot{.centre = {3.0, 2.53}, .radius = 0.08}},
         {scene::Dot{.centre = {4.0, 2.535}, .radius = 0.003}}, {scene::Dot{.centre = {4.5, 2.4}, .radius = 0.2}}},
    };
    PictureStore store(1);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "picture " << i);
        rasterImage(oneItem(scene::Dot{.centre = {2.54, 1.27}, .radius = 3.0}), 300, &store); // black all over
        scene::Path white = line({{0.1, 0.1}, {0.2, 0.1}});
        white.stroke.color = {255, 255, 255};
        scene::Scene whiteFirst = oneItem(white), dots = whiteFirst;
        dots.layer(scene::layers::kStars).items.clear();
        for (const scene::Dot& d : pictures[i]) {
            dots.layer(scene::layers::kStars).items.push_back(d);
            whiteFirst.layer(scene::layers::kStars).items.push_back(d);
        }
        EXPECT_TRUE(rasterImage(dots, 300, &store) == rasterImage(whiteFirst, 300));
    }
}

TEST(RasterImage, ADotLeftOutWouldHaveChangedNothing)
{
    // In a thick field a dot whose every pixel has its colour already is left out. The picture
    // must be the dots' and the lines' pictures each drawn alone, laid on in turn: runs of black
    // and of blue dots, red lines across them, and a blue scaled pixel, a blue dot and a red line
    // on a settled field. Drawn in memory that held a black picture,
    // whitened only as the dots reach its rows.
    std::mt19937 random(5);
    std::uniform_real_distribution<double> x(-0.1, 2.1), y(-0.1, 1.3), radius(0.0, 0.25);
    std::vector<scene::Item> items;
    for (int i = 0; i < 1500; ++i) {
        if (i % 500 == 0) {
            scene::Path across = line({{x(random), y(random)}, {x(random), y(random)}});
            across.stroke.color = {255, 0, 0};
            items.push_back(across);
        }
        scene::Dot d{.centre = {x(random), y(random)}, .radius = radius(random)};
        if (i % 400 > 300)
            d.fill = d.outline = canvas::Rgb{0, 0, 255};
        items.push_back(d);
    }
    // At the end, black all over, settled by black dots at three spots; a blue scaled pixel, a red
    // line and a blue dot on them; black dots over these again.
    items.push_back(scene::Dot{.centre = {1.0, 0.6}, .radius = 3.0});
    const scene::Point spots[] = {{1.5, 0.3}, {1.0, 0.6}, {0.5, 0.9}};
    for (const scene::Point& at : spots)
        items.push_back(scene::Dot{.centre = at, .radius = 0.1});
    const canvas::Rgb blue{0, 0, 255};
    items.push_back(scene::Dot{.centre = spots[0], .radius = 0.01, .outline = blue, .fill = blue});
    scene::Path across = line({{0.9, 0.55}, {1.1, 0.65}}); // through the second spot
    across.stroke.color = {255, 0, 0};
    items.push_back(across);
    items.push_back(scene::Dot{.centre = spots[2], .radius = 0.05, .outline = blue, .fill = blue});
    for (const scene::Point& at : spots)
        items.push_back(scene::Dot{.centre = at, .radius = 0.1});
    for (const double dpi : {300.0, 150.0, 96.0}) {
        SCOPED_TRACE(testing::Message() << dpi << " dpi");
        scene::Scene field = oneItem(items.front());
        field.width = 2.0;
        field.height = 1.2;
        field.layer(scene::layers::kStars).items = items;
        PictureStore store(1);
        rasterImage(oneItem(scene::Dot{.centre = {2.54, 1.27}, .radius = 3.0}), dpi, &store); // black all over
        const QImage drawn = rasterImage(field, dpi, &store);
        QImage expected = drawn.copy();
        expected.fill(Qt::white);
        for (const scene::Item& item : items) {
            scene::Scene one = field;
            one.layer(scene::layers::kStars).items = {item};
            const QImage alone = rasterImage(one, dpi);
            QRect around = alone.rect();
            if (const auto* d = std::get_if<scene::Dot>(&item)) {
                // Far round the dot: ten pixels beyond its outline.
                const double px = dpi / 2.54, reach = d->radius * px + dpi / 96 + 10;
                around &= QRect(QPoint(int(d->centre.x * px - reach), int(d->centre.y * px - reach)),
                                QPoint(int(d->centre.x * px + reach), int(d->centre.y * px + reach)));
            }
            for (int row = around.top(); row <= around.bottom(); ++row)
                for (int column = around.left(); column <= around.right(); ++column)
                    if (alone.pixel(column, row) != qRgb(255, 255, 255))
                        expected.setPixel(column, row, alone.pixel(column, row));
        }
        EXPECT_TRUE(drawn == expected);
    }
}
