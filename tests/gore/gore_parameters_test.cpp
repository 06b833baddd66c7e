#include "gore/gore_command.h"
#include "gore/gore_parameters.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <functional>

using namespace gore;

namespace {

std::string refusal(const std::function<void()>& f)
{
    try {
        f();
    } catch (const text::InputError& e) {
        return e.what();
    }
    return {};
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(GoreParameters, DefaultsAreReadAsTheBoxesShowThem)
{
    const GoreParameters p = readGoreParameters(GoreSpec{});
    EXPECT_EQ(p.n, 8);
    EXPECT_EQ(p.k, 1);
    EXPECT_EQ(p.faintestMagnitude, 8.5);
    EXPECT_EQ(p.hemisphere, 1);
    EXPECT_TRUE(p.epsilonCorrection);
    EXPECT_FALSE(p.equalLatitudeLine);
    EXPECT_EQ(p.commonRatio, 2.5);
    EXPECT_EQ(p.magnification, 10.0);
    EXPECT_EQ(p.sphereRadius, 13.0);
    EXPECT_EQ(p.lineLatitude, 70.0);
    EXPECT_FALSE(p.northPlate);
    EXPECT_EQ(p.plateBoundary, 70.0);
}

TEST(GoreParameters, WholeNumbersRoundHalfToEven)
{
    struct Row { const char* text1; const char* text2; int n, k; };
    for (const Row& r : {Row{"8.5", "1.5", 8, 2}, Row{"9.5", "2.5", 10, 2}, Row{" 7.49 ", "-0.5", 7, 0}}) {
        SCOPED_TRACE(std::string(r.text1) + " / " + r.text2);
        GoreSpec in;
        in.n = r.text1;
        in.k = r.text2;
        const GoreParameters p = readGoreParameters(in);
        EXPECT_EQ(p.n, r.n);
        EXPECT_EQ(p.k, r.k);
    }
}

TEST(GoreParameters, ABadBoxIsNamedByItsCaptionWithTheTextFound)
{
    struct Row { std::string GoreSpec::*box; const char* caption; };
    const Row rows[] = {
        {&GoreSpec::n, "分割数 n"}, {&GoreSpec::k, "位置 k"},   {&GoreSpec::faintest, "最微等級"},
        {&GoreSpec::ratio, "公比"},     {&GoreSpec::magnification, "倍率"},     {&GoreSpec::radius, "恒星球半径"},
        {&GoreSpec::lineLatitude, "等緯度線"}, {&GoreSpec::boundary, "境界緯度"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.caption);
        GoreSpec in;
        in.*r.box = "12x";
        const std::string message = refusal([&] { readGoreParameters(in); });
        EXPECT_TRUE(contains(message, r.caption)) << message;
        EXPECT_TRUE(contains(message, "12x")) << message;
    }
}

TEST(GoreParameters, FirstBadBoxInReadingOrderIsReported)
{
    GoreSpec in;
    in.boundary = "";
    in.ratio = "q";
    in.faintest = "m";
    EXPECT_TRUE(contains(refusal([&] { readGoreParameters(in); }), "最微等級"));
    in.faintest = "8.5";
    EXPECT_TRUE(contains(refusal([&] { readGoreParameters(in); }), "公比"));
}

TEST(GoreValidation, MessagesAndTheirOrder)
{
    struct Row { int n, k; const char* prompt; };
    const Row rows[] = {
        {0, 1, "負または零の分割数nは定義できません。"},
        {-3, 1, "負または零の分割数nは定義できません。"},
        {0, 5, "負または零の分割数nは定義できません。"}, // n < 1 is tested first
        {8, 9, " n < k です。"},
        {8, 8, nullptr},
        {8, 0, nullptr},
        {8, -4, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.n) + ", " + std::to_string(r.k));
        GoreParameters p;
        p.n = static_cast<std::int16_t>(r.n);
        p.k = static_cast<std::int16_t>(r.k);
        const auto message = validateGoreParameters(p);
        if (!r.prompt) {
            EXPECT_FALSE(message);
            continue;
        }
        ASSERT_TRUE(message);
        EXPECT_EQ(message->prompt, r.prompt);
        EXPECT_EQ(message->title, "Tessel");
    }
}

TEST(GoreValidation, AFailedCheckSaysWhichCheckAndWhichBox)
{
    struct Row { int n, k; GoreCheck check; text::Input input; const char* english; };
    const Row rows[] = {
        {0, 1, GoreCheck::NoGores, text::Input::GoreCount, "there are no gores to draw"},
        {8, 9, GoreCheck::PositionBeyondCount, text::Input::GorePosition, "there is no gore 9 of 8"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.english);
        GoreParameters p;
        p.n = static_cast<std::int16_t>(r.n);
        p.k = static_cast<std::int16_t>(r.k);
        const auto message = validateGoreParameters(p);
        ASSERT_TRUE(message && message->check && message->refusal);
        EXPECT_EQ(*message->check, r.check);
        EXPECT_EQ(message->refusal->input(), r.input);
        EXPECT_EQ(message->refusal->reason().rfind(r.english, 0), 0u) << message->refusal->reason();
    }
}

TEST(GoreValidation, UndrawableValuesAreRefusedNamingTheBox)
{
    struct Row { const char* what; GoreParameters p; const char* caption; const char* detail; };
    GoreParameters base;
    auto with = [&](auto change) { GoreParameters p = base; change(p); return p; };
    const Row rows[] = {
        {"one gore", with([](auto& p) { p.n = 1; p.k = 1; }), "分割数 n", nullptr},
        {"two gores", with([](auto& p) { p.n = 2; }), "分割数 n", nullptr},
        {"zero radius", with([](auto& p) { p.sphereRadius = 0; }), "恒星球半径", nullptr},
        {"negative radius", with([](auto& p) { p.sphereRadius = -1; }), "恒星球半径", nullptr},
        // 200·π/2 + 2 = 316.16 cm wide
        {"too wide", with([](auto& p) { p.sphereRadius = 200; }), "恒星球半径", "300 cm"},
        // n = 3: 2·tan 60°·100 + 2 = 348.41 cm high, though only 159.08 cm wide
        {"too high", with([](auto& p) { p.n = 3; p.sphereRadius = 100; }), "恒星球半径", "300 cm"},
        {"negative magnification", with([](auto& p) { p.magnification = -10; }), "倍率", nullptr},
        {"boundary 0", with([](auto& p) { p.plateBoundary = 0; }), "境界緯度", nullptr},
        {"boundary below 0", with([](auto& p) { p.plateBoundary = -10; }), "境界緯度", nullptr},
        // plate side round the octagon 2·160·cos 1° / cos 22.5° + 2 = 348.31 cm, gore only 253.33 × 134.55 cm
        {"plate too large", with([](auto& p) { p.sphereRadius = 160; p.plateBoundary = 1; p.northPlate = true; }),
         "恒星球半径", "348.31 cm"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const std::string message = refusal([&] { checkGoreDrawable(r.p); });
        EXPECT_TRUE(contains(message, r.caption)) << message;
        if (r.detail) {
            EXPECT_TRUE(contains(message, r.detail)) << message;
        }
    }
}

TEST(GoreValidation, SoundValuesPass)
{
    GoreParameters p;
    EXPECT_NO_THROW(checkGoreDrawable(p));
    p.n = 3;
    p.sphereRadius = 80;
    EXPECT_NO_THROW(checkGoreDrawable(p));
    p.sphereRadius = 160;
    p.n = 8;
    p.plateBoundary = 1; // the plate canvas is not sized while the plate box is clear
    EXPECT_NO_THROW(checkGoreDrawable(p));
    p.magnification = 0; // every star a dot of one pixel
    EXPECT_NO_THROW(checkGoreDrawable(p));
}

TEST(GoreLabels, DefaultsAndHemisphereStates)
{
    GoreParameters p;
    const GoreLabels labels = goreLabels(p);
    EXPECT_EQ(labels.gores, "n = 8");
    EXPECT_EQ(labels.position, "k = 1");
    EXPECT_EQ(labels.faintest, "最微等級 = 8.5");
    EXPECT_EQ(labels.hemisphere, "北");
    EXPECT_EQ(labels.starSize, "恒星サイズ：公比=2.5 ,倍率=10");
    p.hemisphere = 0;
    EXPECT_EQ(goreLabels(p).hemisphere, "南");
    p.hemisphere = 2;
    EXPECT_EQ(goreLabels(p).hemisphere, "ﾁｪｯｸﾎﾞｯｸｽ誤作動");
}

TEST(GoreLabels, ShowParsedValuesWithTheLocaleSeparator)
{
    GoreSpec in;
    in.decimalSeparator = ',';
    in.n = "8,0";
    in.faintest = "6,50";
    in.ratio = "2,5";
    const GoreLabels labels = goreLabels(readGoreParameters(in), ',');
    EXPECT_EQ(labels.gores, "n = 8");
    EXPECT_EQ(labels.faintest, "最微等級 = 6,5");
    EXPECT_EQ(labels.starSize, "恒星サイズ：公比=2,5 ,倍率=10");
}

TEST(GoreStep, StepsTheTypedPosition)
{
    struct Row { const char* text; int step; char separator; const char* expected; };
    const Row rows[] = {
        {"8", 1, '.', "9"},     {"1", -1, '.', "0"},   {"0", -1, '.', "-1"},
        {"2.5", 1, '.', "3.5"}, {"2,5", 1, ',', "3,5"}, {" 4 ", -1, '.', "3"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        const auto next = stepGorePosition(r.text, r.step, r.separator);
        ASSERT_TRUE(next);
        EXPECT_EQ(*next, r.expected);
    }
    EXPECT_FALSE(stepGorePosition("abc", 1));
    EXPECT_FALSE(stepGorePosition("", -1));
}

TEST(GoreBitmapName, PiecesAsTyped)
{
    GoreSpec in;
    EXPECT_EQ(goreBitmapName(in), "N8_K1_NS1_Vb8.5_Sr2.5_Ss10_13cm.bmp");
    in.n = "8.0";
    in.hemisphere = 0;
    in.radius = "80";
    in.magnification = "20";
    EXPECT_EQ(goreBitmapName(in), "N8.0_K1_NS0_Vb8.5_Sr2.5_Ss20_80cm.bmp");
}
