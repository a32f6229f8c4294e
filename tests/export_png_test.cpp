// PNG rendering: drawing in bands on several threads gives the same bytes as one pass, and
// the fills the renderer leaves out are exactly those cairo would paint nothing for.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "export/files/cairo_bands.h"
#include "export/files/cairo_draw.h"
#include "export/files/cairo_export.h"
#include "export/files/document_file.h"
#include "export/scene.h"
#include "session/gesture.h"
#include "session/session.h"

namespace {

namespace fs = std::filesystem;

qtexport::PageImage blankImage(const qtexport::Scene& scene, double scale) {
    qtexport::PageImage image;
    image.width = static_cast<int>(std::ceil(scene.pageWidth * scale));
    image.height = static_cast<int>(std::ceil(scene.pageHeight * scale));
    image.stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, image.width);
    image.pixels.assign(static_cast<size_t>(image.stride) * image.height, 0);
    return image;
}

qtexport::PageImage render(const qtexport::Scene& scene, double scale, int bands) {
    qtexport::PageImage image = blankImage(scene, scale);
    EXPECT_EQ(qtexport::renderBands(scene, scale, image, bands), "");
    return image;
}

bool hasInk(const qtexport::PageImage& image) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* pixel = &image.pixels[static_cast<size_t>(y) * image.stride + x * 4];
            if (pixel[0] != 0xFF || pixel[1] != 0xFF || pixel[2] != 0xFF) return true;
        }
    }
    return false;
}

size_t countComposited(const std::vector<qtexport::SceneNode>& nodes) {
    size_t n = 0;
    for (const qtexport::SceneNode& node : nodes) {
        n += (node.opacity < 1.0f || node.blendMode != kNormalBlendMode) + countComposited(node.children);
    }
    return n;
}

// Drag copies with every styling option on (opacity, blend modes, random fill and stroke
// colours and widths, pattern figures), first inside envelopes (warped curves), then straight.
qtexport::Scene styledDocument() {
    qtsession::Session session(qthost::HostConfig{});
    session.reset();
    session.selectTool(1);
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, std::string>>{{"copiesvalue_1", "12"},
                                                          {"trailvalue_1", "1"},
                                                          {"patternoptions", "1"},
                                                          {"opacity", "1"},
                                                          {"blend", "1"},
                                                          {"width", "1"},
                                                          {"filloptions", "3"},
                                                          {"strokeoptions", "3"},
                                                          {"envelopevalue_1", "1"}}) {
        session.setOption(name, value);
    }
    qthost::Host& host = session.host();
    auto drag = [&host](AIRealPoint from, AIRealPoint step) {
        host.mouseDown(from);
        for (int event = 1; event <= 3; ++event)
            host.mouseDrag({from.h + step.h * event, from.v + step.v * event});
        host.mouseUp();
    };
    drag({150.0f, 600.0f}, {50.0f, 40.0f});
    session.setOption("envelopevalue_1", "0");
    drag({500.0f, 60.0f}, {-60.0f, 120.0f});
    return qtexport::buildScene(host.document());
}

// True when every band of the plan has ink in the one-pass render: the seams cut the drawing.
bool everyBandHasInk(const qtexport::PageImage& image, const std::vector<int>& rows) {
    for (size_t band = 0; band + 1 < rows.size(); ++band) {
        qtexport::PageImage part = image;
        part.pixels.assign(image.pixels.begin() + static_cast<ptrdiff_t>(rows[band]) * image.stride,
                           image.pixels.begin() + static_cast<ptrdiff_t>(rows[band + 1]) * image.stride);
        part.height = rows[band + 1] - rows[band];
        if (!hasInk(part)) return false;
    }
    return true;
}

TEST(AppPng, BandsOnThreadsDrawTheSameBytesAsOnePass) {
    qtexport::Scene scene = styledDocument();
    ASSERT_FALSE(scene.layers.empty());
    ASSERT_GT(countComposited(scene.layers[0].nodes), 20u) << "the fixture should blend and fade";
    for (double scale : {1.0, 0.75}) {
        qtexport::PageImage onePass = render(scene, scale, 1);
        ASSERT_TRUE(everyBandHasInk(onePass, qtexport::bandRows(scene, scale, onePass.height, 3)));
        for (int bands : {2, 3, 7}) {
            qtexport::PageImage banded = render(scene, scale, bands);
            EXPECT_TRUE(banded.pixels == onePass.pixels) << bands << " bands at scale " << scale;
        }
    }
}

TEST(AppPng, BandPlanCoversThePageInOrder) {
    qtexport::Scene scene = styledDocument();
    for (int bands : {1, 2, 7, 2000}) {
        std::vector<int> rows = qtexport::bandRows(scene, 1.0, 792, bands);
        ASSERT_GE(rows.size(), 2u);
        EXPECT_LE(rows.size(), static_cast<size_t>(bands) + 1);
        EXPECT_EQ(rows.front(), 0);
        EXPECT_EQ(rows.back(), 792);
        for (size_t i = 1; i < rows.size(); ++i)
            EXPECT_LT(rows[i - 1], rows[i]) << bands << " bands, band " << i;
    }
}

