// Writing the document in the format its file name asks for.
#ifndef QT_EXPORT_DOCUMENT_FILE_H
#define QT_EXPORT_DOCUMENT_FILE_H

#include <string>

#include "export/json_export.h"
#include "export/scene.h"
#include "host/document.h"

namespace qtexport {

enum class Format { svg, pdf, png, json };

// By extension (.svg, .pdf, .png, .json); "-" is JSON on standard output. UsageError otherwise.
Format formatFor(const std::string& path);

// UsageError when `path` cannot be written: its folder is missing or read-only, or it is a
// folder or a read-only file. Checked before anything runs.
void checkWritable(const std::string& path);

// True when the two names are one file (the same name, or the same device and inode).
bool sameFile(const std::string& a, const std::string& b);

// Writes atomically (export/files/atomic_file.h): a failure leaves no half-written file and
// no temporary one. Throws RunFailure naming the file on failure. Not for "-": standard
// output is the command line's (writeDocumentJson with its own sink). JSON and SVG stream to
// the file as the document is walked. Returns the number of paths left out because their
// geometry is not finite.
size_t writeDocument(const qthost::Document& document, const RunInfo& run, const std::string& path);

// A drawing of the scene (.svg, .png or .pdf by the extension), atomically; RunFailure naming
// the file on failure. For front ends that keep the scene rather than the document.
void writeDrawing(const Scene& scene, const std::string& path);

// A whole text file, atomically; RunFailure on failure.
void writeTextFile(const std::string& path, const std::string& text);

}  // namespace qtexport

#endif
