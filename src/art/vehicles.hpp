// The traffic on the road the pig crosses: cars (40 × 75) and trucks (40 × 150), seen from above.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int vehicle_width = 40;
inline constexpr int car_length = 75;
inline constexpr int truck_length = 150;

// Which way a vehicle drives along a vertical road: its bonnet points that way.
enum class Heading { up, down };

enum class CarPaint { red, blue, yellow };

// 40 × 75: a car from above, windscreen and headlights towards the front, tail lights behind.
platform::Drawing car(Heading heading, CarPaint paint);

// 40 × 150: a green cab pulling a long cream box trailer, from above.
platform::Drawing truck(Heading heading);

}
