#pragma once
// Puts parts of a true-colour picture straight into an X window through
// memory shared with the X server (MIT-SHM): the server reads the pixels
// where they lie, with no copy through the socket, no toolkit buffer in
// between, no clip region and no round trip per frame. It works over a
// connection of its own, so that the server's word that a put is done comes
// back to it and not to the toolkit.

#include <QRect>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/bitmap.h"
#include "platform/x11_windows.h"

struct xcb_connection_t;

namespace bv::platform {

class ShmWindowWriter {
public:
    // The writer opened ahead, if there is one, or a new one. nullptr when
    // there is no display, when the server shares no memory with us (a
    // remote display) or when its pixels are not ours: 32 bits, blue in the
    // lowest byte.
    static std::unique_ptr<ShmWindowWriter> Open();
    // Opens a writer before the window it is for exists, for Open to hand
    // out later: the X server maps the shared memory, which at 4K takes it
    // tens of milliseconds, while the program has other work to do.
    static void OpenAhead();
    ~ShmWindowWriter();
    ShmWindowWriter(const ShmWindowWriter&) = delete;
    ShmWindowWriter& operator=(const ShmWindowWriter&) = delete;

    // Copies each part of a true-colour picture shown scale times enlarged
    // (device pixels; clipped to the enlargement) to the same place in the
    // window, enlarging on the way. False once the server has
    // refused a put (that comes back with its answer to the batch, so the
    // next call tells) or the connection broke: the writer is of no more use
    // then.
    bool Put(WindowId window, const Bitmap& picture, int scale, const std::vector<QRect>& parts);

private:
    struct Segment;
    ShmWindowWriter(xcb_connection_t* connection, std::unique_ptr<Segment> segment,
                    std::uint8_t completionEvent);

    static std::unique_ptr<ShmWindowWriter> OpenNew();
    void WarmUpServerSide(int screenNumber);
    bool UseWindow(WindowId window);
    // Waits until the server is reading no more than `stillReading` of the
    // turns sent; by the next frame its answers are normally already in.
    void WaitForServer(int stillReading);
    struct Slice {
        QRect area;
        std::size_t offset;  // of its first pixel in the segment
    };
    // Copies a slice of the enlarged picture into the free part of the
    // current half.
    std::size_t CopySlice(const Bitmap& picture, int scale, const QRect& slice);
    // Asks the server to put a copied slice; the last of a turn asks for
    // word that the server is done with its half.
    void Send(const Slice& slice, bool last);

    xcb_connection_t* connection_;
    std::unique_ptr<Segment> segment_;
    std::uint8_t completionEvent_;
    WindowId window_ = 0;
    std::uint32_t gc_ = 0;
    std::uint8_t depth_ = 0;
    std::size_t half_ = 0;     // the half the current turn fills: 0 or 1
    std::size_t used_ = 0;     // bytes of it the turn fills
    unsigned int warmUp_ = 0;  // the request whose answer is still to come
    int pending_ = 0;          // turns sent whose reading the server has not confirmed
    bool broken_ = false;
};

}  // namespace bv::platform
