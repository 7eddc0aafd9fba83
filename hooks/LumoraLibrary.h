#pragma once

#include <array>

// The library's initialisers, each declared beside the file whose replacements it installs, and
// their list in the order the loader runs them.
namespace lumora {

void initialiseLumora();

using Initialiser = void (*)();
const std::array<Initialiser, 7>& initialisers();

} // namespace lumora
