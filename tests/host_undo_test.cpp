// Undo: every kind of change since a recording point is reverted exactly, at any depth.
#include <gtest/gtest.h>

#include <functional>

#include "host_document_helpers.h"

namespace {

using qthost::Document;
using qttest::describe;
using qttest::makePath;

// A document with some history: two paths, a group with a path inside, an envelope with a
// warp, a second layer (current) and tags and styles set before the recording point.
struct Scene {
    Document doc;
    AIArtHandle a = nullptr, b = nullptr, group = nullptr, inner = nullptr, envelope = nullptr;

    Scene() {
        a = makePath(doc, {{0, 0}, {10, 0}, {10, 10}});
        b = makePath(doc, {{20, 20}, {30, 25}});
        doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &group);
        inner = makePath(doc, {{5, 5}, {6, 6}}, kPlaceInsideOnTop, group);
        doc.setTag(a, "quen-tarb", "string", "quen-tarb");
        AIArtHandle content = makePath(doc, {{40, 40}, {50, 50}});
        AIArtHandle shape = nullptr;
        doc.duplicateArt(content, kPlaceAboveAll, nullptr, &shape);
        doc.makeEnvelope(&content, 1, shape, &envelope);
        doc.setWarp(envelope, {2, 0.5f, 0.0f, -0.25f, true});
        AILayerHandle layer = nullptr;
        doc.insertLayer(nullptr, kPlaceAboveAll, &layer);
        makePath(doc, {{1, 2}, {3, 4}});
    }
};

AIRealMatrix shiftAndScale() { return {2.0f, 0.0f, 0.0f, 0.5f, 7.0f, -3.0f}; }

TEST(HostUndo, EveryKindOfChangeRevertsExactlyToTheRecordingPoint) {
    struct Row {
        const char* what;
        std::function<void(Scene&)> change;
    };
    const Row rows[] = {
        {"new path above all",
         [](Scene& s) {
             makePath(s.doc, {{9, 9}, {8, 8}});
         }},
        {"new path below all",
         [](Scene& s) {
             makePath(s.doc, {{9, 9}}, kPlaceBelowAll);
         }},
        {"dispose a path", [](Scene& s) { s.doc.disposeArt(s.a); }},
        {"dispose a group with contents", [](Scene& s) { s.doc.disposeArt(s.group); }},
        {"dispose an envelope", [](Scene& s) { s.doc.disposeArt(s.envelope); }},
        {"reorder below all", [](Scene& s) { s.doc.reorderArt(s.b, kPlaceBelowAll, nullptr); }},
        {"reorder into a group", [](Scene& s) { s.doc.reorderArt(s.a, kPlaceInsideOnBottom, s.group); }},
        {"reorder to another layer (above all of the current one)",
         [](Scene& s) { s.doc.reorderArt(s.a, kPlaceAboveAll, nullptr); }},
        {"transform a path, scaling lines",
         [](Scene& s) { s.doc.transformArt(s.a, shiftAndScale(), 3.0f, kTransformObjects | kScaleLines); }},
        {"transform a group and an envelope",
         [](Scene& s) {
             s.doc.transformArt(s.group, shiftAndScale(), 1.0f, kTransformObjects);
             s.doc.transformArt(s.envelope, shiftAndScale(), 2.0f, kTransformObjects | kScaleLines);
         }},
        {"restyle",
         [](Scene& s) {
             AIPathStyle st = s.doc.style(s.a);
             st.fill.color.c.g.gray = 0.75f;
             st.strokePaint = 0;
             s.doc.setStyle(s.a, st);
         }},
        {"rewrite and append segments",
         [](Scene& s) {
             AIPathSegment segs[4] = {qttest::corner(1, 1), qttest::corner(2, 2), qttest::corner(3, 3),
                                      qttest::corner(4, 4)};
             s.doc.setSegments(s.a, 1, 4, segs);
         }},
        {"shrink and grow the segment count",
         [](Scene& s) {
             s.doc.setSegmentCount(s.a, 1);
             s.doc.setSegmentCount(s.b, 40);
         }},
        {"close", [](Scene& s) { s.doc.setClosed(s.a, 1); }},
        {"opacity and blend mode",
         [](Scene& s) {
             s.doc.setOpacity(s.a, 0.25f);
             s.doc.setBlendMode(s.inner, 11);
         }},
        {"new tag and replaced tag value",
         [](Scene& s) {
             s.doc.setTag(s.b, "k", "string", "v");
             s.doc.setTag(s.a, "quen-tarb", "string", "other");
             s.doc.setTag(s.a, "third", "string", "x");
             s.doc.setTag(s.a, "fourth", "string", "y");
         }},
        {"duplicate, then edit the duplicate",
         [](Scene& s) {
             AIArtHandle copy = nullptr;
             s.doc.duplicateArt(s.group, kPlaceBelowAll, nullptr, &copy);
             s.doc.transformArt(copy, shiftAndScale(), 1.0f, kTransformObjects);
         }},
        {"make an envelope of older art and warp it",
         [](Scene& s) {
             AIArtHandle env = nullptr;
             s.doc.makeEnvelope(&s.a, 1, s.b, &env);
             s.doc.setWarp(env, {9, -1.0f, 1.0f, 0.5f, false});
         }},
        {"re-warp an older envelope",
         [](Scene& s) {
             s.doc.setWarp(s.envelope, {15, 0.1f, 0.2f, 0.3f, false});
         }},
        {"insert layers and draw on them",
         [](Scene& s) {
             AILayerHandle l = nullptr;
             s.doc.insertLayer(nullptr, kPlaceBelowAll, &l);
             makePath(s.doc, {{0, 1}});
             s.doc.insertLayer(nullptr, kPlaceAboveAll, &l);
         }},
        {"change the current layer", [](Scene& s) { s.doc.setCurrentLayer(s.doc.layerHandle(0)); }},
        {"edit, dispose, then revive-by-undo in one run",
         [](Scene& s) {
             s.doc.setOpacity(s.a, 0.5f);
             s.doc.transformArt(s.a, shiftAndScale(), 1.0f, kTransformObjects);
             s.doc.disposeArt(s.a);
             s.doc.reorderArt(s.inner, kPlaceAboveAll, nullptr);
         }},
    };
    for (const Row& row : rows) {
        Scene scene;
        const std::string before = describe(scene.doc);
        scene.doc.placeRecordingPoint();
        row.change(scene);
        EXPECT_NE(describe(scene.doc), before) << row.what << ": the change shows";
        scene.doc.revertToLastRecordingPoint();
        EXPECT_EQ(describe(scene.doc), before) << row.what;
        EXPECT_TRUE(scene.doc.isLive(scene.a)) << row.what << ": older art keeps its handle";
        // The point stays: the same change again reverts again (the drag-event pattern).
        row.change(scene);
        scene.doc.revertToLastRecordingPoint();
        EXPECT_EQ(describe(scene.doc), before) << row.what << " (second time)";
    }
}

