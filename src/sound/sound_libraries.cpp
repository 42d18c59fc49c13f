#include "sound/sound_libraries.h"

#include <dlfcn.h>

#include <cstdio>
#include <memory>

namespace bv {
namespace {

// The names the runtime packages install (libfluidsynth3, libsdl2-2.0-0).
static_assert(FLUIDSYNTH_VERSION_MAJOR == 2, "FluidSynth 2 installs libfluidsynth.so.3");
constexpr const char* kFluidSynthFile = "libfluidsynth.so.3";
constexpr const char* kSdlFile = "libSDL2-2.0.so.0";

void SayUnavailable(const char* file, const char* what) {
    std::fprintf(stderr, "bluvessa: cannot use %s (%s); the sound stays off\n", file, what);
}

// The library's functions, each looked up by its name through resolveAll;
// nullptr when the library cannot be opened or lacks one of them.
template <typename Functions, typename ResolveAll>
std::unique_ptr<Functions> Open(const char* file, ResolveAll resolveAll) {
    void* handle = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        SayUnavailable(file, dlerror());
        return nullptr;
    }
    auto functions = std::make_unique<Functions>();
    const char* missing = nullptr;
    resolveAll(*functions, [&](auto& pointer, const char* name) {
        pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(dlsym(handle, name));
        if (pointer == nullptr && missing == nullptr) missing = name;
    });
    if (missing != nullptr) {
        SayUnavailable(file, missing);
        return nullptr;  // the handle stays open: a library is never closed here
    }
    return functions;
}

#define BV_RESOLVE(name) resolve(functions.name, #name);

}  // namespace

const FluidSynthFunctions* FluidSynthLibrary() {
    static const std::unique_ptr<FluidSynthFunctions> library = Open<FluidSynthFunctions>(
        kFluidSynthFile,
        [](FluidSynthFunctions& functions, auto resolve) { BV_FLUIDSYNTH_FUNCTIONS(BV_RESOLVE) });
    return library.get();
}

const SdlFunctions* SdlLibrary() {
    static const std::unique_ptr<SdlFunctions> library = Open<SdlFunctions>(
        kSdlFile, [](SdlFunctions& functions, auto resolve) { BV_SDL_FUNCTIONS(BV_RESOLVE) });
    return library.get();
}

}  // namespace bv
