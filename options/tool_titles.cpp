// The palette title the tool selector gives each tool, from the tool table.
#include "options/controls.h"

namespace options {

const char* toolTitle(int32_t tool) {
    const qttable::Tool* row = qttable::tool(tool);
    return row ? row->title : "";
}

}  // namespace options
