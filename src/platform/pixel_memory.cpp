#include "platform/pixel_memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

// Linux 5.14; older headers lack the name, older kernels refuse the advice.
#ifndef MADV_POPULATE_READ
#define MADV_POPULATE_READ 22
#define MADV_POPULATE_WRITE 23
#endif

namespace bv::platform {
namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// From half a huge page up, one is worth its unused part: small pages cost
// several times as much to fault in.
constexpr std::size_t kOnHugePages = kHugePage / 2;
// Below this, malloc hands out recycled heap memory, mostly faulted in.
constexpr std::size_t kFreshFromTheKernel = std::size_t{128} << 10;

void Populate(const void* block, std::size_t bytes, int advice) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + page - 1) / page * page;
    const std::uintptr_t end = (start + bytes) / page * page;
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first,  // NOLINT(performance-no-int-to-ptr)
                advice);
}
}  // namespace

void FaultInAtOnce(void* block, std::size_t bytes) {
    Populate(block, bytes, MADV_POPULATE_WRITE);
}

void FaultInForReading(const void* block, std::size_t bytes) {
    Populate(block, bytes, MADV_POPULATE_READ);
}

void* AllocatePixelMemory(std::size_t bytes) {
    if (bytes < kOnHugePages) {
        void* block = std::malloc(bytes == 0 ? 1 : bytes);
        if (block == nullptr) throw std::bad_alloc();
        if (bytes >= kFreshFromTheKernel) FaultInAtOnce(block, bytes);
        return block;
    }
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded);
    if (block == nullptr) throw std::bad_alloc();
    // Only advice: where the kernel has no huge pages, small ones serve.
    madvise(block, rounded, MADV_HUGEPAGE);
    FaultInAtOnce(block, rounded);
    return block;
}

void FreePixelMemory(void* block) noexcept {
    std::free(block);
}

}  // namespace bv::platform
