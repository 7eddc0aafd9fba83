#pragma once

#include "_LMContainerView/LMPanelState.h"

namespace lumora {

// Installs the panel file's replacements: the menu button and full-screen bulletins close its
// overlays.
void initialiseLMView();

} // namespace lumora
