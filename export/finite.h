// Art whose geometry is not finite cannot be written to any file format; the exporters
// leave it out and the command line says how many objects that was. The exporters count what
// they leave out as they write; these are for readers that only ask.
#ifndef QT_EXPORT_FINITE_H
#define QT_EXPORT_FINITE_H

#include <cstddef>

#include "host/document.h"

namespace qtexport {

// True when every anchor and handle of the path is finite (containers: never left out
// themselves; their contents are checked one by one).
bool finiteGeometry(const qthost::Document& document, AIArtHandle art);

// The number of path objects in the document whose geometry is not finite.
size_t countNonFinite(const qthost::Document& document);

}  // namespace qtexport

#endif
