#include "polyhedron/face_number_rule.h"

#include <gtest/gtest.h>

using namespace polyhedron;

namespace {

/// `faces` faces; face f has its centre at latitude f, longitude 10·f + 0.5.
PolyhedronModel modelWithFaces(int faces)
{
    PolyhedronModel model;
    model.FaceFileName = "faces.csv";
    for (int f = 1; f <= faces; ++f)
        model.faces.push_back(Face{double(f), 10.0 * f + 0.5, 0, {}});
    return model;
}

TEST(FaceNumberRule, ClampsAndCopiesTheCentre)
{
    struct Row
    {
        const char* typed;
        std::optional<std::string> text16;
        std::optional<std::pair<std::string, std::string>> centre;
    };
    using P = std::pair<std::string, std::string>;
    const Row rows[] = {
        {"3", {}, P{"3", "30.5"}},
        {"40", "32", P{"32", "320.5"}},
        {"33", "32", P{"32", "320.5"}},
        {"0", "1", P{"1", "10.5"}},
        {"-3", "1", P{"1", "10.5"}},
        {"2.5", {}, P{"2", "20.5"}},      // ties to even
        {"3.5", {}, P{"4", "40.5"}},
        {"0.4", {}, P{"0", "0"}},         // face 0, the all-zero entry
        {"32.6", {}, {}},                 // rounds to 33: no such face
        {"abc", {}, {}},
        {"", {}, {}},
        {"-", {}, {}},
    };
    const PolyhedronModel model = modelWithFaces(32);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        const FaceNumberUpdate u = applyFaceNumberRule(model, r.typed);
        EXPECT_EQ(u.number, r.text16);
        ASSERT_EQ(u.centre.has_value(), r.centre.has_value());
        if (r.centre) {
            EXPECT_EQ(u.centre->latitude, r.centre->first);
            EXPECT_EQ(u.centre->longitude, r.centre->second);
        }
    }
}

TEST(FaceNumberRule, FaceBeyondTheFileOrNoFileLeavesTheCentre)
{
    const FaceNumberUpdate beyond = applyFaceNumberRule(modelWithFaces(12), "13");
    EXPECT_FALSE(beyond.number);
    EXPECT_FALSE(beyond.centre);

    PolyhedronModel noFile = modelWithFaces(12);
    noFile.FaceFileName.clear();
    const FaceNumberUpdate clamped = applyFaceNumberRule(noFile, "40");
    EXPECT_EQ(clamped.number, "32");
    EXPECT_FALSE(clamped.centre);
    EXPECT_FALSE(applyFaceNumberRule(noFile, "3").centre);
}

TEST(FaceNumberRule, CentreAfterLoadingAFaceFile)
{
    const auto c = faceCentreTexts(modelWithFaces(6), "3");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->latitude, "3");
    EXPECT_EQ(c->longitude, "30.5");
    EXPECT_FALSE(faceCentreTexts(modelWithFaces(6), "20"));
    EXPECT_FALSE(faceCentreTexts(PolyhedronModel{}, "1")); // a face file with no record
}

TEST(FaceNumberRule, StepButtons)
{
    EXPECT_EQ(stepFaceNumber("2.5", 1), "3.5");
    EXPECT_EQ(stepFaceNumber("1", -1), "0");
    EXPECT_EQ(stepFaceNumber("32", 1), "33");
    EXPECT_EQ(stepFaceNumber("2,5", 1, ','), "3,5");
    EXPECT_EQ(applyFaceNumberRule(modelWithFaces(5), "2,5", ',').centre->longitude, "20,5");
    EXPECT_FALSE(stepFaceNumber("", 1));
    EXPECT_FALSE(stepFaceNumber("x", -1));
    // "+1" at 32 comes back to 32 through the rule; 3.5 selects face 4.
    EXPECT_EQ(applyFaceNumberRule(modelWithFaces(32), *stepFaceNumber("32", 1)).number, "32");
    EXPECT_EQ(applyFaceNumberRule(modelWithFaces(32), *stepFaceNumber("2.5", 1)).centre->latitude, "4");
}

} // namespace
