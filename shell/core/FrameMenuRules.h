// The texts the main frame looks for in its menus.
#pragma once

namespace framemenu {

// The menu resources end with a developer popup that users never see.
constexpr const char* kDeveloperMenuText = "&DEVELOPER";
// The Grammar Table item the definitions of the shown word replace.
constexpr const char* kCopyDefinitionText = "&8 Copy Definition";

// True when the last top-level item's text names the developer popup (in
// any case).
bool IsDeveloperMenu(const char* text);

}  // namespace framemenu
