// The document as SVG: one group per layer, one path per path art in paint order.
#ifndef QT_APP_SVG_EXPORT_H
#define QT_APP_SVG_EXPORT_H

#include <string>

#include "app/scene.h"

namespace qtapp {

std::string sceneSvg(const Scene& scene);

}  // namespace qtapp

#endif
