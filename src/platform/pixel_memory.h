#pragma once
// Memory for large pictures. A screen-sized picture is tens of megabytes,
// and the first touch of each 4 KiB page costs a fault: at 3840 x 2160 the
// program's start spent most of its time faulting in the pictures it was
// about to fill. Blocks of 2 MiB and more are aligned to 2 MiB and offered
// to the kernel for transparent huge pages, one fault per 2 MiB (and fewer
// TLB misses while frames are composed). Smaller blocks come from malloc.

#include <cstddef>
#include <new>
#include <utility>

namespace bv::platform {

void* AllocatePixelMemory(std::size_t bytes);
void FreePixelMemory(void* block) noexcept;

template <typename T>
struct PixelAllocator {
    using value_type = T;
    PixelAllocator() = default;
    template <typename U>
    PixelAllocator(const PixelAllocator<U>& /*other*/) noexcept {}

    T* allocate(std::size_t count) {
        if (count > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
        return static_cast<T*>(AllocatePixelMemory(count * sizeof(T)));
    }
    void deallocate(T* block, std::size_t /*count*/) noexcept { FreePixelMemory(block); }

    // Pixels made without a value are left as the memory came: a picture
    // about to be written whole need not be cleared first.
    template <typename U>
    void construct(U* at) noexcept {
        ::new (static_cast<void*>(at)) U;
    }
    template <typename U, typename... Args>
    void construct(U* at, Args&&... args) {
        ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const PixelAllocator<U>& /*other*/) const noexcept {
        return true;
    }
};

}  // namespace bv::platform
