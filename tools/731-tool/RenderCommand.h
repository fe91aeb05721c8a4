#pragma once

#include "731-tool/CommandTable.h"

namespace tool {

// "render": the panel window drawn to a picture.
void AddRenderCommand(CommandTable &table);

} // namespace tool
