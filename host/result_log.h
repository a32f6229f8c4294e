// Every value PluginMain returned, in order. Kept as runs of equal values: a drag returns the
// same code for event after event, so a long session's record stays a few runs long.
#ifndef QT_HOST_RESULTLOG_H
#define QT_HOST_RESULTLOG_H

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

#include "sdk/as_types.h"

namespace qthost {

class ResultLog {
    struct Run {
        ASErr value;
        uint64_t count;
    };

  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = ASErr;
        using difference_type = std::ptrdiff_t;
        using pointer = const ASErr*;
        using reference = ASErr;

        Iterator() = default;
        ASErr operator*() const { return (*runs_)[run_].value; }
        Iterator& operator++() {
            if (++offset_ == (*runs_)[run_].count) {
                ++run_;
                offset_ = 0;
            }
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const {
            return run_ == other.run_ && offset_ == other.offset_;
        }

      private:
        friend class ResultLog;
        Iterator(const std::vector<Run>* runs, size_t run) : runs_(runs), run_(run) {}
        const std::vector<Run>* runs_ = nullptr;
        size_t run_ = 0;
        uint64_t offset_ = 0;
    };

    void push(ASErr value) {
        if (runs_.empty() || runs_.back().value != value) runs_.push_back({value, 0});
        ++runs_.back().count;
        ++size_;
    }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    ASErr back() const { return runs_.back().value; }  // not empty
    ASErr operator[](size_t index) const {             // index < size()
        for (const Run& run : runs_) {
            if (index < run.count) return run.value;
            index -= run.count;
        }
        return runs_.back().value;
    }
    Iterator begin() const { return {&runs_, 0}; }
    Iterator end() const { return {&runs_, runs_.size()}; }
    std::vector<ASErr> all() const { return {begin(), end()}; }

  private:
    std::vector<Run> runs_;
    size_t size_ = 0;
};

}  // namespace qthost

#endif
