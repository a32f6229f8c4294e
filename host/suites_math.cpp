// The Real Math suite over RealMath: single precision throughout.
#include <cmath>

#include "host/host_impl.h"
#include "host/real_math.h"

namespace qthost {

namespace {

AIReal DegreeToRadian(AIReal degree) {
    hostNote("AI Real Math Suite.DegreeToRadian");
    return RealMath::degreeToRadian(degree);
}
AIReal RadianToDegree(AIReal radian) {
    hostNote("AI Real Math Suite.RadianToDegree");
    return RealMath::radianToDegree(radian);
}
AIReal AIRealSqrt(AIReal x) {
    hostNote("AI Real Math Suite.AIRealSqrt");
    return std::sqrt(x);
}
AIReal AIRealSin(AIReal radian) {
    hostNote("AI Real Math Suite.AIRealSin");
    return static_cast<AIReal>(std::sin(static_cast<double>(radian)));
}
AIReal AIRealCos(AIReal radian) {
    hostNote("AI Real Math Suite.AIRealCos");
    return static_cast<AIReal>(std::cos(static_cast<double>(radian)));
}
AIReal AIRealPointAngle(const AIRealPoint* p1, const AIRealPoint* p2) {
    hostNote("AI Real Math Suite.AIRealPointAngle");
    return p1 && p2 ? RealMath::pointAngle(*p1, *p2) : 0.0f;
}
AIReal AIRealPointLength(const AIRealPoint* p1, const AIRealPoint* p2) {
    hostNote("AI Real Math Suite.AIRealPointLength");
    return p1 && p2 ? RealMath::pointLength(*p1, *p2) : 0.0f;
}
void AIRealPointInterpolate(const AIRealPoint* p1, const AIRealPoint* p2, AIReal t, AIRealPoint* result) {
    hostNote("AI Real Math Suite.AIRealPointInterpolate");
    if (p1 && p2 && result) *result = RealMath::interpolate(*p1, *p2, t);
}
void AIRealMatrixSetIdentity(AIRealMatrix* m) {
    hostNote("AI Real Math Suite.AIRealMatrixSetIdentity");
    if (m) *m = RealMath::identity();
}
void AIRealMatrixSetTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) {
    hostNote("AI Real Math Suite.AIRealMatrixSetTranslate");
    if (m) *m = RealMath::translation(tx, ty);
}
void AIRealMatrixSetScale(AIRealMatrix* m, AIReal h, AIReal v) {
    hostNote("AI Real Math Suite.AIRealMatrixSetScale");
    if (m) *m = RealMath::scaling(h, v);
}
void AIRealMatrixSetRotate(AIRealMatrix* m, AIReal angle) {
    hostNote("AI Real Math Suite.AIRealMatrixSetRotate");
    if (m) *m = RealMath::rotation(angle);
}
void AIRealMatrixConcatTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) {
    hostNote("AI Real Math Suite.AIRealMatrixConcatTranslate");
    if (m) *m = RealMath::concat(*m, RealMath::translation(tx, ty));
}
void AIRealMatrixConcatScale(AIRealMatrix* m, AIReal h, AIReal v) {
    hostNote("AI Real Math Suite.AIRealMatrixConcatScale");
    if (m) *m = RealMath::concat(*m, RealMath::scaling(h, v));
}
void AIRealMatrixConcatRotate(AIRealMatrix* m, AIReal angle) {
    hostNote("AI Real Math Suite.AIRealMatrixConcatRotate");
    if (m) *m = RealMath::concat(*m, RealMath::rotation(angle));
}
void AIRealMatrixConcat(const AIRealMatrix* m1, const AIRealMatrix* m2, AIRealMatrix* result) {
    hostNote("AI Real Math Suite.AIRealMatrixConcat");
    if (m1 && m2 && result) *result = RealMath::concat(*m1, *m2);
}
void AIRealMatrixXformPoint(const AIRealMatrix* m, const AIRealPoint* in, AIRealPoint* out) {
    hostNote("AI Real Math Suite.AIRealMatrixXformPoint");
    if (m && in && out) RealMath::xformPoint(*m, *in, *out);
}

const AIRealMathSuite gRealMath = {
    suiteValue<DegreeToRadian>,
    suiteValue<RadianToDegree>,
    suiteValue<AIRealSqrt>,
    suiteValue<AIRealSin>,
    suiteValue<AIRealCos>,
    suiteValue<AIRealPointAngle>,
    suiteValue<AIRealPointLength>,
    suiteValue<AIRealPointInterpolate>,
    suiteValue<AIRealMatrixSetIdentity>,
    suiteValue<AIRealMatrixSetTranslate>,
    suiteValue<AIRealMatrixSetScale>,
    suiteValue<AIRealMatrixSetRotate>,
    suiteValue<AIRealMatrixConcatTranslate>,
    suiteValue<AIRealMatrixConcatScale>,
    suiteValue<AIRealMatrixConcatRotate>,
    suiteValue<AIRealMatrixConcat>,
    suiteValue<AIRealMatrixXformPoint>,
};

}  // namespace

const AIRealMathSuite* realMathSuite() { return &gRealMath; }

}  // namespace qthost
