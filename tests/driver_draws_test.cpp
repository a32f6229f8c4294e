// The order of random draws through the per-copy steps, with every random option of the drag
// mode on. A probe plug-in reads the host's random sequence for the same seed; the drawn art
// must show each draw in its place: beneath, placement, jitter (vertical sign, horizontal sign,
// vertical and horizontal magnitude), fill, stroke, width, opacity, blend, then the envelope's
// eight (style, bend sign and size, horizontal sign and size, vertical sign and size, rotate).
#include <cstring>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

constexpr size_t kDrawsPerCopy = 21;
constexpr AIReal kJitter = 10.0f;

AIReal sign(AIReal draw) { return draw > 0.5f ? -1.0f : 1.0f; }

// A seed whose draws make both copies (placement draw at most 0.5 for each).
uint32_t seedMakingBothCopies() {
    for (uint32_t seed = 1; seed < 200; ++seed) {
        const auto d = hostDraws(seed, 2 * kDrawsPerCopy);
        if (d.size() == 2 * kDrawsPerCopy && d[1] <= 0.5f && d[kDrawsPerCopy + 1] <= 0.5f) return seed;
    }
    ADD_FAILURE() << "no seed makes both copies";
    return 1;
}

class DriverDrawsTest : public DriverTest {
  protected:
    qthost::HostConfig config() const override {
        qthost::HostConfig config;
        config.seed = seed_;
        qthost::Paint fill = qthost::Paint::white(qthost::ColorModel::rgb);  // three draws for random colours
        fill.color.c.rgb = {0.5f, 0.5f, 0.5f};
        config.fill = fill;
        return config;
    }
    void SetUp() override {
        seed_ = seedMakingBothCopies();
        draws_ = hostDraws(seed_, 2 * kDrawsPerCopy);
        DriverTest::SetUp();
    }

    uint32_t seed_ = 1;
    std::vector<AIReal> draws_;
};

