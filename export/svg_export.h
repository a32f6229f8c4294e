// The document as SVG: one group per layer, one path per path art in paint order.
#ifndef QT_EXPORT_SVG_EXPORT_H
#define QT_EXPORT_SVG_EXPORT_H

#include <string>

#include "export/scene.h"

namespace qtexport {

std::string sceneSvg(const Scene& scene);

}  // namespace qtexport

#endif
