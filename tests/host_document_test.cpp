// The document: paint orders, handles, duplication, segments, bounds, tags, envelopes, layers.
#include <gtest/gtest.h>

#include <array>

#include "host_document_helpers.h"

namespace {

using qthost::Document;
using qttest::corner;
using qttest::describe;
using qttest::makePath;

TEST(HostDocument, PaintOrdersPlaceArtWhereTheyName) {
    struct Row {
        ASInt16 order;
        bool relativeToPrep;
        std::vector<int> expected;  // layer art back to front: 0 = a, 1 = b, 2 = c, 9 = new
        const char* why;
    };
    const Row rows[] = {
        {kPlaceAboveAll, false, {0, 1, 2, 9}, "top of the current layer"},
        {kPlaceBelowAll, false, {9, 0, 1, 2}, "bottom of the current layer"},
        {kPlaceAbove, true, {0, 1, 9, 2}, "just above the reference (b)"},
        {kPlaceBelow, true, {0, 9, 1, 2}, "just below the reference (b)"},
    };
    for (const Row& row : rows) {
        Document doc;
        AIArtHandle art[3] = {makePath(doc, {{0, 0}}), makePath(doc, {{1, 1}}), makePath(doc, {{2, 2}})};
        AIArtHandle made = nullptr;
        ASSERT_EQ(doc.newArt(kPathArt, row.order, row.relativeToPrep ? art[1] : nullptr, &made), kNoErr)
            << row.why;
        std::vector<AIArtHandle> expected;
        for (int i : row.expected) expected.push_back(i == 9 ? made : art[i]);
        EXPECT_EQ(doc.layerArt(0), expected) << row.why;

        // Reordering the first art by the same order puts it in the same kind of place.
        Document doc2;
        AIArtHandle art2[3] = {makePath(doc2, {{0, 0}}), makePath(doc2, {{1, 1}}), makePath(doc2, {{2, 2}})};
        AIArtHandle moving = makePath(doc2, {{3, 3}});
        ASSERT_EQ(doc2.reorderArt(moving, row.order, row.relativeToPrep ? art2[1] : nullptr), kNoErr)
            << row.why;
        std::vector<AIArtHandle> expected2;
        for (int i : row.expected) expected2.push_back(i == 9 ? moving : art2[i]);
        EXPECT_EQ(doc2.layerArt(0), expected2) << "reorder: " << row.why;
    }
}

TEST(HostDocument, InsideOrdersAndRefusals) {
    Document doc;
    AIArtHandle group = nullptr, path = makePath(doc, {{0, 0}});
    ASSERT_EQ(doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &group), kNoErr);
    AIArtHandle top = makePath(doc, {{1, 1}}, kPlaceInsideOnTop, group);
    AIArtHandle bottom = makePath(doc, {{2, 2}}, kPlaceInsideOnBottom, group);
    EXPECT_EQ(doc.children(group), (std::vector<AIArtHandle>{bottom, top}));

    AIArtHandle out = nullptr;
    EXPECT_EQ(doc.newArt(kPathArt, kPlaceInsideOnTop, path, &out), kBadParameterErr) << "a path holds no art";
    EXPECT_EQ(doc.newArt(kPathArt, kPlaceAbove, nullptr, &out), kBadArtHandleErr)
        << "relative order, no reference";
    EXPECT_EQ(doc.newArt(kPathArt, 0, nullptr, &out), kBadParameterErr) << "no such order";
    EXPECT_EQ(doc.newArt(kEnvelopeArt, kPlaceAboveAll, nullptr, &out), kBadParameterErr)
        << "envelopes come from MakeEnvelope";
    EXPECT_EQ(doc.reorderArt(group, kPlaceInsideOnTop, top), kBadParameterErr) << "not into its own contents";
    EXPECT_EQ(doc.liveArtCount(), 4u) << "refusals make nothing";
}

