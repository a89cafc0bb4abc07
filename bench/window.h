// The window front end chosen at build time: SDL where it is built, none in the headless build.
#pragma once

#include "cli.h"

namespace bench {

// The front end that gaugebench hands a run to, or null when this build has none.
WindowFrontEnd WindowBackEnd();

} // namespace bench
