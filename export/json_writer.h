// A small streaming JSON writer: numbers in the shortest form that reads back to the same
// single-precision value, strings escaped. It only appends to its text, so the owner may hand
// the text on and clear it between values.
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

    // A place to come back to: rewinding removes everything written since the mark, as if
    // it never was (separators included). The text must not have been cleared in between.
    struct Mark {
        size_t size;
        size_t depth;
        bool first;
        bool afterKey;
    };
    Mark mark() const { return {out_.size(), first_.size(), !first_.empty() && first_.back(), afterKey_}; }
    void rewind(const Mark& mark);

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