TEST(AppPng, WrittenFileHoldsTheRenderedPage) {
    qtexport::Scene scene = styledDocument();
    fs::path file = fs::temp_directory_path() / ("quentarb-png-" + std::to_string(::getpid()) + ".png");
    ASSERT_EQ(qtexport::writePng(scene, file.string(), 0.5), "");
    cairo_surface_t* read = cairo_image_surface_create_from_png(file.c_str());
    fs::remove(file);
    ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
    qtexport::PageImage expected = render(scene, 0.5, 1);
    ASSERT_EQ(cairo_image_surface_get_width(read), expected.width);
    ASSERT_EQ(cairo_image_surface_get_height(read), expected.height);
    const unsigned char* data = cairo_image_surface_get_data(read);
    int stride = cairo_image_surface_get_stride(read);
    bool same = true;
    for (int y = 0; y < expected.height && same; ++y) {
        same = std::equal(data + y * stride, data + y * stride + expected.width * 4,
                          expected.pixels.begin() + static_cast<ptrdiff_t>(y) * expected.stride);
    }
    cairo_surface_destroy(read);
    EXPECT_TRUE(same);
}

AIPathSegment smooth(AIRealPoint in, AIRealPoint p, AIRealPoint out) { return {p, in, out, false}; }

// cairo straightens the curves of a stroke that lie outside the band it draws, which moves
// the outline inside the band by a fraction of a pixel: bands must never cut such a stroke.
TEST(AppPng, BandsNeverCutACurvedStroke) {
    qtexport::SceneNode warped;  // a thin stroke from a warped drag copy, where cuts do show
    warped.segments = {
        smooth({336.6f, 329.6f}, {336.6f, 329.6f}, {336.6f, 329.6f}),
        smooth({335.4f, 331.6f}, {333.2f, 335.3f}, {330.9f, 339.1f}),
        smooth({327.8f, 344.9f}, {324.0f, 352.8f}, {320.2f, 362.4f}),
        smooth({315.9f, 376.1f}, {311.2f, 392.9f}, {306.6f, 410.3f}),
        smooth({301.7f, 427.2f}, {296.8f, 441.8f}, {292.0f, 456.2f}),
        smooth({287.1f, 474.3f}, {282.6f, 498.0f}, {278.2f, 528.6f}),
        smooth({274.1f, 560.7f}, {270.6f, 587.6f}, {267.1f, 611.1f}),
        smooth({264.1f, 626.8f}, {262.1f, 635.9f}, {260.0f, 643.7f}),
        smooth({258.9f, 647.8f}, {258.9f, 647.8f}, {258.9f, 647.8f}),
    };
    warped.style.fillPaint = false;
    warped.style.strokePaint = true;
    warped.style.stroke.width = 0.49f;
    warped.style.stroke.color.kind = kGrayColor;
    warped.style.stroke.color.c.g.gray = 1.0f;
    qtexport::Scene scene;
    scene.pageWidth = 612.0;
    scene.pageHeight = 792.0;
    scene.layers.push_back({"Layer 1", {warped}});
    for (double scale : {0.75, 1.0}) {
        qtexport::PageImage onePass = render(scene, scale, 1);
        for (int bands = 2; bands <= 12; ++bands) {
            EXPECT_TRUE(render(scene, scale, bands).pixels == onePass.pixels)
                << bands << " bands at scale " << scale;
        }
    }
}

// The page with one filled, unstroked path drawn straight through cairo, nothing left out.
qtexport::PageImage plainCairoFill(const qtexport::Scene& scene, const qtexport::SceneNode& node) {
    qtexport::PageImage image = blankImage(scene, 1.0);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(image.pixels.data(), CAIRO_FORMAT_ARGB32,
                                                                   image.width, image.height, image.stride);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    cairo_translate(cr, 0.0, scene.pageHeight);
    cairo_scale(cr, 1.0, -1.0);
    const auto& s = node.segments;
    cairo_move_to(cr, s[0].p.h, s[0].p.v);
    for (size_t i = 0; i + 1 < s.size(); ++i) {
        cairo_curve_to(cr, s[i].out.h, s[i].out.v, s[i + 1].in.h, s[i + 1].in.v, s[i + 1].p.h, s[i + 1].p.v);
    }
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return image;
}

AIPathSegment corner(AIReal h, AIReal v) { return {{h, v}, {h, v}, {h, v}, true}; }