TEST(HostDocument, StaleAndForeignHandlesAreErrorsNotCrashes) {
    Document doc;
    AIArtHandle art = makePath(doc, {{0, 0}, {1, 1}});
    ASSERT_EQ(doc.disposeArt(art), kNoErr);
    AIArtHandle bogus[] = {
        art, nullptr, reinterpret_cast<AIArtHandle>(uintptr_t(0xdeadbeef)),
        // Slot 0, generation 1: the layer's own container, never handed out.
        reinterpret_cast<AIArtHandle>((uintptr_t(1) << (sizeof(uintptr_t) == 8 ? 32 : 22)) | 1)};
    for (AIArtHandle h : bogus) {
        const uint64_t staleBefore = doc.staleHandleUses();
        ASInt16 type = 0, count = 0;
        AIRealRect r{};
        AIPathStyle st{};
        AIArtHandle out = nullptr;
        AIRealMatrix m{1, 0, 0, 1, 0, 0};
        EXPECT_EQ(doc.getArtType(h, &type), kBadArtHandleErr);
        EXPECT_EQ(doc.getArtBounds(h, &r), kBadArtHandleErr);
        EXPECT_EQ(doc.getSegmentCount(h, &count), kBadArtHandleErr);
        EXPECT_EQ(doc.getStyle(h, &st), kBadArtHandleErr);
        EXPECT_EQ(doc.duplicateArt(h, kPlaceAboveAll, nullptr, &out), kBadArtHandleErr);
        EXPECT_EQ(doc.transformArt(h, m, 1.0f, kTransformObjects), kBadArtHandleErr);
        EXPECT_EQ(doc.setTag(h, "n", "string", "v"), kBadArtHandleErr);
        EXPECT_EQ(doc.disposeArt(h), kBadArtHandleErr);
        EXPECT_EQ(doc.artType(h), kUnknownArt);
        EXPECT_TRUE(doc.segments(h).empty());
        // Only the disposed art's handle counts as stale; the others never named art.
        EXPECT_EQ(doc.staleHandleUses() - staleBefore, h == art ? 10u : 0u);
    }
}

TEST(HostDocument, DuplicateCopiesEverythingDeeply) {
    Document doc;
    AIArtHandle group = nullptr;
    doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &group);
    AIArtHandle path = makePath(doc, {{0, 0}, {10, 5}}, kPlaceInsideOnTop, group);
    AIPathStyle st = doc.style(path);
    st.stroke.width = 4.5f;
    st.fillPaint = 0;
    doc.setStyle(path, st);
    doc.setClosed(path, 1);
    doc.setOpacity(path, 0.3f);
    doc.setBlendMode(path, 7);
    doc.setTag(path, "b", "string", "2");
    doc.setTag(path, "a", "string", "1");
    doc.setTag(group, "g", "string", "x");
    doc.setOpacity(group, 0.9f);
    AIArtHandle shape = nullptr, envelope = nullptr, content = makePath(doc, {{3, 3}, {4, 4}});
    doc.duplicateArt(content, kPlaceAboveAll, nullptr, &shape);
    doc.makeEnvelope(&content, 1, shape, &envelope);
    doc.setWarp(envelope, {4, 0.5f, -0.5f, 0.25f, true});

    for (AIArtHandle original : {group, envelope}) {
        Document& d = doc;
        AIArtHandle copy = nullptr;
        ASSERT_EQ(d.duplicateArt(original, kPlaceAboveAll, nullptr, &copy), kNoErr);
        std::ostringstream a, b;
        qttest::describeArt(d, original, a, 0);
        qttest::describeArt(d, copy, b, 0);
        EXPECT_EQ(b.str(), a.str());
        EXPECT_NE(d.firstChild(copy), d.firstChild(original)) << "contents are copied, not shared";
        // Editing the copy leaves the original alone.
        d.transformArt(copy, {1, 0, 0, 1, 100, 0}, 1.0f, kTransformObjects);
        std::ostringstream again;
        qttest::describeArt(d, original, again, 0);
        EXPECT_EQ(again.str(), a.str());
    }
}

