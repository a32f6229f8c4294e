// Bad input at the command line's edges: numbers that are finite as doubles but have no
// single-precision value are refused (coordinates) or clamped like any other value a palette
// field is given (options); nothing out of range reaches the host as infinity.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "app/commands.h"
#include "host/run_errors.h"
#include "session/gesture.h"
#include "session/parse.h"
#include "session/session.h"

namespace {

struct RangeCase {
    const char* what;
    std::function<void()> parse;
    bool refused;
};

TEST(ReliabilityParse, NumbersBeyondSinglePrecisionAreRefused) {
    const RangeCase cases[] = {
        {"a point past the largest float", [] { qtsession::parsePoint("1e300,0", "--from"); }, true},
        {"a point just past the largest float", [] { qtsession::parsePoint("0,-3.5e38", "--to"); }, true},
        {"the largest float is a point", [] { qtsession::parsePoint("3.4e38,-3.4e38", "--to"); }, false},
        {"a view edge past the largest float", [] { qtsession::parseRect("0,1e39,10,0", "--view"); }, true},
        {"a gesture point past the largest float",
         [] { qtsession::parseGesture(R"({"events":[{"type":"down","at":[1e300,0]}]})"); }, true},
        {"a gesture number no double holds",
         [] { qtsession::parseGesture(R"({"events":[{"type":"down","at":[1e390,0]}]})"); }, true},
        {"an ordinary gesture point",
         [] { qtsession::parseGesture(R"({"events":[{"type":"down","at":[1,2]}]})"); }, false},
    };
    for (const RangeCase& c : cases) {
        if (c.refused) {
            EXPECT_THROW(c.parse(), qthost::UsageError) << c.what;
        } else {
            EXPECT_NO_THROW(c.parse()) << c.what;
        }
    }
}

TEST(ReliabilityParse, AStrokeWidthPastTheLargestFloatIsABadArgument) {
    qtapp::DrawArgs args;
    args.strokeWidth = 1e300;
    args.out = testing::TempDir() + "never_written.json";
    std::ostringstream err;
    EXPECT_EQ(qtapp::runDraw(args, err), 2);
    EXPECT_NE(err.str().find("--stroke-width"), std::string::npos) << err.str();
}

TEST(ReliabilityParse, AnOptionPastTheLargestFloatIsClampedByItsControl) {
    qtsession::Session session(qthost::HostConfig{});
    session.setOption("rotatevalue_1", "1e300");
    EXPECT_FLOAT_EQ(session.palette().item(43)->floatValue(), 360.0f);
    session.setOption("rotatevalue_1", "-1e300");
    EXPECT_FLOAT_EQ(session.palette().item(43)->floatValue(), -360.0f);
}

}  // namespace
