// VELDRA's gauge routines: thin calls into the host, plus the shared blocks and the click.
//
// Every instance of the gauge in a process runs on one module-wide state. Instances are
// counted: the first install maps the shared blocks and the first initialize sets up the click;
// only the last kill releases them, so killing one instance never pulls memory or sound from
// under another. The blocks themselves are never removed, so a later install finds InsState as
// it was left.
#include "veldra_lifecycle.h"

#include "active_window.h"
#include "click.h"
#include "host_calls.h"
#include "host_variables.h"
#include "ins_state.h"
#include "panel_tables.h"
#include "shared_block.h"
#include "sound_player.h"

#include <string>

int32_t ClickSoundHandle = 0;

namespace {

int LiveInstances = 0;
bool SoundSetUp = false;
void* InsView = nullptr;
void* TransferView = nullptr;
std::string InsBlockName = InsStateBlockName;
std::string TransferBlockName = InsTransferBlockName;

// Where a block cannot be opened, sized or mapped, the gauge keeps working on its own records.
InsState FallbackIns{};
InsTransfer FallbackTransfer{};

void* OpenAndMap(const std::string& name, uint32_t size) {
    return MapSharedBlock(CreateSharedBlock(size, name.c_str()));
}

void MapSharedRecords() {
    InsView = OpenAndMap(InsBlockName, sizeof(InsState));
    TransferView = OpenAndMap(TransferBlockName, sizeof(InsTransfer));
    SharedIns = InsView != nullptr ? static_cast<InsState*>(InsView) : &FallbackIns;
    SharedTransfer =
        TransferView != nullptr ? static_cast<InsTransfer*>(TransferView) : &FallbackTransfer;
}

void UnmapSharedRecords() {
    UnmapSharedBlock(InsView);
    UnmapSharedBlock(TransferView);
    InsView = TransferView = nullptr;
    // Nothing runs between the last kill and the next install, but no pointer may dangle.
    SharedIns = &FallbackIns;
    SharedTransfer = &FallbackTransfer;
}

ElementRecord* Root() {
    return VeldraElementList[0];
}

} // namespace

void PlayClick() {
    StartSound(ClickSoundHandle);
}

int32_t PANEL_CALL VeldraQuery() {
    return host::QueryElementList(Root());
}

void PANEL_CALL VeldraInstall(uintptr_t argument) {
    if (LiveInstances++ == 0)
        MapSharedRecords();
    host::InstallElementList(Root(), argument);
    host::InstallMouseAreas(VeldraMouseAreas, &VeldraGaugeHeader,
                            host::LoadedPictureSize(VeldraBackground));
    host::RegisterMouseAreas(VeldraMouseAreas, &VeldraGaugeHeader);
}

void PANEL_CALL VeldraInitialize() {
    host::InitializeElementList(Root());
    if (!SoundSetUp) {
        SoundSetUp = true;
        ClickSoundHandle = CreateSound(ActiveWindow(), ClickSoundPath);
    }
    BindHostVariables();
}

void PANEL_CALL VeldraUpdate() {
    host::UpdateElementList(Root());
}

void PANEL_CALL VeldraGenerate(uint32_t phase) {
    host::GenerateElementList(Root(), phase);
}

void PANEL_CALL VeldraDraw() {
    host::DrawElementList(Root());
}

void PANEL_CALL VeldraKill() {
    if (LiveInstances > 0 && --LiveInstances == 0) {
        ReleaseSound(ClickSoundHandle);
        ClickSoundHandle = 0;
        SoundSetUp = false;
        UnmapSharedRecords();
    }
    host::UnregisterMouseAreas(VeldraMouseAreas, &VeldraGaugeHeader);
    host::KillElementList(Root());
}

int LiveInstanceCount() {
    return LiveInstances;
}

bool SharedRecordsMapped() {
    return InsView != nullptr && TransferView != nullptr;
}

void UseSharedBlockNames(const char* insStateName, const char* insTransferName) {
    InsBlockName = insStateName;
    TransferBlockName = insTransferName;
}
