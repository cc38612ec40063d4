#pragma once

namespace kb {

class ControlRegistry;

// Registers the program's own controls, in this order: "shellnotifyicon", "cbimg",
// "page2", "tabctrl2", "anmimg", "editex", "stimage", "radioex", "checkex". A tag that
// is already registered keeps its first factory.
void registerProgramControls(ControlRegistry& registry);

}  // namespace kb
