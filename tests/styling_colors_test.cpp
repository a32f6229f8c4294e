// Fill and stroke colour series, seen on the drag mode's row of copies: copy i of n gets
// index i and, with the process value 0, the cycle P = n - 1.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

AIColor gray(AIReal g) {
    AIColor c{};
    c.kind = kGrayColor;
    c.c.g.gray = g;
    return c;
}
AIColor cmyk(AIReal c_, AIReal m, AIReal y, AIReal k) {
    AIColor c{};
    c.kind = kFourColor;
    c.c.f = {c_, m, y, k};
    return c;
}
AIColor rgb(AIReal r, AIReal g, AIReal b) {
    AIColor c{};
    c.kind = kThreeColor;
    c.c.rgb = {r, g, b};
    return c;
}

int components(const AIColor& c) { return c.kind == kGrayColor ? 1 : c.kind == kFourColor ? 4 : 3; }

std::string show(const AIColor& c) {
    std::string text = "kind " + std::to_string(c.kind) + " (";
    for (int k = 0; k < components(c); ++k) text += (k ? ", " : "") + std::to_string(c.c.values[k]);
    return text + ")";
}

::testing::AssertionResult sameColor(const AIColor& actual, const AIColor& expected,
                                     float tolerance = 1e-5f) {
    bool same = actual.kind == expected.kind;
    for (int k = 0; same && k < components(expected); ++k)
        same = std::fabs(actual.c.values[k] - expected.c.values[k]) <= tolerance;
    if (same) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << show(actual) << " is not " << show(expected);
}

// One row: a colour mode, the process value (0: the cycle is n - 1), the copy count, which
// copy to look at, and the colour it must have.
struct SeriesCase {
    int mode;
    int process;
    int copies;
    int copy;
    AIColor expected;
    const char* why;
};

// The drag mode with a plain horizontal row; the host's new art starts with `fill`/`stroke`.
class ColorSeriesTest : public DriverTest {
  protected:
    qthost::HostConfig config() const override { return config_; }
    void SetUp() override {}  // each test starts the host with its own colours

    void start(qthost::Paint fill, qthost::Paint stroke = qthost::Paint::black()) {
        config_.fill = fill;
        config_.stroke = stroke;
        DriverTest::SetUp();
    }

    // One drag event from (100, 100) to (300, 100); the copies, left to right.
    std::vector<AIArtHandle> row(int copies) {
        plainDragMode(copies);
        EXPECT_EQ(down({100, 100}), kNoErr);
        EXPECT_EQ(move({300, 100}), kNoErr);
        EXPECT_EQ(host().mouseUp(), kNoErr);
        std::vector<AIArtHandle> made = art();
        std::sort(made.begin(), made.end(), [&](AIArtHandle a, AIArtHandle b) {
            return document().segments(a)[0].p.h < document().segments(b)[0].p.h;
        });
        EXPECT_EQ(made.size(), static_cast<size_t>(copies));
        return made;
    }

    AIPathStyle styleOfCopy(int copies, int copy) {
        const std::vector<AIArtHandle> made = row(copies);
        AIPathStyle style{};
        if (copy < static_cast<int>(made.size())) style = document().style(made[copy]);
        host().undoLastDrag();  // the next row starts from an empty document
        return style;
    }

    void checkFill(const std::vector<SeriesCase>& cases) {
        for (const SeriesCase& c : cases) {
            selectEntry(items::fillMode, c.mode);
            // The process field is disabled in modes that do not use it; it keeps its value.
            if (item(items::fillProcess)->enabled())
                setInt(items::fillProcess, c.process);
            else
                ASSERT_EQ(item(items::fillProcess)->intValue(), c.process) << c.why;
            const AIPathStyle style = styleOfCopy(c.copies, c.copy);
            EXPECT_TRUE(sameColor(style.fill.color, c.expected)) << c.why;
        }
    }

    qthost::HostConfig config_;
};

qthost::Paint painted(AIColor color) { return {true, color}; }
qthost::Paint unpainted(AIColor color) { return {false, color}; }

