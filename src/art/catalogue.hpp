// Every picture the game draws, by name: what the art sheet shows and the tests check.
#pragma once

#include "platform/picture.hpp"

#include <string>
#include <vector>

namespace art {

struct CatalogueEntry {
    std::string name;
    platform::Drawing drawing;
};

// Names are lower-case words joined by '-', variants last: "pig-left", "explosion-150".
std::vector<CatalogueEntry> catalogue();

}
