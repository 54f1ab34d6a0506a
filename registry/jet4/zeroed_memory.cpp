#include "registry/jet4/zeroed_memory.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace jet4::detail {
namespace {

constexpr size_t kLineSize = 64;
#if defined(__linux__)
constexpr size_t kHugePage = size_t{2} << 20;
// Below this a huge page would mostly hold nothing.
constexpr size_t kMapFrom = size_t{4} << 20;
#endif

} // namespace

ZeroedMemory::ZeroedMemory(size_t bytes) {
    if (bytes == 0)
        return;
    if (bytes > SIZE_MAX / 2)
        throw std::bad_alloc();
#if defined(__linux__)
    if (bytes >= kMapFrom) {
        // Mapped with room to start on a huge-page boundary; the unaligned ends go back at once.
        const size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* at =
            ::mmap(nullptr, rounded + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (at == MAP_FAILED)
            throw std::bad_alloc();
        const auto start = reinterpret_cast<uintptr_t>(at);
        const uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
        if (aligned > start)
            ::munmap(at, aligned - start);
        if (const size_t tail = start + rounded + kHugePage - (aligned + rounded); tail > 0)
            ::munmap(reinterpret_cast<void*>(aligned + rounded), tail);
#if defined(MADV_HUGEPAGE)
        ::madvise(reinterpret_cast<void*>(aligned), rounded, MADV_HUGEPAGE);
#endif
        base_ = data_ = reinterpret_cast<void*>(aligned);
        footprint_ = rounded;
        mapped_ = true;
        return;
    }
#endif
    base_ = std::calloc(bytes + kLineSize, 1);
    if (base_ == nullptr)
        throw std::bad_alloc();
    const auto at = reinterpret_cast<uintptr_t>(base_);
    data_ = reinterpret_cast<void*>((at + kLineSize - 1) / kLineSize * kLineSize);
    footprint_ = bytes + kLineSize;
}

ZeroedMemory::~ZeroedMemory() {
#if defined(__linux__)
    if (mapped_) {
        ::munmap(base_, footprint_);
        return;
    }
#endif
    std::free(base_);
}

} // namespace jet4::detail
