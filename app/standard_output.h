// The command line's standard output: written whole or reported, and never confused with a
// file the program opens because the stream was closed when it started.
#ifndef QT_APP_STANDARD_OUTPUT_H
#define QT_APP_STANDARD_OUTPUT_H

#include <string_view>

namespace qtapp {

// Writes all of `bytes` to standard output; RunFailure when it is closed or a write fails.
void writeStandardOutput(std::string_view bytes);

// Call first thing: a closed standard stream gets /dev/null in its place, so no file the
// program opens later takes its number (and standard output's being closed is remembered).
void guardStandardStreams();
bool standardOutputClosed();

}  // namespace qtapp

#endif
