// Command-line and gesture values: good ones parse, bad ones name what is wrong.
#include <gtest/gtest.h>

#include <functional>

#include "host/run_errors.h"
#include "session/gesture.h"
#include "session/parse.h"

namespace {

using qthost::UsageError;

TEST(Parse, GoodValues) {
    EXPECT_EQ(qtsession::parseTool("rim-random"), 4);
    EXPECT_EQ(qtsession::parseTool("12"), 12);
    EXPECT_EQ(qtsession::parseModifiers("0x240"), 0x240u);
    EXPECT_EQ(qtsession::parseModifiers("32"), 32u);
    AIRealPoint p = qtsession::parsePoint("10.5, -3", "--from");
    EXPECT_FLOAT_EQ(p.h, 10.5f);
    EXPECT_FLOAT_EQ(p.v, -3.0f);
    qthost::Paint red = qtsession::parsePaint("#ff0000", "--fill");
    EXPECT_TRUE(red.paint);
    EXPECT_EQ(red.color.kind, kThreeColor);
    EXPECT_FLOAT_EQ(red.color.c.rgb.red, 1.0f);
    qthost::Paint ink = qtsession::parsePaint("cmyk(0,0.5,1,0.25)", "--fill");
    EXPECT_EQ(ink.color.kind, kFourColor);
    EXPECT_FLOAT_EQ(ink.color.c.f.black, 0.25f);
    EXPECT_FALSE(qtsession::parsePaint("none", "--stroke").paint);
    EXPECT_EQ(qtsession::parsePaint("gray(0.3)", "--fill").color.kind, kGrayColor);
}

TEST(Parse, BadValuesNameTheProblem) {
    struct Row {
        std::function<void()> parse;
        const char* expected;  // part of the message
    };
    const Row rows[] = {
        {[] { qtsession::parseTool("sprial"); }, "'sprial' is not a tool"},
        {[] { qtsession::parseTool("13"); }, "is not a tool"},
        {[] { qtsession::parsePoint("10", "--from"); }, "--from: expected X,Y"},
        {[] { qtsession::parsePoint("a,b", "--to"); }, "'a' is not a number"},
        {[] { qtsession::parseRect("0,0,10,10", "--view"); }, "top > bottom"},
        {[] { qtsession::parseModifiers("0xZZ"); }, "--modifiers"},
        {[] { qtsession::parseBool("yes", "--set trailvalue_0"); }, "'yes' is not 0, 1, true or false"},
        {[] { qtsession::parsePaint("#12345", "--fill"); }, "is not #rrggbb"},
        {[] { qtsession::parsePaint("rgb(1,2,0)", "--fill"); }, "components must be 0 to 1"},
        {[] { qtsession::parsePaint("blue", "--stroke"); }, "--stroke: 'blue' is not none"},
        {[] { qtsession::parseColorModel("hsv"); }, "--color-model"},
        {[] { qtsession::parseNumber("nan", "--stroke-width"); }, "is not a number"},
    };
    for (const Row& row : rows) {
        try {
            row.parse();
            ADD_FAILURE() << "no error for: " << row.expected;
        } catch (const UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(row.expected), std::string::npos) << e.what();
        }
    }
}

TEST(Gesture, ReadsEveryEventKind) {
    auto events = qtsession::parseGesture(R"({"events": [
        {"type": "tool", "tool": "spiral"},
        {"type": "shape", "shape": 4},
        {"type": "set", "option": "copiesvalue_8", "value": 20},
        {"type": "set", "option": "alignvalue_8", "value": false},
        {"type": "down", "at": [10, 20]},
        {"type": "drag", "at": [30, 40], "pressure": 200, "modifiers": 32},
        {"type": "drag", "at": [50, 60]},
        {"type": "up"},
        {"type": "reset"},
        {"type": "undo"}]})");
    using T = qtsession::GestureEvent::Type;
    ASSERT_EQ(events.size(), 10u);
    EXPECT_EQ(events[0].type, T::tool);
    EXPECT_EQ(events[0].number, 8);
    EXPECT_EQ(events[2].value, "20");
    EXPECT_EQ(events[3].value, "false");
    EXPECT_EQ(events[5].pressure, 200);
    EXPECT_EQ(events[5].modifiers, 32u);
    EXPECT_EQ(events[6].pressure, 255) << "pressure defaults to 255";
    EXPECT_EQ(events[8].type, T::reset);
    EXPECT_EQ(events[9].type, T::undo);
}

TEST(Gesture, BadFilesNameTheEvent) {
    const std::pair<const char*, const char*> rows[] = {
        {"[1,2]", "\"events\" array"},
        {"{\"events\": 3}", "\"events\" array"},
        {"{\"events\": [", "not JSON"},
        {R"({"events": [{"type": "hop"}]})", "event 0: unknown type \"hop\""},
        {R"({"events": [{"type": "up"}, {"type": "down"}]})", "event 1: missing \"at\""},
        {R"({"events": [{"type": "drag", "at": [1]}]})", "\"at\" must be [x, y]"},
        {R"({"events": [{"type": "drag", "at": [1, 2], "pressure": 300}]})", "\"pressure\" must be 0 to 255"},
        {R"({"events": [{"type": "shape", "shape": 24}]})", "\"shape\" must be 0 to 23"},
        {R"({"events": [{"type": "tool", "tool": "brush"}]})", "event 0: --tool: 'brush'"},
        {R"({"events": [{"type": "set", "option": "x"}]})", "missing \"value\""},
        {R"({"events": [{"type": "drag", "at": [1, 2]}]})", "event 0: a drag with no down before it"},
        {R"({"events": [{"type": "down", "at": [1, 2]}, {"type": "up"}, {"type": "up"}]})",
         "event 2: an up with no down before it"},
        {R"({"events": [{"type": "down", "at": [1, 2]}, {"type": "down", "at": [1, 2]}]})",
         "event 1: a down while the mouse is already down"},
        {R"({"events": [{"type": "undo"}]})", "event 0: an undo with no finished drag to undo"},
        {R"({"events": [{"type": "down", "at": [1, 2]}, {"type": "up"}, {"type": "undo"}, {"type": "undo"}]})",
         "event 3: an undo with no finished drag to undo"},
        {R"({"events": [{"type": "down", "at": [1, 2]}, {"type": "up"}, {"type": "down", "at": [3, 4]},
                        {"type": "drag", "at": [5, 6]}, {"type": "undo"}, {"type": "up"}]})",
         "event 4: an undo in the middle of a drag"},
    };
    for (const auto& [text, expected] : rows) {
        try {
            qtsession::parseGesture(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const qthost::UsageError& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << text << " -> " << e.what();
        }
    }
}

TEST(Gesture, StraightDragEndsExactlyAtTheTarget) {
    auto events = qtsession::straightDrag({100, 100}, {300, 250}, 3, 255, 0);
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events.front().type, qtsession::GestureEvent::Type::down);
    EXPECT_FLOAT_EQ(events[3].at.h, 300.0f);
    EXPECT_FLOAT_EQ(events[3].at.v, 250.0f);
    EXPECT_NEAR(events[1].at.h, 166.666f, 1e-3);
    EXPECT_EQ(events.back().type, qtsession::GestureEvent::Type::up);
}

}  // namespace
