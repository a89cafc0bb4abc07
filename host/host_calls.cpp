// The module's ImportTable, and guarded calls through the host's service table.
#include "host_calls.h"

PANEL_EXPORT ImportTableRecord ImportTable = {ImportTableVersion, nullptr, 0, 0};

namespace host {
namespace {

template <typename Service, typename... Args>
int32_t Call(Service HostFunctionTable::*slot, Args... args) {
    HostFunctionTable* table = ImportTable.Table;
    if (table == nullptr || table->*slot == nullptr)
        return 0;
    return (table->*slot)(args...);
}

} // namespace

HostFunctionTable* Services() {
    return ImportTable.Table;
}

int32_t QueryElementList(ElementRecord* root) {
    return Call(&HostFunctionTable::QueryElementList, root);
}
int32_t InstallElementList(ElementRecord* root, uintptr_t argument) {
    return Call(&HostFunctionTable::InstallElementList, root, argument);
}
int32_t InitializeElementList(ElementRecord* root) {
    return Call(&HostFunctionTable::InitializeElementList, root);
}
int32_t UpdateElementList(ElementRecord* root) {
    return Call(&HostFunctionTable::UpdateElementList, root);
}
int32_t GenerateElementList(ElementRecord* root, uint32_t phase) {
    return Call(&HostFunctionTable::GenerateElementList, root, phase);
}
int32_t DrawElementList(ElementRecord* root) {
    return Call(&HostFunctionTable::DrawElementList, root);
}
int32_t KillElementList(ElementRecord* root) {
    return Call(&HostFunctionTable::KillElementList, root);
}
int32_t InstallMouseAreas(MouseArea* areas, GaugeHeader* gauge, const void* picturePlus4) {
    return Call(&HostFunctionTable::InstallMouseAreas, areas, gauge, picturePlus4);
}
int32_t RegisterMouseAreas(MouseArea* areas, GaugeHeader* gauge) {
    return Call(&HostFunctionTable::RegisterMouseAreas, areas, gauge);
}
int32_t UnregisterMouseAreas(MouseArea* areas, GaugeHeader* gauge) {
    return Call(&HostFunctionTable::UnregisterMouseAreas, areas, gauge);
}
int32_t InitializeHostVariable(HostVariable* variable) {
    return Call(&HostFunctionTable::InitializeHostVariable, variable);
}
int32_t LookUpHostVariable(HostVariable* variable) {
    return Call(&HostFunctionTable::LookUpHostVariable, variable);
}

const void* LoadedPictureSize(const StaticImage& root) {
    if (root.LoadedPicture == nullptr)
        return nullptr;
    return static_cast<const unsigned char*>(root.LoadedPicture) + 4;
}

} // namespace host
