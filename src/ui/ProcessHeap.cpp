// Heap preparation with the GNU C library's allocator options and large-page advice on Linux.
#include "ui/ProcessHeap.h"

#include <cstddef>  // also tells which C library this is
#include <cstdint>
#include <cstdlib>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || \
    __has_feature(thread_sanitizer)
#define QV_SANITIZED_HEAP 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QV_SANITIZED_HEAP 1
#endif

#if defined(__linux__) && defined(__GLIBC__) && !defined(QV_SANITIZED_HEAP)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#endif

namespace qv {

#if defined(__linux__) && defined(__GLIBC__) && !defined(QV_SANITIZED_HEAP)

namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;
constexpr std::uintptr_t kLargePage = 2 * kMiB;
// Address space set aside at the top of the heap: only what is touched becomes memory.
constexpr std::size_t kBlock = 8 * kMiB;
constexpr std::size_t kBlocks = 32;

}  // namespace

void PrepareProcessHeap() {
  // Blocks up to 32 MB from the heap rather than mapped apart, and freed memory kept for
  // reuse up to 1 GB of free top. (The paint threads keep heaps of their own: sharing this
  // one made the drawing wait for its lock.)
  mallopt(M_MMAP_THRESHOLD, static_cast<int>(32 * kMiB));
  mallopt(M_TRIM_THRESHOLD, static_cast<int>(1024 * kMiB));
  // Grow the heap by the whole reserve at once and give it back to the allocator's free top.
  std::array<void*, kBlocks> blocks{};
  for (void*& block : blocks) block = std::malloc(kBlock);
  for (std::size_t i = kBlocks; i-- > 0;) std::free(blocks[i]);
  if (!blocks.front()) return;
  // The freed top stays mapped; where the system offers large pages, a first touch there
  // fills 2 MB at once instead of 512 small pages one by one.
  const auto first = reinterpret_cast<std::uintptr_t>(blocks.front());
  const auto top = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const std::uintptr_t from = (first + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t to = top & ~(kLargePage - 1);
  if (to > from && to - from <= 2 * kBlocks * kBlock)
    madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);  // advice only
}

#else

void PrepareProcessHeap() {}

#endif

}  // namespace qv
