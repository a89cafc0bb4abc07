// Our own RIFF reader over an ordinary file (buffered, backslashes in paths read as '/').
#pragma once

#include "riff_io.h"

extern const RiffIoOps PortableRiffIo;
