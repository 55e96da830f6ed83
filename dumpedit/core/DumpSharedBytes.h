#pragma once
// The editor shows a buffer that a device worker may be storing into while a row is painted.
// Bytes are read as relaxed atomics, as the worker stores them, so that painting during a
// transfer is no data race: a row shows each byte either old or new. The notification that a
// byte is done still comes after its store, so the repaint it asks for sees the new value.
#include <atomic>
#include <cstdint>

namespace dumpedit {

inline uint8_t LoadSharedByte(const uint8_t* buffer, uint32_t pos)
{
    // atomic_ref needs a non-const object; the load does not write.
    return std::atomic_ref<uint8_t>(const_cast<uint8_t&>(buffer[pos])).load(std::memory_order_relaxed);
}

}  // namespace dumpedit
