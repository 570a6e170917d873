// The list of all pictures; each screen's pictures are added here as they are drawn.
#include "art/catalogue.hpp"

#include "art/big_mecha.hpp"
#include "art/claw.hpp"
#include "art/crane.hpp"
#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/farmstead.hpp"
#include "art/forest_base.hpp"
#include "art/grawn.hpp"
#include "art/machine.hpp"
#include "art/mecha_attack.hpp"
#include "art/mecha_grawn.hpp"
#include "art/office_block.hpp"
#include "art/raved.hpp"
#include "art/regatta.hpp"
#include "art/reincarnation.hpp"
#include "art/reincarnator.hpp"
#include "art/robber.hpp"
#include "art/scenery.hpp"
#include "art/skateboard.hpp"
#include "art/title.hpp"
#include "art/trophy.hpp"
#include "art/vehicles.hpp"

namespace art {

std::vector<CatalogueEntry> catalogue()
{
    return {
        {"pig-left", pig(Facing::left)},
        {"pig-right", pig(Facing::right)},
        {"cow-left", cow(Facing::left)},
        {"cow-right", cow(Facing::right)},
        {"sheep-left", sheep(Facing::left)},
        {"sheep-right", sheep(Facing::right)},
        {"grawn-left", grawn(Facing::left)},
        {"grawn-right", grawn(Facing::right)},
        {"s-grawn-stirring-left", s_grawn(Mutation::stirring, Facing::left)},
        {"s-grawn-stirring-right", s_grawn(Mutation::stirring, Facing::right)},
        {"s-grawn-swelling-left", s_grawn(Mutation::swelling, Facing::left)},
        {"s-grawn-swelling-right", s_grawn(Mutation::swelling, Facing::right)},
        {"s-grawn-mutated-left", s_grawn(Mutation::mutated, Facing::left)},
        {"s-grawn-mutated-right", s_grawn(Mutation::mutated, Facing::right)},
        {"s-grawn-surging-left", s_grawn_surging(Facing::left)},
        {"s-grawn-surging-right", s_grawn_surging(Facing::right)},
        {"robber-left", robber(Facing::left)},
        {"robber-right", robber(Facing::right)},
        {"claw-closed", claw(ClawState::closed)},
        {"claw-open", claw(ClawState::open)},
        {"flame", flame()},
        {"blood-splat", blood_splat()},
        {"bullet-hole", bullet_hole()},
        {"small-blast", small_blast()},
        {"explosion-38", explosion(38)},
        {"explosion-150", explosion(150)},
        {"machine-whole", machine(MachineLook::whole)},
        {"machine-flashing", machine(MachineLook::flashing)},
        {"machine-wreck", machine_wreck()},
        {"reincarnator-whole", reincarnator(MachineLook::whole)},
        {"reincarnator-flashing", reincarnator(MachineLook::flashing)},
        {"reincarnator-wreck", reincarnator_wreck()},
        {"reincarnation-machine-rest", reincarnation_machine_at_rest()},
        {"reincarnation-machine-working-1", reincarnation_machine_working(1)},
        {"reincarnation-machine-working-2", reincarnation_machine_working(2)},
        {"reincarnation-machine-working-3", reincarnation_machine_working(3)},
        {"reincarnation-machine-working-4", reincarnation_machine_working(4)},
        {"reincarnation-machine-working-5", reincarnation_machine_working(5)},
        {"reincarnation-machine-working-6", reincarnation_machine_working(6)},
        {"reincarnation-machine-face", reincarnation_machine_face()},
        {"mecha-grawn-left", mecha_grawn(Facing::left)},
        {"mecha-grawn-right", mecha_grawn(Facing::right)},
        {"mecha-grawn-shield-hit", mecha_grawn(MechaLook::shield_hit)},
        {"mecha-grawn-hull-hit", mecha_grawn(MechaLook::hull_hit)},
        {"mecha-wreck", mecha_wreck()},
        {"big-mecha-standing", big_mecha_grawn(BigMechaLook::standing, Shields::up)},
        {"big-mecha-striding", big_mecha_grawn(BigMechaLook::striding, Shields::up)},
        {"big-mecha-bare", big_mecha_grawn(BigMechaLook::standing, Shields::down)},
        {"big-mecha-hit", big_mecha_grawn(BigMechaLook::hit, Shields::down)},
        {"attacked-barn", attacked_barn()},
        {"barn-collapsing-1", barn_collapsing(1)},
        {"barn-collapsing-2", barn_collapsing(2)},
        {"barn-collapsing-3", barn_collapsing(3)},
        {"barn-collapsing-4", barn_collapsing(4)},
        {"tree", tree()},
        {"barn", barn()},
        {"cloud", cloud()},
        {"cave", cave()},
        {"pig-on-board", pig_on_board()},
        {"office-window", office_window()},
        {"magnet", magnet()},
        {"magnet-pulley", magnet_pulley()},
        {"sailboat-cow", sailboat(Crew::cow)},
        {"sailboat-grawn", sailboat(Crew::grawn)},
        {"click-button", click_button()},
        {"lift-button", lift_button()},
        {"raved-plain", raved(RavedLook::plain)},
        {"raved-glowing", raved(RavedLook::glowing)},
        {"raved-changed", raved(RavedLook::changed)},
        {"strange-stone", strange_stone()},
        {"big-raved", big_raved()},
        {"farmstead", farmstead()},
        {"hay-bale", hay_bale()},
        {"water-trough", water_trough()},
        {"car-red-up", car(Heading::up, CarPaint::red)},
        {"car-red-down", car(Heading::down, CarPaint::red)},
        {"car-blue-up", car(Heading::up, CarPaint::blue)},
        {"car-blue-down", car(Heading::down, CarPaint::blue)},
        {"car-yellow-up", car(Heading::up, CarPaint::yellow)},
        {"car-yellow-down", car(Heading::down, CarPaint::yellow)},
        {"truck-up", truck(Heading::up)},
        {"truck-down", truck(Heading::down)},
        {"grass-tuft", grass_tuft()},
        {"trap-set", trap(TrapState::set)},
        {"trap-sprung", trap(TrapState::sprung)},
        {"title", title_artwork()},
        {"title-sign", title_sign()},
        {"tally-picture", tally_picture()},
        {"presenter-bell", presenter_icon(PresenterIcon::bell)},
        {"presenter-reel", presenter_icon(PresenterIcon::reel)},
    };
}

}
