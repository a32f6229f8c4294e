// Every option's default as the palette shows it after the first tool selection, with the
// range its control enforces. The palette is built from the store, so each control shows
// what the store holds.
#include <gtest/gtest.h>

#include <string>

#include "fixture.h"

namespace {

enum class T { i32, f32, boolean };

// Stands for the document's swatch count.
constexpr double kSwatchMax = -1.0;

struct OptionRow {
    const char* name;
    T type;
    double defaultValue;
    double min, max;  // 0, 0 for booleans
    ASInt32 item;
};

// Every option that has a control. Two have none: `trailvalue_10` (the paint tool always
// trails) and `deletepathvalue_12`; their behaviour is tested with the drawing modes and in
// the palette behaviour tests.
const OptionRow kOptions[] = {
    {"horizontalcopiesvalue_0", T::i32, 10, 1, 300, 25},
    {"verticalcopiesvalue_0", T::i32, 10, 1, 300, 26},
    {"rotatevalue_0", T::f32, 0.0, -360, 360, 27},
    {"jittervalue_0", T::f32, 0.0, 0, 1000, 28},
    {"checkoptions_0", T::i32, 0, 0, 9, 33},
    {"flipoptions_0", T::i32, 0, 0, 4, 36},
    {"scalexoptions_0", T::i32, 0, 0, 42, 34},
    {"scaleyoptions_0", T::i32, 0, 0, 42, 35},
    {"trailvalue_0", T::boolean, 0, 0, 0, 29},
    {"envelopevalue_0", T::boolean, 0, 0, 0, 30},
    {"placementvalue_0", T::boolean, 0, 0, 0, 31},
    {"rotation_0", T::boolean, 0, 0, 0, 32},
    {"copiesvalue_1", T::i32, 10, 2, 500, 42},
    {"rotatevalue_1", T::f32, 45.0, -360, 360, 43},
    {"jitterxvalue_1", T::f32, 0.0, 0, 1000, 44},
    {"jitteryvalue_1", T::f32, 0.0, 0, 1000, 45},
    {"trailvalue_1", T::boolean, 0, 0, 0, 47},
    {"envelopevalue_1", T::boolean, 0, 0, 0, 48},
    {"placementvalue_1", T::boolean, 0, 0, 0, 49},
    {"copiesvalue_2", T::i32, 10, 2, 500, 50},
    {"interpolatevalue_2", T::f32, 100.0, 0, 100, 51},
    {"curvevalue_2", T::f32, 0.0, 0, 1000, 52},
    {"zoomoptions_2", T::i32, 0, 0, 5, 53},
    {"trailvalue_2", T::boolean, 0, 0, 0, 54},
    {"envelopevalue_2", T::boolean, 0, 0, 0, 55},
    {"lengthvalue_2", T::boolean, 0, 0, 0, 56},
    {"viewvalue_2", T::boolean, 0, 0, 0, 57},
    {"horizontalcopiesvalue_3", T::i32, 10, 2, 300, 70},
    {"verticalcopiesvalue_3", T::i32, 10, 2, 300, 71},
    {"rotateanglevalue_3", T::f32, 0.0, -360, 360, 72},
    {"jittervalue_3", T::f32, 0.0, 0, 1000, 73},
    {"scalevalue_3", T::f32, 40.0, 3, 120, 74},
    {"edgeoptions_3", T::i32, 0, 0, 4, 78},
    {"trailvalue_3", T::boolean, 0, 0, 0, 77},
    {"envelopevalue_3", T::boolean, 0, 0, 0, 79},
    {"placementvalue_3", T::boolean, 0, 0, 0, 80},
    {"deletepathvalue_3", T::boolean, 1, 0, 0, 75},
    {"copiesvalue_4", T::i32, 10, 2, 300, 90},
    {"scaleminvalue_4", T::f32, 97.0, 3, 200, 91},
    {"scalemaxvalue_4", T::f32, 103.0, 3, 200, 92},
    {"jittervalue_4", T::f32, 0.0, 0, 1000, 93},
    {"trailvalue_4", T::boolean, 0, 0, 0, 96},
    {"envelopevalue_4", T::boolean, 0, 0, 0, 97},
    {"applyrotatevalue_4", T::boolean, 1, 0, 0, 98},
    {"linkedvalue_4", T::boolean, 0, 0, 0, 95},
    {"copiesvalue_5", T::i32, 10, 2, 300, 110},
    {"circlesvalue_5", T::i32, 1, 1, 30, 111},
    {"rotatevalue_5", T::f32, 0.0, -360, 360, 113},
    {"gapvvalue_5", T::f32, 100.0, -1000, 1000, 129},
    {"scalevalue_5", T::f32, 100.0, -120, 120, 117},
    {"turnvalue_5", T::f32, 0.0, -500, 500, 118},
    {"offsetvalue_5", T::f32, 0.0, -500, 500, 115},
    {"circlesradiusvalue_5", T::f32, 100.0, -500, 500, 116},
    {"initialvalue_5", T::f32, 0.0, 0, 1000, 125},
    {"resizevalue_5", T::f32, 100.0, 3, 110, 126},
    {"jittervalue_5", T::f32, 0.0, 0, 1000, 114},
    {"measureoptions_5", T::i32, 0, 0, 2, 119},
    {"windmilloptions_5", T::i32, 0, 0, 55, 120},
    {"turnoptions_5", T::i32, 0, 0, 7, 121},
    {"trailvalue_5", T::boolean, 0, 0, 0, 124},
    {"envelopevalue_5", T::boolean, 0, 0, 0, 127},
    {"placementvalue_5", T::boolean, 0, 0, 0, 128},
    {"deletepathvalue_5", T::boolean, 1, 0, 0, 122},
    {"alignvalue_5", T::boolean, 1, 0, 0, 112},
    {"matchvalue_5", T::boolean, 0, 0, 0, 123},
    {"copiesvalue_6", T::i32, 10, 2, 500, 140},
    {"scalehvalue_6", T::f32, 90.0, -120, 120, 141},
    {"scalevvalue_6", T::f32, 90.0, -120, 120, 142},
    {"jittervalue_6", T::f32, 0.0, 0, 1000, 144},
    {"twistvalue_6", T::i32, 0, 0, 50, 143},
    {"fadefillvalue_6", T::f32, 100.0, 0, 200, 150},
    {"turnvalue_6", T::f32, 0.0, -360, 360, 152},
    {"rotatevalue_6", T::f32, 45.0, -360, 360, 153},
    {"scaleoptions_6", T::i32, 0, 0, 31, 151},
    {"trailvalue_6", T::boolean, 0, 0, 0, 146},
    {"envelopevalue_6", T::boolean, 0, 0, 0, 148},
    {"placementvalue_6", T::boolean, 0, 0, 0, 149},
    {"copiesvalue_7", T::i32, 10, 2, 500, 180},
    {"scalevalue_7", T::f32, 90.0, 3, 120, 181},
    {"rotatevalue_7", T::f32, 45.0, -360, 360, 182},
    {"jittervalue_7", T::f32, 0.0, 0, 1000, 184},
    {"bouncevalue_7", T::i32, 4, 0, 50, 183},
    {"trailvalue_7", T::boolean, 0, 0, 0, 187},
    {"envelopevalue_7", T::boolean, 0, 0, 0, 188},
    {"placementvalue_7", T::boolean, 0, 0, 0, 189},
    {"crunchvalue_7", T::boolean, 0, 0, 0, 185},
    {"copiesvalue_8", T::i32, 10, 2, 500, 200},
    {"scalevalue_8", T::f32, 99.0, 3, 120, 204},
    {"rotatevalue_8", T::f32, 0.0, -360, 360, 202},
    {"spiralsvalue_8", T::i32, 3, 1, 50, 205},
    {"decayvalue_8", T::f32, 90.0, 3, 150, 206},
    {"jittervalue_8", T::f32, 0.0, 0, 1000, 203},
    {"trailvalue_8", T::boolean, 0, 0, 0, 210},
    {"envelopevalue_8", T::boolean, 0, 0, 0, 211},
    {"placementvalue_8", T::boolean, 0, 0, 0, 212},
    {"deletepathvalue_8", T::boolean, 1, 0, 0, 207},
    {"alignvalue_8", T::boolean, 1, 0, 0, 201},
    {"matchvalue_8", T::boolean, 0, 0, 0, 208},
    {"reversevalue_8", T::boolean, 0, 0, 0, 209},
    {"horizontalcopiesvalue_9", T::i32, 10, 2, 300, 230},
    {"verticalcopiesvalue_9", T::i32, 10, 2, 300, 231},
    {"rotatevalue_9", T::f32, 0.0, -360, 360, 234},
    {"jittervalue_9", T::f32, 0.0, 0, 1000, 235},
    {"trailvalue_9", T::boolean, 0, 0, 0, 238},
    {"envelopevalue_9", T::boolean, 0, 0, 0, 236},
    {"placementvalue_9", T::boolean, 0, 0, 0, 237},
    {"scaledvalue_9", T::boolean, 0, 0, 0, 233},
    {"scaledhvalue_10", T::f32, 100.0, 1, 120, 250},
    {"scaledvvalue_10", T::f32, 100.0, 1, 120, 251},
    {"fadefillvalue_10", T::f32, 100.0, 0, 200, 252},
    {"intensityvalue_10", T::f32, 0.0, -100, 100, 254},
    {"jittervalue_10", T::f32, 0.0, 0, 1000, 253},
    {"envelopevalue_10", T::boolean, 0, 0, 0, 256},
    {"placementvalue_10", T::boolean, 0, 0, 0, 258},
    {"anglevalue_10", T::boolean, 0, 0, 0, 257},
    {"followvalue_10", T::boolean, 0, 0, 0, 255},
    {"jittervalue_11", T::f32, 0.0, 0, 1000, 270},
    {"copiesvalue_12", T::i32, 70, 2, 300, 290},
    {"scaleminvalue_12", T::f32, 97.0, 3, 200, 291},
    {"scalemaxvalue_12", T::f32, 103.0, 3, 200, 292},
    {"framevalue_12", T::f32, 50.0, 0, 50, 293},
    {"trailvalue_12", T::boolean, 0, 0, 0, 296},
    {"envelopevalue_12", T::boolean, 0, 0, 0, 297},
    {"applyrotatevalue_12", T::boolean, 1, 0, 0, 298},
    {"linkedvalue_12", T::boolean, 0, 0, 0, 295},
    {"currenttool", T::i32, 0, 0, 12, 21},
    {"filloptions", T::i32, 0, 0, 14, 12},
    {"fillswatchvalue", T::i32, 2, 0, kSwatchMax, 14},
    {"fillprocessvalue", T::i32, 0, 0, 1000, 18},
    {"strokeoptions", T::i32, 0, 0, 14, 13},
    {"strokeswatchvalue", T::i32, 2, 0, kSwatchMax, 15},
    {"strokeprocessvalue", T::i32, 0, 0, 1000, 19},
    {"patternoptions", T::i32, 0, 0, 57, 17},
    {"scalelinesoptions", T::i32, 0, 0, 3, 20},
    {"beneathoptions", T::i32, 0, 0, 16, 8},
    {"currentpath", T::i32, 0, 0, 23, 22},
    {"countvalue", T::i32, 0, 0, 300, 11},
    {"blend", T::boolean, 0, 0, 0, 10},
    {"opacity", T::boolean, 0, 0, 0, 9},
    {"pr_opacityvalue", T::boolean, 0, 0, 0, 5},
    {"pr_lengthvalue", T::boolean, 0, 0, 0, 6},
    {"pr_widthvalue", T::boolean, 0, 0, 0, 7},
    {"width", T::boolean, 0, 0, 0, 16},
    {"layer", T::boolean, 0, 0, 0, 4},
    {"closedpath", T::boolean, 0, 0, 0, 23},
};

class OptionDefaults : public qttest::PluginTest {};

TEST_F(OptionDefaults, EveryControlShowsItsDefaultAndRange) {
    const double swatchCount = static_cast<double>(document().swatches().size());
    ASSERT_GT(swatchCount, 2.0) << "the swatch defaults need a document with swatches";
    for (const OptionRow& row : kOptions) {
        SCOPED_TRACE(std::string(row.name) + " (item " + std::to_string(row.item) + ")");
        const qthost::DialogItem* it = item(row.item);
        ASSERT_NE(it, nullptr);
        switch (row.type) {
            case T::boolean: EXPECT_EQ(it->boolValue(), row.defaultValue != 0.0); break;
            case T::f32: EXPECT_EQ(it->floatValue(), static_cast<AIReal>(row.defaultValue)); break;
            case T::i32:
                if (it->isPopup()) {
                    EXPECT_EQ(it->activeIndex(), static_cast<int>(row.defaultValue));
                    ASSERT_NE(it->activeEntry(), nullptr);
                    EXPECT_EQ(it->activeEntry()->id, static_cast<ASInt32>(row.defaultValue));
                    EXPECT_EQ(static_cast<double>(it->entries().size()) - 1.0, row.max)
                        << "one entry per value";
                } else {
                    EXPECT_EQ(it->intValue(), static_cast<ASInt32>(row.defaultValue));
                }
                break;
        }
        if (it->isSpinEdit()) {
            EXPECT_EQ(it->minimum(), row.min);
            EXPECT_EQ(it->maximum(), row.max == kSwatchMax ? swatchCount : row.max);
            EXPECT_EQ(it->precision(), row.type == T::f32 ? 2 : 0);
        }
    }
}

// The defaults that differ from their neighbours, spelled out so that a slip in one of
// them reads plainly in the failure.
TEST_F(OptionDefaults, IrregularDefaults) {
    struct Case {
        ASInt32 item;
        double value;
        const char* why;
    };
    const Case cases[] = {
        {290, 70, "background copies start at 70, every other copies value at 10"},
        {74, 40, "framed scale starts at 40 %"},
        {204, 99, "spiral scale starts at 99 %"},
        {206, 90, "spiral decay starts at 90 %"},
        {205, 3, "spiral starts with 3 arms"},
        {183, 4, "bounce-along starts with 4 bounces"},
        {111, 1, "windmill starts with one circle"},
        {14, 2, "fill swatch starts at 2"},
        {15, 2, "stroke swatch starts at 2"},
    };
    for (const Case& c : cases) {
        const qthost::DialogItem* it = item(c.item);
        ASSERT_NE(it, nullptr) << c.why;
        EXPECT_EQ(it->floatValue(), static_cast<AIReal>(c.value)) << c.why;
    }
    const ASInt32 onByDefault[] = {75, 122, 207, 98, 298, 112, 201};  // Delete, Rotation [R], Align
    for (ASInt32 id : onByDefault) EXPECT_TRUE(item(id)->boolValue()) << "item " << id << " starts on";
}

}  // namespace
