#pragma once

namespace lumora {

// Installs the replacements of LMMusicDisplayView's file; the loader runs it at start-up.
void initialiseLMMusicDisplayView();

} // namespace lumora
