// The presets table: the built-in table reads, names every option it sets, and a broken table
// is refused with the preset and the field that is wrong.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/presets.h"
#include "host/run_errors.h"
#include "session/option_catalog.h"

namespace {

TEST(Presets, TheBuiltInTableReadsAndNamesRealOptions) {
    const qtapp::PresetTable& table = qtapp::builtInPresets();
    ASSERT_GE(table.presets.size(), 15u) << "the gallery's showcase pieces at least";
    std::set<std::string> names;
    for (const qtapp::Preset& preset : table.presets) {
        EXPECT_TRUE(names.insert(preset.name).second) << preset.name << " twice";
        EXPECT_FALSE(preset.title.empty()) << preset.name;
        EXPECT_GE(preset.shape, 0);
        EXPECT_LE(preset.shape, 23);
        for (const auto& [option, value] : preset.sets) {
            const qtsession::OptionInfo* info = qtsession::findOption(option);
            ASSERT_NE(info, nullptr) << preset.name << ": " << option;
            EXPECT_GE(info->item, 0) << preset.name << ": " << option << " has no control";
        }
    }
    ASSERT_TRUE(table.document.stroke.has_value());
    EXPECT_FLOAT_EQ(table.document.stroke->color.c.rgb.blue, 0.2f) << "the gallery's stroke";
}

TEST(Presets, ABrokenTableNamesThePresetAndTheField) {
    const std::string good =
        R"("name": "p", "title": "t", "tool": "spiral", "shape": 4, "drag": {"from": [1, 2], "to": [3, 4]})";
    const struct {
        std::string table;
        const char* message;
    } rows[] = {
        {"[]", "an object with a \"presets\" array"},
        {"{\"presets\": [{" + good + ", \"tool\": \"lasso\"}]}",
         "preset 0 (p): --tool: 'lasso' is not a tool"},
        {R"({"presets": [{"name": "q", "title": "t", "tool": "grid", "shape": 0}]})", "preset 0 (q)"},
        {"{\"presets\": [{" + good + ", \"sets\": [[\"closedpath\"]]}]}", "each set is [option, value]"},
        {"{\"presets\": [{" + good + ", \"sets\": [[\"closedpath\", \"yes\"]]}]}", "a number or a boolean"},
        {"{\"presets\": [{" + good + ", \"document\": {\"fill\": \"purple\"}}]}", "preset 0 (p): fill"},
        {"{\"document\": {\"paper\": 1}, \"presets\": []}", "document setting \"paper\": unknown"},
    };
    for (const auto& row : rows) {
        try {
            qtapp::parsePresets(row.table);
            ADD_FAILURE() << row.table << " was accepted";
        } catch (const qthost::UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos) << error.what();
        }
    }
    const qtapp::PresetTable table = qtapp::parsePresets(
        "{\"presets\": [{" + good + ", \"sets\": [[\"closedpath\", true], [\"scalevalue_8\", 12.5]]}]}");
    ASSERT_EQ(table.presets.size(), 1u);
    EXPECT_EQ(table.presets[0].sets, (std::vector<std::pair<std::string, std::string>>{
                                         {"closedpath", "1"}, {"scalevalue_8", "12.5"}}));
    EXPECT_EQ(table.presets[0].steps, 8) << "the gallery's eight steps unless the preset says";
}

}  // namespace
