#include "sky/boundary_edge.h"
#include "sky/constellation_bounds.h"
#include "sky/constellation_lines.h"
#include "sky/constellation_names.h"
#include "sky/star_names.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace sky;

namespace {

const std::string kSky = ORBWEAVE_DATA_DIR "/sky/";

/// The IAU's 88 constellation abbreviations.
const std::set<std::string> kIau88{
    "And", "Ant", "Aps", "Aqr", "Aql", "Ara", "Ari", "Aur", "Boo", "Cae", "Cam", "Cnc", "CVn", "CMa", "CMi",
    "Cap", "Car", "Cas", "Cen", "Cep", "Cet", "Cha", "Cir", "Col", "Com", "CrA", "CrB", "Crv", "Crt", "Cru",
    "Cyg", "Del", "Dor", "Dra", "Equ", "Eri", "For", "Gem", "Gru", "Her", "Hor", "Hya", "Hyi", "Ind", "Lac",
    "Leo", "LMi", "Lep", "Lib", "Lup", "Lyn", "Lyr", "Men", "Mic", "Mon", "Mus", "Nor", "Oct", "Oph", "Ori",
    "Pav", "Peg", "Per", "Phe", "Pic", "Psc", "PsA", "Pup", "Pyx", "Ret", "Sge", "Sgr", "Sco", "Scl", "Sct",
    "Ser", "Sex", "Tau", "Tel", "Tri", "TrA", "Tuc", "UMa", "UMi", "Vel", "Vir", "Vol", "Vul"};

template <typename Record, typename Id>
std::set<std::string> ids(const std::vector<Record>& records, Id id)
{
    std::set<std::string> s;
    for (const auto& r : records)
        s.insert(id(r));
    return s;
}

template <typename Parse>
std::string refusal(Parse parse, std::string_view content)
{
    try {
        parse(content, "sky.csv");
    } catch (const text::InputError& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(SkyData, BundledFilesNameEveryConstellation)
{
    const auto lines = readConstellationLines(kSky + "constellation-lines.csv");
    const auto names = readConstellationNames(kSky + "constellation-names.csv");
    const auto bounds = readConstellationBounds(kSky + "constellation-bounds.csv");
    EXPECT_EQ(lines.size(), 150u);
    // 88 constellations; Serpens is named and bounded in two parts, Caput and Cauda.
    EXPECT_EQ(names.size(), 89u);
    EXPECT_EQ(bounds.size(), 89u);
    const auto byId = [](const auto& r) { return r.constellation; };
    EXPECT_EQ(ids(lines, byId), kIau88);
    EXPECT_EQ(ids(names, byId), kIau88);
    EXPECT_EQ(ids(bounds, byId), kIau88);
    std::vector<std::string> serpens;
    for (const auto& n : names)
        if (n.constellation == "Ser")
            serpens.push_back(n.iauName);
    EXPECT_EQ(serpens, (std::vector<std::string>{"Serpens Caput", "Serpens Cauda"}));
    for (const auto& n : names) {
        SCOPED_TRACE(n.constellation);
        EXPECT_FALSE(n.english.empty());
        EXPECT_FALSE(n.japanese.empty());
    }
}

TEST(SkyData, BundledNamesReadAsWritten)
{
    const auto names = readConstellationNames(kSky + "constellation-names.csv");
    const auto ori = std::find_if(names.begin(), names.end(), [](const auto& n) { return n.constellation == "Ori"; });
    ASSERT_NE(ori, names.end());
    EXPECT_EQ(ori->iauName, "Orion");
    EXPECT_EQ(ori->japanese, "オリオン座");
    // d3-celestial's −180…180 longitudes come out as right ascension 0…360.
    for (const auto& n : names) {
        EXPECT_GE(n.label.lambda, 0.0);
        EXPECT_LT(n.label.lambda, 360.0);
    }
}

TEST(SkyData, ConstellationNamesInEveryLanguage)
{
    // The names of the data's source (Wikipedia's table of the constellations in different
    // languages), which separates words by a four-per-em space.
    const auto names = readConstellationNames(kSky + "constellation-names.csv");
    struct Row { const char* constellation; Language language; const char* name; };
    const Row rows[] = {
        {"CMa", Language::Latin, "Canis\u2005Maior"},  {"CMa", Language::German, "Großer\u2005Hund"},
        {"CMa", Language::Russian, "Большой\u2005Пёс"}, {"CMa", Language::Chinese, "大犬座"},
        {"UMa", Language::Spanish, "Osa\u2005Mayor"},  {"UMa", Language::Korean, "큰곰자리"},
        {"UMa", Language::French, "Grande\u2005Ourse"}, {"Ori", Language::Japanese, "オリオン座"},
        {"Ori", Language::Spanish, "Orión"},      {"Ori", Language::Czech, "Orion"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.constellation) + " " + languageCode(row.language));
        const auto n = std::find_if(names.begin(), names.end(),
                                    [&row](const auto& c) { return c.constellation == row.constellation; });
        ASSERT_NE(n, names.end());
        EXPECT_EQ(constellationNameIn(*n, row.language), row.name);
    }
    // Every constellation has a name of its own in every language of the data.
    for (const auto& n : names)
        for (const NameLanguage& l : kNameLanguages) {
            SCOPED_TRACE(n.iauName + " " + l.code);
            EXPECT_TRUE(l.language <= Language::Latin || n.translations.count(l.language));
        }
}

TEST(SkyData, ConstellationNameMissingFallsBackToLatin)
{
    std::string content = "constellation,lambda,phi,rank,iau_name,latin,english,japanese,"
                          "ar,cs,de,el,es,et,fa,fi,fr,he,hi,it,ko,ru,sw,tr,zh\n";
    content += "CMa,97.5,-26,1,Canis Major,Canis Maior,,,,,Großer Hund" + std::string(14, ',') + "\n";
    content += "Ori,84,13,1,Orion,," + std::string(18, ',') + "\n";
    const auto names = parseConstellationNames(content, "names.csv");
    ASSERT_EQ(names.size(), 2u);
    struct Row { std::size_t record; Language language; const char* name; };
    const Row rows[] = {
        {0, Language::German, "Großer Hund"}, {0, Language::Spanish, "Canis Maior"},
        {0, Language::Japanese, "Canis Maior"}, {0, Language::English, "Canis Maior"},
        {1, Language::Chinese, "Orion"}, // no Latin spelling either: the IAU name
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(languageCode(row.language));
        EXPECT_EQ(constellationNameIn(names[row.record], row.language), row.name);
    }
}

TEST(SkyData, BundledStarNamesSitOnTheirStars)
{
    const auto stars = readStarNames(kSky + "star-names.csv");
    EXPECT_GE(stars.size(), 500u);
    // J2000 positions and V magnitudes of the SIMBAD database, to the data's 4 decimals.
    struct Row { int hip; const char* name; const char* japanese; double lambda, phi, magnitude; };
    const Row rows[] = {
        {27989, "Betelgeuse", "ベテルギウス", 88.79294, 7.40706, 0.42},
        {24436, "Rigel", "リゲル", 78.63447, -8.20164, 0.13},
        {11767, "Polaris", "北極星", 37.95456, 89.26411, 1.98},
        {60718, "Acrux", "アクルックス", 186.64956, -63.09909, 0.76},
        {32349, "Sirius", "シリウス", 101.28716, -16.71612, -1.46},
    };
    constexpr double kPositionDeg = 0.0002, kMagnitude = 0.06;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto s = std::find_if(stars.begin(), stars.end(), [&](const auto& x) { return x.hip == row.hip; });
        ASSERT_NE(s, stars.end());
        EXPECT_EQ(s->name, row.name);
        EXPECT_EQ(s->japanese, row.japanese);
        EXPECT_NEAR(s->position.lambda, row.lambda, kPositionDeg);
        EXPECT_NEAR(s->position.phi, row.phi, kPositionDeg);
        EXPECT_NEAR(s->magnitude, row.magnitude, kMagnitude);
    }
}

TEST(SkyData, BundledBoundariesTileTheSky)
{
    // Every boundary edge separates exactly two constellations.
    const auto edges = uniqueBoundaryEdges(readConstellationBounds(kSky + "constellation-bounds.csv"));
    EXPECT_GT(edges.size(), 700u);
    for (const auto& e : edges) {
        SCOPED_TRACE(e.first);
        EXPECT_FALSE(e.second.empty());
        EXPECT_NE(e.first, e.second);
    }
}

TEST(SkyData, PathRefusalsNameFileLineAndField)
{
    const std::string head = "constellation,polyline,point,lambda,phi\n";
    struct Row { const char* name; std::string content; std::string message; };
    const Row rows[] = {
        {"first point not 1", head + "Ori,1,2,88,7\n",
         "sky.csv, line 2: the field point of record 1 must be 1, starting a new polyline, or the next point of "
         "the polyline on the record before (found \"2\")."},
        {"point skipped", head + "Ori,1,1,88,7\nOri,1,3,78,-8\n",
         "sky.csv, line 3: the field point of record 2 must be 1, starting a new polyline, or the next point of "
         "the polyline on the record before (found \"3\")."},
        {"polyline number skipped", head + "Ori,1,1,88,7\nOri,1,2,78,-8\nOri,3,1,80,0\nOri,3,2,81,1\n",
         "sky.csv, line 4: the field polyline of record 3 must be 2: the polylines of Ori are numbered 1, 2, 3… "
         "in file order (found \"3\")."},
        {"one-point polyline", head + "Ori,1,1,88,7\nCMa,1,1,101,-16\nCMa,1,2,100,-17\n",
         "sky.csv, line 2: polyline 1 of Ori ends after 1 point; it needs at least 2."},
        {"declination off the sphere", head + "Ori,1,1,88,97\n",
         "sky.csv, line 2: the field phi of record 1 must lie between -90 and 90 (found \"97\")."},
        {"no abbreviation", head + ",1,1,88,7\n", "sky.csv, line 2: the field constellation of record 1 is empty; "
                                                  "it must name something."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(refusal(parseConstellationLines, row.content), row.message);
    }
}

TEST(SkyData, OtherFileRefusals)
{
    const std::string bounds = "constellation,part,point,lambda,phi\n";
    const std::string names = "constellation,lambda,phi,rank,iau_name,latin,english,japanese,"
                              "ar,cs,de,el,es,et,fa,fi,fr,he,hi,it,ko,ru,sw,tr,zh\n";
    const std::string stars = "hip,lambda,phi,magnitude,constellation,name,japanese\n";
    EXPECT_EQ(refusal(parseConstellationBounds, bounds + "Cru,1,1,179,-55\nCru,1,2,179,-64\nCru,1,3,194,-64\n"
                                                         "Cru,1,4,194,-55\n"),
              "sky.csv, line 5: part 1 of Cru does not close: its last point must repeat its first.");
    EXPECT_EQ(refusal(parseConstellationNames, names + "Ori,83,5,4,Orion,Orion,Orion,オリオン座" + std::string(17, ',') + "\n"),
              "sky.csv, line 2: the field rank of record 1 must lie between 1 and 3 (found \"4\").");
    EXPECT_EQ(refusal(parseStarNames, stars + "27989,88.79,7.41,0.45,Ori,,\n"),
              "sky.csv, line 2: the field name of record 1 and the field japanese are both empty; a named star "
              "needs a name.");
    EXPECT_EQ(refusal(parseStarNames, stars + "0,88.79,7.41,0.45,Ori,Betelgeuse,\n"),
              "sky.csv, line 2: the field hip of record 1 must lie between 1 and 2147483647 (found \"0\").");
}
