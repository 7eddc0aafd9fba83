#pragma once

#include <memory>

class LMView;

// The panel file's module state, shared by its replacements and the panel.
namespace lumora {

// The panel as its initialisation published it. The panel file's replacements reach it
// through this, so they never create it; nothing while no panel exists.
std::shared_ptr<LMView> sharedPanel();
void setSharedPanel(const std::shared_ptr<LMView>&);

// A full-screen bulletin is on the lock screen: set when one is added or shown, cleared by its
// dismiss action. The panel stays hidden meanwhile.
bool fullscreenBulletinVisible();
void setFullscreenBulletinVisible(bool);

} // namespace lumora
