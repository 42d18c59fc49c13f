#pragma once
// FluidSynth and SDL are opened when a sound first needs them, not when the
// program starts. With what they bring along (PulseAudio, JACK, the codecs,
// Wayland) they are half the libraries the program would map at every
// start, a tenth of its time to the first frame, and a silent run never
// uses them. Each library is opened once and kept for the rest of the run:
// its audio threads may outlive any owner here.

#include <SDL.h>
#include <fluidsynth.h>

namespace bv {

#define BV_FLUIDSYNTH_FUNCTIONS(F)        \
    F(fluid_set_log_function)             \
    F(fluid_default_log_function)         \
    F(new_fluid_settings)                 \
    F(delete_fluid_settings)              \
    F(fluid_settings_setint)              \
    F(fluid_settings_setstr)              \
    F(fluid_settings_getnum)              \
    F(new_fluid_synth)                    \
    F(delete_fluid_synth)                 \
    F(fluid_is_soundfont)                 \
    F(fluid_is_midifile)                  \
    F(fluid_synth_sfload)                 \
    F(fluid_synth_process)                \
    F(fluid_synth_write_s16)              \
    F(fluid_synth_all_notes_off)          \
    F(new_fluid_audio_driver2)            \
    F(delete_fluid_audio_driver)          \
    F(new_fluid_player)                   \
    F(delete_fluid_player)                \
    F(fluid_player_set_playback_callback) \
    F(fluid_player_add_mem)               \
    F(fluid_player_play)                  \
    F(fluid_player_get_status)            \
    F(fluid_player_stop)

#define BV_SDL_FUNCTIONS(F) \
    F(SDL_SetHint)          \
    F(SDL_InitSubSystem)    \
    F(SDL_QuitSubSystem)    \
    F(SDL_OpenAudioDevice)  \
    F(SDL_PauseAudioDevice) \
    F(SDL_CloseAudioDevice)

#define BV_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
struct FluidSynthFunctions {
    BV_FLUIDSYNTH_FUNCTIONS(BV_FUNCTION_POINTER)
};
struct SdlFunctions {
    BV_SDL_FUNCTIONS(BV_FUNCTION_POINTER)
};
#undef BV_FUNCTION_POINTER

// The library's functions, opened on the first call; nullptr, said once on
// stderr, when the library or one of its functions cannot be had.
const FluidSynthFunctions* FluidSynthLibrary();
const SdlFunctions* SdlLibrary();

}  // namespace bv
