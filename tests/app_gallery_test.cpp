// The gallery: every piece renders in a real SVG renderer to a picture that is not blank, and
// its SVG holds exactly as many paths as its JSON has path art.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/commands.h"

namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

size_t countPathArt(const nlohmann::json& art) {
    size_t n = art["type"] == "path" ? 1 : 0;
    if (art.contains("contents")) {
        for (const auto& child : art["contents"]) n += countPathArt(child);
    }
    return n;
}

size_t countOccurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// True when some pixel of the PNG is not white.
bool hasInk(const fs::path& png) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    bool ink = false;
    if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(image);
        const unsigned char* data = cairo_image_surface_get_data(image);
        int stride = cairo_image_surface_get_stride(image);
        int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
        for (int y = 0; y < height && !ink; ++y) {
            const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
            for (int x = 0; x < width && !ink; ++x)
                ink = (row[x] >> 24) != 0 && (row[x] & 0xFFFFFF) != 0xFFFFFF;
        }
    }
    cairo_surface_destroy(image);
    return ink;
}

// One test per piece of the gallery, so that none takes long under the sanitizers.
class Gallery : public ::testing::TestWithParam<size_t> {};

TEST(GalleryPieces, EveryModeWithDefaultsAndAShowcase) { EXPECT_GE(qtapp::galleryPieceCount(), 26u); }

TEST_P(Gallery, EveryPieceRendersAndMatchesItsJson) {
    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "rsvg-convert is not installed";
    // One directory per process: test runs of several builds may share the machine.
    fs::path dir = fs::temp_directory_path() / ("quentarb-gallery-test-" + std::to_string(getpid()));
    fs::remove_all(dir);
    std::ostringstream out, err;
    ASSERT_EQ(qtapp::runGallery(dir.string(), out, err, GetParam(), 1), 0) << err.str();
    ASSERT_TRUE(fs::exists(dir / "index.html"));
    size_t pieces = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".svg") continue;
        ++pieces;
        fs::path svg = entry.path();
        fs::path json = fs::path(svg).replace_extension(".json");
        fs::path rendered = fs::path(svg).replace_extension(".rsvg.png");
        std::string cmd = "rsvg-convert -b white -o '" + rendered.string() + "' '" + svg.string() + "'";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << svg << " does not parse or render";
        EXPECT_TRUE(hasInk(rendered)) << svg << " renders blank";
        nlohmann::json doc = nlohmann::json::parse(read(json));
        size_t pathArt = 0;
        for (const auto& layer : doc["layers"]) {
            for (const auto& art : layer["art"]) pathArt += countPathArt(art);
        }
        EXPECT_GT(pathArt, 0u) << json;
        EXPECT_EQ(countOccurrences(read(svg), "<path "), pathArt) << svg;
    }
    EXPECT_EQ(pieces, 1u);
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Piece, Gallery, ::testing::Range<size_t>(0, qtapp::galleryPieceCount()));

}  // namespace
