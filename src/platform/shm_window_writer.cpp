#include "platform/shm_window_writer.h"

#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "platform/pixel_memory.h"
#include "platform/scaling.h"

namespace bv::platform {

namespace {

// Two halves, each room for a busy frame's changes many times over. A bigger
// batch (the first frame, an exposed screen) goes in turns, the server
// reading one half while the next turn is copied into the other. Kept small
// on purpose: each page is dear the first time either side touches it.
constexpr std::size_t kSegmentBytes = std::size_t{2} << 20;
constexpr std::size_t kHalfBytes = kSegmentBytes / 2;
constexpr std::size_t kBytesPerPixel = 4;

template <typename Reply>
struct FreeReply {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply<Reply>>;

const xcb_visualtype_t* FindVisual(const xcb_setup_t* setup, xcb_visualid_t id,
                                   std::uint8_t* depthOut) {
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem != 0;
         xcb_screen_next(&screens)) {
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem != 0;
             xcb_depth_next(&depths)) {
            for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem != 0;
                 xcb_visualtype_next(&visuals)) {
                if (visuals.data->visual_id != id) continue;
                *depthOut = depths.data->depth;
                return visuals.data;
            }
        }
    }
    return nullptr;
}

int BitsPerPixel(const xcb_setup_t* setup, std::uint8_t depth) {
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem != 0;
         xcb_format_next(&formats))
        if (formats.data->depth == depth) return formats.data->bits_per_pixel;
    return 0;
}

// Whether a window of this visual keeps its pixels as our true-colour
// pictures do: 32-bit words, red, green and blue from the top byte down.
bool PixelsAreOurs(const xcb_setup_t* setup, xcb_visualid_t visual) {
    std::uint8_t depth = 0;
    const xcb_visualtype_t* type = FindVisual(setup, visual, &depth);
    return type != nullptr && type->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
           type->red_mask == 0xFF0000u && type->green_mask == 0x00FF00u &&
           type->blue_mask == 0x0000FFu && (depth == 24 || depth == 32) &&
           BitsPerPixel(setup, depth) == 32 && setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
}

}  // namespace

// The shared memory: ours mapped here, the server's attached as `id`.
struct ShmWindowWriter::Segment {
    explicit Segment(std::size_t size) : size(size) {
        shmId = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
        if (shmId < 0) return;
        void* mapped = shmat(shmId, nullptr, 0);
        // shmat's failure is (void*)-1.
        if (mapped != reinterpret_cast<void*>(-1))  // NOLINT(performance-no-int-to-ptr)
            bytes = static_cast<std::uint8_t*>(mapped);
    }
    ~Segment() {
        if (bytes != nullptr) shmdt(bytes);
        if (shmId >= 0) shmctl(shmId, IPC_RMID, nullptr);
    }
    Segment(const Segment&) = delete;
    Segment& operator=(const Segment&) = delete;

    std::size_t size;
    int shmId = -1;
    std::uint8_t* bytes = nullptr;
    xcb_shm_seg_t id = 0;
};

namespace {
std::unique_ptr<ShmWindowWriter> openedAhead;
}

void ShmWindowWriter::OpenAhead() {
    if (openedAhead == nullptr) openedAhead = OpenNew();
}

std::unique_ptr<ShmWindowWriter> ShmWindowWriter::Open() {
    if (openedAhead != nullptr) return std::move(openedAhead);
    return OpenNew();
}

std::unique_ptr<ShmWindowWriter> ShmWindowWriter::OpenNew() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    auto refuse = [connection] {
        xcb_disconnect(connection);
        return nullptr;
    };
    if (xcb_connection_has_error(connection) != 0) return refuse();
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection, &xcb_shm_id);
    if (shm == nullptr || shm->present == 0) return refuse();
    auto segment = std::make_unique<Segment>(kSegmentBytes);
    if (segment->bytes == nullptr) return refuse();
    segment->id = xcb_generate_id(connection);
    // A server on another machine, or in another namespace, cannot attach
    // it. Writable, for the warm-up below.
    ReplyPtr<xcb_generic_error_t> refused(xcb_request_check(
        connection, xcb_shm_attach_checked(connection, segment->id,
                                           static_cast<std::uint32_t>(segment->shmId), 0)));
    if (refused != nullptr) return refuse();
    // Both sides have it now: it goes once both let go, even if we crash.
    shmctl(segment->shmId, IPC_RMID, nullptr);
    segment->shmId = -1;
    // Our pages are in before the server fills them below, so that its own
    // faults are the cheap ones, of pages that already exist.
    FaultInAtOnce(segment->bytes, segment->size);
    const auto completion = static_cast<std::uint8_t>(shm->first_event + XCB_SHM_COMPLETION);
    std::unique_ptr<ShmWindowWriter> writer(
        new ShmWindowWriter(connection, std::move(segment), completion));
    writer->WarmUpServerSide(screenNumber);
    return writer;
}

