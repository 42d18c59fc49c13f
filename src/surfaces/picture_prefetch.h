#pragma once
// Decoding, on a second core, the pictures a load is about to ask for. The
// loader asks for its pictures in a known order and composes each as it
// comes; while it works from the front of the list, a helper thread decodes
// from the back, and the two meet in the middle. A picture is decoded once,
// by whichever gets to it first; one asked for that is not on the list is
// decoded on the spot, as without a prefetch.

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/bitmap.h"
#include "platform/bitmap_file.h"

namespace bv {

struct DecodedPicture {
    platform::Bitmap picture;
    std::string problem;  // as platform::LoadBitmapFile says it; "" when sound
};

// A bitmap file's picture, found without regard to case; read through the
// buffer when one is given.
DecodedPicture DecodePictureFile(const std::string& path,
                                 platform::FileReadBuffer* buffer = nullptr);

class PicturePrefetch {
public:
    // Starts decoding the files (paths as the loader will ask for them). Only
    // one prefetch is active at a time: the one made last, until it ends.
    explicit PicturePrefetch(std::vector<std::string> paths);
    ~PicturePrefetch();  // stops the helper and drops what nobody took
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The file's picture, decoded by the helper or here; nothing when the
    // file is not on the list (or was taken already).
    std::optional<DecodedPicture> Take(const std::string& path);

    // The prefetch in force, or nullptr.
    static PicturePrefetch* Active();

private:
    enum class State { kWaiting, kDecoding, kDone, kTaken };
    struct Item {
        std::string path;
        State state = State::kWaiting;
        DecodedPicture decoded;
    };

    void DecodeFromTheBack();

    std::mutex mutex_;
    std::condition_variable done_;
    std::vector<Item> items_;
    bool stopping_ = false;
    PicturePrefetch* previous_ = nullptr;
    // Each thread reads its files through a buffer of its own.
    platform::FileReadBuffer helperBuffer_;
    platform::FileReadBuffer loaderBuffer_;
    std::thread helper_;  // last: it starts once everything above is set
};

}  // namespace bv
