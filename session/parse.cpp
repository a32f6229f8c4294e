// Value parsing for the command line and gesture files.
#include "session/parse.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "host/run_errors.h"
#include "resources/tool_table.h"
#include "session/decimal_text.h"

namespace qtsession {

using qthost::inQuotes;
using qthost::UsageError;

namespace {

std::string_view trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> splitCommas(std::string_view text) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',') {
            parts.push_back(trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    return parts;
}

std::vector<double> numbers(std::string_view text, size_t count, std::string_view what,
                            std::string_view form) {
    std::vector<std::string_view> parts = splitCommas(text);
    if (parts.size() != count) {
        throw UsageError(std::string(what) + ": expected " + std::string(form) + ", got " + inQuotes(text));
    }
    std::vector<double> values;
    for (std::string_view p : parts) {
        values.push_back(parseNumber(p, what));
        if (!fitsReal(values.back()))
            throw UsageError(std::string(what) + ": " + inQuotes(p) + " is out of range");
    }
    return values;
}

AIReal component(double x, std::string_view what, std::string_view text) {
    if (x < 0.0 || x > 1.0)
        throw UsageError(std::string(what) + ": components must be 0 to 1 in " + inQuotes(text));
    return static_cast<AIReal>(x);
}

}  // namespace

double parseNumber(std::string_view text, std::string_view what) {
    text = trim(text);
    double value = 0.0;
    auto [end, ec] = readDecimal(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        throw UsageError(std::string(what) + ": " + inQuotes(text) + " is not a number");
    }
    return value;
}

bool fitsReal(double value) {
    return std::isfinite(value) &&
           std::fabs(value) <= static_cast<double>(std::numeric_limits<AIReal>::max());
}

long long parseInteger(std::string_view text, std::string_view what) {
    text = trim(text);
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        throw UsageError(std::string(what) + ": " + inQuotes(text) + " is not a whole number");
    }
    return value;
}

AIRealPoint parsePoint(std::string_view text, std::string_view what) {
    std::vector<double> v = numbers(text, 2, what, "X,Y");
    return {static_cast<AIReal>(v[0]), static_cast<AIReal>(v[1])};
}

AIRealRect parseRect(std::string_view text, std::string_view what) {
    std::vector<double> v = numbers(text, 4, what, "L,T,R,B");
    AIRealRect r{static_cast<AIReal>(v[0]), static_cast<AIReal>(v[1]), static_cast<AIReal>(v[2]),
                 static_cast<AIReal>(v[3])};
    if (!(r.right > r.left) || !(r.top > r.bottom)) {
        throw UsageError(std::string(what) + ": needs right > left and top > bottom, got " + inQuotes(text));
    }
    return r;
}

uint32_t parseModifiers(std::string_view text) {
    text = trim(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    uint32_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) {
        throw UsageError("--modifiers: " + inQuotes(text) + " is not a decimal or 0x hex number");
    }
    return value;
}

bool parseBool(std::string_view text, std::string_view what) {
    text = trim(text);
    if (text == "1" || text == "true") return true;
    if (text == "0" || text == "false") return false;
    throw UsageError(std::string(what) + ": " + inQuotes(text) + " is not 0, 1, true or false");
}

qthost::ColorModel parseColorModel(std::string_view text) {
    if (text == "rgb") return qthost::ColorModel::rgb;
    if (text == "cmyk") return qthost::ColorModel::cmyk;
    if (text == "gray") return qthost::ColorModel::gray;
    throw UsageError("--color-model: " + inQuotes(text) + " is not rgb, cmyk or gray");
}

qthost::Paint parsePaint(std::string_view text, std::string_view what) {
    text = trim(text);
    qthost::Paint paint;
    if (text == "none") return qthost::Paint::none();
    paint.paint = true;
    auto inside = [&](std::string_view prefix) -> std::string_view {
        if (text.size() < prefix.size() + 1 || text.substr(0, prefix.size()) != prefix ||
            text.back() != ')') {
            return {};
        }
        return text.substr(prefix.size(), text.size() - prefix.size() - 1);
    };
    if (!text.empty() && text[0] == '#') {
        unsigned value = 0;
        std::string_view hex = text.substr(1);
        auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), value, 16);
        if (hex.size() != 6 || ec != std::errc() || end != hex.data() + hex.size()) {
            throw UsageError(std::string(what) + ": " + inQuotes(text) + " is not #rrggbb");
        }
        paint.color.kind = kThreeColor;
        paint.color.c.rgb = {((value >> 16) & 0xff) / 255.0f, ((value >> 8) & 0xff) / 255.0f,
                             (value & 0xff) / 255.0f};
    } else if (std::string_view body = inside("rgb("); !body.empty()) {
        std::vector<double> v = numbers(body, 3, what, "rgb(r,g,b)");
        paint.color.kind = kThreeColor;
        paint.color.c.rgb = {component(v[0], what, text), component(v[1], what, text),
                             component(v[2], what, text)};
    } else if (std::string_view body = inside("cmyk("); !body.empty()) {
        std::vector<double> v = numbers(body, 4, what, "cmyk(c,m,y,k)");
        paint.color.kind = kFourColor;
        paint.color.c.f = {component(v[0], what, text), component(v[1], what, text),
                           component(v[2], what, text), component(v[3], what, text)};
    } else if (std::string_view body = inside("gray("); !body.empty()) {
        std::vector<double> v = numbers(body, 1, what, "gray(g)");
        paint.color.kind = kGrayColor;
        paint.color.c.g.gray = component(v[0], what, text);
    } else {
        throw UsageError(std::string(what) + ": " + inQuotes(text) +
                         " is not none, #rrggbb, rgb(r,g,b), cmyk(c,m,y,k) or gray(g)");
    }
    return paint;
}

int parseTool(std::string_view text) {
    text = trim(text);
    if (int named = qttable::toolNumber(text); named >= 0) return named;
    int number = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (!text.empty() && ec == std::errc() && end == text.data() + text.size() && number >= 0 &&
        number < qttable::kToolCount) {
        return number;
    }
    std::string names;
    for (const qttable::Tool& tool : qttable::kTools) names += std::string(tool.name) + ", ";
    throw UsageError("--tool: " + inQuotes(text) + " is not a tool (" + names + "or 0 to " +
                     std::to_string(qttable::kToolCount - 1) + ")");
}

const char* toolName(int tool) {
    const qttable::Tool* row = qttable::tool(tool);
    return row ? row->name : "?";
}

uint32_t checkedSeed(long long seed, std::string_view what) {
    if (seed < 0 || seed > 0xFFFFFFFFLL) throw UsageError(std::string(what) + ": must be 0 to 4294967295");
    return static_cast<uint32_t>(seed);
}

AIRealPoint checkedPageSize(AIRealPoint page, std::string_view what) {
    if (!(page.h > 0.0f) || !(page.v > 0.0f))
        throw UsageError(std::string(what) + ": width and height must be above 0");
    return page;
}

AIReal checkedStrokeWidth(double width, std::string_view what) {
    if (!(width >= 0.0)) throw UsageError(std::string(what) + ": must be 0 or more");
    if (!fitsReal(width)) throw UsageError(std::string(what) + ": out of range");
    return static_cast<AIReal>(width);
}

}  // namespace qtsession
