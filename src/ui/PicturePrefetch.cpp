#include "ui/PicturePrefetch.h"

#include "ui/FormMainServices.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace veltrane {

namespace {

bool SameRequest(const TPictureRequest& a, const TPictureRequest& b) {
    return a.Relative == b.Relative && a.Transparent == b.Transparent && a.Thumbnail == b.Thumbnail;
}

} // namespace

PicturePrefetch::PicturePrefetch(std::vector<TPictureRequest> wanted, TLoad load)
    : wanted_(std::move(wanted)), load_(std::move(load)), results_(wanted_.size()), taken_(wanted_.size()) {
    worker_ = std::thread([this] { Run(); });
}

PicturePrefetch::~PicturePrefetch() {
    worker_.join();
}

void PicturePrefetch::Run() {
    for (std::size_t i = 0; i < wanted_.size(); ++i) {
        Result<QImage> picture = [&]() -> Result<QImage> {
            try {
                return load_(wanted_[i]);
            } catch (const std::exception& e) {
                // Out of memory, say: the window hears of it as of any broken picture.
                return Error{"Picture file " + wanted_[i].Relative + " could not be read: " + e.what() + "."};
            }
        }();
        const std::lock_guard<std::mutex> hold(lock_);
        results_[i] = std::move(picture);
        done_ = i + 1;
        decoded_.notify_all();
    }
}

std::optional<Result<QImage>> PicturePrefetch::Take(const TPictureRequest& request) {
    for (std::size_t i = 0; i < wanted_.size(); ++i) {
        if (!SameRequest(wanted_[i], request))
            continue;
        std::unique_lock<std::mutex> hold(lock_);
        if (taken_[i])
            continue; // the same picture may be on the list twice
        taken_[i] = true;
        decoded_.wait(hold, [&] { return done_ > i; });
        std::optional<Result<QImage>> picture = std::move(results_[i]);
        results_[i].reset();
        return picture;
    }
    return std::nullopt;
}

void PicturePrefetch::Serve(TFormMainServices& services) {
    if (!services.LoadPicture)
        return; // a window without pictures asks for none
    services.LoadPicture = [this, usual = std::move(services.LoadPicture)](const std::string& relative,
                                                                           bool transparent) {
        if (std::optional<Result<QImage>> picture = Take({relative, transparent, QSize()}))
            return std::move(*picture);
        return usual(relative, transparent);
    };
    if (!services.LoadThumbnail)
        return; // thumbnails are then scaled from whole pictures
    services.LoadThumbnail = [this, usual = std::move(services.LoadThumbnail)](const std::string& relative,
                                                                               QSize size) {
        if (std::optional<Result<QImage>> picture = Take({relative, false, size}))
            return std::move(*picture);
        return usual(relative, size);
    };
}

std::size_t PicturePrefetch::Untaken() {
    const std::lock_guard<std::mutex> hold(lock_);
    return static_cast<std::size_t>(std::count(taken_.begin(), taken_.end(), false));
}

} // namespace veltrane