TEST_F(DriverDrawsTest, EveryRandomStepDrawsInItsPlace) {
    plainDragMode(2);
    selectEntry(items::beneath, 4);
    setBool(items::create1, true);
    setFloat(items::jitterX1, kJitter);
    setFloat(items::jitterY1, kJitter);
    selectEntry(items::fillMode, 3);    // random colours
    selectEntry(items::strokeMode, 4);  // random swatches
    setBool(items::width, true);
    setBool(items::opacity, true);
    setBool(items::blend, true);
    setBool(items::warp1, true);
    down({100, 100});
    ASSERT_EQ(move({180, 140}), kNoErr);

    // Both copies end as envelopes holding the copy.
    const auto all = art();
    ASSERT_EQ(all.size(), 2u);
    std::vector<AIArtHandle> copies;
    std::vector<AIArtHandle> envelopes;
    for (AIArtHandle a : all) {
        ASSERT_EQ(document().artType(a), kEnvelopeArt);
        const auto contents = document().children(a);
        ASSERT_EQ(contents.size(), 1u);
        // The envelope is made from a duplicate of the copy, lying on it.
        const AIArtHandle shape = document().envelopeShape(a);
        ASSERT_NE(shape, nullptr);
        ASSERT_EQ(document().segments(shape).size(), document().segments(contents[0]).size());
        EXPECT_TRUE(near(document().segments(shape)[0].p, document().segments(contents[0])[0].p));
        copies.push_back(contents[0]);
        envelopes.push_back(a);
    }
    // Copy 0 is the drag path: its first anchor is the mouse-down point plus its jitter.
    if (document().segments(copies[0])[0].p.h > document().segments(copies[1])[0].p.h) {
        std::swap(copies[0], copies[1]);
        std::swap(envelopes[0], envelopes[1]);
    }

    AIReal width = 1.0f;
    AIRealPoint jitter0{};
    for (size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const AIReal* d = &draws_[i * kDrawsPerCopy];
        // d[0] beneath, d[1] placement: both only consumed here.
        const AIRealPoint jitter{d[5] * sign(d[3]) * kJitter, d[4] * sign(d[2]) * kJitter};
        const auto segments = document().segments(copies[i]);
        ASSERT_EQ(segments.size(), 2u);
        if (i == 0) {
            EXPECT_TRUE(near(segments[0].p, {100 + jitter.h, 100 + jitter.v}));
            jitter0 = jitter;
        } else {
            // Copy 1 is D (with its jitter) moved by the whole drag and its own jitter.
            EXPECT_TRUE(
                near(segments[0].p, {100 + jitter0.h + 80 + jitter.h, 100 + jitter0.v + 40 + jitter.v}));
        }

        const AIPathStyle style = document().style(copies[i]);
        ASSERT_EQ(style.fill.color.kind, kThreeColor);
        EXPECT_EQ(style.fill.color.c.rgb.red, d[6]);
        EXPECT_EQ(style.fill.color.c.rgb.green, d[7]);
        EXPECT_EQ(style.fill.color.c.rgb.blue, d[8]);

        const auto swatches = document().swatches();
        const auto S = static_cast<ASInt32>(swatches.size());
        ASInt32 n = std::min(S, static_cast<ASInt32>(S * d[9]) + 1);
        if (n <= 1) n = 2;
        ASSERT_LT(n, S);
        EXPECT_EQ(style.stroke.color.kind, swatches[n].color.kind);
        EXPECT_EQ(style.stroke.color.c.values[0], swatches[n].color.c.values[0]);

        width *= d[10];  // copy 1 starts from D's width
        EXPECT_FLOAT_EQ(style.stroke.width, width);
        EXPECT_EQ(document().opacity(copies[i]), d[11]);
        ASInt32 blend = static_cast<ASInt32>(d[12] * 20);
        if (blend > kLastBlendMode) blend = kNormalBlendMode;
        EXPECT_EQ(document().blendMode(copies[i]), blend);

        const auto style18 = static_cast<ASInt32>(d[13] * 18);
        const auto warp = document().warp(envelopes[i]);
        if (style18 >= kWarpStyleFirst && style18 <= kWarpStyleLast) {
            ASSERT_TRUE(warp.has_value());
            EXPECT_EQ(warp->style, style18);
            EXPECT_EQ(warp->bend, d[15] * sign(d[14]));
            EXPECT_EQ(warp->horizontal, d[17] * sign(d[16]));
            EXPECT_EQ(warp->vertical, d[19] * sign(d[18]));
            EXPECT_EQ(warp->rotate, d[20] > 0.5f);
        } else {
            EXPECT_FALSE(warp.has_value()) << "styles 0, 16 and 17 keep the plain envelope";
        }
    }
}

// Opacity and blending mode over a longer row: six draws per copy (four jitter, opacity,
// blend); the blend draw maps to twenty slots and the four past the last mode mean normal.
TEST_F(DriverDrawsTest, OpacityAndBlendTakeOneDrawEachPerCopy) {
    constexpr size_t kCopies = 20;
    constexpr size_t kPerCopy = 6;
    const auto draws = hostDraws(seed_, kCopies * kPerCopy);
    plainDragMode(kCopies);
    setBool(items::opacity, true);
    setBool(items::blend, true);
    down({100, 100});
    move({290, 100});
    const auto copies = art();
    ASSERT_EQ(copies.size(), kCopies);
    for (size_t i = 0; i < kCopies; ++i) {
        const AIReal* d = &draws[i * kPerCopy];
        ASInt32 blend = static_cast<ASInt32>(d[5] * 20);
        if (blend > kLastBlendMode) blend = kNormalBlendMode;
        EXPECT_EQ(document().opacity(copies[i]), d[4]) << i;
        EXPECT_EQ(document().blendMode(copies[i]), blend) << i << " from draw " << d[5];
    }
}

}  // namespace
}  // namespace qttest