TEST(AppPng, FillsLeftOutAreExactlyThoseThatPaintNothing) {
    AIPathSegment bulging = corner(30.0f, 33.0f);
    bulging.in = {38.0f, 20.0f};
    struct Case {
        const char* what;
        std::vector<AIPathSegment> segments;
        bool enclosesNothing;
    };
    const Case cases[] = {
        {"a straight line between two anchors", {corner(3.1f, 4.2f), corner(30.7f, 33.3f)}, true},
        {"a line traced there and back",
         {corner(3.0f, 4.0f), corner(30.0f, 33.0f), corner(3.0f, 4.0f)},
         true},
        {"a single anchor", {corner(10.0f, 10.0f)}, true},
        {"a curve between two anchors encloses its bulge", {corner(3.0f, 4.0f), bulging}, false},
        {"three anchors on almost one line",
         {corner(3.0f, 4.0f), corner(30.0f, 33.0f), corner(16.0f, 18.6f)},
         false},
        {"a triangle", {corner(3.0f, 4.0f), corner(30.0f, 33.0f), corner(33.0f, 5.0f)}, false},
    };
    for (const Case& c : cases) {
        qtexport::Scene scene;
        scene.pageWidth = 40.0;
        scene.pageHeight = 40.0;
        qtexport::SceneNode node;
        node.segments = c.segments;
        node.style.fillPaint = true;
        node.style.fill.color.kind = kGrayColor;
        node.style.fill.color.c.g.gray = 1.0f;  // black
        node.style.strokePaint = false;
        EXPECT_EQ(qtexport::fillEnclosesNothing(node), c.enclosesNothing) << c.what;
        scene.layers.push_back({"Layer 1", {node}});
        qtexport::PageImage ours = render(scene, 1.0, 1);
        EXPECT_TRUE(ours.pixels == plainCairoFill(scene, node).pixels) << c.what;
        EXPECT_EQ(hasInk(ours), !c.enclosesNothing) << c.what;
    }
}

// Far-off geometry: a path reaching far past the page is clamped to a margin around it and one
// wholly off the page is left out, and the page shows exactly what the same shapes within
// reach of the page show.
TEST(AppPng, GeometryFarOffThePageDrawsWhatTheSameShapeNearItDraws) {
    const float far = 1e30f;
    struct Case {
        const char* what;
        std::vector<AIPathSegment> far, near;
        bool closed, fill, stroke;
    };
    const Case cases[] = {
        {"a filled rectangle over half the page",
         {corner(-far, -far), corner(20, -far), corner(20, far), corner(-far, far)},
         {corner(-50, -50), corner(20, -50), corner(20, 90), corner(-50, 90)},
         true,
         true,
         false},
        {"the same open: its fill closes it",
         {corner(-far, -far), corner(20, -far), corner(20, far), corner(-far, far)},
         {corner(-50, -50), corner(20, -50), corner(20, 90), corner(-50, 90)},
         false,
         true,
         true},
        {"a stroke across the page",
         {corner(-far, 20), corner(far, 20)},
         {corner(-50, 20), corner(90, 20)},
         false,
         false,
         true},
        {"a square wholly off the page",
         {corner(far, far), corner(2 * far, far), corner(2 * far, 2 * far)},
         {},
         true,
         true,
         true},
    };
    for (const Case& c : cases) {
        auto page = [&](const std::vector<AIPathSegment>& segments) {
            qtexport::Scene scene;
            scene.pageWidth = 40.0;
            scene.pageHeight = 40.0;
            qtexport::SceneNode node;
            node.segments = segments;
            node.closed = c.closed;
            node.style.fillPaint = c.fill;
            node.style.fill.color.kind = kGrayColor;
            node.style.fill.color.c.g.gray = 0.6f;
            node.style.strokePaint = c.stroke;
            node.style.stroke.color.kind = kGrayColor;
            node.style.stroke.color.c.g.gray = 1.0f;
            node.style.stroke.width = 4.0f;
            scene.layers.push_back({"Layer 1", {node}});
            return render(scene, 1.0, 2);
        };
        qtexport::PageImage near = page(c.near);
        EXPECT_TRUE(page(c.far).pixels == near.pixels) << c.what;
        EXPECT_EQ(hasInk(near), !c.near.empty()) << c.what;
    }
}

// Drags from -1e30 to 1e30 give paths that span 1e30 points: every format is written.
TEST(AppPng, DragsAcrossTheWholePlaneExport) {
    for (int tool : {6, 7}) {  // scaledown, bounce-along
        qtsession::Session session(qthost::HostConfig{});
        session.selectTool(tool);
        session.selectShape(6);
        session.play(qtsession::straightDrag({-1e30f, 0.0f}, {1e30f, 0.0f}, 8, 255, 0));
        const qthost::Document& doc = session.host().document();
        ASSERT_GT(doc.liveArtCount(), 1u);
        for (const char* extension : {".png", ".pdf", ".svg"}) {
            fs::path file = fs::temp_directory_path() / ("quentarb-far-" + std::to_string(::getpid()) + "-" +
                                                         std::to_string(tool) + extension);
            EXPECT_EQ(qtexport::writeDocument(doc, {}, file.string()), 0u) << tool << extension;
            EXPECT_GT(fs::file_size(file), 100u) << tool << extension;
            if (std::string(extension) == ".png") {
                cairo_surface_t* read = cairo_image_surface_create_from_png(file.c_str());
                EXPECT_EQ(cairo_image_surface_get_width(read), 612) << tool;
                EXPECT_EQ(cairo_image_surface_get_height(read), 792) << tool;
                cairo_surface_destroy(read);
            }
            fs::remove(file);
        }
    }
}

}  // namespace
