#pragma once

#include <cstddef>
#include <thread>

namespace veltrane {

// Start-up allocates many megabytes at once (pictures, the window's back
// buffer, widgets), and the kernel charges one page fault per 4 KiB touched;
// on virtual machines each fault costs several microseconds, which made up a
// fifth of the time to the first frame. Made first thing in main, this asks
// for transparent huge pages on the first `kReservedBytes` of the heap, takes
// pictures from the heap rather than from mappings of their own, and fills
// the first `kFilledBytes` on another core while Qt starts, so the first
// frame finds its memory ready. Where the C library or the kernel offers none
// of this (or a sanitizer owns the heap), the heap works as before.
class TStartUpHeap {
  public:
    // Reserved address space until something touches it.
    static constexpr std::size_t kReservedBytes = std::size_t{32} << 20;
    // About what the first frame uses.
    static constexpr std::size_t kFilledBytes = std::size_t{10} << 20;

    TStartUpHeap();
    // Waits for the filling, which is long over by then.
    ~TStartUpHeap();
    TStartUpHeap(const TStartUpHeap&) = delete;
    TStartUpHeap& operator=(const TStartUpHeap&) = delete;

    // Whether the heap was prepared (false without glibc, huge pages or room).
    bool Prepared() const { return prepared_; }

  private:
    bool prepared_ = false;
    std::thread filler_;
};

} // namespace veltrane
