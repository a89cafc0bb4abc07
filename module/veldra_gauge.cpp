// VELDRA's gauge header, which names its routines and its element list.
#include "panel_tables.h"
#include "veldra_lifecycle.h"

GaugeHeader VeldraGaugeHeader = {
    GaugeHeaderVersion,
    "VELDRA",
    VeldraElementList,
    VeldraQuery,
    VeldraInstall,
    VeldraInitialize,
    VeldraUpdate,
    VeldraGenerate,
    VeldraDraw,
    VeldraKill,
    0,
    100,
    {},
};
