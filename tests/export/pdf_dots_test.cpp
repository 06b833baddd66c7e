// Dots in the PDF: written lean, a handful of paths a page, yet each still a disc of its size
// in its place, painted in the scene's order where colours differ.

#include "qt_app.h"
#include "render_support.h"
#include "test_files.h"

#include "render/renderers.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>

using namespace exporter;
using render_test::Grey;

namespace {

constexpr int kDpi = 300;

double px(double cm) { return cm / 2.54 * kDpi; }

void addDot(scene::Scene& s, double x, double y, double radius, canvas::Rgb colour = canvas::kBlack)
{
    scene::Dot d;
    d.centre = {x, y};
    d.radius = radius;
    d.outline = d.fill = colour;
    s.layer(scene::layers::kStars).items.emplace_back(std::in_place_type<scene::Dot>, d);
}

std::string writeOnePage(const testing_support::TempDir& dir, const scene::Scene& s)
{
    const std::string path = (dir.path() / "dots.pdf").string();
    writePdf({TemplateDrawing{"dots", "", "test", s}}, path, std::nullopt);
    return path;
}

std::string fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// The compressed stream of `bytes` from `start` to its "endstream", inflated.
std::string inflated(const std::string& bytes, std::size_t start)
{
    const std::size_t end = bytes.find("endstream", start);
    // qUncompress wants the inflated size first, big-endian; a generous guess will do.
    QByteArray packed("\x10\x00\x00\x00", 4);
    packed.append(bytes.data() + start, static_cast<qsizetype>(end - start));
    return qUncompress(packed).toStdString();
}

/// The page content streams of `pdf`, inflated.
std::string contentOf(const std::string& pdf)
{
    const std::string bytes = fileBytes(pdf);
    std::string content;
    static const std::regex stream(R"(/FlateDecode[^>]*>>\s*stream\r?\n)");
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), stream); it != std::sregex_iterator(); ++it)
        content += inflated(bytes, static_cast<std::size_t>(it->position() + it->length()));
    return content;
}

std::size_t count(const std::string& s, const std::regex& r)
{
    return static_cast<std::size_t>(std::distance(std::sregex_iterator(s.begin(), s.end(), r), std::sregex_iterator()));
}

} // namespace

TEST(PdfDots, APageOfStarsIsAFewPathsWithoutStateBetweenDots)
{
    testing_support::TempDir dir;
    scene::Scene s;
    s.width = 20;
    s.height = 20;
    for (int i = 0; i < 2000; ++i)
        addDot(s, 1 + (i % 50) * 0.35, 1 + (i / 50) * 0.45, 0.01 + 0.02 * (i % 5));
    const std::string content = contentOf(writeOnePage(dir, s));
    ASSERT_GT(content.size(), 2000u);
    // One line width a radius; no colour or graphics state set dot by dot.
    EXPECT_LE(count(content, std::regex(R"(\bw\b)")), 5u + 10u);
    EXPECT_LE(count(content, std::regex(R"(\b(scn|SCN|gs)\b)")), 20u);
    EXPECT_LT(content.size(), 2000u * 60);
}

TEST(PdfDots, EachDotIsADiscOfItsRadius)
{
    testing_support::TempDir dir;
    scene::Scene s;
    s.width = 6;
    s.height = 6;
    const struct { double x, y, r; } dots[] = {{1.5, 1.5, 0.8}, {4.0, 1.5, 0.3}, {2.0, 4.5, 0.05}, {4.5, 4.5, 0.01}};
    for (const auto& d : dots)
        addDot(s, d.x, d.y, d.r);
    const Grey g = render_test::renderPdfPage(writeOnePage(dir, s), 1, kDpi);
    for (const auto& d : dots) {
        SCOPED_TRACE(testing::Message() << "radius " << d.r);
        const double r = std::max(d.r, kMinPrintRadius);
        for (int k = 0; k < 16; ++k) {
            const double a = k * M_PI / 8;
            // Two pixels in from the rim is ink, two pixels out is paper, all round.
            const double inside = std::max(0.0, px(r) - 2), outside = px(r) + 2;
            EXPECT_LT(g.at(int(px(d.x) + inside * std::cos(a)), int(px(d.y) + inside * std::sin(a))), 128) << k;
            EXPECT_GT(g.at(int(px(d.x) + outside * std::cos(a)), int(px(d.y) + outside * std::sin(a))), 200) << k;
        }
    }
}

TEST(PdfDots, ALaterDotOfAnotherColourLiesOnTop)
{
    testing_support::TempDir dir;
    scene::Scene s;
    s.width = 4;
    s.height = 2;
    addDot(s, 1, 1, 0.5, canvas::kBlack);
    addDot(s, 1, 1, 0.3, canvas::kRed); // red on black
    addDot(s, 3, 1, 0.3, canvas::kRed);
    addDot(s, 3, 1, 0.5, canvas::kBlack); // black over red
    addDot(s, 3.6, 1, 0.1, canvas::kBlack);
    const Grey g = render_test::renderPdfPage(writeOnePage(dir, s), 1, kDpi);
    const int red = g.at(int(px(1)), int(px(1))), black = g.at(int(px(3)), int(px(1)));
    EXPECT_LT(black, 20);
    EXPECT_GT(red, 50); // red is a lighter grey than black
    EXPECT_LT(red, 200);
}