TEST_F(ColorSeriesTest, FourColourFillModes) {
    start(painted(cmyk(0.2f, 0.4f, 0.6f, 1.0f)));
    checkFill({
        {1, 0, 5, 1, cmyk(0.15f, 0.3f, 0.45f, 0.75f), "to white, i = 1 of P = 4: a quarter of the ink goes"},
        {1, 0, 5, 4, cmyk(0, 0, 0, 0), "to white reaches no ink at i = P"},
        {1, 0, 5, 0, cmyk(0.2f, 0.4f, 0.6f, 1.0f), "the first copy keeps the art's colour"},
        {1, 2, 5, 4, cmyk(-0.2f, -0.4f, -0.6f, -1.0f),
         "i beyond the process value goes past white, unclamped"},
        {2, 0, 5, 2, cmyk(0.6f, 0.7f, 0.8f, 1.0f), "to black: halfway to full ink at i = P / 2"},
        {5, 10, 11, 5, cmyk(0.1f, 0.2f, 0.3f, 0.5f), "midpoint: copy h = 5 is mode 1 with i = 5"},
        {5, 10, 11, 7, cmyk(0.24f, 0.48f, 0.72f, 1.2f), "past the midpoint i is h - i = -2: away from white"},
        {7, 0, 5, 4, cmyk(0.1f, 0.2f, 0.3f, 0.5f), "to half colour: half the ink at i = P"},
        {8, 0, 5, 4, cmyk(0.8f, 0.6f, 0.4f, 0.0f), "to inverted: 1 - x at i = P"},
        {9, 0, 4, 1, cmyk(0, 0, 0, 0), "alternate white: odd copies lose all ink"},
        {9, 0, 4, 2, cmyk(0.2f, 0.4f, 0.6f, 1.0f), "alternate white leaves even copies alone"},
        {10, 0, 4, 3, cmyk(1, 1, 1, 1), "alternate black: odd copies take full ink"},
        {12, 0, 4, 1, cmyk(0.8f, 0.6f, 0.4f, 0.0f), "alternate inverted: odd copies are 1 - x"},
        {12, 0, 4, 2, cmyk(0.2f, 0.4f, 0.6f, 1.0f), "alternate inverted leaves even copies alone"},
        {14, 0, 5, 4, cmyk(0.02f, 0.04f, 0.06f, 0.1f), "10% reduction leaves a tenth at i = P"},
    });
}

TEST_F(ColorSeriesTest, ThreeColourFillModesWorkInLight) {
    start(painted(rgb(0.2f, 0.5f, 0.8f)));
    checkFill({
        {1, 0, 5, 2, rgb(0.6f, 0.75f, 0.9f), "to white raises the light halfway"},
        {2, 0, 5, 4, rgb(0, 0, 0), "to black reaches no light at i = P"},
        {7, 0, 5, 4, rgb(0.1f, 0.25f, 0.4f), "to half colour halves the light"},
        {8, 0, 5, 2, rgb(0.5f, 0.5f, 0.5f), "to inverted meets mid grey halfway"},
        {9, 0, 4, 1, rgb(1, 1, 1), "alternate white: full light"},
        {10, 0, 4, 1, rgb(0, 0, 0), "alternate black: no light"},
        {13, 0, 5, 4, rgb(0.6f, 0.75f, 0.7f), "half colour inverted: above 1 - x/2 moves down, else up"},
        {14, 0, 5, 2, rgb(0.11f, 0.275f, 0.44f), "10% reduction at i = P / 2"},
    });
}

TEST_F(ColorSeriesTest, GrayFillModes) {
    start(painted(gray(0.4f)));
    checkFill({
        {1, 0, 5, 2, gray(0.2f), "to white halves the ink at i = P / 2"},
        {2, 0, 5, 4, gray(1.0f), "to black reaches full ink at i = P"},
        {9, 0, 4, 3, gray(0.0f), "alternate white"},
        {10, 0, 4, 1, gray(1.0f), "alternate black"},
        {12, 0, 4, 1, gray(0.6f), "alternate inverted"},
        {13, 0, 5, 4, gray(0.1f), "half colour inverted always moves gray down"},
    });
}

TEST_F(ColorSeriesTest, StrokeFollowsTheSameModesButLeavesThirteenAndFourteenAlone) {
    start(painted(gray(0.4f)), painted(gray(1.0f)));
    setInt(items::copies1, 5);
    struct StrokeCase {
        int mode;
        int copy;
        AIColor expected;
        const char* why;
    } cases[] = {
        {1, 2, gray(0.5f), "stroke to white, i = P / 2"},
        {10, 3, gray(1.0f), "stroke alternate black on an odd copy"},
        {12, 1, gray(0.0f), "stroke alternate inverted on an odd copy"},
        {13, 4, gray(1.0f), "stroke mode 13 leaves the stroke as it was"},
        {14, 4, gray(1.0f), "stroke mode 14 leaves the stroke as it was"},
    };
    for (const StrokeCase& c : cases) {
        selectEntry(items::strokeMode, c.mode);
        selectEntry(items::fillMode, c.mode);
        const AIPathStyle style = styleOfCopy(5, c.copy);
        EXPECT_TRUE(sameColor(style.stroke.color, c.expected)) << c.why;
        EXPECT_TRUE(style.strokePaint) << c.why;
    }
    // The same drag with fill mode 13 does change the fill: the stroke is left alone by choice.
    selectEntry(items::fillMode, 13);
    selectEntry(items::strokeMode, 13);
    EXPECT_TRUE(sameColor(styleOfCopy(5, 4).fill.color, gray(0.1f)));
}

