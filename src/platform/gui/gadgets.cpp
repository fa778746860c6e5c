#include "platform/gui/gadgets.h"

// Placeholder until the gadgets land.
namespace gui {
Gadget* FocusedGadget() { return nullptr; }
}  // namespace gui
