// The Real Math and Random suites as the plug-in acquires them.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "host/host_impl.h"

namespace {

using qthost::Host;

template <typename Suite>
const Suite* acquire(const char* name, ASInt32 version) {
    const void* suite = nullptr;
    EXPECT_EQ(qthost::basicSuite()->AcquireSuite(name, version, &suite), kNoErr) << name;
    return static_cast<const Suite*>(suite);
}

TEST(HostMath, MatrixConcatenationAppliesAfterTheExistingTransform) {
    Host host;
    const auto* m = acquire<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
    const AIReal quarter = m->DegreeToRadian(90.0f);
    struct Row {
        std::function<void(AIRealMatrix&)> build;
        AIRealPoint in, expected;
        const char* why;
    };
    const Row rows[] = {
        {[&](AIRealMatrix& x) { m->AIRealMatrixSetIdentity(&x); }, {3, 4}, {3, 4}, "identity"},
        {[&](AIRealMatrix& x) {
             m->AIRealMatrixSetRotate(&x, quarter);
             m->AIRealMatrixConcatTranslate(&x, 10, 0);
         },
         {1, 0},
         {10, 1},
         "rotate, then translate: (1,0) -> (0,1) -> (10,1)"},
        {[&](AIRealMatrix& x) {
             m->AIRealMatrixSetTranslate(&x, 10, 0);
             m->AIRealMatrixConcatRotate(&x, quarter);
         },
         {1, 0},
         {0, 11},
         "translate, then rotate about the origin, counter-clockwise with v up"},
        {[&](AIRealMatrix& x) {
             m->AIRealMatrixSetTranslate(&x, 1, 2);
             m->AIRealMatrixConcatScale(&x, 2, 3);
         },
         {1, 1},
         {4, 9},
         "translate, then scale: the translation is scaled too"},
        {[&](AIRealMatrix& x) {
             m->AIRealMatrixSetScale(&x, 2, 3);
             m->AIRealMatrixConcatTranslate(&x, 1, 2);
         },
         {1, 1},
         {3, 5},
         "scale, then translate"},
        {[&](AIRealMatrix& x) {
             AIRealMatrix first, second;
             m->AIRealMatrixSetTranslate(&first, 1, 0);
             m->AIRealMatrixSetScale(&second, 2, 2);
             m->AIRealMatrixConcat(&first, &second, &x);
         },
         {0, 0},
         {2, 0},
         "Concat(m1, m2): m1 first, then m2"},
    };
    for (const Row& row : rows) {
        AIRealMatrix x{};
        row.build(x);
        AIRealPoint out{};
        m->AIRealMatrixXformPoint(&x, &row.in, &out);
        EXPECT_NEAR(out.h, row.expected.h, 1e-5f) << row.why;
        EXPECT_NEAR(out.v, row.expected.v, 1e-5f) << row.why;
    }
}

TEST(HostMath, AnglesLengthsAndInterpolation) {
    Host host;
    const auto* m = acquire<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
    const AIReal pi = 3.14159265358979f;
    struct Row {
        AIRealPoint p1, p2;
        AIReal angle, length;
        const char* why;
    };
    const Row rows[] = {
        {{0, 0}, {0, 1}, pi / 2, 1, "straight up is +90 degrees (v grows upwards)"},
        {{0, 0}, {-2, 0}, pi, 2, "to the left"},
        {{1, 1}, {2, 0}, -pi / 4, std::sqrt(2.0f), "down-right is negative: atan2(dv, dh)"},
        {{0, 0}, {3, 4}, std::atan2(4.0f, 3.0f), 5, "3-4-5"},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(m->AIRealPointAngle(&row.p1, &row.p2), row.angle, 1e-6f) << row.why;
        EXPECT_NEAR(m->AIRealPointLength(&row.p1, &row.p2), row.length, 1e-6f) << row.why;
    }
    AIRealPoint a{0, 0}, b{10, 20}, out{};
    m->AIRealPointInterpolate(&a, &b, 0.25f, &out);
    EXPECT_EQ(out.h, 2.5f);
    EXPECT_EQ(out.v, 5.0f);
    m->AIRealPointInterpolate(&a, &b, 1.5f, &out);
    EXPECT_EQ(out.h, 15.0f) << "t outside 0..1 extrapolates";
    EXPECT_FLOAT_EQ(m->DegreeToRadian(180.0f), pi);
    EXPECT_FLOAT_EQ(m->RadianToDegree(pi / 2), 90.0f);
}

std::vector<AIReal> draws(const AIRandomSuite* r, int n) {
    std::vector<AIReal> out;
    for (int i = 0; i < n; ++i) out.push_back(r->FloatRnd());
    return out;
}

TEST(HostRandom, OneSeededGeneratorPerHostWithAFixedAlgorithm) {
    std::vector<AIReal> first, again, other;
    {
        Host host;  // default seed 1
        first = draws(acquire<AIRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion), 1000);
    }
    {
        Host host;
        again = draws(acquire<AIRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion), 1000);
    }
    {
        qthost::HostConfig config;
        config.seed = 2;
        Host host(config);
        other = draws(acquire<AIRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion), 1000);
    }
    EXPECT_EQ(first, again) << "same seed, same values";
    EXPECT_NE(first, other) << "another seed, other values";
    for (AIReal x : first) {
        EXPECT_GE(x, 0.0f);
        EXPECT_LT(x, 1.0f);
    }
    // The algorithm is part of the contract (outputs must not change between builds):
    // 24 high bits of std::mt19937 seeded with the seed.
    std::mt19937 reference(1);
    EXPECT_EQ(first[0], static_cast<AIReal>(reference() >> 8) / 16777216.0f);
}

TEST(HostRandom, SetRndSeedRestartsTheSequence) {
    Host host;
    const auto* r = acquire<AIRandomSuite>(kAIRandomSuite, kAIRandomSuiteVersion);
    r->SetRndSeed(7);
    auto a = draws(r, 5);
    r->SetRndSeed(7);
    EXPECT_EQ(draws(r, 5), a);
}

}  // namespace
