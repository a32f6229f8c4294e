// The handle table: a handle answers only while its slot holds the record it was given for.
#include <gtest/gtest.h>

#include "host/handle_table.h"

namespace {

struct Record {
    uint32_t generation = 0;
    bool inUse = false, alive = false, internal = false;
    int value = 0;
    bool hidden() const { return internal; }
};

using Table = qthost::HandleTable<Record>;

const void* handle(const Table& table, uint32_t slot) {
    return reinterpret_cast<const void*>(table.handleBits(slot));
}

TEST(HostHandleTable, AReleasedSlotIsReusedAndItsOldHandleGoesStale) {
    Table table;
    uint32_t a = table.allocate({.value = 1});
    uint32_t b = table.allocate({.value = 2});
    const void* oldA = handle(table, a);
    ASSERT_NE(table.resolve(oldA), nullptr);
    EXPECT_EQ(table.resolve(oldA)->value, 1);
    EXPECT_EQ(table.resolve(handle(table, b))->value, 2);

    table.release(a);
    EXPECT_EQ(table.resolve(oldA), nullptr) << "released";
    uint32_t c = table.allocate({.value = 3});
    EXPECT_EQ(c, a) << "the freed slot is reused";
    EXPECT_EQ(table.resolve(oldA), nullptr) << "the slot's new record does not answer to the old handle";
    EXPECT_EQ(table.resolve(handle(table, c))->value, 3);
    EXPECT_NE(handle(table, c), oldA);
    EXPECT_EQ(table.staleUses(), 2u);
}

TEST(HostHandleTable, ForgedDeadAndHiddenHandlesAreRefused) {
    Table table;
    uint32_t live = table.allocate({.value = 1});
    uint32_t hidden = table.allocate({.internal = true});
    uint32_t dead = table.allocate({});
    const void* deadHandle = handle(table, dead);
    table[dead].alive = false;  // disposed, still revivable by undo
    struct Row {
        const void* handle;
        uint64_t stale;  // counted as a use of a stale handle
        const char* why;
    };
    const uintptr_t liveBits = table.handleBits(live);
    const Row rows[] = {
        {nullptr, 0, "null"},
        {reinterpret_cast<const void*>(uintptr_t(table.size() + 1)), 0, "past the last slot"},
        {handle(table, hidden), 0, "a slot the owner keeps to itself"},
        {deadHandle, 1, "art that is not alive"},
        {reinterpret_cast<const void*>(liveBits + (uintptr_t(1) << Table::kSlotBits)), 1,
         "a wrong generation"},
    };
    for (const Row& row : rows) {
        uint64_t before = table.staleUses();
        EXPECT_EQ(table.resolve(row.handle), nullptr) << row.why;
        EXPECT_EQ(table.staleUses() - before, row.stale) << row.why;
    }
    EXPECT_EQ(table.resolve(handle(table, live)), &table[live]);
    EXPECT_EQ(table.slotOf(table.resolve(handle(table, live))), live);
}

}  // namespace
