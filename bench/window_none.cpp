// The headless build's window back end: there is none, so every run is headless.
#include "window.h"

namespace bench {

WindowFrontEnd WindowBackEnd() {
    return nullptr;
}

} // namespace bench
