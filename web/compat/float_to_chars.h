// The floating-point std::to_chars and std::from_chars of C++17, which the C++ library of the
// WebAssembly toolchain does not have yet. Force-included (-include) into the exporters in
// the playground build only; native builds use their library's own.
#ifndef QT_WEB_FLOAT_TO_CHARS_H
#define QT_WEB_FLOAT_TO_CHARS_H

#include <charconv>

namespace std {

// Shortest form that reads back exactly; fixed or scientific, whichever is shorter (fixed on a
// tie), as the standard's plain overload writes it.
to_chars_result to_chars(char* first, char* last, float value);
to_chars_result to_chars(char* first, char* last, double value);
// Decimal numbers in the general format: no leading blank or '+', no hexadecimal prefix.
from_chars_result from_chars(const char* first, const char* last, double& value);
from_chars_result from_chars(const char* first, const char* last, float& value);

}  // namespace std

#endif
