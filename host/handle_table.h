// Records in reusable slots, named by handles that a reused slot no longer answers to.
#ifndef QT_HOST_HANDLE_TABLE_H
#define QT_HOST_HANDLE_TABLE_H

#include <cstdint>
#include <vector>

#include "host/vector_growth.h"

namespace qthost {

// Record has `uint32_t generation`, `inUse` (allocated), `alive` (visible to handles) and
// `hidden()` (a slot the table's owner keeps for itself: its handles are refused, and are not
// counted as stale).
template <typename Record>
class HandleTable {
  public:
    // A handle is slot + 1 in the low bits and the slot's generation above them, so a released
    // or recycled slot never answers to an old handle. Pointer-sized, so 32-bit builds narrow it.
    static constexpr unsigned kSlotBits = sizeof(uintptr_t) == 8 ? 32 : 22;
    static constexpr uintptr_t kSlotMask = (uintptr_t(1) << kSlotBits) - 1;
    static constexpr uintptr_t kGenerationMask = sizeof(uintptr_t) == 8 ? 0xffffffffu : 0x3ffu;

    // The live record a handle names, or null. Inline: every suite call on art starts here.
    const Record* resolve(const void* handle) const {
        uintptr_t bits = reinterpret_cast<uintptr_t>(handle);
        uintptr_t slotPlusOne = bits & kSlotMask;
        if (slotPlusOne == 0 || slotPlusOne > records_.size()) return nullptr;
        const Record& record = records_[slotPlusOne - 1];
        if (record.hidden()) return nullptr;
        if (!record.inUse || !record.alive || (record.generation & kGenerationMask) != (bits >> kSlotBits)) {
            ++staleUses_;
            return nullptr;
        }
        return &record;
    }
    Record* resolve(const void* handle) {
        return const_cast<Record*>(static_cast<const HandleTable*>(this)->resolve(handle));
    }

    uintptr_t handleBits(uint32_t slot) const {
        return (uintptr_t(records_[slot].generation & kGenerationMask) << kSlotBits) | (uintptr_t(slot) + 1);
    }

    // A slot holding `contents` (taken by value: the table may move), in use and alive. A
    // reused slot keeps its generation, which its release advanced.
    uint32_t allocate(Record contents) {
        uint32_t slot;
        if (!free_.empty()) {
            slot = free_.back();
            free_.pop_back();
            contents.generation = records_[slot].generation;
            records_[slot] = contents;
        } else {
            slot = static_cast<uint32_t>(records_.size());
            contents.generation = 1;
            makeRoom(records_, 1);
            records_.push_back(contents);
        }
        records_[slot].inUse = true;
        records_[slot].alive = true;
        return slot;
    }

    // Frees the slot for reuse; its old handles go stale.
    void release(uint32_t slot) {
        Record& record = records_[slot];
        record.inUse = record.alive = false;
        ++record.generation;
        free_.push_back(slot);
    }

    Record& operator[](uint32_t slot) { return records_[slot]; }
    const Record& operator[](uint32_t slot) const { return records_[slot]; }
    uint32_t slotOf(const Record* record) const { return static_cast<uint32_t>(record - records_.data()); }
    size_t size() const { return records_.size(); }

    // How many times a handle of a record that is gone was resolved.
    uint64_t staleUses() const { return staleUses_; }
    // The records and free slots of `other` (a copy kept for redo); the count of stale uses
    // stays this table's own.
    void assignRecords(const HandleTable& other) {
        records_ = other.records_;
        free_ = other.free_;
    }

  private:
    std::vector<Record> records_;
    std::vector<uint32_t> free_;
    mutable uint64_t staleUses_ = 0;
};

}  // namespace qthost

#endif
