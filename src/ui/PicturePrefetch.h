#pragma once

#include "core/Result.h"

#include <QImage>
#include <QSize>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace veltrane {

struct TFormMainServices;

// One picture the window will ask for: whole (no size) or as a thumbnail.
struct TPictureRequest {
    std::string Relative;
    bool Transparent = false;
    QSize Thumbnail;
};

// Pictures the first frame is known to need, decoded on another core while
// the window builds its widgets. Each is handed out once, to the first request
// that matches it exactly, and exactly as the loader would have made it (a
// missing file gives the same error); anything else is loaded as usual.
class PicturePrefetch {
  public:
    using TLoad = std::function<Result<QImage>(const TPictureRequest&)>;

    // Starts decoding `wanted`, in order, with `load`.
    PicturePrefetch(std::vector<TPictureRequest> wanted, TLoad load);
    // Waits for the rest of the list: it is short.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The prefetched result for exactly this request, waiting until it is
    // decoded; nothing when it was not on the list or was handed out before.
    std::optional<Result<QImage>> Take(const TPictureRequest& request);

    // The window's picture and thumbnail loaders, asking here first.
    void Serve(TFormMainServices& services);

    // How many pictures on the list nobody has asked for yet.
    std::size_t Untaken();

  private:
    void Run();

    std::vector<TPictureRequest> wanted_;
    TLoad load_;
    std::mutex lock_;
    std::condition_variable decoded_;
    std::vector<std::optional<Result<QImage>>> results_; // guarded by lock_
    std::vector<bool> taken_;                            // guarded by lock_
    std::size_t done_ = 0;                               // guarded by lock_
    std::thread worker_;
};

} // namespace veltrane
