#pragma once

#include <string>
#include <vector>

namespace preferences {

// A preference bundle installed on the device: the row the Settings app lists for it, the
// folder of its specifier files, the page class its row opens, and what loading its code runs
// (registering its classes).
struct PreferenceBundle {
    using Initialiser = void (*)();

    std::string title;
    std::string path;
    std::string rootClassName;
    std::vector<Initialiser> initialisers;
};

} // namespace preferences
