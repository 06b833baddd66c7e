#include "stars/star_catalogue.h"
#include "test_files.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace stars;

TEST(StarCatalogue, ReadsStarsExactlyAsWritten)
{
    testing_support::TempDir dir;
    const auto path = dir.write("stars.csv", "101.29,-16.72,-1.46\r\n-30,90,9\r\n400.5,-90,1.5e0\r\n");
    const StarCatalogue catalogue = ReadStarFile(path);
    ASSERT_EQ(catalogue.StarCount(), 3);
    EXPECT_DOUBLE_EQ(catalogue.stars[0].Lambda, 101.29);
    EXPECT_DOUBLE_EQ(catalogue.stars[0].Phi, -16.72);
    EXPECT_DOUBLE_EQ(catalogue.stars[0].Vmag, -1.46);
    // No wrapping of longitudes; both poles are latitudes.
    EXPECT_DOUBLE_EQ(catalogue.stars[1].Lambda, -30.0);
    EXPECT_DOUBLE_EQ(catalogue.stars[1].Phi, 90.0);
    EXPECT_DOUBLE_EQ(catalogue.stars[2].Lambda, 400.5);
    EXPECT_DOUBLE_EQ(catalogue.stars[2].Phi, -90.0);
    EXPECT_DOUBLE_EQ(catalogue.stars[2].Vmag, 1.5);
}

TEST(StarCatalogue, EmptyFileGivesNoStars)
{
    testing_support::TempDir dir;
    EXPECT_EQ(ReadStarFile(dir.write("empty.csv", "")).StarCount(), 0);
}

TEST(StarCatalogue, ABadRecordRefusesTheWholeFile)
{
    testing_support::TempDir dir;
    const auto path = dir.write("bad.csv", "1,2,3\r\n4,5,6\r\n7,8\r\n");
    EXPECT_THROW(ReadStarFile(path), text::InputError);
}

TEST(StarCatalogue, LatitudeOutsideThePolesIsRefusedAsPerhapsSwapped)
{
    struct Row { const char* name; const char* content; std::vector<std::string> expected; };
    const Row rows[] = {
        {"columns swapped", "10,20,3\r\n-16.72,101.29,-1.46\r\n", {"line 2", "star 2", "Phi", "\"101.29\"", "swapped"}},
        {"just beyond the north pole", "0,90.0001,5\r\n", {"line 1", "star 1", "\"90.0001\""}},
        {"beyond the south pole, a star over three lines", "0,-90,5\r\n0\r\n-1e3\r\n5\r\n", {"line 3", "star 2", "\"-1e3\""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            parseStarFile(row.content, "sky.csv");
            ADD_FAILURE() << "no refusal";
        } catch (const text::InputError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("sky.csv, ", 0), 0u) << message;
            for (const auto& piece : row.expected)
                EXPECT_NE(message.find(piece), std::string::npos) << message << " lacks " << piece;
        }
    }
}

