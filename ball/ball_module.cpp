// The Ball module's exported Linkage: the one gauge the host finds in Ball.gau.
#include "ball_gauge.h"

// extern "C" in block form: the name stays undecorated, and the record is a definition.
extern "C" {
PANEL_EXPORT LinkageRecord Linkage = {
    LinkageVersion, ball::ModuleInit, ball::ModuleDeinit, 0, 0, 0, {&ball::Gauge, nullptr},
};
}
