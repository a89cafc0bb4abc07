// The skytape module's exported Linkage: the one gauge the host finds in skytape.gau.
#include "skytape_gauge.h"

// extern "C" in block form: the name stays undecorated, and the record is a definition.
extern "C" {
PANEL_EXPORT LinkageRecord Linkage = {
    LinkageVersion, skytape::ModuleInit, skytape::ModuleDeinit, 0, 0, 0, {&skytape::Gauge, nullptr},
};
}
