#include "stars/angles.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace stars;

TEST(Angles, PiValueIsTheFourteenDigitPi)
{
    EXPECT_EQ(PiValue, 3.14159265358979);
    EXPECT_NE(PiValue, M_PI);
    EXPECT_EQ(std::nextafter(PiValue, 4.0) < M_PI, true);
    EXPECT_EQ(DegreeFactor, 0.017453292519943278);
}

TEST(Angles, ArcCosInsideTheOpenInterval)
{
    struct Row { double x; double expected; };
    const Row rows[] = {{0.0, 1.5707963267948966}, {0.5, 1.0471975511965976}, {-0.5, 2.0943951023931957},
                        {0.9999, std::acos(0.9999)}, {-0.9999, std::acos(-0.9999)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.x);
        EXPECT_NEAR(ArcCos(row.x), row.expected, 1e-14);
    }
}

TEST(Angles, ArcCosIsZeroAtAndBeyondTheEnds)
{
    for (double x : {1.0, -1.0, 1.0000001, -2.0, 1e300, std::nan("")}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(ArcCos(x), 0.0);
    }
}