TEST(PdfDots, AGroupTooBigForOneFormGoesOnInFurtherFormsEachWhole)
{
    // Some 25 MB of dot drawing, over what one form holds, so that the page is written a form at
    // a time: every dot once, each form with its colour and width, its box round its dots.
    testing_support::TempDir dir;
    scene::Scene s;
    s.width = s.height = 30;
    // The clipped dots go on past the first form's end, in the midst of their clip.
    constexpr int kPlain = 200000, kClipped = 360000;
    for (int i = 0; i < kPlain; ++i)
        addDot(s, 0.5 + (i % 700) * 0.0413, 0.5 + (i / 700) * 0.0347, i < kPlain / 2 ? 0.02 : 0.03);
    s.clips.push_back({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
    for (int i = 0; i < kClipped; ++i) {
        addDot(s, 9.99 + (i % 600) * 0.0166, 9.99 + (i / 600) * 0.0166, i % 2 ? 0.05 : 0.06);
        std::get<scene::Dot>(s.layers.back().items.back()).clip = 0;
    }
    const std::string bytes = fileBytes(writeOnePage(dir, s));

    int forms = 0, dots = 0, clipped = 0;
    for (std::size_t at = bytes.find("/Subtype /Form"); at != std::string::npos;
         at = bytes.find("/Subtype /Form", at + 1)) {
        SCOPED_TRACE(testing::Message() << "form " << forms);
        ++forms;
        double box[4];
        const char* b = bytes.c_str() + bytes.find("/BBox [", at) + 7;
        for (double& v : box)
            v = std::strtod(b, const_cast<char**>(&b));
        const std::string content = inflated(bytes, bytes.find("stream\n", at) + 7);
        ASSERT_EQ(content.rfind("[] 0 d 1 J 0 0 0 RG\n", 0), 0u);
        ASSERT_LT(content.find(" w\n"), content.find(" l\n"));
        // "x y m x' y' l" is a dot: its centre lies within the form's box. Clipped dots stand
        // between "q <cut> h W n" and "Q", each form closing what it opens.
        bool inClip = false;
        std::size_t from = 0;
        for (std::size_t end = content.find('\n'); end != std::string::npos; from = end + 1, end = content.find('\n', from)) {
            const std::string_view line(content.data() + from, end - from);
            if (line.ends_with("h W n")) {
                ASSERT_FALSE(inClip);
                inClip = true;
            } else if (line == "Q") {
                ASSERT_TRUE(inClip);
                inClip = false;
            } else if (line.ends_with(" l")) {
                const char* p = line.data();
                const double x = std::strtod(p, const_cast<char**>(&p)), y = std::strtod(p, nullptr);
                ASSERT_TRUE(x >= box[0] && x <= box[2] && y >= box[1] && y <= box[3]) << x << " " << y;
                ++dots;
                clipped += inClip;
            }
        }
        EXPECT_FALSE(inClip);
    }
    EXPECT_GE(forms, 2);
    EXPECT_EQ(dots, kPlain + kClipped);
    EXPECT_EQ(clipped, kClipped);
}

TEST(PdfDots, ADotAcrossACutShowsOnlyOnItsPiece)
{
    // Two pieces meeting along x = 3; dots across the line and across a corner show on their own
    // piece's side only, whichever cut comes first.
    testing_support::TempDir dir;
    scene::Scene s;
    s.width = 6;
    s.height = 4;
    s.clips.push_back({{0.5, 0.5}, {3, 0.5}, {3, 3.5}, {0.5, 3.5}});
    s.clips.push_back({{3, 0.5}, {5.5, 0.5}, {5.5, 3.5}, {3, 3.5}});
    const struct { int clip; double x, y, r; } dots[] = {
        {0, 3.0, 1.2, 0.3}, {1, 3.0, 2.4, 0.3}, {0, 2.9, 2.0, 0.2}, {1, 5.5, 3.5, 0.4}, {0, 0.6, 0.6, 0.25}};
    for (const auto& d : dots) {
        addDot(s, d.x, d.y, d.r);
        std::get<scene::Dot>(s.layers.back().items.back()).clip = d.clip;
    }
    const Grey g = render_test::renderPdfPage(writeOnePage(dir, s), 1, kDpi);
    for (const auto& d : dots) {
        SCOPED_TRACE(testing::Message() << "dot at " << d.x << ", " << d.y);
        const auto& cut = s.clips[static_cast<std::size_t>(d.clip)];
        for (int k = 0; k < 16; ++k) {
            const double a = k * M_PI / 8 + 0.1, x = d.x + d.r / 2 * std::cos(a), y = d.y + d.r / 2 * std::sin(a);
            const double margin = 3.0 * 2.54 / kDpi; // pixels this near the cut may go either way
            const bool inside = x > cut[0].x + margin && x < cut[1].x - margin && y > cut[0].y + margin
                                && y < cut[2].y - margin;
            const bool outside = x < cut[0].x - margin || x > cut[1].x + margin || y < cut[0].y - margin
                                 || y > cut[2].y + margin;
            if (inside)
                EXPECT_LT(g.at(int(px(x)), int(px(y))), 128) << k;
            else if (outside)
                EXPECT_GT(g.at(int(px(x)), int(px(y))), 200) << k;
        }
    }
}
