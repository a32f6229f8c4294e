// Single-precision math: every intermediate is an AIReal, as the host computes it.
#include "host/RealMath.h"

#include <cmath>

namespace qthost::RealMath {

AIReal degreeToRadian(AIReal degree) { return degree * kPi / 180.0f; }
AIReal radianToDegree(AIReal radian) { return radian * 180.0f / kPi; }

AIReal pointAngle(const AIRealPoint& p1, const AIRealPoint& p2) { return std::atan2(p2.v - p1.v, p2.h - p1.h); }

AIReal pointLength(const AIRealPoint& p1, const AIRealPoint& p2) {
    AIReal dh = p2.h - p1.h;
    AIReal dv = p2.v - p1.v;
    return std::sqrt(dh * dh + dv * dv);
}

AIRealPoint interpolate(const AIRealPoint& p1, const AIRealPoint& p2, AIReal t) {
    return {p1.h + t * (p2.h - p1.h), p1.v + t * (p2.v - p1.v)};
}

AIRealMatrix identity() { return {1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f}; }
AIRealMatrix translation(AIReal tx, AIReal ty) { return {1.0f, 0.0f, 0.0f, 1.0f, tx, ty}; }
AIRealMatrix scaling(AIReal h, AIReal v) { return {h, 0.0f, 0.0f, v, 0.0f, 0.0f}; }

AIRealMatrix rotation(AIReal angle) {
    AIReal c = std::cos(angle);
    AIReal s = std::sin(angle);
    return {c, s, -s, c, 0.0f, 0.0f};
}

AIRealMatrix concat(const AIRealMatrix& m, const AIRealMatrix& t) {
    return {m.a * t.a + m.b * t.c,           m.a * t.b + m.b * t.d,           m.c * t.a + m.d * t.c,
            m.c * t.b + m.d * t.d,           m.tx * t.a + m.ty * t.c + t.tx, m.tx * t.b + m.ty * t.d + t.ty};
}

}  // namespace qthost::RealMath
