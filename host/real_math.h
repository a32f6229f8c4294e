// The host's real-number math in single precision, shared by the Real Math suite and the
// document's transforms. Matrix convention (sdk/ai_types.h): a point is a row vector,
//   h' = a*h + c*v + tx,  v' = b*h + d*v + ty,
// and every "concat" applies its transform after the matrix's own: M' = M x T.
#ifndef QT_HOST_REALMATH_H
#define QT_HOST_REALMATH_H

#include "sdk/ai_types.h"

namespace qthost::RealMath {

inline constexpr AIReal kPi = 3.14159265358979323846f;

AIReal degreeToRadian(AIReal degree);
AIReal radianToDegree(AIReal radian);
// Angle of the vector p1 -> p2: atan2(p2.v - p1.v, p2.h - p1.h).
AIReal pointAngle(const AIRealPoint& p1, const AIRealPoint& p2);
AIReal pointLength(const AIRealPoint& p1, const AIRealPoint& p2);
AIRealPoint interpolate(const AIRealPoint& p1, const AIRealPoint& p2, AIReal t);

AIRealMatrix identity();
AIRealMatrix rotation(AIReal angle);  // counter-clockwise with v up

// Inline, like xformPoint below: the modes build a matrix or two for every copy.
inline AIRealMatrix translation(AIReal tx, AIReal ty) { return {1.0f, 0.0f, 0.0f, 1.0f, tx, ty}; }
inline AIRealMatrix scaling(AIReal h, AIReal v) { return {h, 0.0f, 0.0f, v, 0.0f, 0.0f}; }
// m then t: result = m x t. Every product is kept (a 0 times an infinity is not 0).
inline AIRealMatrix concat(const AIRealMatrix& m, const AIRealMatrix& t) {
    return {m.a * t.a + m.b * t.c, m.a * t.b + m.b * t.d,          m.c * t.a + m.d * t.c,
            m.c * t.b + m.d * t.d, m.tx * t.a + m.ty * t.c + t.tx, m.tx * t.b + m.ty * t.d + t.ty};
}

// Inline: the document's transforms run it for every anchor and handle.
inline void xformPoint(const AIRealMatrix& m, const AIRealPoint& in, AIRealPoint& out) {
    AIRealPoint p = in;  // in and out may be the same point
    out.h = m.a * p.h + m.c * p.v + m.tx;
    out.v = m.b * p.h + m.d * p.v + m.ty;
}

}  // namespace qthost::RealMath

#endif