TEST(HostDocument, SegmentWritesAppendButLeaveNoGap) {
    Document doc;
    AIArtHandle art = nullptr;
    doc.newArt(kPathArt, kPlaceAboveAll, nullptr, &art);
    AIPathSegment s[3] = {corner(0, 0), corner(1, 1), corner(2, 2)};
    EXPECT_EQ(doc.setSegments(art, 0, 2, s), kNoErr);
    EXPECT_EQ(doc.setSegments(art, 2, 1, s + 2), kNoErr) << "a write at the count appends";
    EXPECT_EQ(doc.setSegments(art, 4, 1, s), kBadParameterErr) << "a write past the count leaves a gap";
    AIPathSegment out[3];
    EXPECT_EQ(doc.getSegments(art, 1, 3, out), kBadParameterErr) << "reading past the end";
    ASSERT_EQ(doc.getSegments(art, 0, 3, out), kNoErr);
    EXPECT_EQ(out[2].p.h, 2.0f);
    EXPECT_EQ(doc.setSegmentCount(art, 5), kNoErr);
    EXPECT_EQ(doc.segments(art)[4].p.h, 0.0f) << "new segments start zeroed";
    AIArtHandle group = nullptr;
    doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &group);
    EXPECT_EQ(doc.setSegments(group, 0, 1, s), kBadParameterErr) << "only paths have segments";
}

TEST(HostDocument, BoundsFollowTheCurvesNotTheirHandles) {
    struct Row {
        std::vector<AIPathSegment> segments;
        bool closed;
        AIRealRect expected;
        const char* why;
    };
    // A cubic from (0,0) to (10,0) with both handles at v = 10 peaks at v = 7.5.
    AIPathSegment arcStart{{0, 0}, {0, 0}, {0, 10}, 0};
    AIPathSegment arcEnd{{10, 0}, {10, 10}, {10, 0}, 0};
    const Row rows[] = {
        {{corner(1, 2), corner(5, -3)}, false, {1, 2, 5, -3}, "straight: the anchors"},
        {{arcStart, arcEnd}, false, {0, 7.5f, 10, 0}, "curve: the peak, not the handles"},
        {{arcEnd, arcStart}, true, {0, 7.5f, 10, 0}, "the closing curve counts when closed"},
        {{arcEnd, arcStart}, false, {0, 0, 10, 0}, "and not when open"},
        {{}, false, {0, 0, 0, 0}, "no segments: a zero rectangle"},
    };
    for (const Row& row : rows) {
        Document doc;
        AIArtHandle art = nullptr;
        doc.newArt(kPathArt, kPlaceAboveAll, nullptr, &art);
        doc.setSegments(art, 0, static_cast<ASInt16>(row.segments.size()), row.segments.data());
        doc.setClosed(art, row.closed);
        AIRealRect r{};
        ASSERT_EQ(doc.getArtBounds(art, &r), kNoErr);
        EXPECT_NEAR(r.left, row.expected.left, 1e-5) << row.why;
        EXPECT_NEAR(r.top, row.expected.top, 1e-5) << row.why;
        EXPECT_NEAR(r.right, row.expected.right, 1e-5) << row.why;
        EXPECT_NEAR(r.bottom, row.expected.bottom, 1e-5) << row.why;
        qthost::OptionalRect bounds = doc.artBounds(art);
        EXPECT_EQ(bounds.empty(), row.segments.empty())
            << row.why << ": the reader's bounds say when there are none";
        if (!bounds.empty()) {
            EXPECT_EQ(bounds.rect().top, r.top) << row.why;
        }
    }
}