TEST(HostUndo, ArtMadeBeforeALaterPointKeepsItsStateAtThatPoint) {
    // Edits to art made since the latest point are not logged; once a newer point exists they
    // must be, or undoing to the newer point would lose them.
    Document doc;
    size_t down = doc.placeRecordingPoint();
    AIArtHandle art = makePath(doc, {{0, 0}, {10, 10}});
    doc.setOpacity(art, 0.5f);
    const std::string atUp = describe(doc);
    doc.placeRecordingPoint();
    doc.setOpacity(art, 0.25f);
    doc.transformArt(art, shiftAndScale(), 2.0f, kTransformObjects | kScaleLines);
    doc.setTag(art, "t", "string", "v");
    doc.revertToLastRecordingPoint();
    EXPECT_EQ(describe(doc), atUp) << "revert to the newer point";
    doc.revertTo(down);
    EXPECT_FALSE(doc.isLive(art)) << "revert to the older point removes the art";
    EXPECT_EQ(doc.liveArtCount(), 0u);
}

TEST(HostUndo, RevertedArtLeavesStaleHandlesAndTheStorageIsReused) {
    Document doc;
    doc.placeRecordingPoint();
    AIArtHandle gone = makePath(doc, {{0, 0}, {1, 1}});
    doc.revertToLastRecordingPoint();
    AIArtHandle fresh = makePath(doc, {{5, 5}});
    EXPECT_NE(gone, fresh) << "a reused slot answers to a new handle";
    ASInt16 type = 0;
    EXPECT_EQ(doc.getArtType(gone, &type), kBadArtHandleErr);
    EXPECT_EQ(doc.setOpacity(gone, 1.0f), kBadArtHandleErr);
    EXPECT_EQ(doc.getArtType(fresh, &type), kNoErr);
    EXPECT_EQ(doc.segments(fresh).size(), 1u);
}