TEST_F(ColorSeriesTest, SwatchPickUsesSwatchTwoAtLeastAndTheOptionAtMost) {
    start(unpainted(rgb(0.2f, 0.5f, 0.8f)));
    const auto swatches = document().swatches();
    const int S = static_cast<int>(swatches.size());
    ASSERT_GE(S, 8);
    selectEntry(items::fillMode, 6);  // to swatch; enables the swatch field
    struct SwatchCase {
        int option;
        int copy;
        AIColor expected;
        const char* why;
    } cases[] = {
        {0, 4, swatches[2].color, "option 0 uses swatch 2"},
        {1, 4, swatches[2].color, "option 1 uses swatch 2: swatches 0 and 1 are never used"},
        {5, 4, swatches[5].color, "the last copy reaches the chosen swatch"},
        {5, 2,
         rgb((0.2f + swatches[5].color.c.values[0]) / 2, (0.5f + swatches[5].color.c.values[1]) / 2,
             (0.8f + swatches[5].color.c.values[2]) / 2),
         "copy P / 2 lies halfway to the swatch"},
        {S - 1, 4, swatches[S - 1].color, "the last swatch of the document"},
        {S, 4, rgb(0.2f, 0.5f, 0.8f), "no swatch S (they count from 0): the colour stays as it was"},
    };
    for (const SwatchCase& c : cases) {
        setInt(items::fillSwatch, c.option);
        const AIPathStyle style = styleOfCopy(5, c.copy);
        EXPECT_TRUE(sameColor(style.fill.color, c.expected)) << c.why;
        EXPECT_TRUE(style.fillPaint) << c.why << ": to swatch sets the paint flag";
    }
}

TEST_F(ColorSeriesTest, AlternateModesSetThePaintFlagOnEveryCopyButChangeOnlyOddOnes) {
    start(unpainted(rgb(0.2f, 0.5f, 0.8f)));
    const auto swatches = document().swatches();
    struct ParityCase {
        int mode;
        int copy;
        AIColor expected;
        bool paint;
        const char* why;
    } cases[] = {
        {11, 1, swatches[7].color, true, "alternate swatch: odd copies take the swatch"},
        {11, 2, rgb(0.2f, 0.5f, 0.8f), true, "alternate swatch: even copies keep their colour, paint set"},
        {12, 3, rgb(0.8f, 0.5f, 0.2f), true, "alternate inverted: odd copies inverted"},
        {12, 0, rgb(0.2f, 0.5f, 0.8f), true, "alternate inverted: copy 0 unchanged, paint set"},
        {9, 1, rgb(1, 1, 1), false, "alternate white does not touch the paint flag"},
        {10, 2, rgb(0.2f, 0.5f, 0.8f), false, "alternate black leaves even copies alone"},
    };
    for (const ParityCase& c : cases) {
        selectEntry(items::fillMode, c.mode);
        if (c.mode == 11) setInt(items::fillSwatch, 7);
        const AIPathStyle style = styleOfCopy(4, c.copy);
        EXPECT_TRUE(sameColor(style.fill.color, c.expected)) << c.why;
        EXPECT_EQ(static_cast<bool>(style.fillPaint), c.paint) << c.why;
    }
}

TEST_F(ColorSeriesTest, RandomColoursKeepABlackOfZero) {
    start(painted(cmyk(0.2f, 0.4f, 0.6f, 0.0f)), painted(gray(1.0f)));
    selectEntry(items::fillMode, 3);
    selectEntry(items::strokeMode, 3);
    const std::vector<AIArtHandle> made = row(6);
    std::vector<float> cyans;
    for (AIArtHandle copy : made) {
        const AIPathStyle style = document().style(copy);
        ASSERT_EQ(style.fill.color.kind, kFourColor);
        EXPECT_EQ(style.fill.color.c.f.black, 0.0f) << "k = k x draw keeps k = 0";
        for (int k = 0; k < 3; ++k) {
            EXPECT_GE(style.fill.color.c.values[k], 0.0f);
            EXPECT_LT(style.fill.color.c.values[k], 1.0f);
        }
        EXPECT_GE(style.stroke.color.c.g.gray, 0.0f);
        EXPECT_LT(style.stroke.color.c.g.gray, 1.0f) << "the gray stroke is one draw";
        cyans.push_back(style.fill.color.c.f.cyan);
    }
    std::sort(cyans.begin(), cyans.end());
    EXPECT_EQ(std::unique(cyans.begin(), cyans.end()), cyans.end()) << "every copy draws its own colour";
}

