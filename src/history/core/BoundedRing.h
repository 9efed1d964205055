#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace orvane {

// What one heap block costs beyond its payload (allocator header and rounding), counted so that
// the history's memory bound holds for what the allocator really hands out.
inline constexpr std::size_t kHeapBlockOverhead = 16;

inline constexpr std::size_t HeapBlockBytes(std::size_t payload) {
    return payload == 0 ? 0 : payload + kHeapBlockOverhead;
}

// A first-in, first-out store of at most `MaxSize()` values, oldest first. Its storage grows with
// use up to that size and never beyond it; a value added to a full ring pushes the oldest out.
template <typename T>
class BoundedRing {
  public:
    explicit BoundedRing(std::size_t maxSize) : maxSize_(maxSize) {}

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t MaxSize() const { return maxSize_; }

    const T& operator[](std::size_t i) const { return storage_[(head_ + i) % storage_.size()]; }
    T& operator[](std::size_t i) { return storage_[(head_ + i) % storage_.size()]; }
    const T& front() const { return (*this)[0]; }
    const T& back() const { return (*this)[size_ - 1]; }
    T& back() { return (*this)[size_ - 1]; }

    void push_back(const T& value) {
        if (maxSize_ == 0) {
            return;
        }
        if (size_ == maxSize_) {
            pop_front();
        } else if (size_ == storage_.size()) {
            Grow();
        }
        storage_[(head_ + size_) % storage_.size()] = value;
        ++size_;
    }

    void pop_front() {
        head_ = (head_ + 1) % storage_.size();
        --size_;
    }
    void pop_back() { --size_; }

    // Empties the ring and gives its storage back.
    void clear() {
        std::vector<T>().swap(storage_);
        head_ = 0;
        size_ = 0;
    }

    std::size_t HeapBytes() const { return HeapBlockBytes(storage_.capacity() * sizeof(T)); }

  private:
    // Doubles the storage (up to the maximum), oldest value first.
    void Grow() {
        std::vector<T> grown(std::min(maxSize_, std::max<std::size_t>(16, 2 * storage_.size())));
        for (std::size_t i = 0; i < size_; ++i) {
            grown[i] = std::move((*this)[i]);
        }
        storage_.swap(grown);
        head_ = 0;
    }

    std::vector<T> storage_;
    std::size_t maxSize_;
    std::size_t head_ = 0;
    std::size_t size_ = 0;
};

}  // namespace orvane
