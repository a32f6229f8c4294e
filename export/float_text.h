// Floats as every exporter and listing writes them: the shortest text that reads back as the
// same float, fixed or scientific, whichever is shorter (fixed on a tie), as the plain
// std::to_chars(float) writes it: "0.1", "1e+05", "123456790528", "-0". Where the C++ library
// has no floating-point to_chars (the playground's toolchain: QT_NO_FLOAT_CHARCONV), libfmt
// finds the digits and float_text_fmt.h lays them out the same way.
#ifndef QT_EXPORT_FLOAT_TEXT_H
#define QT_EXPORT_FLOAT_TEXT_H

#include <string>

#ifdef QT_NO_FLOAT_CHARCONV
#include "export/float_text_fmt.h"
#else
#include <charconv>
#endif

namespace qtexport {

inline void appendFloat(std::string& out, float value) {
#ifdef QT_NO_FLOAT_CHARCONV
    appendFloatByFmt(out, value);
#else
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
#endif
}

}  // namespace qtexport

#endif
