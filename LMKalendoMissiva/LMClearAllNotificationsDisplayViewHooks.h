#pragma once

namespace lumora {

// Installs the replacements of LMClearAllNotificationsDisplayView's file; the loader runs it at start-up.
void initialiseLMClearAllNotificationsDisplayView();

} // namespace lumora
