// Parsing of command-line, gesture and front-end values. Every failure is a UsageError whose text
// names what is wrong; the command line turns it into exit status 2.
#ifndef QT_SESSION_PARSE_H
#define QT_SESSION_PARSE_H

#include <stdexcept>
#include <string>
#include <string_view>

#include "host/document.h"

namespace qtsession {

double parseNumber(std::string_view text, std::string_view what);
// True when the value converts to a finite single-precision AIReal (document coordinates and
// option values are single precision; a larger double has no float to become).
bool fitsReal(double value);
long long parseInteger(std::string_view text, std::string_view what);
AIRealPoint parsePoint(std::string_view text, std::string_view what);  // "X,Y"
AIRealRect parseRect(std::string_view text, std::string_view what);    // "L,T,R,B"
uint32_t parseModifiers(std::string_view text);                        // decimal or 0x hex
bool parseBool(std::string_view text, std::string_view what);          // 0, 1, true, false
qthost::ColorModel parseColorModel(std::string_view text);
// none, #rrggbb, rgb(r,g,b), cmyk(c,m,y,k), gray(g); components 0 to 1.
qthost::Paint parsePaint(std::string_view text, std::string_view what);
// A tool by the tool table's name (grid, drag, ..., background) or number; toolName gives
// the name, "?" for a number the table does not have.
int parseTool(std::string_view text);
const char* toolName(int tool);

// The document settings every front end takes (the command line's flags, the playground's
// Document box), checked here once; WHAT names the setting in the message.
uint32_t checkedSeed(long long seed, std::string_view what);           // 0 to 2^32 - 1
AIRealPoint checkedPageSize(AIRealPoint page, std::string_view what);  // both above 0
AIReal checkedStrokeWidth(double width, std::string_view what);        // 0 or more

}  // namespace qtsession

#endif
