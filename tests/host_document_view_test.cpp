// The art view: one resolve, then every field of the record; contents, shape and siblings as
// views; a handle of no live art gives a view that reads as empty.
#include <gtest/gtest.h>

#include <vector>

#include "host_document_helpers.h"

namespace {

using qthost::ArtView;
using qthost::Document;
using qttest::makePath;

std::vector<AIArtHandle> handles(qthost::ArtRange range) {
    std::vector<AIArtHandle> out;
    for (ArtView art : range) out.push_back(art.handle());
    return out;
}

TEST(HostDocumentView, ReadsEveryFieldOfTheObject) {
    Document doc;
    AIArtHandle path = makePath(doc, {{1, 2}, {3, 4}, {5, 6}});
    doc.setClosed(path, true);
    AIPathStyle style = doc.style(path);
    style.stroke.width = 7.0f;
    style.evenodd = true;
    doc.setStyle(path, style);
    doc.setOpacity(path, 0.25f);
    doc.setBlendMode(path, 3);
    doc.setTag(path, "b", "string", "1");
    doc.setTag(path, "a", "string", "2");

    const ArtView view = doc.view(path);
    ASSERT_TRUE(view);
    EXPECT_EQ(view.handle(), path);
    EXPECT_TRUE(view.isPath());
    ASSERT_EQ(view.segments().size(), 3u);
    EXPECT_EQ(view.segments()[2].p.v, 6.0f);
    EXPECT_EQ(view.segments().data(), doc.segments(path).data()) << "the document's own storage, not a copy";
    EXPECT_TRUE(view.closed());
    EXPECT_EQ(view.style().stroke.width, 7.0f);
    EXPECT_TRUE(view.style().evenodd);
    EXPECT_EQ(view.opacity(), 0.25f);
    EXPECT_EQ(view.blendMode(), 3);
    std::vector<std::string> tags;
    for (qthost::TagView tag : view.tags())
        tags.push_back(std::string(tag.name) + "=" + std::string(tag.value));
    EXPECT_EQ(tags, (std::vector<std::string>{"b=1", "a=2"})) << "in the order first set";
    EXPECT_EQ(view.warp(), nullptr);
    EXPECT_TRUE(view.children().empty());
    EXPECT_FALSE(view.envelopeShape());
}

TEST(HostDocumentView, WalksContentsShapeAndSiblings) {
    Document doc;
    AIArtHandle first = makePath(doc, {{0, 0}});
    AIArtHandle group = nullptr;
    doc.newArt(kGroupArt, kPlaceAboveAll, nullptr, &group);
    AIArtHandle low = makePath(doc, {{1, 1}}, kPlaceInsideOnTop, group);
    AIArtHandle high = makePath(doc, {{2, 2}}, kPlaceInsideOnTop, group);
    AIArtHandle shape = makePath(doc, {{0, 0}, {9, 9}});
    AIArtHandle envelope = nullptr;
    ASSERT_EQ(doc.makeEnvelope(&group, 1, shape, &envelope), kNoErr);
    ASSERT_EQ(doc.setWarp(envelope, {4, 0.5f, 0, 0, false}), kNoErr);

    EXPECT_EQ(handles(doc.topLevelArt(0)), (std::vector<AIArtHandle>{first, envelope}));
    EXPECT_EQ(doc.topmostArt(0).handle(), envelope);
    const ArtView env = doc.view(envelope);
    ASSERT_NE(env.warp(), nullptr);
    EXPECT_EQ(env.warp()->style, 4);
    EXPECT_EQ(env.envelopeShape().handle(), shape);
    EXPECT_EQ(env.previous().handle(), first);
    EXPECT_FALSE(env.next()) << "the topmost has nothing above";
    EXPECT_EQ(handles(env.children()), std::vector<AIArtHandle>{group});
    EXPECT_EQ(handles((*env.children().begin()).children()), (std::vector<AIArtHandle>{low, high}));
    EXPECT_FALSE(doc.topLevelArt(5).begin() != doc.topLevelArt(5).end()) << "no such layer: no art";
}

TEST(HostDocumentView, ArtThatIsGoneGivesAnEmptyView) {
    Document doc;
    AIArtHandle path = makePath(doc, {{0, 0}, {1, 1}});
    ASSERT_EQ(doc.disposeArt(path), kNoErr);
    const uint64_t stale = doc.staleHandleUses();
    for (AIArtHandle handle : {path, static_cast<AIArtHandle>(nullptr)}) {
        const ArtView view = doc.view(handle);
        EXPECT_FALSE(view);
        EXPECT_EQ(view.handle(), nullptr);
        EXPECT_EQ(view.type(), kUnknownArt);
        EXPECT_TRUE(view.segments().empty());
        EXPECT_EQ(view.opacity(), 0.0f);
        EXPECT_EQ(view.style().stroke.width, 0.0f);
        EXPECT_TRUE(view.tags().empty());
        EXPECT_TRUE(view.children().empty());
        EXPECT_FALSE(view.next());
    }
    EXPECT_EQ(doc.staleHandleUses(), stale + 1) << "the disposed handle's one resolve is counted, once";
}

}  // namespace
