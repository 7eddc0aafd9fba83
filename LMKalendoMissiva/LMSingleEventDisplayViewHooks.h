#pragma once

namespace lumora {

// Installs the replacements of LMSingleEventDisplayView's file; the loader runs it at start-up.
void initialiseLMSingleEventDisplayView();

} // namespace lumora
