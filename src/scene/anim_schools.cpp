// The six schools: two steered by their leader, four bobbing around it.

#include <cstddef>
#include <string_view>

#include "errors/error_handler.h"
#include "scene/anim_groups.h"
#include "scene/anim_steps.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "scene/sprite_drawing.h"

namespace bv {
namespace {

// The band the leader of a steered school keeps to; leaving it turns every
// member vertically.
enum class VerticalBand { WholeSwimArea, LowerHalf };

struct SteeredSchool {
    std::string_view location;
    VerticalBand band;
};

bool InsideBand(Long y, VerticalBand band) {
    const double top = band == VerticalBand::LowerHalf ? SwimBottom / 2.0 : 0.0;
    return top <= y && y <= SwimBottom;
}

template <std::size_t Count>
void ForEachMember(SpriteArray<Count>& school, auto&& action) {
    for (int i = 1; i <= SpriteArray<Count>::kLast; ++i) action(school(i));
}

// Every member draws and swims by its own steps; then the leader's new
// position turns them all in the same tick, keeping the formation.
template <std::size_t Count>
void SwimSteered(SpriteArray<Count>& school, const SteeredSchool& rule) {
    Guarded(rule.location, [&] {
        const SheetPainter painter(school(1).DC);
        ForEachMember(school, [&](Sprite& member) {
            painter.DrawFrame(member);
            AdvanceFrame(member);
            member.X = Moved(member.X, member.DX);
            member.Y = Moved(member.Y, member.DY);
        });
        const Long leaderX = school(1).X;
        if (leaderX < SwimLeft) {
            ForEachMember(school, [](Sprite& member) {
                member.DX = Reversed(member.DX);
                member.SrcX = SecondStripX(member);
            });
        } else if (leaderX > SwimRight) {
            ForEachMember(school, [](Sprite& member) {
                member.DX = Reversed(member.DX);
                member.SrcX = 0;
            });
        }
        if (!InsideBand(school(1).Y, rule.band))
            ForEachMember(school, [](Sprite& member) { member.DY = Reversed(member.DY); });
    });
}

// The leader swims and bounces; each other member follows its vertical step
// plus its own bob, which reverses every BobPeriod ticks. At the right bound
// the whole school turns with the leader, at the left bound each member turns
// as it passes. Members are moved before they are drawn.
template <std::size_t Count>
void SwimBobbing(SpriteArray<Count>& school, std::string_view location) {
    Guarded(location, [&] {
        Sprite& leader = school(1);
        leader.X = Moved(leader.X, leader.DX);
        leader.Y = Moved(leader.Y, leader.DY);
        if (leader.Y > SwimBottom || leader.Y < 0) leader.DY = Reversed(leader.DY);

        for (int i = 2; i <= SpriteArray<Count>::kLast; ++i) {
            Sprite& member = school(i);
            member.BobCount = ToInteger(std::int64_t{member.BobCount} + 1);
            if (member.BobCount == member.BobPeriod) {
                member.DY = Reversed(member.DY);
                member.BobCount = 1;
            }
            member.Y = Moved(Moved(member.Y, leader.DY), member.DY);
            member.X = Moved(member.X, member.DX);
        }

        const SheetPainter painter(leader.DC);
        ForEachMember(school, [&](Sprite& member) {
            AdvanceFrame(member);
            if (member.X < SwimLeft) {
                member.DX = Reversed(member.DX);
                member.SrcX = SecondStripX(member);
            } else if (leader.X > SwimRight) {
                member.DX = Reversed(member.DX);
                member.SrcX = 0;
            }
            painter.DrawFrame(member);
        });
    });
}

}  // namespace

void Anim_Custom_bluedevil() {
    SwimSteered(BlueDevil, {"Animations\\Anim_Custom_bluedevil", VerticalBand::WholeSwimArea});
}

void Anim_Custom_SwimHorse() {
    SwimSteered(SwimHorse, {"Animations\\Anim_Custom_SwimHorse", VerticalBand::LowerHalf});
}

void Anim_Custom_redfish() {
    SwimBobbing(RedFish, "Animations\\Anim_Custom_redfish");
}
void Anim_Custom_Yellowfish() {
    SwimBobbing(YellowFish, "Animations\\Anim_Custom_Yellowfish");
}
void Anim_Custom_AngelFish() {
    SwimBobbing(AngelFish, "Animations\\Anim_Custom_AngelFish");
}
void Anim_Custom_emperorfish() {
    SwimBobbing(EmperorFish, "Animations\\Anim_Custom_emperorfish");
}

}  // namespace bv
