// VELDRA's gauge routines, shared-memory set-up and click sound, shared by every instance.
#pragma once

#include "panel.h"

#include <cstdint>

int32_t PANEL_CALL VeldraQuery();
void PANEL_CALL VeldraInstall(uintptr_t argument);
void PANEL_CALL VeldraInitialize();
void PANEL_CALL VeldraUpdate();
void PANEL_CALL VeldraGenerate(uint32_t phase);
void PANEL_CALL VeldraDraw();
void PANEL_CALL VeldraKill();

inline constexpr char ClickSoundPath[] = ".\\Sound\\TORV_Click1.wav";

// The click every control plays; 0 while no sound is set up.
extern int32_t ClickSoundHandle;

// Instances installed and not yet killed.
int LiveInstanceCount();

// True while InsState and InsTransfer are views of the named blocks (not private fallbacks).
bool SharedRecordsMapped();

// Tests in one process give the blocks names of their own, so that they start from fresh
// zero-filled objects. The names stay in force until changed; call before the first install.
void UseSharedBlockNames(const char* insStateName, const char* insTransferName);
