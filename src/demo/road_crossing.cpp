// World 2's bonus: steering the pig across six lanes of traffic with the arrow keys. The player
// watches how fast each vehicle moves, and sets off from the kerb only along a row and at a
// moment that lets the pig run the whole way across without a vehicle coming near it; it checks
// the rest of the run before every step, and waits or steps aside when the traffic changes.
#include "demo/plays.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace demo {

namespace {

constexpr int vehicles = 15;
// The pig's step, the player's pace on the keys, and the far side of the road.
constexpr double step = 10;
constexpr double pace = 0.1;
constexpr double far_side = 328;
// Room kept around each vehicle, and the time margin on either side of each step.
constexpr double room = 2;
constexpr double early_late = 0.03;
// Speeds are judged over at least this long; a jump faster than the fastest car is a vehicle
// coming round again at the other edge.
constexpr double judged_over = 1.0;
constexpr double fastest = 80;

struct Vehicle {
    platform::Rect place;
    double speed = 0; // pixels a second, down positive
};

using Traffic = std::array<Vehicle, vehicles>;

struct Field {
    double width = 0;
    double height = 0;
};

std::string vehicle_name(int n)
{
    char name[24];
    std::snprintf(name, sizeof name, "imgcar%02d", n);
    return name;
}

// Reads every vehicle, updating what the player remembers of their speeds; false while some
// speed is not known yet.
bool read_traffic(Sight const& s, Notes& notes, Traffic& traffic)
{
    bool known = true;
    double const now = s.now();
    for (int n = 1; n <= vehicles; ++n) {
        auto const name = vehicle_name(n);
        auto& seen = notes.seen[name];
        double const top = s.top(name);
        if (!seen.empty() && std::abs(top - seen.back().second) > fastest * (now - seen.back().first) + 20)
            seen.clear(); // came round the edge
        seen.emplace_back(now, top);
        while (seen.size() > 2 && now - seen[1].first >= judged_over)
            seen.erase(seen.begin());
        auto& vehicle = traffic[n - 1];
        vehicle.place = s.control(name)->rect();
        // A vehicle keeps its speed when it comes round again.
        if (now - seen.front().first >= judged_over)
            notes.judged[name] = (top - seen.front().second) / (now - seen.front().first);
        auto const speed = notes.judged.find(name);
        if (speed == notes.judged.end())
            known = false;
        else
            vehicle.speed = speed->second;
    }
    return known;
}

// Where a vehicle's top will be after `t` seconds: vehicles leaving one edge come back in at the
// other.
double top_after(Vehicle const& vehicle, double t, Field field)
{
    double const h = vehicle.place.height;
    double top = vehicle.place.top + vehicle.speed * t;
    double const span = field.height + 2 * h - 25; // from coming in to leaving, roughly
    if (vehicle.speed > 0 && top > field.height + h - 10)
        top -= std::ceil((top - (field.height + h - 10)) / span) * span;
    if (vehicle.speed < 0 && top + h < 10)
        top += std::ceil((10 - top - h) / span) * span;
    return top;
}

// The pig at (left, top) stays clear of every vehicle from `from` to `to` seconds from now.
bool clear(Traffic const& traffic, Field field, double left, double top, double size, double from, double to)
{
    for (auto const& vehicle : traffic) {
        auto const& v = vehicle.place;
        if (left + size < v.left - room || v.left + v.width + room < left)
            continue;
        // Ticks move the traffic in jumps: half a tick's travel more on either side.
        double const slack = room + std::abs(vehicle.speed) * 0.05;
        for (double t = std::max(0.0, from); t <= to + 1e-9; t += 0.05) {
            double const vt = top_after(vehicle, t, field);
            if (top + size >= vt - slack && vt + v.height + slack >= top)
                return false;
        }
    }
    return true;
}

struct Pig {
    double left = 0;
    double top = 0;
    double size = 0;
};

// The pig's place after a key.
Pig moved(Pig pig, int key)
{
    if (key == keys::right)
        pig.left += step;
    else if (key == keys::left)
        pig.left -= step;
    else if (key == keys::up)
        pig.top -= step;
    else if (key == keys::down)
        pig.top += step;
    return pig;
}

// Every place of the run stays clear while the pig stands on it (a 0 in the run is a pause).
bool run_is_clear(Traffic const& traffic, Field field, Pig pig, std::vector<int> const& keys)
{
    if (!clear(traffic, field, pig.left, pig.top, pig.size, 0, pace + early_late))
        return false;
    double t = 0;
    for (int key : keys) {
        t += pace;
        pig = moved(pig, key);
        if (!clear(traffic, field, pig.left, pig.top, pig.size, t - early_late, t + pace + early_late))
            return false;
    }
    return true;
}

// The quickest way across from where the pig stands, found step by step over the next few
// seconds: each step a key or a pause, every place on the way clear while the pig is there.
// Empty when there is none.
std::vector<int> plan_run(Traffic const& traffic, Field field, Pig pig)
{
    constexpr int steps = 100;
    // Places on the grid of the pig's steps through where it stands, one step past the left, top
    // and bottom edges included.
    constexpr int columns = 35; // left -10 to 330
    constexpr int rows = 33;    // top -10 to 310
    constexpr int places = columns * rows;
    constexpr std::array moves { keys::right, 0, keys::up, keys::down, keys::left };
    int const first_column = static_cast<int>(std::floor(pig.left / step)) + 1;
    int const first_row = static_cast<int>(std::floor(pig.top / step)) + 1;
    if (first_column < 0 || first_column >= columns || first_row < 0 || first_row >= rows)
        return {};
    double const left_offset = pig.left - (first_column - 1) * step;
    double const top_offset = pig.top - (first_row - 1) * step;
    auto const left_of = [&](int column) { return (column - 1) * step + left_offset; };

    // Which places a vehicle comes near while the pig would stand there at a step.
    std::vector<char> blocked(places);
    auto const block = [&](double from, double to) {
        std::fill(blocked.begin(), blocked.end(), 0);
        for (auto const& vehicle : traffic) {
            auto const& v = vehicle.place;
            double const slack = room + std::abs(vehicle.speed) * 0.05;
            for (double t = std::max(0.0, from); t <= to + 1e-9; t += 0.05) {
                double const vt = top_after(vehicle, t, field);
                double const lowest = vt - slack - pig.size;
                double const highest = vt + v.height + slack;
                int const first = std::max(0, static_cast<int>(std::ceil((lowest - top_offset) / step)) + 1);
                int const last = std::min(rows - 1, static_cast<int>(std::floor((highest - top_offset) / step)) + 1);
                for (int c = 0; c < columns; ++c) {
                    double const left = left_of(c);
                    if (left + pig.size < v.left - room || v.left + v.width + room < left)
                        continue;
                    for (int r = first; r <= last; ++r)
                        blocked[c * rows + r] = 1;
                }
            }
        }
    };

    // How each place was reached at each step: the move, and the place before.
    struct Reached {
        int move = -1;
        int from = -1;
    };
    std::vector<std::array<Reached, places>> layers(steps + 1);
    layers[0][first_column * rows + first_row] = { 0, -1 };
    std::vector<int> frontier { first_column * rows + first_row };
    for (int layer = 1; layer <= steps && !frontier.empty(); ++layer) {
        double const t = layer * pace;
        block(t - early_late, t + pace + early_late);
        std::vector<int> next;
        for (int place : frontier) {
            int const column = place / rows;
            int const row = place % rows;
            for (int move : moves) {
                int c = column + (move == keys::right) - (move == keys::left);
                int r = row + (move == keys::down) - (move == keys::up);
                if (c < 0 || c >= columns || r < 0 || r >= rows)
                    continue;
                int const to = c * rows + r;
                if (layers[layer][to].move >= 0 || blocked[to])
                    continue;
                layers[layer][to] = { move, place };
                if (left_of(c) >= far_side) {
                    std::vector<int> run(layer);
                    for (int back = layer, at = to; back > 0; --back) {
                        run[back - 1] = layers[back][at].move;
                        at = layers[back][at].from;
                    }
                    return run;
                }
                next.push_back(to);
            }
        }
        frontier = std::move(next);
    }
    return {};
}

}

