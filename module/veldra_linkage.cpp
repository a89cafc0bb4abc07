// VELDRA's exported Linkage: the one gauge the host finds in VELDRA.gau.
#include "panel_tables.h"

namespace {
void PANEL_CALL ModuleInit() {}
void PANEL_CALL ModuleDeinit() {}
} // namespace

extern "C" {
PANEL_EXPORT LinkageRecord Linkage = {
    LinkageVersion, ModuleInit, ModuleDeinit, 0, 0, 0, {&VeldraGaugeHeader, nullptr},
};
}
