// Output files, written atomically.
#include "app/output.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <unistd.h>

#include "app/cairo_export.h"
#include "app/parse.h"
#include "app/scene.h"
#include "app/svg_export.h"

namespace qtapp {

namespace {

namespace fs = std::filesystem;

std::string lowerExtension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

std::string temporaryBeside(const std::string& path) {
    fs::path target(path);
    return (target.parent_path() / ("." + target.filename().string() + ".tmp" + std::to_string(getpid()))).string();
}

void moveIntoPlace(const std::string& temp, const std::string& path) {
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw std::runtime_error("cannot write '" + path + "'");
    }
}

}  // namespace

void checkWritable(const std::string& path) {
    fs::path target(path);
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    bool ok = fs::is_directory(folder, ec) && access(folder.c_str(), W_OK) == 0;
    if (ok && fs::exists(target, ec)) ok = !fs::is_directory(target, ec) && access(target.c_str(), W_OK) == 0;
    if (!ok) throw UsageError("--out: cannot write '" + path + "'");
}

Format formatFor(const std::string& path) {
    if (path == "-") return Format::json;
    std::string ext = lowerExtension(path);
    if (ext == ".svg") return Format::svg;
    if (ext == ".pdf") return Format::pdf;
    if (ext == ".png") return Format::png;
    if (ext == ".json") return Format::json;
    throw UsageError("--out: '" + path + "' must end in .svg, .pdf, .png or .json (or be - for JSON on stdout)");
}

void writeTextFile(const std::string& path, const std::string& text) {
    std::string temp = temporaryBeside(path);
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            fs::remove(temp, ec);
            throw std::runtime_error("cannot write '" + path + "'");
        }
    }
    moveIntoPlace(temp, path);
}

void writeDocument(const qthost::Document& document, const RunInfo& run, const std::string& path) {
    Format format = formatFor(path);
    if (path == "-") {
        std::cout << documentJson(document, run) << std::flush;
        return;
    }
    switch (format) {
        case Format::json: writeTextFile(path, documentJson(document, run)); return;
        case Format::svg: writeTextFile(path, sceneSvg(buildScene(document))); return;
        case Format::png:
        case Format::pdf: {
            std::string temp = temporaryBeside(path);
            Scene scene = buildScene(document);
            std::string failure = format == Format::png ? writePng(scene, temp) : writePdf(scene, temp);
            if (!failure.empty()) {
                std::error_code ec;
                fs::remove(temp, ec);
                throw std::runtime_error("cannot write '" + path + "': " + failure);
            }
            moveIntoPlace(temp, path);
            return;
        }
    }
}

}  // namespace qtapp
