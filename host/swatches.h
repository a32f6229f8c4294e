// The swatch list a new document starts with.
#ifndef QT_HOST_SWATCHES_H
#define QT_HOST_SWATCHES_H

#include <vector>

#include "host/document.h"

namespace qthost {

// "[None]", "[Registration]", White, Black, then 16 colours in the document's colour model.
std::vector<Swatch> defaultSwatches(ColorModel model);

// A colour given as red, green, blue (1 is full light) in the document's colour model.
AIColor colorInModel(ColorModel model, AIReal red, AIReal green, AIReal blue);

}  // namespace qthost

#endif
