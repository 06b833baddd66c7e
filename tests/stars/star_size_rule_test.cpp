#include "stars/star_size_rule.h"
#include "text/input_error.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace stars;

namespace {
constexpr double kTolerance = 5e-4; // the worked values are given to three figures
}

TEST(StarSizeRule, WorkedValuesWithTheDefaults)
{
    struct Row { double vmag; double radius; };
    const Row rows[] = {{8.0, 0.0157}, {6.0, 0.0393}, {1.0, 0.388}, {0.0, 0.614}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.vmag);
        const auto r = StarSizeRule(8.5, 2.5, 10, row.vmag);
        ASSERT_TRUE(r.has_value());
        EXPECT_NEAR(*r, row.radius, kTolerance);
    }
    EXPECT_NEAR(*StarSizeRule(8.5, 2.5, 20, 1.0), 0.777, kTolerance);
}

TEST(StarSizeRule, StarsAtOrBelowTheLimitAreNotDrawn)
{
    EXPECT_FALSE(StarSizeRule(8.5, 2.5, 10, 8.5).has_value());
    EXPECT_FALSE(StarSizeRule(8.5, 2.5, 10, 9.0).has_value());
    const auto faint = StarSizeRule(8.5, 2.5, 10, 8.4999999);
    ASSERT_TRUE(faint.has_value());
    EXPECT_GT(*faint, 0.0);
}

TEST(StarSizeRule, SpecialRatios)
{
    for (double vmag : {-1.46, 3.0, 8.0}) {
        SCOPED_TRACE(vmag);
        EXPECT_DOUBLE_EQ(*StarSizeRule(8.5, 1.0, 10, vmag), 10.0 / 800.0);
        EXPECT_DOUBLE_EQ(*StarSizeRule(8.5, 0.0, 10, vmag), 0.0);
    }
    // A negative ratio still has a value for a whole even exponent: (-2)^2 = 4.
    EXPECT_DOUBLE_EQ(*StarSizeRule(8.5, -2.0, 8, 6.5), 0.8 * 2.0 / 80.0);
}

TEST(StarSizeRule, UndefinedPowersAreRefused)
{
    EXPECT_THROW(StarSizeRule(8.5, -2.5, 10, 6.0), text::InputError);  // fractional d
    EXPECT_THROW(StarSizeRule(8.5, -2.0, 10, 7.5), text::InputError);  // odd d: negative power
    EXPECT_THROW(StarSizeRule(1e6, 10.0, 10, 0.0), text::InputError);  // overflow
    try {
        StarSizeRule(8.5, -2.5, 10, 6.0);
    } catch (const text::InputError& e) {
        EXPECT_NE(std::string(e.what()).find("公比"), std::string::npos);
    }
}
