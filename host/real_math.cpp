// Single-precision math: every intermediate is an AIReal, as the host computes it.
#include "host/real_math.h"

#include <cmath>

namespace qthost::RealMath {

AIReal degreeToRadian(AIReal degree) { return degree * kPi / 180.0f; }
AIReal radianToDegree(AIReal radian) { return radian * 180.0f / kPi; }

// sin, cos and atan2 are worked in double and rounded once to single precision: every
// platform's maths library then gives the same bits, so drawings match across builds.
AIReal pointAngle(const AIRealPoint& p1, const AIRealPoint& p2) {
    return static_cast<AIReal>(
        std::atan2(static_cast<double>(p2.v - p1.v), static_cast<double>(p2.h - p1.h)));
}

AIReal pointLength(const AIRealPoint& p1, const AIRealPoint& p2) {
    AIReal dh = p2.h - p1.h;
    AIReal dv = p2.v - p1.v;
    return std::sqrt(dh * dh + dv * dv);
}

AIRealPoint interpolate(const AIRealPoint& p1, const AIRealPoint& p2, AIReal t) {
    return {p1.h + t * (p2.h - p1.h), p1.v + t * (p2.v - p1.v)};
}

AIRealMatrix identity() { return {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f}; }

AIRealMatrix rotation(AIReal angle) {
    AIReal c = static_cast<AIReal>(std::cos(static_cast<double>(angle)));
    AIReal s = static_cast<AIReal>(std::sin(static_cast<double>(angle)));
    return {c, s, -s, c, 0.0f, 0.0f};
}

}  // namespace qthost::RealMath
