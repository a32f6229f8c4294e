// The tooltip table beside the option table: every palette control has a plain-language tip,
// and every control a screen reader would name alike has a short name of its own.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/option_catalog.h"
#include "fixture.h"

namespace {

TEST(OptionTips, EveryRowNamesAControlOnce) {
    std::set<std::string> options;
    std::set<int> items;
    for (const qtapp::ControlTip& tip : qtapp::controlTips()) {
        EXPECT_FALSE(tip.tip.empty()) << tip.option << tip.item;
        EXPECT_EQ(tip.tip.back(), '.') << tip.option << ": a tip is a sentence";
        if (tip.item >= 0) {
            EXPECT_TRUE(items.insert(tip.item).second) << "item " << tip.item << " twice";
            continue;
        }
        const qtapp::OptionInfo* option = qtapp::findOption(tip.option);
        ASSERT_NE(option, nullptr) << tip.option << " is not an option";
        EXPECT_GE(option->item, 0) << tip.option << " has no control to show a tip on";
        EXPECT_TRUE(options.insert(std::string(tip.option)).second) << tip.option << " twice";
    }
    for (const qtapp::OptionInfo& option : qtapp::optionCatalog()) {
        if (option.item >= 0) EXPECT_TRUE(options.count(std::string(option.name))) << option.name << " has no tip";
    }
}

class PaletteTipsTest : public qttest::PluginTest {};

// Captions by the palette's own controls: a spin edit's is in the option table, a check box and
// a button carry theirs, a popup has none.
TEST_F(PaletteTipsTest, EveryControlHasATipAndANameOfItsOwn) {
    std::map<std::string, std::set<std::string>> whatByCaption;
    int controls = 0;
    for (const auto& owned : palette()->items()) {
        const qthost::DialogItem& item = *owned;
        if (!item.isSpinEdit() && !item.isPopup() && !item.isCheckBox() && !item.isPushButton()) continue;
        ++controls;
        const qtapp::ControlTip* tip = qtapp::tipForItem(item.id());
        ASSERT_NE(tip, nullptr) << "item " << item.id() << " has no tip";
        std::string caption;
        if (item.isSpinEdit()) {
            for (const qtapp::OptionInfo& option : qtapp::optionCatalog())
                if (option.item == item.id()) caption = std::string(option.caption);
        } else if (!item.isPopup()) {
            caption = item.text();
        }
        if (caption.empty()) {
            EXPECT_FALSE(tip->what.empty()) << "item " << item.id() << " has neither a caption nor a short name";
        } else {
            whatByCaption[caption].insert(std::string(tip->what));
        }
    }
    EXPECT_GT(controls, 100);
    // Controls that share a caption ("Columns / rows") each say which they are.
    std::map<std::string, int> shared;
    for (const auto& owned : palette()->items())
        if (owned->isSpinEdit())
            for (const qtapp::OptionInfo& option : qtapp::optionCatalog())
                if (option.item == owned->id() && !option.caption.empty()) ++shared[std::string(option.caption)];
    for (const auto& [caption, count] : shared) {
        if (count < 2) continue;
        const auto& whats = whatByCaption[caption];
        EXPECT_EQ(whats.size(), static_cast<size_t>(count)) << "\"" << caption << "\": each control its own short name";
        EXPECT_FALSE(whats.count("")) << "\"" << caption << "\"";
    }
}

}  // namespace
