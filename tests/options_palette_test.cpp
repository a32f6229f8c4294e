// The palette's behaviour as a user meets it: the tool selector switching pages and titles,
// the colour modes enabling their controls, Reset, and the host clamping what is typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fixture.h"

namespace {

using qthost::DialogItem;
using qthost::DialogModel;

struct ToolPage {
    int tool;
    const char* title;
    std::vector<ASInt32> items;
};

const ToolPage kPages[] = {
    {0, "QUENTARB - GRID TOOL", {310, 312, 313, 25, 26, 27, 28, 33, 36, 34, 35, 29, 30, 31, 32}},
    {1, "QUENTARB - DRAG TOOL", {314, 315, 316, 317, 42, 43, 44, 45, 47, 48, 49}},
    {2, "QUENTARB - ZOOM TOOL", {318, 319, 320, 50, 51, 57, 52, 54, 55, 56, 53}},
    {3, "QUENTARB - FRAMED TOOL", {321, 322, 323, 324, 326, 70, 71, 72, 73, 74, 78, 77, 75, 79, 80}},
    {4, "QUENTARB - RIM RANDOM TOOL", {327, 328, 329, 330, 90, 91, 92, 93, 95, 96, 97, 98}},
    {5, "QUENTARB - WINDMILL TOOL", {331, 332, 333, 334, 335, 336, 110, 113, 117, 118, 115, 125, 111,
                                     116, 126, 114, 129, 119, 120, 121, 122, 112, 123, 124, 127, 128}},
    {6,
     "QUENTARB - SCALEDOWN TOOL",
     {338, 339, 341, 342, 343, 344, 140, 141, 142, 144, 143, 150, 152, 153, 151, 146, 148, 149}},
    {7, "QUENTARB - BOUNCEALONG TOOL", {345, 346, 347, 349, 180, 181, 182, 184, 183, 187, 188, 189, 185}},
    {8,
     "QUENTARB - SPIRAL TOOL",
     {350, 351, 352, 353, 354, 355, 200, 204, 202, 205, 206, 203, 207, 201, 208, 209, 210, 211, 212}},
    {9, "QUENTARB - CHECKERBOARD TOOL", {356, 357, 358, 359, 230, 231, 234, 235, 233, 236, 238, 237}},
    {10, "QUENTARB - PAINT TOOL", {360, 361, 362, 363, 364, 250, 251, 252, 254, 253, 255, 256, 258, 257}},
    {11, "QUENTARB - BASIC TILE TOOL", {365, 270}},
    {12, "QUENTARB - BACKGROUND TOOL", {366, 367, 368, 369, 290, 291, 292, 293, 295, 296, 297, 298}},
};

const std::vector<ASInt32> kShared = {12, 14, 18, 13, 15, 19, 17, 20, 8, 370, 11,
                                      10, 9,  5,  6,  16, 4,  23, 7,  3, 22,  21};

constexpr ASInt32 kToolSelector = 21, kReset = 3, kFillMode = 12, kStrokeMode = 13;

class PaletteBehaviour : public qttest::PluginTest {
  protected:
    DialogItem* must(ASInt32 id) {
        DialogItem* it = item(id);
        EXPECT_NE(it, nullptr) << "item " << id;
        return it;
    }
    void chooseTool(int tool) { ASSERT_TRUE(DialogModel::userSelectEntry(must(kToolSelector), tool)); }