TEST(HostDocument, TransformMovesAnchorsAndHandlesAndScalesLinesOnlyWhenAsked) {
    Document doc;
    AIArtHandle art = nullptr;
    doc.newArt(kPathArt, kPlaceAboveAll, nullptr, &art);
    AIPathSegment s{{1, 2}, {0, 1}, {3, 4}, 0};
    doc.setSegments(art, 0, 1, &s);
    const AIRealMatrix m{2, 0, 0, 3, 10, 20};  // h' = 2h + 10, v' = 3v + 20
    ASSERT_EQ(doc.transformArt(art, m, 5.0f, kTransformObjects), kNoErr);
    AIPathSegment t = doc.segments(art)[0];
    EXPECT_EQ(t.p.h, 12.0f);
    EXPECT_EQ(t.p.v, 26.0f);
    EXPECT_EQ(t.in.h, 10.0f);
    EXPECT_EQ(t.in.v, 23.0f);
    EXPECT_EQ(t.out.h, 16.0f);
    EXPECT_EQ(t.out.v, 32.0f);
    EXPECT_EQ(doc.style(art).stroke.width, 1.0f) << "without kScaleLines the width stays";
    ASSERT_EQ(doc.transformArt(art, m, 5.0f, kTransformObjects | kScaleLines), kNoErr);
    EXPECT_EQ(doc.style(art).stroke.width, 5.0f);
}

TEST(HostDocument, TagsKeepTheirFirstOrderAndTruncateOnRead) {
    Document doc;
    AIArtHandle art = makePath(doc, {{0, 0}});
    doc.setTag(art, "one", "string", "1");
    doc.setTag(art, "two", "string", "2");
    doc.setTag(art, "three", "string", "3");
    doc.setTag(art, "one", "string", "uno");
    auto tags = doc.tags(art);
    ASSERT_EQ(tags.size(), 3u);
    EXPECT_EQ(tags[0].name, "one");
    EXPECT_EQ(tags[0].value, "uno") << "a second set replaces the value in place";
    EXPECT_EQ(tags[2].name, "three");
    char type[8], value[3];
    ASSERT_EQ(doc.getTag(art, "one", type, sizeof type, value, sizeof value), kNoErr);
    EXPECT_STREQ(type, "string");
    EXPECT_STREQ(value, "un") << "at most maxLen bytes with the terminator";
    EXPECT_EQ(doc.getTag(art, "missing", type, sizeof type, value, sizeof value), kBadParameterErr);
}

TEST(HostDocument, EnvelopeTakesThePlaceOfItsContentAndConsumesItsShape) {
    Document doc;
    AIArtHandle below = makePath(doc, {{0, 0}});
    AIArtHandle content = makePath(doc, {{1, 1}, {5, 5}});
    AIArtHandle above = makePath(doc, {{2, 2}});
    AIArtHandle shape = nullptr, envelope = nullptr;
    doc.duplicateArt(content, kPlaceAboveAll, nullptr, &shape);
    ASSERT_EQ(doc.makeEnvelope(&content, 1, shape, &envelope), kNoErr);
    EXPECT_EQ(doc.layerArt(0), (std::vector<AIArtHandle>{below, envelope, above}));
    EXPECT_EQ(doc.children(envelope), std::vector<AIArtHandle>{content});
    EXPECT_EQ(doc.envelopeShape(envelope), shape);
    EXPECT_EQ(doc.artType(envelope), kEnvelopeArt);
    EXPECT_FALSE(doc.warp(envelope).has_value());
    AIRealRect r{};
    doc.getArtBounds(envelope, &r);
    EXPECT_EQ(r.right, 5.0f) << "an envelope occupies its shape's bounds";
    EXPECT_EQ(doc.setWarp(envelope, {0, 0, 0, 0, false}), kBadParameterErr) << "style 0 is no warp";
    EXPECT_EQ(doc.setWarp(envelope, {16, 0, 0, 0, false}), kBadParameterErr);
    EXPECT_EQ(doc.setWarp(envelope, {3, 1.5f, 0, 0, false}), kBadParameterErr) << "bend outside -1..1";
    EXPECT_EQ(doc.setWarp(content, {3, 0, 0, 0, false}), kBadParameterErr) << "only envelopes warp";
    ASSERT_EQ(doc.setWarp(envelope, {3, -0.5f, 0.25f, 1.0f, true}), kNoErr);
    EXPECT_EQ(doc.warp(envelope)->style, 3);
    EXPECT_EQ(doc.liveArtCount(), 5u) << "below, above, envelope, its content and its shape";
}

