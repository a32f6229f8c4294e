// Where an exporter's bytes go: a file, standard output, a string. The exporters gather text
// in a buffer and hand it over in large pieces as they walk the document, so no export is
// ever whole in memory.
#ifndef QT_EXPORT_BYTE_SINK_H
#define QT_EXPORT_BYTE_SINK_H

#include <cstddef>
#include <string>
#include <string_view>

namespace qtexport {

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // Takes all of `bytes` or throws (RunFailure for a write error).
    virtual void write(std::string_view bytes) = 0;
};

// Text written into `text` and passed on to the sink whenever the exporter is between two
// objects and enough has gathered. Without a sink the text stays: it is the result.
class SinkBuffer {
  public:
    // Large enough that a write costs little, small enough to stay in the cache.
    static constexpr size_t kChunk = size_t(1) << 16;

    SinkBuffer(std::string& text, ByteSink* sink) : text_(text), sink_(sink) {}

    std::string& text() { return text_; }
    void flushIfFull() {
        if (sink_ && text_.size() >= kChunk) flush();
    }
    void flush() {
        if (!sink_ || text_.empty()) return;
        sink_->write(text_);
        text_.clear();
    }

  private:
    std::string& text_;
    ByteSink* sink_;
};

}  // namespace qtexport

#endif
