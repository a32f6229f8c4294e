// Helpers for the reliability tests: a session with a representative option set, document
// snapshots, and the split of the host's call trace into calls that can fail and calls that
// cannot.
#ifndef QT_TESTS_RELIABILITY_SUPPORT_H
#define QT_TESTS_RELIABILITY_SUPPORT_H

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "export/json_export.h"
#include "host/host.h"
#include "session/session.h"

namespace qtrel {

// The code injected into host calls: not one the frame filters, and above 16384 so that the
// alert writes it as four characters.
inline constexpr ASErr kInjected = 0x5154666C;  // 'QTfl'

// The document's content as the JSON exporter writes it (no results, no alerts).
inline std::string snapshot(const qthost::Document& document) { return qtexport::documentJson(document, {}); }

// Host operations that cannot fail: the host traces them but does not count them towards
// failNthCall.
inline bool isInfallible(std::string_view call) {
    if (call.starts_with("ADM ")) {
        return call != "ADM Basic Suite.GetIndexString" && call != "ADM Basic Suite.SetPlatformCursor";
    }
    static constexpr std::string_view kNeverFail[] = {
        "AI Real Math Suite.",
        "AI Random Suite.",
        "AI Swatch List Suite.CountSwatches",
        "AI Swatch List Suite.GetNthSwatch",
        "AI Blend Style Suite.GetOpacity",
        "AI Blend Style Suite.GetBlendingMode",
        "SP Basic Suite.IsEqual",
    };
    for (std::string_view prefix : kNeverFail) {
        if (call.starts_with(prefix)) return true;
    }
    return false;
}

// The traced calls that count towards failNthCall, in order.
inline std::vector<std::string> fallibleCalls(const std::vector<std::string>& trace) {
    std::vector<std::string> calls;
    for (const std::string& call : trace) {
        if (!isInfallible(call)) calls.push_back(call);
    }
    return calls;
}

// The operation part of a traced call ("AI Art Suite.DuplicateArt" -> "DuplicateArt").
inline std::string_view operation(std::string_view call) {
    const size_t dot = call.rfind('.');
    return dot == std::string_view::npos ? call : call.substr(dot + 1);
}

// Calls the frame makes to show an error: reading the alert text and showing it.
inline bool isErrorReport(std::string_view call) {
    return call.starts_with("ADM Basic Suite.") || call == "SP Basic Suite.AcquireSuite" ||
           call == "SP Basic Suite.ReleaseSuite";
}

// Store name, value, set through the palette in this order.
using OptionSet = std::vector<std::pair<std::string, std::string>>;

// Every shared styling switch on: layer, closed paths, colour series, random and pressure
// width, opacity and blending, stroke scaling, a pattern of mirrored copies, the slowdown at 1.
inline OptionSet sharedStyling() {
    return {
        {"layer", "1"},           {"closedpath", "1"},
        {"filloptions", "9"},     {"fillprocessvalue", "3"},
        {"strokeoptions", "2"},   {"strokeprocessvalue", "4"},
        {"width", "1"},           {"pr_widthvalue", "1"},
        {"pr_opacityvalue", "1"}, {"pr_lengthvalue", "1"},
        {"opacity", "1"},         {"blend", "1"},
        {"patternoptions", "47"}, {"scalelinesoptions", "1"},
        {"countvalue", "1"},
    };
}

// A mode with small counts, its Warp and Create switches on and its Trail off.
struct ModeSetup {
    int tool;
    const char* name;
    OptionSet options;
};

inline std::vector<ModeSetup> modeSetups() {
    return {
        {0,
         "grid",
         {{"horizontalcopiesvalue_0", "2"},
          {"verticalcopiesvalue_0", "2"},
          {"rotatevalue_0", "30"},
          {"jittervalue_0", "5"},
          {"envelopevalue_0", "1"},
          {"placementvalue_0", "1"}}},
        {1,
         "drag",
         {{"copiesvalue_1", "3"},
          {"jitterxvalue_1", "4"},
          {"envelopevalue_1", "1"},
          {"placementvalue_1", "1"}}},
        {2,
         "zoom",
         {{"copiesvalue_2", "3"},
          {"curvevalue_2", "20"},
          {"lengthvalue_2", "1"},
          {"viewvalue_2", "1"},
          {"envelopevalue_2", "1"}}},
        {3,
         "framed",
         {{"horizontalcopiesvalue_3", "2"},
          {"verticalcopiesvalue_3", "2"},
          {"jittervalue_3", "3"},
          {"envelopevalue_3", "1"},
          {"placementvalue_3", "1"}}},
        {4, "rim_random", {{"copiesvalue_4", "3"}, {"jittervalue_4", "3"}, {"envelopevalue_4", "1"}}},
        {5,
         "windmill",
         {{"copiesvalue_5", "3"},
          {"circlesvalue_5", "2"},
          {"rotatevalue_5", "20"},
          {"envelopevalue_5", "1"},
          {"placementvalue_5", "1"}}},
        {6,
         "scaledown",
         {{"copiesvalue_6", "3"},
          {"twistvalue_6", "2"},
          {"envelopevalue_6", "1"},
          {"placementvalue_6", "1"}}},
        {7,
         "bounce_along",
         {{"copiesvalue_7", "3"},
          {"bouncevalue_7", "2"},
          {"envelopevalue_7", "1"},
          {"placementvalue_7", "1"}}},
        {8,
         "spiral",
         {{"copiesvalue_8", "3"},
          {"spiralsvalue_8", "2"},
          {"envelopevalue_8", "1"},
          {"placementvalue_8", "1"}}},
        {9,
         "checkerboard",
         {{"horizontalcopiesvalue_9", "2"},
          {"verticalcopiesvalue_9", "2"},
          {"scaledvalue_9", "1"},
          {"envelopevalue_9", "1"},
          {"placementvalue_9", "1"}}},
        {10,
         "paint",
         {{"intensityvalue_10", "30"},
          {"anglevalue_10", "1"},
          {"followvalue_10", "1"},
          {"envelopevalue_10", "1"}}},
        {11, "basic_tile", {{"jittervalue_11", "3"}}},
        {12, "background", {{"copiesvalue_12", "3"}, {"envelopevalue_12", "1"}}},
    };
}

// Changes to the shared styling: the layer switch forces placement above, so a second set
// keeps the layer off and places copies beneath at random, with another pattern group.
struct StylingVariant {
    const char* name;
    OptionSet options;
};

inline std::vector<StylingVariant> stylingVariants() {
    return {
        {"layer", {}},
        {"beneath", {{"layer", "0"}, {"beneathoptions", "4"}, {"patternoptions", "20"}}},
    };
}

// A session on a pressure device, in `setup`'s mode with the shared styling on (changed by
// `variant`) and the random-handle line type.
inline std::unique_ptr<qtsession::Session> styledSession(const ModeSetup& setup,
                                                         const StylingVariant& variant = {}) {
    qthost::HostConfig config;
    config.pressureDevice = true;
    auto session = std::make_unique<qtsession::Session>(config);
    session->selectTool(setup.tool);
    session->selectShape(13);
    for (const auto& [name, value] : sharedStyling()) session->setOption(name, value);
    for (const auto& [name, value] : setup.options) session->setOption(name, value);
    for (const auto& [name, value] : variant.options) session->setOption(name, value);
    return session;
}

}  // namespace qtrel

#endif
