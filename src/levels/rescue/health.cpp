// Player health kept in a counter timer.
#include "levels/rescue/health.hpp"

#include <string>

namespace levels {

int change_health(platform::Timer& hp, platform::Label& lblhp, int by)
{
    hp.set_interval(hp.interval() + by);
    lblhp.set_caption(std::to_string(hp.interval()));
    return hp.interval();
}

}