// In the drag mode each copy takes its four jitter draws before its fill step.
TEST_F(ColorSeriesTest, RandomColoursDrawCyanMagentaYellowThenScaleBlack) {
    start(painted(cmyk(0.2f, 0.4f, 0.6f, 0.5f)));
    selectEntry(items::fillMode, 3);
    const std::vector<AIArtHandle> made = row(2);
    HostDraws draws;
    AIReal black = 0.5f;
    for (AIArtHandle copy : made) {
        draws.skip(4);
        const AIReal c = draws.next(), m = draws.next(), y = draws.next();
        black *= draws.next();  // copy 1 is a duplicate of copy 0, so it scales copy 0's k
        EXPECT_TRUE(sameColor(document().style(copy).fill.color, cmyk(c, m, y, black), 0.0f));
    }
}

// Swatch n = min(S, floor(S x draw) + 1), at least 2; swatch S does not exist (they count
// from 0), so that draw keeps the colour.
TEST_F(ColorSeriesTest, RandomSwatchesPickOneSwatchPerCopy) {
    start(unpainted(cmyk(0.2f, 0.4f, 0.6f, 0.0f)));
    const auto swatches = document().swatches();
    const int S = static_cast<int>(swatches.size());
    selectEntry(items::fillMode, 4);
    const std::vector<AIArtHandle> made = row(6);
    HostDraws draws;
    for (size_t i = 0; i < made.size(); ++i) {
        draws.skip(4);
        const int n = std::max(2, std::min(S, static_cast<int>(static_cast<AIReal>(S) * draws.next()) + 1));
        const AIColor expected = n < S ? swatches[n].color : cmyk(0.2f, 0.4f, 0.6f, 0.0f);
        const AIPathStyle style = document().style(made[i]);
        EXPECT_TRUE(sameColor(style.fill.color, expected, 0.0f)) << "copy " << i << ", swatch " << n;
        EXPECT_TRUE(style.fillPaint) << "copy " << i;
    }
}

// One row of a grid has a cycle of 0 (rows - 1): the fractions i / P do not exist, so the
// series modes leave the colour as it is instead of writing NaN or infinity.
TEST_F(ColorSeriesTest, ACycleOfZeroLeavesTheColourAsItIs) {
    start(painted(cmyk(0.2f, 0.4f, 0.6f, 1.0f)));
    constexpr ASInt32 kGridTool = 0, kColumns = 25, kRows = 26;
    useTool(kGridTool);
    setInt(kColumns, 3);
    setInt(kRows, 1);
    for (int mode : {1, 2, 5, 6, 7, 8, 13, 14}) {
        selectEntry(items::fillMode, mode);
        ASSERT_EQ(down({100, 100}), kNoErr);
        ASSERT_EQ(move({300, 200}), kNoErr);
        ASSERT_EQ(host().mouseUp(), kNoErr);
        const std::vector<AIArtHandle> cells = art();
        ASSERT_EQ(cells.size(), 3u) << "mode " << mode;
        for (AIArtHandle cell : cells)
            EXPECT_TRUE(sameColor(document().style(cell).fill.color, cmyk(0.2f, 0.4f, 0.6f, 1.0f), 0.0f))
                << "mode " << mode;
        host().undoLastDrag();
    }
}

TEST_F(ColorSeriesTest, ModeZeroMakesNoHostCall) {
    start(painted(gray(0.4f)));
    plainDragMode(5);
    const auto styleCalls = [&] {
        return std::count_if(host().trace().begin(), host().trace().end(), [](const std::string& call) {
            return call.find("Path Style") != std::string::npos;
        });
    };
    host().setTracing(true);
    ASSERT_EQ(down({100, 100}), kNoErr);
    ASSERT_EQ(move({300, 100}), kNoErr);
    EXPECT_EQ(styleCalls(), 0) << "fill and stroke mode 0 neither read nor write the style";

    // With a mode set, every copy's style is read and written back once per mode.
    selectEntry(items::fillMode, 1);
    selectEntry(items::strokeMode, 14);
    host().clearTrace();
    ASSERT_EQ(move({250, 100}), kNoErr);
    EXPECT_EQ(styleCalls(), 4 * 5) << "fill and stroke: one read and one write for each of 5 copies";
}

}  // namespace
}  // namespace qttest