TEST(HostDocument, InsertedLayersBecomeCurrentAndTakeNewArt) {
    Document doc;
    EXPECT_EQ(doc.layerName(0), "Layer 1");
    AILayerHandle top = nullptr, bottom = nullptr, middle = nullptr;
    ASSERT_EQ(doc.insertLayer(nullptr, kPlaceAboveAll, &top), kNoErr);
    ASSERT_EQ(doc.insertLayer(nullptr, kPlaceBelowAll, &bottom), kNoErr);
    ASSERT_EQ(doc.insertLayer(top, kPlaceBelow, &middle), kNoErr);
    EXPECT_EQ(doc.insertLayer(nullptr, kPlaceAbove, &middle), kBadParameterErr);
    ASSERT_EQ(doc.layerCount(), 4u);
    EXPECT_EQ(doc.layerName(0), "Layer 3");
    EXPECT_EQ(doc.layerName(1), "Layer 1");
    EXPECT_EQ(doc.layerName(2), "Layer 4");
    EXPECT_EQ(doc.layerName(3), "Layer 2");
    EXPECT_EQ(doc.currentLayer(), middle);
    AIArtHandle art = makePath(doc, {{0, 0}});
    EXPECT_EQ(doc.layerArt(2), std::vector<AIArtHandle>{art});
}

}  // namespace

namespace {

TEST(HostDocument, NewArtIsWhiteAndBlackInTheDocumentsColourModel) {
    struct Row {
        qthost::ColorModel model;
        ASInt32 kind;
        std::array<AIReal, 4> fill, stroke;
    };
    const Row rows[] = {
        {qthost::ColorModel::gray, kGrayColor, {0, 0, 0, 0}, {1, 0, 0, 0}},
        {qthost::ColorModel::cmyk, kFourColor, {0, 0, 0, 0}, {0, 0, 0, 1}},
        {qthost::ColorModel::rgb, kThreeColor, {1, 1, 1, 0}, {0, 0, 0, 0}},
    };
    auto values = [](const AIColor& c) {
        return std::array<AIReal, 4>{c.c.values[0], c.c.values[1], c.c.values[2], c.c.values[3]};
    };
    for (const Row& row : rows) {
        qthost::DocumentSetup setup;
        setup.colorModel = row.model;
        Document doc(setup);
        AIPathStyle style = doc.style(makePath(doc, {{0, 0}}));
        EXPECT_TRUE(style.fillPaint && style.strokePaint) << row.kind;
        EXPECT_EQ(style.fill.color.kind, row.kind);
        EXPECT_EQ(style.stroke.color.kind, row.kind);
        EXPECT_EQ(values(style.fill.color), row.fill) << row.kind;
        EXPECT_EQ(values(style.stroke.color), row.stroke) << row.kind;

        // A fill or stroke given for new art wins over the model's, whatever its kind.
        setup.fill = qthost::Paint::none();
        setup.stroke = qthost::Paint::white(qthost::ColorModel::rgb);
        Document given(setup);
        style = given.style(makePath(given, {{0, 0}}));
        EXPECT_FALSE(style.fillPaint) << row.kind;
        EXPECT_EQ(style.stroke.color.kind, kThreeColor) << row.kind;
        EXPECT_EQ(values(style.stroke.color), (std::array<AIReal, 4>{1, 1, 1, 0})) << row.kind;
    }
}

}  // namespace
