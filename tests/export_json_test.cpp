// JSON output: single-precision numbers read back exactly, strings escaped, structure valid.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "export/json_writer.h"

namespace {

TEST(JsonWriter, FloatsReadBackExactly) {
    const float values[] = {0.1f,   1.0f / 3.0f,   612.0f,      -0.0f,
                            1e-30f, 3.4028235e38f, 123456.789f, 0.70710677f};
    std::string text;
    qtexport::JsonWriter w(text);
    w.beginArray();
    for (float v : values) w.value(v);
    w.endArray();
    nlohmann::json parsed = nlohmann::json::parse(text);
    ASSERT_EQ(parsed.size(), std::size(values));
    for (size_t i = 0; i < std::size(values); ++i) {
        EXPECT_EQ(static_cast<float>(parsed[i].get<double>()), values[i]) << text;
    }
}

TEST(JsonWriter, NonFiniteNumbersBecomeNull) {
    std::string text;
    qtexport::JsonWriter w(text);
    w.beginArray();
    w.value(std::numeric_limits<float>::quiet_NaN());
    w.value(std::numeric_limits<float>::infinity());
    w.endArray();
    EXPECT_EQ(text, "[null,null]");
}

TEST(JsonWriter, NestedObjectsAndEscapes) {
    std::string text;
    qtexport::JsonWriter w(text);
    w.beginObject();
    w.key("a");
    w.beginArray();
    w.value(1);
    w.beginObject();
    w.key("q\"uote");
    w.value("line\nbreak\x01");
    w.endObject();
    w.endArray();
    w.key("b");
    w.value(true);
    w.key("c");
    w.null();
    w.endObject();
    nlohmann::json parsed = nlohmann::json::parse(text);
    EXPECT_EQ(parsed["a"][0], 1);
    EXPECT_EQ(parsed["a"][1]["q\"uote"].get<std::string>(), "line\nbreak\x01");
    EXPECT_EQ(parsed["b"], true);
    EXPECT_TRUE(parsed["c"].is_null());
}

}  // namespace
