#include "platform/pixel_memory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace bv::platform {
namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
}

void* AllocatePixelMemory(std::size_t bytes) {
    if (bytes < kHugePage) {
        if (void* block = std::malloc(bytes == 0 ? 1 : bytes)) return block;
        throw std::bad_alloc();
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr) throw std::bad_alloc();
    // Only advice: where the kernel has no huge pages, small ones serve.
    madvise(block, rounded, MADV_HUGEPAGE);
    return block;
}

void FreePixelMemory(void* block) noexcept {
    std::free(block);
}

}  // namespace bv::platform
