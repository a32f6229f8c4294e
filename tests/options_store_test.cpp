// What the option store keeps. A change to any control copies every control into the store;
// the store outlives the palette, so a second build in the same module lifetime (a second
// plug-in object, here a second host loading the same module) shows exactly what it holds.
#include <gtest/gtest.h>

#include <memory>

#include "fixture.h"

namespace {

using qthost::DialogItem;
using qthost::DialogModel;
using qthost::Host;

class OptionStore : public qttest::PluginTest {
  protected:
    DialogItem* must(ASInt32 id) {
        DialogItem* it = item(id);
        EXPECT_NE(it, nullptr) << "item " << id;
        return it;
    }

    // Builds the palette again from the store; keep the result alive while reading it.
    std::unique_ptr<Host> buildAgain() {
        auto second = qttest::startedHost();
        EXPECT_EQ(second->selectTool(), kNoErr);
        EXPECT_NE(qttest::palette(*second), nullptr);
        return second;
    }

    // Top-level art on every layer.
    size_t artCount() {
        size_t n = 0;
        for (size_t layer = 0; layer < document().layerCount(); ++layer)
            n += document().layerArt(layer).size();
        return n;
    }
};

TEST_F(OptionStore, AnyChangeCopiesEveryControlHiddenPagesIncluded) {
    // Give hidden controls values the store does not have, as the host's side would (no
    // notification); one visible change must carry them all into the store.
    must(42)->setIntValue(77);        // drag copies
    must(204)->setFloatValue(12.5f);  // spiral scale
    must(209)->setBoolValue(true);    // spiral Reverse
    must(151)->selectEntry(17);       // scaledown apply
    must(270)->setFloatValue(3.25f);  // basic tile jitter
    must(22)->selectEntry(5);         // line type
    must(12)->selectEntry(6);         // fill mode, read by the change too
    ASSERT_TRUE(DialogModel::userSetInt(must(25), 20));

    auto second = buildAgain();
    auto shown = [&](ASInt32 id) { return qttest::paletteItem(*second, id); };
    EXPECT_EQ(shown(25)->intValue(), 20) << "the changed control";
    EXPECT_EQ(shown(42)->intValue(), 77);
    EXPECT_EQ(shown(204)->floatValue(), 12.5f);
    EXPECT_TRUE(shown(209)->boolValue());
    EXPECT_EQ(shown(151)->activeIndex(), 17);
    EXPECT_EQ(shown(270)->floatValue(), 3.25f);
    EXPECT_EQ(shown(22)->activeIndex(), 5);
    EXPECT_EQ(shown(12)->activeIndex(), 6);
    EXPECT_TRUE(shown(14)->enabled()) << "the build's colour notice enables the swatch for mode 6";
}

TEST_F(OptionStore, WithoutAChangeTheStoreKeepsItsValues) {
    must(42)->setIntValue(77);  // no notification: the store is not told
    auto second = buildAgain();
    EXPECT_EQ(qttest::paletteItem(*second, 42)->intValue(), 10);
}

TEST_F(OptionStore, TheStoreKeepsWhatTheHostClamped) {
    ASSERT_TRUE(DialogModel::userSetInt(must(290), 5000));    // background copies, 2 to 300
    ASSERT_TRUE(DialogModel::userSetFloat(must(51), -3.0f));  // zoom interpolate, 0 to 100
    auto second = buildAgain();
    EXPECT_EQ(qttest::paletteItem(*second, 290)->intValue(), 300);
    EXPECT_EQ(qttest::paletteItem(*second, 51)->floatValue(), 0.0f);
}

TEST_F(OptionStore, SecondBuildKeepsOptionsToolAndPosition) {
    ASSERT_TRUE(DialogModel::userSelectEntry(must(21), 8));
    DialogModel::userMoveDialog(palette(), {400, 60, 730, 490});
    ASSERT_TRUE(DialogModel::userSetInt(must(200), 44));  // spiral copies; remembers the position

    auto second = buildAgain();
    const qthost::Dialog* again = qttest::palette(*second);
    EXPECT_EQ(again->bounds().left, 400);
    EXPECT_EQ(again->bounds().top, 60);
    EXPECT_EQ(again->width(), 330);
    EXPECT_EQ(again->height(), 430);
    EXPECT_EQ(qttest::paletteItem(*second, 200)->intValue(), 44);
    EXPECT_EQ(qttest::paletteItem(*second, 21)->activeIndex(), 8) << "the selector shows the kept tool";
    EXPECT_TRUE(qttest::paletteItem(*second, 310)->visible()) << "a build always shows tool 0's page";
    EXPECT_FALSE(qttest::paletteItem(*second, 350)->visible());
}

TEST_F(OptionStore, MovingWithoutAChangeRemembersNoPosition) {
    DialogModel::userMoveDialog(palette(), {400, 60, 730, 490});
    auto second = buildAgain();
    EXPECT_EQ(qttest::palette(*second)->bounds().left, DialogModel::kDefaultLeft);
    EXPECT_EQ(qttest::palette(*second)->bounds().top, DialogModel::kDefaultTop);
}

TEST_F(OptionStore, ResetRestoresTheStoreNotJustTheControls) {
    ASSERT_TRUE(DialogModel::userSetInt(must(90), 33));
    ASSERT_TRUE(DialogModel::userSetBool(must(4), true));
    ASSERT_TRUE(DialogModel::userClick(must(3)));
    auto second = buildAgain();
    EXPECT_EQ(qttest::paletteItem(*second, 90)->intValue(), 10);
    EXPECT_FALSE(qttest::paletteItem(*second, 4)->boolValue());
}

// The background tool's Delete switch has no control. An option change must not clear it:
// after one, the drag path is still disposed of and only the copies stay.
TEST_F(OptionStore, BackgroundDeleteSwitchSurvivesAnOptionChange) {
    ASSERT_TRUE(DialogModel::userSelectEntry(must(21), 12));
    ASSERT_TRUE(DialogModel::userSetInt(must(290), 3));
    ASSERT_EQ(qttest::drag(host(), {100, 100}, {300, 250}, 4), kNoErr);
    EXPECT_EQ(artCount(), 3u) << "three copies and no drag path";
}

}  // namespace
