// Revisions: what changed since a revision was read, for readers that redraw only new art.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host_document_helpers.h"

namespace {

using qthost::ChangesSince;
using qthost::Document;
using qthost::Revision;
using qttest::makePath;

std::vector<AIArtHandle> handles(const std::vector<qthost::ArtView>& views) {
    std::vector<AIArtHandle> out;
    for (qthost::ArtView view : views) out.push_back(view.handle());
    return out;
}

// Earlier art, back to front: a path, a group holding one path, a path.
struct Earlier {
    AIArtHandle a, group, child, b;
};

Earlier makeEarlier(Document& doc) {
    Earlier e{};
    e.a = makePath(doc, {{0, 0}, {1, 1}});
    doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &e.group);
    e.child = makePath(doc, {{2, 2}, {3, 3}}, kPlaceInsideOnTop, e.group);
    e.b = makePath(doc, {{4, 4}, {5, 5}});
    return e;
}

TEST(HostDocumentRevision, TellsWhetherEarlierArtChangedAndWhereNewArtLies) {
    struct Row {
        const char* what;
        std::function<std::vector<AIArtHandle>(Document&, const Earlier&)> change;  // returns the new art
        bool unchanged;
        enum { none, above, beneath, between } where;
    };
    const AIRealMatrix shift{1, 0, 0, 1, 5, 0};
    const Row rows[] = {
        {"nothing", [](Document&, const Earlier&) { return std::vector<AIArtHandle>{}; }, true, Row::none},
        {"new art on top, then edited",
         [](Document& d, const Earlier&) {
             AIArtHandle n = makePath(d, {{9, 9}});
             d.setOpacity(n, 0.5f);
             AIArtHandle m = makePath(d, {{8, 8}});
             return std::vector<AIArtHandle>{n, m};
         },
         true, Row::above},
        {"new art beneath all",
         [](Document& d, const Earlier&) {
             return std::vector<AIArtHandle>{makePath(d, {{9, 9}}, kPlaceBelowAll)};
         },
         true, Row::beneath},
        {"new art between earlier art",
         [](Document& d, const Earlier& e) {
             return std::vector<AIArtHandle>{makePath(d, {{9, 9}}, kPlaceAbove, e.a)};
         },
         true, Row::between},
        {"a copy on top",
         [](Document& d, const Earlier& e) {
             AIArtHandle copy = nullptr;
             d.duplicateArt(e.group, kPlaceAboveAll, nullptr, &copy);
             return std::vector<AIArtHandle>{copy};
         },
         true, Row::above},
        {"new art made and disposed",
         [](Document& d, const Earlier&) {
             d.disposeArt(makePath(d, {{9, 9}}));
             return std::vector<AIArtHandle>{};
         },
         true, Row::none},
        {"a new layer's art",
         [](Document& d, const Earlier&) {
             AILayerHandle layer = nullptr;
             d.insertLayer(nullptr, kPlaceAboveAll, &layer);
             return std::vector<AIArtHandle>{makePath(d, {{9, 9}})};
         },
         true, Row::above},
        {"new art inside an earlier group",
         [](Document& d, const Earlier& e) {
             return std::vector<AIArtHandle>{makePath(d, {{9, 9}}, kPlaceInsideOnTop, e.group)};
         },
         false, Row::none},
        {"segments of earlier art",
         [](Document& d, const Earlier& e) {
             AIPathSegment s{{7, 7}, {7, 7}, {7, 7}, 1};
             d.setSegments(e.a, 0, 1, &s);
             return std::vector<AIArtHandle>{};
         },
         false, Row::none},
        {"opacity of art inside a group",
         [](Document& d, const Earlier& e) {
             d.setOpacity(e.child, 0.5f);
             return std::vector<AIArtHandle>{};
         },
         false, Row::none},
        {"earlier art disposed",
         [](Document& d, const Earlier& e) {
             d.disposeArt(e.b);
             return std::vector<AIArtHandle>{};
         },
         false, Row::none},
        {"earlier art moved to the top",
         [](Document& d, const Earlier& e) {
             d.reorderArt(e.a, kPlaceAboveAll, nullptr);
             return std::vector<AIArtHandle>{};
         },
         false, Row::none},
        {"earlier art transformed",
         [shift](Document& d, const Earlier& e) {
             d.transformArt(e.group, shift, 1.0f, kTransformObjects);
             return std::vector<AIArtHandle>{};
         },
         false, Row::none},
        {"earlier art put into a new envelope",
         [](Document& d, const Earlier& e) {
             AIArtHandle shape = makePath(d, {{0, 0}, {9, 9}}), envelope = nullptr;
             d.makeEnvelope(&e.b, 1, shape, &envelope);
             return std::vector<AIArtHandle>{envelope};
         },
         false, Row::none},
    };
    // Before the recording point edits of the earlier art are not logged; after it they are.
    for (bool pointPlaced : {false, true}) {
        for (const Row& row : rows) {
            Document doc;
            const Earlier earlier = makeEarlier(doc);
            if (pointPlaced) doc.placeRecordingPoint();
            const Revision revision = doc.revision();
            const std::vector<AIArtHandle> made = row.change(doc, earlier);
            const std::string why = std::string(row.what) + (pointPlaced ? ", after a recording point" : "");

            ChangesSince changes = doc.changesSince(revision);
            EXPECT_EQ(changes.earlierArtUnchanged, row.unchanged) << why;
            if (!row.unchanged) continue;
            EXPECT_EQ(changes.newArtBetween, row.where == Row::between) << why;
            EXPECT_EQ(handles(changes.above), row.where == Row::above ? made : std::vector<AIArtHandle>{})
                << why;
            EXPECT_EQ(handles(changes.beneath), row.where == Row::beneath ? made : std::vector<AIArtHandle>{})
                << why;
        }
    }
}

