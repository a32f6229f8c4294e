// Growth of the document's big vectors.
#ifndef QT_HOST_VECTOR_GROWTH_H
#define QT_HOST_VECTOR_GROWTH_H

#include <algorithm>
#include <cstddef>
#include <vector>

namespace qthost {

// Room for `extra` more elements, growing by half rather than doubling: a Trail-on drag keeps
// hundreds of thousands of copies, and a doubled vector can hold twice what it uses.
template <typename T>
inline void makeRoom(std::vector<T>& v, size_t extra) {
    size_t need = v.size() + extra;
    if (need > v.capacity()) v.reserve(std::max(need, v.capacity() + v.capacity() / 2));
}

}  // namespace qthost

#endif
