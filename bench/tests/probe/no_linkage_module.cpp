// A loadable module that exports no Linkage: the bench must refuse it with a clear message.
#include "host_calls.h"

extern "C" {
PANEL_EXPORT int32_t NotALinkage = 0x13;
}
