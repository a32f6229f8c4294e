// Streaming exports: JSON and SVG reach their sink in pieces as the document is walked, the
// same bytes as the whole-string versions, with paths whose geometry is not finite left out
// and counted in the same walk; nested warps give the same geometry as warping level by level.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "export/json_export.h"
#include "export/scene.h"
#include "export/svg_export.h"
#include "export/warp_geometry.h"
#include "host_document_helpers.h"

namespace {

using qthost::Document;
using qttest::corner;
using qttest::makePath;

// Records every piece it is handed.
struct PieceSink : qtexport::ByteSink {
    std::vector<size_t> pieces;
    std::string bytes;
    void write(std::string_view piece) override {
        pieces.push_back(piece.size());
        bytes.append(piece);
    }
};

// Many paths, some inside a group, with tags that need escaping.
void fill(Document& doc, int paths) {
    AIArtHandle group = nullptr;
    doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &group);
    doc.setOpacity(group, 0.5f);
    for (int i = 0; i < paths; ++i) {
        const AIReal x = static_cast<AIReal>(i % 600), y = static_cast<AIReal>(i / 600);
        AIArtHandle art = makePath(doc, {{x, y}, {x + 3.5f, y + 1.25f}, {x, y + 7}},
                                   i % 3 ? kPlaceAboveAll : kPlaceInsideOnTop, i % 3 ? nullptr : group);
        doc.setTag(art, "Name", "string", i % 2 ? "a<b>&\"c\"" : "plain");
    }
}

TEST(ExportStream, JsonAndSvgArriveInPiecesAsTheStringsHaveThem) {
    Document doc;
    fill(doc, 3000);
    PieceSink json, svg;
    EXPECT_EQ(qtexport::writeDocumentJson(doc, {7, {kNoErr}, {"alert"}}, json), 0u);
    EXPECT_EQ(qtexport::writeDocumentSvg(doc, svg), 0u);
    EXPECT_EQ(json.bytes, qtexport::documentJson(doc, {7, {kNoErr}, {"alert"}}));
    EXPECT_EQ(svg.bytes, qtexport::sceneSvg(qtexport::buildScene(doc)));
    EXPECT_EQ(qtexport::documentSvg(doc), svg.bytes);
    for (const PieceSink* sink : {&json, &svg}) {
        EXPECT_GT(sink->pieces.size(), 3u) << "written as it goes, not at the end";
        for (size_t piece : sink->pieces) {
            EXPECT_LT(piece, qtexport::SinkBuffer::kChunk + 4096)
                << "a piece is a chunk and one object at most";
        }
    }
}

TEST(ExportStream, PathsThatAreNotFiniteAreLeftOutAndCountedInTheSameWalk) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    // The same document twice, the second without the broken paths.
    auto build = [&](Document& doc, bool broken) {
        AIArtHandle group = nullptr;
        if (broken) makePath(doc, {{1, 1}, {inf, 2}});  // first of all: no separator may stay
        makePath(doc, {{0, 0}, {5, 5}});
        doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &group);
        if (broken) makePath(doc, {{1, 1}, {2, nan}}, kPlaceInsideOnTop, group);  // first in its group
        makePath(doc, {{3, 3}, {4, 4}}, kPlaceInsideOnTop, group);
        if (broken) {
            AIArtHandle handle = makePath(doc, {{6, 6}, {7, 7}});
            AIPathSegment s = corner(6, 6);
            s.out.h = -inf;  // only a handle
            doc.setSegments(handle, 0, 1, &s);
        }
    };
    Document broken, clean;
    build(broken, true);
    build(clean, false);

    PieceSink json, svg;
    EXPECT_EQ(qtexport::writeDocumentJson(broken, {}, json), 3u);
    EXPECT_EQ(qtexport::writeDocumentSvg(broken, svg), 3u);
    EXPECT_EQ(qtexport::buildScene(broken).leftOut, 3u);
    EXPECT_EQ(json.bytes, qtexport::documentJson(clean, {}));
    EXPECT_EQ(svg.bytes, qtexport::documentSvg(clean));
}

TEST(ExportStream, NestedWarpsAreAppliedInnermostFirstOnOneCopy) {
    Document doc;
    AIArtHandle inner = makePath(doc, {{10, 10}, {60, 30}, {90, 80}});
    doc.setClosed(inner, true);
    AIArtHandle innerShape = makePath(doc, {{0, 0}, {100, 100}});
    AIArtHandle innerEnvelope = nullptr, outerEnvelope = nullptr;
    ASSERT_EQ(doc.makeEnvelope(&inner, 1, innerShape, &innerEnvelope), kNoErr);
    ASSERT_EQ(doc.setWarp(innerEnvelope, {9, 0.7f, 0.1f, 0, false}), kNoErr);
    AIArtHandle outerShape = makePath(doc, {{-50, -20}, {150, 200}});
    ASSERT_EQ(doc.makeEnvelope(&innerEnvelope, 1, outerShape, &outerEnvelope), kNoErr);
    ASSERT_EQ(doc.setWarp(outerEnvelope, {13, -0.4f, 0, 0.3f, true}), kNoErr);

    qtexport::Scene scene = qtexport::buildScene(doc);
    ASSERT_EQ(scene.layers[0].nodes.size(), 1u);
    const qtexport::SceneNode& path = scene.layers[0].nodes[0].children.at(0).children.at(0);
    std::vector<AIPathSegment> expected =
        qtexport::warpPath(*doc.warp(innerEnvelope), {0, 100, 100, 0}, doc.segments(inner), true);
    expected = qtexport::warpPath(*doc.warp(outerEnvelope), {-50, 200, 150, -20}, expected, true);
    ASSERT_EQ(path.segments.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(path.segments[i].p.h, expected[i].p.h) << i;
        EXPECT_EQ(path.segments[i].in.v, expected[i].in.v) << i;
        EXPECT_EQ(path.segments[i].out.h, expected[i].out.h) << i;
    }
}

}  // namespace