TEST(HostUndo, AnEmptyOlderPathGrowsAndShrinksBackSafely) {
    Document doc;
    AIArtHandle art = nullptr;
    doc.newArt(kPathArt, kPlaceAboveAll, nullptr, &art);
    for (int round = 0; round < 3; ++round) {
        doc.placeRecordingPoint();
        for (ASInt16 i = 0; i < 50; ++i) {
            AIPathSegment s = qttest::corner(i, i);
            ASSERT_EQ(doc.setSegments(art, i, 1, &s), kNoErr);
        }
        EXPECT_EQ(doc.segments(art).size(), 50u);
        doc.revertToLastRecordingPoint();
        EXPECT_EQ(doc.segments(art).size(), 0u) << "round " << round;
    }
}

TEST(HostUndo, DepthsUnwindInOrder) {
    Document doc;
    AIArtHandle art = makePath(doc, {{0, 0}});
    std::vector<std::string> states;
    std::vector<size_t> depths;
    for (int i = 1; i <= 4; ++i) {
        states.push_back(describe(doc));
        depths.push_back(doc.placeRecordingPoint());
        doc.setOpacity(art, 1.0f / static_cast<AIReal>(i + 1));
        makePath(doc, {{static_cast<AIReal>(i), 0}});
    }
    for (int i = 3; i >= 0; --i) {
        doc.revertTo(depths[static_cast<size_t>(i)]);
        EXPECT_EQ(describe(doc), states[static_cast<size_t>(i)])
            << "depth " << depths[static_cast<size_t>(i)];
    }
    EXPECT_EQ(doc.changeLogSize(), 1u) << "only the first path's creation, before any point, is left";
}

// Styles, warps and tag sets are kept by index in tables that a revert cuts back; art of every
// age that points into them must read its own values at every depth.
TEST(HostUndo, SharedStylesWarpsAndTagsReadBackAtEveryDepth) {
    Document doc;
    AIArtHandle old = makePath(doc, {{0, 0}, {1, 1}});
    AIArtHandle content = makePath(doc, {{4, 4}, {5, 5}});
    AIArtHandle shape = makePath(doc, {{3, 3}, {6, 6}});
    AIArtHandle envelope = nullptr;
    doc.makeEnvelope(&content, 1, shape, &envelope);
    auto gray = [&](AIArtHandle art, AIReal g) {
        AIPathStyle style = doc.style(art);
        style.fill.color.c.g.gray = g;
        doc.setStyle(art, style);
    };
    std::vector<std::string> states;
    std::vector<size_t> depths;
    AIArtHandle previous = old;
    for (int i = 1; i <= 3; ++i) {
        states.push_back(describe(doc));
        depths.push_back(doc.placeRecordingPoint());
        const AIReal g = 0.1f * static_cast<AIReal>(i);
        gray(old, g);  // the older path takes the style the new ones share
        AIArtHandle copy = nullptr;
        doc.duplicateArt(previous, kPlaceAboveAll, nullptr, &copy);
        gray(copy, g);
        doc.transformArt(copy, shiftAndScale(), 2.0f, kTransformObjects | kScaleLines);
        doc.setTag(old, "quen-tarb", "string", std::to_string(i).c_str());
        doc.setTag(copy, "quen-tarb", "string", "quen-tarb");
        doc.setWarp(envelope, {i, 0.25f * static_cast<AIReal>(i), 0.0f, 0.0f, i == 2});
        previous = copy;
    }
    for (int i = 2; i >= 0; --i) {
        doc.revertTo(depths[static_cast<size_t>(i)]);
        EXPECT_EQ(describe(doc), states[static_cast<size_t>(i)])
            << "depth " << depths[static_cast<size_t>(i)];
        // Work done again after a revert reuses the table space it gave back.
        depths[static_cast<size_t>(i)] = doc.placeRecordingPoint();
        gray(old, 0.9f);
        doc.setTag(old, "quen-tarb", "string", "again");
        doc.revertTo(depths[static_cast<size_t>(i)]);
        EXPECT_EQ(describe(doc), states[static_cast<size_t>(i)])
            << "depth " << depths[static_cast<size_t>(i)] << " again";
    }
}

TEST(HostUndo, ARevertCostsTheChangesItUndoesNotTheDocument) {
    Document doc;
    for (int i = 0; i < 1000; ++i) makePath(doc, {{0, 0}, {1, 1}});
    size_t logBefore = doc.changeLogSize();
    doc.placeRecordingPoint();
    AIArtHandle one = makePath(doc, {{2, 2}});
    doc.setOpacity(one, 0.5f);  // new since the point: needs no entry of its own
    EXPECT_EQ(doc.changeLogSize() - logBefore, 1u) << "one entry for the new art, none for edits to it";
}

}  // namespace
