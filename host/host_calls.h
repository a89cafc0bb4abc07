// The module's ImportTable and the calls a module makes into the host through it.
#pragma once

#include "panel.h"

extern "C" PANEL_EXPORT ImportTableRecord ImportTable;

// Each call goes through the table that the host stored in ImportTable. Before the host has
// filled it (or for a slot the host leaves empty) a call does nothing and yields 0, so a module
// driven by a test without a host never jumps through a null pointer.
namespace host {

HostFunctionTable* Services();

int32_t QueryElementList(ElementRecord* root);
int32_t InstallElementList(ElementRecord* root, uintptr_t argument);
int32_t InitializeElementList(ElementRecord* root);
int32_t UpdateElementList(ElementRecord* root);
int32_t GenerateElementList(ElementRecord* root, uint32_t phase);
int32_t DrawElementList(ElementRecord* root);
int32_t KillElementList(ElementRecord* root);
int32_t InstallMouseAreas(MouseArea* areas, GaugeHeader* gauge, const void* picturePlus4);
int32_t RegisterMouseAreas(MouseArea* areas, GaugeHeader* gauge);
int32_t UnregisterMouseAreas(MouseArea* areas, GaugeHeader* gauge);
int32_t InitializeHostVariable(HostVariable* variable);
int32_t LookUpHostVariable(HostVariable* variable);

// The root's loaded picture + 4 bytes: where the host keeps the picture's width and height.
const void* LoadedPictureSize(const StaticImage& root);

} // namespace host