Intent play_frmw2l4(Sight const& s, Notes& notes, Wishes const&)
{
    if (!s.shown("imgpig1"))
        return Intent::look_again();
    Traffic traffic {};
    if (!read_traffic(s, notes, traffic))
        return Intent::look_again();
    Pig const pig { s.left("imgpig1"), s.top("imgpig1"), s.width("imgpig1") };
    Field const field { s.form().scale_width(), s.form().scale_height() };
    if (pig.left >= far_side)
        return Intent::look_again();
    auto press = [&](int key) { return s.key(key).at_once().then_wait(pace); };

    // The run in hand goes on while what is left of it stays clear; otherwise a new one.
    // Finding a way takes a moment's thought: not at every look.
    if ((notes.moves.empty() && s.now() >= notes.mark) || (!notes.moves.empty() && !run_is_clear(traffic, field, pig, notes.moves))) {
        notes.moves = plan_run(traffic, field, pig);
        notes.mark = s.now() + 0.3;
    }
    if (!notes.moves.empty()) {
        int const key = notes.moves.front();
        notes.moves.erase(notes.moves.begin());
        if (key == 0)
            return Intent::look_again(pace);
        return press(key);
    }
    // No clear run now: stand still if that is safe, else step out of the way.
    if (clear(traffic, field, pig.left, pig.top, pig.size, 0, 2 * pace + early_late))
        return Intent::look_again();
    for (int key : { keys::left, keys::up, keys::down }) {
        Pig const next = moved(pig, key);
        if (next.top < -step || next.top + next.size > field.height + step)
            continue;
        if (clear(traffic, field, next.left, next.top, next.size, pace - early_late, 3 * pace))
            return press(key);
    }
    return Intent::look_again();
}

}