// The server maps its side of the shared pages a fault at a time, too: it
// fills the segment from the screen now, while it has nothing else to do,
// rather than during the first frame.
void ShmWindowWriter::WarmUpServerSide(int screenNumber) {
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int skip = 0; skip < screenNumber && screens.rem > 1; ++skip) xcb_screen_next(&screens);
    const xcb_screen_t* screen = screens.data;
    if (screen == nullptr || screen->width_in_pixels == 0) return;
    const std::size_t rows =
        segment_->size / (kBytesPerPixel * static_cast<std::size_t>(screen->width_in_pixels));
    const auto height = static_cast<std::uint16_t>(
        std::min(rows, static_cast<std::size_t>(screen->height_in_pixels)));
    if (height == 0) return;
    warmUp_ = xcb_shm_get_image(connection_, screen->root, 0, 0, screen->width_in_pixels, height,
                                ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, segment_->id, 0)
                  .sequence;
    xcb_flush(connection_);
}

ShmWindowWriter::ShmWindowWriter(xcb_connection_t* connection, std::unique_ptr<Segment> segment,
                                 std::uint8_t completionEvent)
    : connection_(connection), segment_(std::move(segment)), completionEvent_(completionEvent) {}

ShmWindowWriter::~ShmWindowWriter() {
    // The server lets go of the segment and the GC with the connection.
    xcb_disconnect(connection_);
}

bool ShmWindowWriter::UseWindow(WindowId window) {
    if (window == window_) return true;
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    ReplyPtr<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr));
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    if (attributes == nullptr || geometry == nullptr || !PixelsAreOurs(setup, attributes->visual))
        return false;
    if (gc_ != 0) xcb_free_gc(connection_, gc_);
    gc_ = xcb_generate_id(connection_);
    const std::uint32_t noExposures = 0;
    xcb_create_gc(connection_, gc_, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    window_ = window;
    depth_ = geometry->depth;
    return true;
}

void ShmWindowWriter::WaitForServer(int stillReading) {
    while (pending_ > stillReading) {
        xcb_generic_event_t* event = xcb_wait_for_event(connection_);
        if (event == nullptr) {  // the connection is gone
            broken_ = true;
            pending_ = 0;
            break;
        }
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == completionEvent_) --pending_;
        if (type == 0) {  // an error: a put was refused
            broken_ = true;
            pending_ = 0;
        }
        std::free(event);
    }
}

std::size_t ShmWindowWriter::CopySlice(const Bitmap& picture, int scale, const QRect& slice) {
    const std::size_t offset = half_ * kHalfBytes + used_;
    CopyEnlarged(picture, scale, slice, reinterpret_cast<Colour*>(segment_->bytes + offset));
    used_ += static_cast<std::size_t>(slice.width()) * kBytesPerPixel *
             static_cast<std::size_t>(slice.height());
    return offset;
}

void ShmWindowWriter::Send(const Slice& slice, bool last) {
    const auto width = static_cast<std::uint16_t>(slice.area.width());
    const auto height = static_cast<std::uint16_t>(slice.area.height());
    xcb_shm_put_image(connection_, window_, gc_, width, height, 0, 0, width, height,
                      static_cast<std::int16_t>(slice.area.x()),
                      static_cast<std::int16_t>(slice.area.y()), depth_, XCB_IMAGE_FORMAT_Z_PIXMAP,
                      last ? 1 : 0, segment_->id, static_cast<std::uint32_t>(slice.offset));
    if (last) {
        ++pending_;
        xcb_flush(connection_);
    }
}

bool ShmWindowWriter::Put(WindowId window, const Bitmap& picture, int scale,
                          const std::vector<QRect>& parts) {
    if (broken_ || picture.format() != PixelFormat::TrueColour || scale < 1) return false;
    if (!UseWindow(window)) return false;
    const QRect whole(0, 0, picture.width() * scale, picture.height() * scale);
    if (kBytesPerPixel * static_cast<std::size_t>(whole.width()) > kHalfBytes) return false;
    if (warmUp_ != 0) {  // the server is done filling the segment
        std::free(xcb_shm_get_image_reply(connection_, {warmUp_}, nullptr));
        warmUp_ = 0;
    }
    // The last frame's batch is normally read by now.
    WaitForServer(0);
    half_ = 0;
    used_ = 0;
    // Each slice is sent once the next is known, so that the last of a turn
    // can ask for the server's word that it has read the turn's half.
    std::optional<Slice> unsent;
    for (const QRect& part : parts) {
        const QRect shown = part & whole;
        const std::size_t rowBytes = static_cast<std::size_t>(shown.width()) * kBytesPerPixel;
        for (int top = shown.top(); top <= shown.bottom();) {
            if (used_ + rowBytes > kHalfBytes) {
                // This half is full: over to the other, once the server has
                // read that one's last turn.
                if (unsent) Send(*unsent, true);
                unsent.reset();
                half_ = 1 - half_;
                used_ = 0;
                WaitForServer(1);
            }
            const std::size_t rowsLeft =
                static_cast<std::size_t>(shown.bottom()) + 1 - static_cast<std::size_t>(top);
            const auto rows = static_cast<int>(std::min(rowsLeft, (kHalfBytes - used_) / rowBytes));
            if (unsent) Send(*unsent, false);
            const QRect area(shown.left(), top, shown.width(), rows);
            unsent = Slice{area, CopySlice(picture, scale, area)};
            top += rows;
        }
    }
    if (unsent) Send(*unsent, true);
    return !broken_;
}

}  // namespace bv::platform
