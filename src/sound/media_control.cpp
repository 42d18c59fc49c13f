#include "sound/media_control.h"

#include <utility>

#include "sound/media_command_parser.h"
#include "sound/midi_song_file.h"
#include "sound/soundfont_search.h"

namespace bv {
namespace {

std::unique_ptr<SequencerDevice>& DeviceSlot() {
    static std::unique_ptr<SequencerDevice> device;
    return device;
}

SequencerDevice& Device() {
    auto& device = DeviceSlot();
    if (!device)
        device =
            std::make_unique<SequencerDevice>(FindSoundFont(), SequencerDevice::Output::kSpeakers);
    return *device;
}

MediaError OpenSong(SequencerDevice& device, const MediaCommand& command) {
    // Without a soundfont no song could sound: refused before the file is read.
    if (!device.HasSoundFont()) return kMediaNoSoundFont;
    std::string song;
    if (const MediaError error = ReadMidiSong(command.path, song); error != kMediaOk) return error;
    return device.Open(command.alias, std::move(song));
}

MediaError CarryOut(const MediaCommand& command, std::string& reply) {
    SequencerDevice& device = Device();
    switch (command.verb) {
        case MediaVerb::kOpen:
            return OpenSong(device, command);
        case MediaVerb::kPlay:
            return device.Play(command.alias);
        case MediaVerb::kStatus:
            return device.Mode(command.alias, reply);
        case MediaVerb::kStop:
            return device.Stop(command.alias);
        case MediaVerb::kClose:
            return device.Close(command.alias);
    }
    return kMediaUnrecognizedCommand;
}

}  // namespace

Long mciSendString(std::string_view command, std::string& reply) {
    reply.clear();
    const auto parsed = ParseMediaCommand(command);
    if (!parsed) return kMediaUnrecognizedCommand;
    const MediaError result = CarryOut(*parsed, reply);
    if (result != kMediaOk) reply.clear();
    return result;
}

void UseSequencerDevice(std::unique_ptr<SequencerDevice> device) {
    DeviceSlot() = std::move(device);
}

}  // namespace bv