    // The ids of the items that are visible now.
    std::set<ASInt32> visibleItems() {
        std::set<ASInt32> ids;
        for (const auto& it : palette()->items())
            if (it->visible()) ids.insert(it->id());
        return ids;
    }
};

TEST_F(PaletteBehaviour, ToolSelectorShowsExactlyThatToolsPage) {
    for (const ToolPage& page : kPages) {
        SCOPED_TRACE(page.title);
        chooseTool(page.tool);
        EXPECT_EQ(palette()->title(), page.title);
        std::set<ASInt32> expected(page.items.begin(), page.items.end());
        expected.insert(kShared.begin(), kShared.end());
        EXPECT_EQ(visibleItems(), expected);
    }
}

TEST_F(PaletteBehaviour, ChoosingTheSpiralKeepsTheOtherToolsOptions) {
    ASSERT_TRUE(DialogModel::userSetInt(must(25), 33));
    ASSERT_TRUE(DialogModel::userSetFloat(must(43), 12.5f));  // hidden drag page, set as a user would
    chooseTool(8);

    EXPECT_EQ(palette()->title(), "QUENTARB - SPIRAL TOOL");
    int spiralShown = 0;
    for (ASInt32 id : kPages[8].items) spiralShown += must(id)->visible() ? 1 : 0;
    EXPECT_EQ(spiralShown, 19);
    EXPECT_EQ(visibleItems().size(), 19 + kShared.size()) << "no other page stays visible";
    EXPECT_EQ(must(25)->intValue(), 33);
    EXPECT_EQ(must(43)->floatValue(), 12.5f);
}

// Which of the fill or stroke controls each colour mode needs: the swatch for 6 and 11, the
// process value for 1, 2, 5, 6, 7, 8 and 13.
TEST_F(PaletteBehaviour, ColourModesEnableTheControlsTheyUse) {
    struct Case {
        int mode;
        bool swatch, process;
        const char* why;
    };
    const Case cases[] = {
        {0, false, false, "ignore"},
        {1, false, true, "to white"},
        {2, false, true, "to black"},
        {3, false, false, "random colors"},
        {4, false, false, "random swatches"},
        {5, false, true, "to white / midpoint"},
        {6, true, true, "to swatch"},
        {7, false, true, "to half color"},
        {8, false, true, "to inverted"},
        {9, false, false, "alternate white"},
        {10, false, false, "alternate black"},
        {11, true, false, "alternate swatch"},
        {12, false, false, "alternate inverted"},
        {13, false, true, "to half color inverted"},
        {14, false, false, "10% reduction"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(DialogModel::userSelectEntry(must(kFillMode), c.mode)) << c.why;
        EXPECT_EQ(must(14)->enabled(), c.swatch) << "fill swatch, " << c.why;
        EXPECT_EQ(must(18)->enabled(), c.process) << "fill process, " << c.why;
        EXPECT_FALSE(must(15)->enabled()) << "stroke swatch follows the stroke mode only, " << c.why;
        EXPECT_FALSE(must(19)->enabled()) << "stroke process follows the stroke mode only, " << c.why;
    }
    ASSERT_TRUE(DialogModel::userSelectEntry(must(kFillMode), 0));
    for (const Case& c : cases) {
        ASSERT_TRUE(DialogModel::userSelectEntry(must(kStrokeMode), c.mode)) << c.why;
        EXPECT_EQ(must(15)->enabled(), c.swatch) << "stroke swatch, " << c.why;
        EXPECT_EQ(must(19)->enabled(), c.process) << "stroke process, " << c.why;
        EXPECT_FALSE(must(14)->enabled()) << c.why;
        EXPECT_FALSE(must(18)->enabled()) << c.why;
    }
}

TEST_F(PaletteBehaviour, ResetWithTheWindmillSelected) {
    chooseTool(5);
    ASSERT_TRUE(DialogModel::userSelectEntry(must(119), 2));
    ASSERT_TRUE(DialogModel::userSelectEntry(must(120), 30));
    ASSERT_TRUE(DialogModel::userSelectEntry(must(121), 7));
    ASSERT_TRUE(DialogModel::userSetInt(must(110), 25));
    ASSERT_TRUE(DialogModel::userSetFloat(must(126), 50.0f));
    ASSERT_TRUE(DialogModel::userSetBool(must(112), false));
    ASSERT_TRUE(DialogModel::userSetBool(must(4), true));      // Layer
    ASSERT_TRUE(DialogModel::userSetFloat(must(204), 12.0f));  // hidden spiral page
    ASSERT_TRUE(DialogModel::userSelectEntry(must(22), 7));    // line type
    ASSERT_TRUE(DialogModel::userSelectEntry(must(kFillMode), 6));

    ASSERT_TRUE(DialogModel::userClick(must(kReset)));

    struct Case {
        ASInt32 item;
        double value;
        const char* why;
    };
    const Case cases[] = {
        {119, 0, "measure back to \" Points\""},
        {120, 0, "re-size back to \" Ignore\""},
        {121, 0, "turn back to \" Turn - Vertical\""},
        {110, 10, "windmill copies"},
        {126, 100, "windmill re-scale"},
        {112, 1, "Align back on"},
        {4, 0, "Layer back off"},
        {204, 99, "hidden spiral scale refreshed too"},
        {22, 0, "line type back to the single line"},
        {kFillMode, 0, "fill mode back to ignore"},
    };
    for (const Case& c : cases) {
        const DialogItem* it = must(c.item);
        const double shown = it->isPopup()      ? it->activeIndex()
                             : it->isCheckBox() ? (it->boolValue() ? 1.0 : 0.0)
                                                : static_cast<double>(it->floatValue());
        EXPECT_EQ(shown, c.value) << c.why;
    }
    EXPECT_EQ(must(kToolSelector)->activeIndex(), 5) << "the tool stays";
    EXPECT_EQ(palette()->title(), "QUENTARB - WINDMILL TOOL");
    EXPECT_TRUE(must(331)->visible()) << "the windmill page stays shown";
    EXPECT_FALSE(must(310)->visible());
    EXPECT_TRUE(must(14)->enabled()) << "Reset leaves the enabling of the last colour change";
    EXPECT_TRUE(must(18)->enabled());
    EXPECT_FALSE(must(15)->enabled());
}

TEST_F(PaletteBehaviour, TypedValuesAreClampedAndRoundedByTheHost) {
    const double swatches = static_cast<double>(document().swatches().size());
    struct Case {
        ASInt32 item;
        bool asFloat;
        double typed, shown;
        const char* why;
    };
    const Case cases[] = {
        {25, false, 1000, 300, "grid columns above 300"},
        {25, false, -4, 1, "grid columns below 1"},
        {42, false, 1, 2, "drag copies below 2"},
        {27, true, 400.5, 360, "grid rotation above 360"},
        {27, true, -361, -360, "grid rotation below -360"},
        {293, true, 75, 50, "background frame above 50"},
        {14, false, 100000, swatches, "fill swatch above the swatch count"},
        {11, true, 7.6, 8, "an integer spin edit rounds what is typed"},
    };
    for (const Case& c : cases) {
        DialogItem* it = must(c.item);
        if (c.asFloat)
            DialogModel::userSetFloat(it, static_cast<AIReal>(c.typed));
        else
            DialogModel::userSetInt(it, static_cast<ASInt32>(c.typed));
        EXPECT_EQ(static_cast<double>(it->floatValue()), c.shown) << c.why;
    }
}

TEST_F(PaletteBehaviour, PopupsRefuseEntriesTheyDoNotHave) {
    EXPECT_FALSE(DialogModel::userSelectEntry(must(kToolSelector), 13));
    EXPECT_FALSE(DialogModel::userSelectEntry(must(22), -1));
    EXPECT_EQ(must(kToolSelector)->activeIndex(), 0);
    EXPECT_EQ(must(22)->activeIndex(), 0);
}

}  // namespace
