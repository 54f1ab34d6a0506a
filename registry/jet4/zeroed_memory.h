// Zero-filled storage for the member index, aligned to cache lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

namespace jet4::detail {

// Memory that starts as zeros. Large blocks come from the system as zero pages, in huge pages where it
// offers them: an index of many megabytes then costs a few page faults instead of one every 4 KiB, which
// on a busy machine is most of the time it takes to build.
class ZeroedMemory {
  public:
    ZeroedMemory() = default;
    // Throws std::bad_alloc.
    explicit ZeroedMemory(size_t bytes);
    ~ZeroedMemory();
    ZeroedMemory(ZeroedMemory&& other) noexcept { swap(other); }
    ZeroedMemory& operator=(ZeroedMemory&& other) noexcept {
        ZeroedMemory(std::move(other)).swap(*this);
        return *this;
    }
    ZeroedMemory(const ZeroedMemory&) = delete;
    ZeroedMemory& operator=(const ZeroedMemory&) = delete;

    void* data() const { return data_; }
    // Bytes taken from the system for it.
    size_t footprint() const { return footprint_; }

  private:
    void swap(ZeroedMemory& other) noexcept {
        std::swap(base_, other.base_);
        std::swap(data_, other.data_);
        std::swap(footprint_, other.footprint_);
        std::swap(mapped_, other.mapped_);
    }
    void* base_ = nullptr;
    void* data_ = nullptr;
    size_t footprint_ = 0;
    bool mapped_ = false;
};

// An array of plain values over ZeroedMemory.
template <typename T> class ZeroedArray {
  public:
    ZeroedArray() = default;
    explicit ZeroedArray(size_t count) {
        if (count == 0)
            return;
        if (count > SIZE_MAX / sizeof(T))
            throw std::bad_alloc();
        memory_ = ZeroedMemory(count * sizeof(T));
        size_ = count;
    }
    ZeroedArray(ZeroedArray&& other) noexcept
        : memory_(std::move(other.memory_)), size_(std::exchange(other.size_, 0)) {}
    ZeroedArray& operator=(ZeroedArray&& other) noexcept {
        memory_ = std::move(other.memory_);
        size_ = std::exchange(other.size_, 0);
        return *this;
    }
    T* data() { return static_cast<T*>(memory_.data()); }
    const T* data() const { return static_cast<const T*>(memory_.data()); }
    T& operator[](size_t i) { return data()[i]; }
    const T& operator[](size_t i) const { return data()[i]; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    size_t memoryUsage() const { return memory_.footprint(); }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size_; }

  private:
    ZeroedMemory memory_;
    size_t size_ = 0;
};

} // namespace jet4::detail
