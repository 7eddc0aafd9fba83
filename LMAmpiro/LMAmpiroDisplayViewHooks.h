#pragma once

namespace lumora {

// Installs the replacements of LMAmpiroDisplayView's file; the loader runs it at start-up.
void initialiseLMAmpiroDisplayView();

} // namespace lumora