TEST(HostDocumentRevision, EachRevisionReadIsAnsweredForOnItsOwn) {
    Document doc;
    makeEarlier(doc);
    const Revision first = doc.revision();
    EXPECT_EQ(doc.revision(), first) << "no change, the same revision";
    AIArtHandle x = makePath(doc, {{9, 9}});
    const Revision second = doc.revision();
    EXPECT_NE(second, first);
    AIArtHandle y = makePath(doc, {{8, 8}});
    EXPECT_EQ(handles(doc.changesSince(first).above), (std::vector<AIArtHandle>{x, y}));
    EXPECT_EQ(handles(doc.changesSince(second).above), std::vector<AIArtHandle>{y});

    // x existed at the second revision but not at the first.
    doc.setOpacity(x, 0.5f);
    EXPECT_FALSE(doc.changesSince(second).earlierArtUnchanged);
    EXPECT_EQ(handles(doc.changesSince(first).above), (std::vector<AIArtHandle>{x, y}));

    EXPECT_FALSE(doc.changesSince(0).earlierArtUnchanged) << "never given";
    EXPECT_FALSE(doc.changesSince(doc.revision() + 1).earlierArtUnchanged) << "not given yet";
}

TEST(HostDocumentRevision, UndoForgetsOnlyTheRevisionsItReachesBehind) {
    // A drag: each event undoes the last event's art and draws anew; the host's undo takes
    // the whole drag back.
    Document doc;
    makeEarlier(doc);
    const size_t down = doc.placeRecordingPoint();
    const Revision beforeDrag = doc.revision();
    AIArtHandle firstEvent = makePath(doc, {{9, 9}});
    const Revision afterFirstEvent = doc.revision();
    doc.revertToLastRecordingPoint();
    AIArtHandle secondEvent = makePath(doc, {{8, 8}});
    EXPECT_FALSE(doc.isLive(firstEvent));
    EXPECT_FALSE(doc.changesSince(afterFirstEvent).earlierArtUnchanged) << "the first event's art is gone";
    ChangesSince sinceDown = doc.changesSince(beforeDrag);
    EXPECT_TRUE(sinceDown.earlierArtUnchanged) << "the undo went back no further than the mouse-down";
    EXPECT_EQ(handles(sinceDown.above), std::vector<AIArtHandle>{secondEvent});

    const Revision afterSecondEvent = doc.revision();
    doc.revertTo(down - 1);
    EXPECT_FALSE(doc.changesSince(afterSecondEvent).earlierArtUnchanged);
    EXPECT_FALSE(doc.changesSince(beforeDrag).earlierArtUnchanged) << "undone past the revision";
}

// A redo puts a whole snapshot back: no revision read before it describes the document, and
// revisions read after it work again.
TEST(HostDocumentRevision, ARestoredSnapshotForgetsEveryRevision) {
    Document doc;
    makeEarlier(doc);
    doc.placeRecordingPoint();
    makePath(doc, {{9, 9}});
    const auto snapshot = doc.snapshot();
    doc.revertToLastRecordingPoint();
    const Revision undone = doc.revision();
    doc.restore(*snapshot);
    EXPECT_FALSE(doc.changesSince(undone).earlierArtUnchanged) << "read before the restore";
    const Revision restored = doc.revision();
    AIArtHandle next = makePath(doc, {{8, 8}});
    ChangesSince since = doc.changesSince(restored);
    EXPECT_TRUE(since.earlierArtUnchanged);
    EXPECT_EQ(handles(since.above), std::vector<AIArtHandle>{next}) << "the top-level count came back too";
}

}  // namespace