TEST(StarCatalogue, OnlyRegularFilesAreRead)
{
    testing_support::TempDir dir;
    for (const std::string& path : {std::string("/dev/zero"), dir.path().string()}) {
        SCOPED_TRACE(path);
        try {
            ReadStarFile(path);
            ADD_FAILURE() << "no refusal";
        } catch (const text::InputError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
}

TEST(StarCatalogue, BundledCatalogueReadsWhole)
{
    const StarCatalogue catalogue = ReadStarFile(ORBWEAVE_DATA_DIR "/bright-stars.csv");
    ASSERT_EQ(catalogue.StarCount(), 9096);
    // Sirius, as the catalogue's notes give it.
    bool sirius = false;
    for (const auto& s : catalogue.stars)
        sirius = sirius || (s.Lambda == 101.2875 && s.Phi == -16.7161 && s.Vmag == -1.46);
    EXPECT_TRUE(sirius);
    for (const auto& s : catalogue.stars) {
        ASSERT_GE(s.Lambda, 0.0);
        ASSERT_LT(s.Lambda, 360.0);
        ASSERT_LE(std::abs(s.Phi), 90.0);
    }
}

TEST(StarCatalogue, ExtendedFileCarriesColourIndex)
{
    const StarCatalogue c = parseStarFile("\xEF\xBB\xBFlambda,phi,magnitude,bv\r\n101.2875,-16.7161,-1.46,0.009\r\n\r\n"
                                          " 0 , 90 , 9 , \n279.2347,38.7837,0.03,-0.001",
                                          "deep.csv");
    ASSERT_EQ(c.StarCount(), 3);
    EXPECT_DOUBLE_EQ(c.stars[0].Lambda, 101.2875);
    EXPECT_DOUBLE_EQ(c.stars[0].Vmag, -1.46);
    EXPECT_EQ(c.colourIndexOf(0), 0.009);
    EXPECT_DOUBLE_EQ(c.stars[1].Phi, 90.0);
    EXPECT_FALSE(c.colourIndexOf(1).has_value());
    EXPECT_EQ(c.colourIndexOf(2), -0.001);
    // A plain file has no colours, and a header alone is an empty catalogue.
    EXPECT_FALSE(parseStarFile("1,2,3\r\n", "plain.csv").colourIndexOf(0).has_value());
    EXPECT_EQ(parseStarFile("lambda,phi,magnitude,bv\n", "deep.csv").StarCount(), 0);
}

TEST(StarCatalogue, ExtendedFileRefusesWhatAPlainOneWouldSpreadOverLines)
{
    struct Row { const char* name; const char* content; std::vector<std::string> expected; };
    const Row rows[] = {
        {"a star over two lines", "lambda,phi,magnitude,bv\n1,2,3,0.5\n4,5\n6,0.1\n", {"line 3", "star 2", "2 fields"}},
        {"B-V missing its comma", "lambda,phi,magnitude,bv\n1,2,3\n", {"line 2", "star 1", "3 fields"}},
        {"a fifth field", "lambda,phi,magnitude,bv\n1,2,3,4,5\n", {"line 2", "5 fields"}},
        {"B-V not a number", "lambda,phi,magnitude,bv\n1,2,3,blue\n", {"line 2", "B-V", "\"blue\""}},
        {"magnitude empty", "lambda,phi,magnitude,bv\n1,2,,0.3\n", {"line 2", "Vmag", "an empty field"}},
        {"latitude beyond a pole", "lambda,phi,magnitude,bv\n1,2,3,0\n1,91,3,0\n", {"line 3", "star 2", "\"91\""}},
        {"an unknown header is a plain file's bad field", "lambda,phi,mag,bv\n1,2,3,0\n", {"line 1", "Lambda"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            parseStarFile(row.content, "deep.csv");
            ADD_FAILURE() << "no refusal";
        } catch (const text::InputError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.rfind("deep.csv, ", 0), 0u) << message;
            for (const auto& piece : row.expected)
                EXPECT_NE(message.find(piece), std::string::npos) << message << " lacks " << piece;
        }
    }
}

TEST(StarCatalogue, ReadInTwoHalvesAsInOnePass)
{
    // Read on two threads, the halves split at the first line feed past the middle: the same
    // stars, or the same refusal, as one reading, however the records lie about the split.
    const auto lines = [](int count, const std::string& record, const std::string& end) {
        std::string s;
        for (int i = 0; i < count; ++i)
            s += std::to_string(i % 360) + record + end;
        return s;
    };
    const struct { const char* name; std::string content; } rows[] = {
        {"a star a line", lines(1000, ".25,-12.5,6.5", "\n")},
        {"CR LF, blank lines", lines(500, ",1,2", "\r\n\r\n \r\n")},
        {"a field a line", lines(999, "\n2\n3", "\n")},
        {"fields over lines and commas", lines(700, ",\t5\n 4.5", "\n")},
        {"blank second half", lines(10, ",1,2", "\n") + std::string(200, '\n')},
        {"bad field late", lines(400, ",1,2", "\n") + "1,x,2\n" + lines(10, ",1,2", "\n")},
        {"bad field early", "1,x,2\n" + lines(400, ",1,2", "\n")},
        {"latitude late", lines(400, ",1,2", "\n") + "1,95,2\n" + lines(10, ",1,2", "\n")},
        {"cut short", lines(400, ",1,2", "\n") + "1,2\n"},
        {"comma at the end", lines(400, ",1,2", "\n") + "1,2,3,\n"},
        {"byte-order mark inside", lines(200, ",1,2", "\n") + "\xEF\xBB\xBF" + lines(200, ",1,2", "\n")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<StarCatalogue> once, halves;
        std::string refusedOnce, refusedHalves;
        try {
            once = parseStarFile(row.content, "sky.csv", 1);
        } catch (const text::InputError& e) {
            refusedOnce = e.what();
        }
        try {
            halves = parseStarFile(row.content, "sky.csv", 2);
        } catch (const text::InputError& e) {
            refusedHalves = e.what();
        }
        EXPECT_EQ(refusedHalves, refusedOnce);
        ASSERT_EQ(halves.has_value(), once.has_value());
        if (once) {
            ASSERT_EQ(halves->stars.size(), once->stars.size());
            for (std::size_t i = 0; i < once->stars.size(); ++i) {
                EXPECT_EQ(halves->stars[i].Lambda, once->stars[i].Lambda) << i;
                EXPECT_EQ(halves->stars[i].Phi, once->stars[i].Phi) << i;
                EXPECT_EQ(halves->stars[i].Vmag, once->stars[i].Vmag) << i;
            }
        }
    }
}
