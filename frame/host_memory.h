// Objects on the host's heap: the plug-in object and the Suites object are allocated through
// the basic suite's memory blocks (never the C++ heap), constructed in place, and given back
// the same way. Allocation never throws: a null result means the host is out of memory.
#ifndef QT_FRAME_HOSTMEMORY_H
#define QT_FRAME_HOSTMEMORY_H

#include <new>
#include <utility>

#include "frame/suite_pointers.h"

template <class T, class... Args>
T* hostNew(Args&&... args) noexcept {
    void* block = nullptr;
    if (sSPBasic == nullptr || sSPBasic->AllocateBlock(sizeof(T), &block) != kNoErr || block == nullptr)
        return nullptr;
    return new (block) T(std::forward<Args>(args)...);
}

// T may be a base class with a virtual destructor; the object must start at `object`.
template <class T>
void hostDelete(T* object) noexcept {
    if (object == nullptr) return;
    object->~T();
    if (sSPBasic != nullptr) sSPBasic->FreeBlock(object);
}

#endif
