// The art sheet: every picture of the catalogue on one PNG, for looking at the artwork.
#pragma once

#include <string>

namespace art {

// Draws each picture, labelled with its name, at scale 1 and 2 on a checkerboard (so
// transparency shows), plus small sprites at scale 1 on the game's screen colours; writes the
// sheet to `png_path`. Returns false, writing nothing else, when the file cannot be written.
bool write_art_sheet(std::string const& png_path);

}
