// The RIFF back ends of a platform without multimedia file I/O: our own reader only.
#include "riff_io_portable.h"

const RiffIoOps* const* RiffIoBackends() {
    static const RiffIoOps* const backends[] = {&PortableRiffIo, nullptr};
    return backends;
}
