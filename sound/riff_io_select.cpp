// Which RIFF back end the WAV reader opens files with.
#include "riff_io.h"

namespace {
const RiffIoOps* chosen = nullptr;
}

void SetRiffIo(const RiffIoOps* ops) {
    chosen = ops;
}

const RiffIoOps* CurrentRiffIo() {
    return chosen ? chosen : RiffIoBackends()[0];
}
