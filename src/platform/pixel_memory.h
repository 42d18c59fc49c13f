#pragma once
// Memory for large pictures. A screen-sized picture is tens of megabytes,
// and the first touch of each 4 KiB page costs a fault: at 3840 x 2160 the
// program's start spent most of its time faulting in the pictures it was
// about to fill. Blocks of 1 MiB and more are aligned to 2 MiB and offered
// to the kernel for transparent huge pages, one fault per 2 MiB (and fewer
// TLB misses while frames are composed). Smaller blocks come from malloc.
// Blocks of 128 KiB and more come faulted in, in one call: they are about
// to be filled.

#include <cstddef>
#include <new>
#include <utility>

namespace bv::platform {

// Faults in every whole page of a block at once, in one call, instead of one
// fault per page at its first touch (or read, for a mapped file). On virtual
// machines each fault is a trap to the hypervisor: for a 33 MB picture that
// is the difference between a few milliseconds and tens of them. Only
// advice: a kernel that refuses it leaves the pages to their first touch.
void FaultInAtOnce(void* block, std::size_t bytes);
void FaultInForReading(const void* block, std::size_t bytes);

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
