#pragma once
// Owning handles for the FluidSynth objects: each is deleted exactly once.

#include <memory>

#include "sound/sound_libraries.h"

namespace bv {

template <auto Delete>
struct FluidDeleter {
    template <typename Object>
    void operator()(Object* object) const {
        // An object exists only where the library was opened.
        if (object) (FluidSynthLibrary()->*Delete)(object);
    }
};

using FluidSettings =
    std::unique_ptr<fluid_settings_t, FluidDeleter<&FluidSynthFunctions::delete_fluid_settings>>;
using FluidSynth =
    std::unique_ptr<fluid_synth_t, FluidDeleter<&FluidSynthFunctions::delete_fluid_synth>>;
using FluidPlayer =
    std::unique_ptr<fluid_player_t, FluidDeleter<&FluidSynthFunctions::delete_fluid_player>>;
using FluidAudioDriver =
    std::unique_ptr<fluid_audio_driver_t,
                    FluidDeleter<&FluidSynthFunctions::delete_fluid_audio_driver>>;

}  // namespace bv
