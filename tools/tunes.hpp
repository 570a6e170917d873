// The game's thirty tunes: the style each one is composed in, under its exact file name.
#pragma once

#include "tune_style.hpp"

#include <vector>

namespace soundgen {

const std::vector<TuneStyle>& tune_styles();

}  // namespace soundgen
