#include "scene/anim_timed_script.h"

#include "scene/scene_globals.h"

namespace bv {

Integer Now(TickClock clock) {
    return clock == TickClock::Long ? LongTick : ShortTick;
}

std::optional<ScriptedChange> ChangeAt(const FrameScript& script, Integer tick) {
    for (const TickWindow& window : script.windows)
        if (window.first <= tick && tick <= window.last)
            return ScriptedChange{window.member, window.change};
    if (script.otherwise) return ScriptedChange{1, *script.otherwise};
    return std::nullopt;
}

}  // namespace bv
