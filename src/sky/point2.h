#pragma once

namespace sky {

/// A point of a template in the plane, centimetres (whatever axes the projection uses).
struct Point2
{
    double x = 0.0;
    double y = 0.0;
};

} // namespace sky
