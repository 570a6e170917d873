// Player health, the robbers' cycle and the screen shake.
#include "levels/rescue/bandits.hpp"

#include "levels/rescue/rescue.hpp"

#include <algorithm>
#include <string>

namespace levels {

namespace {

constexpr int health_step = 10;
// The range of a counter timer's Interval.
constexpr int counter_most = 65535;

int change_health(PlayerHealth const& health, int by)
{
    health.hp.set_interval(std::clamp(health.hp.interval() + by, 0, counter_most));
    health.lblhp.set_caption(std::to_string(health.hp.interval()));
    return health.hp.interval();
}

}

void BanditLevel::gain(PlayerHealth const& health) { change_health(health, health_step); }

int BanditLevel::lose_health(PlayerHealth const& health, int amount) { return change_health(health, -amount); }

void BanditLevel::shoot_at(int button, Sprite& enemy, Sprite const& dead, std::initializer_list<Timer*> timers, PlayerHealth const& health,
    Report report)
{
    if (button != left_button || is_dead(enemy, dead))
        return;
    if (report == Report::gunshot)
        PlayGunDead();
    kill(enemy, dead, timers);
    gain(health);
}

void BanditLevel::robber_fires(Sprite& robber, Timer& standing, Timer& ducking, PlayerHealth const& health)
{
    blink(robber, Visibility::hidden, standing, ducking);
    int const left = lose_health(health, health_step);
    PlayGunDead();
    health.shake.enable();
    if (left == 0)
        game_over("Oh no!  You've been killed!  Game over!  Please play again!");
}

void BanditLevel::robber_stands(Sprite& robber, Timer& ducking, Timer& standing) { blink(robber, Visibility::shown, ducking, standing); }

void BanditLevel::shake_tick(Timer& shake, Report report)
{
    if (report == Report::gunshot)
        PlayGunDead();
    shake_window();
    shake.disable();
}

}
