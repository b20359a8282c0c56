// The control skinners' rows in the engine's two skinner tables.
#pragma once

namespace ov {

// Adds every control skinner's rows to the tables (once, however often it is called). Programs
// that carry the skin engine call it when they start.
void RegisterControlSkinners();

}  // namespace ov
