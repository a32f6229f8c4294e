// A small streaming JSON writer: numbers in the shortest form that reads back to the same
// single-precision value, strings escaped.
#ifndef QT_EXPORT_JSON_WRITER_H
#define QT_EXPORT_JSON_WRITER_H

#include <string>
#include <string_view>
#include <vector>

namespace qtexport {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(std::string_view name);
    void value(float number);
    void value(int number);
    void value(long long number);
    void value(bool flag);
    void value(std::string_view text);
    // Without this a string literal would take the bool overload.
    void value(const char* text) { value(std::string_view(text)); }
    void null();

private:
    void open(char bracket);
    void close(char bracket);
    void separate();
    void writeString(std::string_view text);

    std::string& out_;
    std::vector<bool> first_;  // per open container: no element written yet
    bool afterKey_ = false;
};

}  // namespace qtexport

#endif
