#include "polyhedron/face_svg_document.h"

#include "polyhedron/face_command.h"
#include "polyhedron/polyhedron_model.h"
#include "polyhedron_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

using namespace polyhedron;
using polyhedron::testing::readBytes;
using polyhedron::testing::TempDir;

namespace {

TEST(FaceSvgDocument, FileNamesKeepTheTypedTexts)
{
    FaceInputs in;
    EXPECT_EQ(faceBitmapName(in), "SurN1_Vb7.0_Sr2.5_Ss10_10cm.bmp");
    EXPECT_EQ(faceSvgName(in), "SurN1_Vb7.0_Sr2.5_Ss10_10cm内.svg");
    EXPECT_EQ(faceSvgName(in), "SurN1_Vb7.0_Sr2.5_Ss10_10cm\xE5\x86\x85.svg"); // UTF-8 on disk
    in.Check6 = 0;
    EXPECT_EQ(faceSvgName(in), "SurN1_Vb7.0_Sr2.5_Ss10_10cm外.svg");
    in.Check6 = 2;
    EXPECT_EQ(faceSvgName(in), "SurN1_Vb7.0_Sr2.5_Ss10_10cm.svg");
    in.Text16 = "2.5";
    in.Text15 = "07";
    in.Text13 = " 3";
    in.Text14 = "20";
    in.Text11 = "80";
    EXPECT_EQ(faceBitmapName(in), "SurN2.5_Vb07_Sr 3_Ss20_80cm.bmp");
}

TEST(FaceSvgDocument, FileNameProblems)
{
    EXPECT_FALSE(fileNameProblem("SurN1_Vb7.0_Sr2.5_Ss10_10cm内.svg"));
    EXPECT_TRUE(fileNameProblem("SurN1_Vb7/0.svg"));
    EXPECT_TRUE(fileNameProblem("SurN1_Vb..\\x.svg"));
    EXPECT_TRUE(fileNameProblem(std::string("SurN1\0.svg", 10)));
}

TEST(FaceSvgDocument, ElementTexts)
{
    EXPECT_EQ(svgHeaderLine(12.5f, 9.75f),
              "<svg xml:space=\"default\" width=\"12.5cm\" height=\"9.75cm\" xmlns=\"http://www.w3.org/2000/svg\">");
    // Single precision: 9.763125 cm (5535 twips) keeps 7 digits, not the float's noise.
    EXPECT_EQ(svgHeaderLine(9.763125f, 9.763125f),
              "<svg xml:space=\"default\" width=\"9.763125cm\" height=\"9.763125cm\" "
              "xmlns=\"http://www.w3.org/2000/svg\">");
    EXPECT_EQ(svgEllipseLine(6.75, 6.75, 0.0125, 0.0125),
              "<ellipse cx=\"6.75cm\" cy=\"6.75cm\" rx=\"0.0125cm\" ry=\"0.0125cm\" style =\"fill:black;\"/>");
    EXPECT_EQ(svgSampleEllipseLine(),
              "<ellipse cx=\"5cm\" cy=\"6cm\" rx=\"7cm\" ry=\"8cm\" style =\"fill:black;\"/>");
    EXPECT_EQ(svgEdgeLine(1.0 / 3.0, -2, 10, 0.5),
              "<line x1=\"0.333333333333333cm\" y1=\"-2cm\" x2=\"10cm\" y2=\"0.5cm\" stroke =\"blue\" "
              "stroke-width=\"0.01cm\"/>");
}

TEST(FaceSvgDocument, LinesInOrderWithCrLf)
{
    FaceSvgDocument doc(13.5f, 13.5f);
    doc.Ellipse(1, 2, 0.5);
    doc.Line(3, 4, 5, 6);
    EXPECT_EQ(doc.End(), svgHeaderLine(13.5f, 13.5f) + "\r\n" + svgEllipseLine(1, 2, 0.5, 0.5) + "\r\n"
                             + svgEdgeLine(3, 4, 5, 6) + "\r\n</svg>\r\n");
    EXPECT_EQ(FaceSvgDocument(13.5f, 13.5f).End(), svgHeaderLine(13.5f, 13.5f) + "\r\n</svg>\r\n");
}

/// Width and height of a PNG file from its IHDR chunk; {0, 0} when it is not a PNG.
std::pair<int, int> pngSize(const std::string& bytes)
{
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0)
        return {0, 0};
    auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16)
               | (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    return {static_cast<int>(be32(16)), static_cast<int>(be32(20))};
}

TEST(FaceSvgDocument, RendersAtItsRealSize)
{
    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "rsvg-convert is not installed";
    TempDir dir;
    PolyhedronModel model;
    model.loadVertexFile(std::string(ORBWEAVE_DATA_DIR) + "/models/truncated-icosahedron-vertices.csv");
    model.loadFaceFile(std::string(ORBWEAVE_DATA_DIR) + "/models/truncated-icosahedron-faces.csv");
    FaceInputs in;
    in.Text9 = "90"; // face 1 is the pentagon round the north pole
    in.Text10 = "0";
    in.Text11 = "20";
    in.Check7 = 1;
    in.Check8 = 1;
    in.Check9 = 1;
    polyhedron::testing::FakeFaceWindow window;
    ASSERT_FALSE(runFaceDraw(in, std::string(ORBWEAVE_DATA_DIR) + "/bright-stars.csv", model, window, dir.path()));
    const auto svg = dir.path() / faceSvgName(in);
    ASSERT_TRUE(std::filesystem::exists(svg));
    std::filesystem::copy_file(svg, dir.path() / "face.svg");
    const auto png = dir.path() / "face.png";
    const std::string command = "rsvg-convert --format png --dpi-x 96 --dpi-y 96 -o '" + png.string() + "' '"
                                + (dir.path() / "face.svg").string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto [width, height] = pngSize(readBytes(png));
    // 2·20·tan 30° + 2 = 25.09401 cm; at 96 dpi that is 25.09401 / 2.54 · 96 = 948.4 pixels,
    // and the canvas snapped it to 948 whole pixels = 25.0825 cm.
    const double expected = window.canvas.width() / 2.54 * 96.0;
    EXPECT_NEAR(expected, 948.0, 1e-3);
    EXPECT_NEAR(width, expected, 1.0);
    EXPECT_NEAR(height, expected, 1.0);
}

} // namespace
