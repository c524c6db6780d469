// An append-only array whose elements never move, so another thread may read the ones it was told
// of.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <utility>

namespace qv {

// Elements live in chunks of doubling size that are never moved or freed while the array
// lives: appending never copies what is there and never touches memory twice, and a
// reader holding an index below the count it was handed (under a lock) reads a finished
// element while the writer appends more. Only the writer calls PushBack and Size.
template <typename T>
class ChunkedArray {
 public:
  ChunkedArray() = default;
  ChunkedArray(const ChunkedArray&) = delete;
  ChunkedArray& operator=(const ChunkedArray&) = delete;

  std::size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }

  void PushBack(T value) {
    std::size_t chunk = 0;
    std::size_t offset = 0;
    Locate(size_, chunk, offset);
    // Not value-initialised: the pages of a chunk are touched only as it fills.
    if (!chunks_[chunk]) chunks_[chunk].reset(new T[ChunkSize(chunk)]);
    chunks_[chunk][offset] = std::move(value);
    ++size_;
  }

  const T& operator[](std::size_t i) const {
    std::size_t chunk = 0;
    std::size_t offset = 0;
    Locate(i, chunk, offset);
    return chunks_[chunk][offset];
  }
  const T& Back() const { return (*this)[size_ - 1]; }

 private:
  static constexpr std::size_t kFirstChunk = 1024;
  // Chunk k holds kFirstChunk * 2^k elements: 40 chunks hold more than memory does.
  static constexpr std::size_t kChunks = 40;

  static std::size_t ChunkSize(std::size_t chunk) { return kFirstChunk << chunk; }
  // Chunk k starts at element kFirstChunk * (2^k - 1).
  static void Locate(std::size_t i, std::size_t& chunk, std::size_t& offset) {
    const std::size_t blocks = i / kFirstChunk + 1;
    chunk = static_cast<std::size_t>(63 - __builtin_clzll(blocks));  // highest bit set
    offset = i - kFirstChunk * ((std::size_t{1} << chunk) - 1);
  }

  std::array<std::unique_ptr<T[]>, kChunks> chunks_;
  std::size_t size_ = 0;
};

}  // namespace qv
