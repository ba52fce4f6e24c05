#pragma once

#include <cmath>

// Real-to-integer conversions round to the nearest integer and send halves to
// the even neighbour (the default floating-point rounding mode), so that 9.5
// gives 10 and 10.5 gives 10 as the earlier version of the program did.
inline int roundEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}
