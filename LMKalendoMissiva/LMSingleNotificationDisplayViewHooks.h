#pragma once

namespace lumora {

// Installs the replacements of LMSingleNotificationDisplayView's file; the loader runs it at start-up.
void initialiseLMSingleNotificationDisplayView();

} // namespace lumora
