#include "sound/midi_file_check.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace bv {
namespace {

// Reads big-endian numbers and variable-length quantities from a range and
// never past its end: every read reports whether the bytes were there.
class ByteCursor {
public:
    explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - at_; }
    bool AtEnd() const { return at_ == bytes_.size(); }

    std::optional<std::uint32_t> Number(int width) {
        if (Remaining() < static_cast<std::size_t>(width)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i) value = (value << 8) | Byte(at_++);
        return value;
    }

    std::optional<std::uint8_t> Peek() const {
        if (AtEnd()) return std::nullopt;
        return Byte(at_);
    }

    // A MIDI variable-length quantity: at most four bytes.
    std::optional<std::uint32_t> VariableLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto next = Number(1);
            if (!next) return std::nullopt;
            value = (value << 7) | (*next & 0x7Fu);
            if ((*next & 0x80u) == 0) return value;
        }
        return std::nullopt;
    }

    bool Skip(std::uint64_t count) { return Bytes(count).has_value(); }

    // The next count bytes, passed over.
    std::optional<std::string_view> Bytes(std::uint64_t count) {
        if (count > Remaining()) return std::nullopt;
        const std::string_view part = bytes_.substr(at_, static_cast<std::size_t>(count));
        at_ += part.size();
        return part;
    }

    bool Tag(std::string_view expected) {
        if (bytes_.substr(at_, expected.size()) != expected) return false;
        at_ += expected.size();
        return true;
    }

    // The next count bytes as a cursor of their own.
    std::optional<ByteCursor> Take(std::uint32_t count) {
        if (count > Remaining()) return std::nullopt;
        ByteCursor part(bytes_.substr(at_, count));
        at_ += count;
        return part;
    }

private:
    std::uint8_t Byte(std::size_t index) const { return static_cast<std::uint8_t>(bytes_[index]); }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

constexpr std::uint8_t kMetaEvent = 0xFF;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kSysEx = 0xF0;
constexpr std::uint8_t kSysExContinuation = 0xF7;

int ChannelMessageDataBytes(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

// Walks one track's events; stops at the end-of-track event when there is one.
bool WalkTrack(ByteCursor track, MidiFileEvent event,
               const std::function<void(const MidiFileEvent&)>& visit) {
    std::optional<std::uint8_t> runningStatus;
    while (!track.AtEnd()) {
        const auto delta = track.VariableLength();
        const auto first = track.Peek();
        if (!delta || !first) return false;
        event.tick += *delta;
        event.metaType = 0;

        if (*first == kMetaEvent) {
            track.Skip(1);
            const auto type = track.Number(1);
            const auto length = track.VariableLength();
            if (!type || !length) return false;
            const auto data = track.Bytes(*length);
            if (!data) return false;
            if (*type == kMetaTempo && *length != 3) return false;
            event.status = kMetaEvent;
            event.metaType = static_cast<std::uint8_t>(*type);
            event.data = *data;
        } else if (*first == kSysEx || *first == kSysExContinuation) {
            track.Skip(1);
            const auto length = track.VariableLength();
            if (!length) return false;
            const auto data = track.Bytes(*length);
            if (!data) return false;
            event.status = *first;
            event.data = *data;
        } else if (*first >= 0xF0) {
            return false;  // real-time and common messages have no place in a file
        } else {
            if (*first & 0x80u) {
                runningStatus = *first;
                track.Skip(1);
            }
            if (!runningStatus) return false;  // data byte with no status before it
            const auto data = track.Bytes(ChannelMessageDataBytes(*runningStatus));
            if (!data) return false;
            event.status = *runningStatus;
            event.data = *data;
        }
        if (visit) visit(event);
        if (event.status == kMetaEvent && event.metaType == kMetaEndOfTrack) return true;
    }
    return true;
}

}  // namespace

std::optional<MidiFileHeader> WalkMidiFile(std::string_view bytes,
                                           const std::function<void(const MidiFileEvent&)>& visit) {
    ByteCursor file(bytes);
    if (!file.Tag("MThd")) return std::nullopt;
    const auto headerLength = file.Number(4);
    if (!headerLength || *headerLength < 6) return std::nullopt;
    auto header = file.Take(*headerLength);
    if (!header) return std::nullopt;
    const auto format = header->Number(2);
    const auto trackCount = header->Number(2);
    const auto division = header->Number(2);
    if (*format > 2 || *trackCount == 0) return std::nullopt;
    if (*division == 0 || (*division & 0x8000u)) return std::nullopt;  // SMPTE timing is not played

    for (std::uint32_t found = 0; found < *trackCount;) {
        const bool isTrack = file.Tag("MTrk");
        if (!isTrack && !file.Skip(4)) return std::nullopt;  // another kind of chunk: passed over
        const auto length = file.Number(4);
        if (!length) return std::nullopt;
        auto chunk = file.Take(*length);
        if (!chunk) return std::nullopt;
        if (!isTrack) continue;
        MidiFileEvent start;
        start.track = static_cast<int>(found);
        if (!WalkTrack(*chunk, start, visit)) return std::nullopt;
        ++found;
    }
    return MidiFileHeader{static_cast<int>(*format), static_cast<int>(*trackCount),
                          static_cast<int>(*division)};
}

bool IsWellFormedMidi(std::string_view bytes) {
    return WalkMidiFile(bytes).has_value();
}

}  // namespace bv
