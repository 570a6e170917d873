// The re-incarnation machine of the World 2 intermission, 250 × 125 pixels, at rest, at work and
// showing the new Grawn's face; and the S-Grawn at the height of its change.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int reincarnation_machine_width = 250;
inline constexpr int reincarnation_machine_height = 125;
// The working frames are numbered 1 to this; played in turn they make one cycle of the machine.
inline constexpr int reincarnation_machine_steps = 6;

// A long purple works on a hazard-striped plinth: an intake door on the left, a control panel
// with a dial, a glass tank of green serum in the middle, a gear and an exit door on the right,
// spark coils and a row of lamps on top, a big round lamp at the top right. At rest every lamp is
// dark and the serum still.
platform::Drawing reincarnation_machine_at_rest();
// One step of the machine at work: sparks between the coils, chasing lamps, the dial's needle
// swinging, the gear turning and the serum bubbling.
platform::Drawing reincarnation_machine_working(int step);
// The machine at rest with a snarling Grawn's face glowing green in its big lamp.
platform::Drawing reincarnation_machine_face();

// 35 × 34: the finished S-Grawn at the peak of its change, wrapped in a crackling green glow.
platform::Drawing s_grawn_surging(Facing facing);

}
