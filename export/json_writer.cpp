// Streaming JSON output.
#include "export/json_writer.h"

#include <cmath>
#include <cstdio>

#include "export/float_text.h"

namespace qtexport {

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

void JsonWriter::open(char bracket) {
    separate();
    out_ += bracket;
    first_.push_back(true);
}

void JsonWriter::close(char bracket) {
    first_.pop_back();
    out_ += bracket;
}

void JsonWriter::rewind(const Mark& mark) {
    out_.resize(mark.size);
    first_.resize(mark.depth);
    if (!first_.empty()) first_.back() = mark.first;
    afterKey_ = mark.afterKey;
}

void JsonWriter::key(std::string_view name) {
    separate();
    writeString(name);
    out_ += ':';
    afterKey_ = true;
}

void JsonWriter::value(float number) {
    separate();
    if (!std::isfinite(number)) {  // JSON has no NaN or infinity
        out_ += "null";
        return;
    }
    appendFloat(out_, number);  // shortest exact form
}

void JsonWriter::value(int number) {
    separate();
    out_ += std::to_string(number);
}

void JsonWriter::value(long long number) {
    separate();
    out_ += std::to_string(number);
}

void JsonWriter::value(bool flag) {
    separate();
    out_ += flag ? "true" : "false";
}

void JsonWriter::null() {
    separate();
    out_ += "null";
}

void JsonWriter::value(std::string_view text) {
    separate();
    writeString(text);
}

void JsonWriter::writeString(std::string_view text) {
    out_ += '"';
    for (unsigned char c : text) {
        switch (c) {
            case '"': out_ += "\\\""; break;
            case '\\': out_ += "\\\\"; break;
            case '\n': out_ += "\\n"; break;
            case '\r': out_ += "\\r"; break;
            case '\t': out_ += "\\t"; break;
            default:
                if (c < 0x20) {
                    char esc[8];
                    std::snprintf(esc, sizeof esc, "\\u%04x", c);
                    out_ += esc;
                } else {
                    out_ += static_cast<char>(c);
                }
        }
    }
    out_ += '"';
}

}  // namespace qtexport
