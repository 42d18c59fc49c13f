#include "surfaces/picture_prefetch.h"

#include "platform/bitmap_file.h"
#include "platform/case_insensitive_path.h"

namespace bv {
namespace {
PicturePrefetch* active = nullptr;
}

DecodedPicture DecodePictureFile(const std::string& path, platform::FileReadBuffer* buffer) {
    DecodedPicture decoded;
    decoded.picture =
        platform::LoadBitmapFile(ResolveCaseInsensitive(path), &decoded.problem, buffer);
    return decoded;
}

PicturePrefetch::PicturePrefetch(std::vector<std::string> paths) : previous_(active) {
    items_.reserve(paths.size());
    for (std::string& path : paths) items_.push_back({.path = std::move(path), .decoded = {}});
    active = this;
    helper_ = std::thread([this] { DecodeFromTheBack(); });
}

PicturePrefetch::~PicturePrefetch() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    helper_.join();
    active = previous_;
}

PicturePrefetch* PicturePrefetch::Active() {
    return active;
}

void PicturePrefetch::DecodeFromTheBack() {
    std::unique_lock lock(mutex_);
    for (auto item = items_.rbegin(); item != items_.rend() && !stopping_; ++item) {
        // The loader has passed this point: everything before it is its own.
        if (item->state != State::kWaiting) break;
        item->state = State::kDecoding;
        lock.unlock();
        try {
            DecodedPicture decoded = DecodePictureFile(item->path, &helperBuffer_);
            lock.lock();
            item->decoded = std::move(decoded);
            item->state = State::kDone;
        } catch (...) {
            // Left to the loader, whose own decoding reports what went wrong.
            lock.lock();
            item->state = State::kWaiting;
            done_.notify_all();
            return;
        }
        done_.notify_all();
    }
}

std::optional<DecodedPicture> PicturePrefetch::Take(const std::string& path) {
    std::unique_lock lock(mutex_);
    for (Item& item : items_) {
        if (item.path != path || item.state == State::kTaken) continue;
        done_.wait(lock, [&] { return item.state != State::kDecoding; });
        const bool decoded = item.state == State::kDone;
        item.state = State::kTaken;
        if (decoded) return std::move(item.decoded);
        lock.unlock();
        return DecodePictureFile(path, &loaderBuffer_);
    }
    return std::nullopt;
}

}  // namespace bv
