// The tooltip table beside the option table: every palette control has a plain-language tip,
// and every control a screen reader would name alike has a short name of its own.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "fixture.h"
#include "session/option_catalog.h"

namespace {

TEST(OptionTips, EveryRowNamesAControlOnce) {
    std::set<std::string> options;
    std::set<int> items;
    for (const qtsession::ControlTip& tip : qtsession::controlTips()) {
        EXPECT_FALSE(tip.tip.empty()) << tip.option << tip.item;
        EXPECT_EQ(tip.tip.back(), '.') << tip.option << ": a tip is a sentence";
        if (tip.item >= 0) {
            EXPECT_TRUE(items.insert(tip.item).second) << "item " << tip.item << " twice";
            continue;
        }
        const qtsession::OptionInfo* option = qtsession::findOption(tip.option);
        ASSERT_NE(option, nullptr) << tip.option << " is not an option";
        EXPECT_GE(option->item, 0) << tip.option << " has no control to show a tip on";
        EXPECT_TRUE(options.insert(std::string(tip.option)).second) << tip.option << " twice";
    }
    for (const qtsession::OptionInfo& option : qtsession::optionCatalog()) {
        if (option.item >= 0) {
            EXPECT_TRUE(options.count(std::string(option.name))) << option.name << " has no tip";
        }
    }
}

class PaletteTipsTest : public qttest::PluginTest {};

// Captions by the palette's own controls: a spin edit's is in the option table, a check box and
// a button carry theirs, a popup has none.
TEST_F(PaletteTipsTest, EveryControlHasATipAndANameOfItsOwn) {
    // Short names by (tool page, caption): only controls of one page are shown together.
    std::map<std::pair<int, std::string>, std::multiset<std::string>> whatByCaption;
    int controls = 0;
    for (const auto& owned : palette()->items()) {
        const qthost::DialogItem& item = *owned;
        if (!item.isSpinEdit() && !item.isPopup() && !item.isCheckBox() && !item.isPushButton()) continue;
        ++controls;
        const qtsession::ControlTip* tip = qtsession::tipForItem(item.id());
        ASSERT_NE(tip, nullptr) << "item " << item.id() << " has no tip";
        std::string caption;
        int tool = -1;
        for (const qtsession::OptionInfo& option : qtsession::optionCatalog()) {
            if (option.item != item.id()) continue;
            tool = option.tool;
            if (item.isSpinEdit()) caption = std::string(option.caption);
        }
        if (!item.isSpinEdit() && !item.isPopup()) caption = item.text();
        if (caption.empty()) {
            EXPECT_FALSE(tip->what.empty())
                << "item " << item.id() << " has neither a caption nor a short name";
        } else if (item.isSpinEdit()) {
            whatByCaption[{tool, caption}].insert(std::string(tip->what));
        }
    }
    EXPECT_GT(controls, 100);
    // Spin edits of one page that share a caption ("Columns / rows") each say which they are.
    for (const auto& [key, whats] : whatByCaption) {
        if (whats.size() < 2) continue;
        EXPECT_EQ(std::set<std::string>(whats.begin(), whats.end()).size(), whats.size())
            << "\"" << key.second << "\" on page " << key.first << ": each control its own short name";
        EXPECT_FALSE(whats.count("")) << "\"" << key.second << "\" on page " << key.first;
    }
}

}  // namespace
