// Output files, written atomically.
#include "export/files/document_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "export/files/atomic_file.h"
#include "export/files/cairo_export.h"
#include "export/scene.h"
#include "export/svg_export.h"
#include "host/run_errors.h"

namespace qtexport {

using qthost::inQuotes;
using qthost::RunFailure;
using qthost::UsageError;

namespace {

namespace fs = std::filesystem;

// The bytes go straight into the temporary file.
class FileSink : public ByteSink {
  public:
    explicit FileSink(AtomicFile& file) : file_(file) {}
    void write(std::string_view bytes) override { file_.write(bytes); }

  private:
    AtomicFile& file_;
};

template <class Write>
size_t streamToFile(const std::string& path, Write write) {
    AtomicFile file(path);
    FileSink sink(file);
    size_t leftOut = write(sink);
    file.commit();
    return leftOut;
}

std::string lowerExtension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace

void checkWritable(const std::string& path) {
    fs::path target(path);
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code ec;
    bool ok = fs::is_directory(folder, ec) && access(folder.c_str(), W_OK) == 0;
    // The target itself is replaced, not written through, so only a folder in its place stops us.
    struct stat st {};
    if (ok && lstat(path.c_str(), &st) == 0) ok = !S_ISDIR(st.st_mode);
    if (!ok) throw UsageError("--out: cannot write " + inQuotes(path));
}

bool sameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    struct stat sa {
    }, sb{};
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

Format formatFor(const std::string& path) {
    if (path == "-") return Format::json;
    std::string ext = lowerExtension(path);
    if (ext == ".svg") return Format::svg;
    if (ext == ".pdf") return Format::pdf;
    if (ext == ".png") return Format::png;
    if (ext == ".json") return Format::json;
    throw UsageError("--out: " + inQuotes(path) +
                     " must end in .svg, .pdf, .png or .json (or be - for JSON on stdout)");
}

void writeTextFile(const std::string& path, const std::string& text) { writeFileAtomically(path, text); }

void writeDrawing(const Scene& scene, const std::string& path) {
    const Format format = formatFor(path);
    switch (format) {
        case Format::json:
            throw UsageError("--out: " + inQuotes(path) + " is not a drawing (.svg, .png or .pdf)");
        case Format::svg: writeTextFile(path, sceneSvg(scene)); return;
        case Format::png:
        case Format::pdf: {
            std::string failure = format == Format::png ? writePng(scene, path) : writePdf(scene, path);
            if (failure.rfind("cannot ", 0) == 0) throw RunFailure(failure);  // names the file already
            if (!failure.empty()) throw RunFailure("cannot write " + inQuotes(path) + ": " + failure);
            return;
        }
    }
}

size_t writeDocument(const qthost::Document& document, const RunInfo& run, const std::string& path) {
    switch (formatFor(path)) {
        case Format::json:
            return streamToFile(path, [&](ByteSink& sink) { return writeDocumentJson(document, run, sink); });
        case Format::svg:
            return streamToFile(path, [&](ByteSink& sink) { return writeDocumentSvg(document, sink); });
        case Format::png:
        case Format::pdf: {
            const Scene scene = buildScene(document);
            writeDrawing(scene, path);
            return scene.leftOut;
        }
    }
    return 0;
}

}  // namespace qtexport
