// The option catalogue against the live palette: every option's item, control, range and
// popup entry count as the front ends read them must be what the plug-in's control enforces,
// so a front end can check a value before the host starts.
#include <gtest/gtest.h>

#include <string>

#include "fixture.h"
#include "session/option_catalog.h"

namespace {

class OptionCatalog : public qttest::PluginTest {};

TEST_F(OptionCatalog, RangesAndEntriesAreThoseOfTheControls) {
    for (const qtsession::OptionInfo& o : qtsession::optionCatalog()) {
        SCOPED_TRACE(std::string(o.name));
        if (o.item < 0) {
            EXPECT_EQ(o.entries, 0);
            EXPECT_EQ(item(o.item), nullptr);
            continue;
        }
        const qthost::DialogItem* control = item(o.item);
        ASSERT_NE(control, nullptr);
        using qtsession::ControlType;
        EXPECT_EQ(control->isPopup(), o.control == ControlType::Popup || o.control == ControlType::Tool);
        EXPECT_EQ(control->isCheckBox(), o.control == ControlType::Check);
        EXPECT_EQ(control->isSpinEdit(), o.control == ControlType::Spin || o.control == ControlType::Swatch);
        if (control->isPopup()) {
            EXPECT_EQ(o.entries, static_cast<int>(control->entries().size()));
            EXPECT_EQ(o.min, 0.0);
            EXPECT_EQ(o.max, o.entries - 1.0);
        } else {
            EXPECT_EQ(o.entries, 0);
        }
        if (control->isSpinEdit() && o.max != 0.0) {  // max 0: the document's swatch count
            EXPECT_EQ(control->minimum(), o.min);
            EXPECT_EQ(control->maximum(), o.max);
        }
        if (control->isCheckBox()) {
            EXPECT_EQ(o.min, 0.0);
            EXPECT_EQ(o.max, 1.0);
        }
    }
}

TEST_F(OptionCatalog, TheSelectorsAndResetAreThePalettesOwn) {
    ASSERT_NE(item(qtsession::kToolSelectorItem), nullptr);
    EXPECT_EQ(static_cast<int>(item(qtsession::kToolSelectorItem)->entries().size()), qttable::kToolCount);
    ASSERT_NE(item(qtsession::kLineTypeItem), nullptr);
    EXPECT_EQ(static_cast<int>(item(qtsession::kLineTypeItem)->entries().size()), qttable::kShapeCount);
    ASSERT_NE(item(qtsession::kResetItem), nullptr);
    EXPECT_TRUE(item(qtsession::kResetItem)->isPushButton());
    for (const qttable::Tool& tool : qttable::kTools) {
        EXPECT_EQ(item(qtsession::kToolSelectorItem)->entries()[tool.number]->text, tool.entry);
    }
}

TEST(OptionCatalogLookup, FindsByNameOnly) {
    const qtsession::OptionInfo* copies = qtsession::findOption("copiesvalue_8");
    ASSERT_NE(copies, nullptr);
    EXPECT_EQ(copies->min, 2.0);
    EXPECT_EQ(copies->max, 500.0);
    EXPECT_EQ(qtsession::findOption("copiesvalue_"), nullptr);
    EXPECT_EQ(qtsession::findOption(""), nullptr);
}

}  // namespace
