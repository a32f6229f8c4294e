// Reads fuzz input as a stream of small values; past the end every read gives zero.
#ifndef QT_FUZZ_BYTE_READER_H
#define QT_FUZZ_BYTE_READER_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace qtfuzz {

class ByteReader {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool done() const { return pos_ >= size_; }

    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    uint32_t u32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | byte();
        return value;
    }

    int32_t i32() { return static_cast<int32_t>(u32()); }

    // Raw bits: any float, NaN and the infinities included.
    float rawFloat() {
        const uint32_t bits = u32();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Text up to the next zero byte (or the end).
    std::string text() {
        std::string out;
        while (pos_ < size_ && data_[pos_] != 0) out.push_back(static_cast<char>(data_[pos_++]));
        if (pos_ < size_) ++pos_;
        return out;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

}  // namespace qtfuzz

#endif
