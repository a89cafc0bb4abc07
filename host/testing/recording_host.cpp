// A recording host service table for tests.
#include "recording_host.h"

#include "host_calls.h"

namespace {

RecordingHost* Current = nullptr;

uintptr_t Address(const void* p) {
    return reinterpret_cast<uintptr_t>(p);
}

void Record(const char* service, uintptr_t a, uintptr_t b = 0, uintptr_t c = 0) {
    if (Current != nullptr)
        Current->Calls.push_back({service, a, b, c});
}

int32_t PANEL_CALL Query(ElementRecord* root) {
    Record("QueryElementList", Address(root));
    return Current != nullptr ? Current->QueryResult : 1;
}
int32_t PANEL_CALL Install(ElementRecord* root, uintptr_t argument) {
    Record("InstallElementList", Address(root), argument);
    return 1;
}
int32_t PANEL_CALL Initialize(ElementRecord* root) {
    Record("InitializeElementList", Address(root));
    return 1;
}
int32_t PANEL_CALL Update(ElementRecord* root) {
    Record("UpdateElementList", Address(root));
    return 1;
}
int32_t PANEL_CALL Generate(ElementRecord* root, uint32_t phase) {
    Record("GenerateElementList", Address(root), phase);
    return 1;
}
int32_t PANEL_CALL Draw(ElementRecord* root) {
    Record("DrawElementList", Address(root));
    return 1;
}
int32_t PANEL_CALL Kill(ElementRecord* root) {
    Record("KillElementList", Address(root));
    return 1;
}
int32_t PANEL_CALL InstallAreas(MouseArea* areas, GaugeHeader* gauge, const void* size) {
    Record("InstallMouseAreas", Address(areas), Address(gauge), Address(size));
    return 1;
}
int32_t PANEL_CALL RegisterAreas(MouseArea* areas, GaugeHeader* gauge) {
    Record("RegisterMouseAreas", Address(areas), Address(gauge));
    return 1;
}
int32_t PANEL_CALL UnregisterAreas(MouseArea* areas, GaugeHeader* gauge) {
    Record("UnregisterMouseAreas", Address(areas), Address(gauge));
    return 1;
}
int32_t PANEL_CALL InitializeVariable(HostVariable* variable) {
    Record("InitializeHostVariable", static_cast<uintptr_t>(variable->Id));
    return 1;
}
int32_t PANEL_CALL LookUpVariable(HostVariable* variable) {
    Record("LookUpHostVariable", static_cast<uintptr_t>(variable->Id));
    if (Current != nullptr) {
        const auto found = Current->Values.find(variable->Id);
        variable->Value = found == Current->Values.end() ? 0.0 : found->second;
    }
    return 1;
}

std::vector<int32_t> IdsOf(const std::vector<RecordedCall>& calls, const std::string& service) {
    std::vector<int32_t> ids;
    for (const RecordedCall& call : calls)
        if (call.Service == service)
            ids.push_back(static_cast<int32_t>(call.First));
    return ids;
}

} // namespace

void PrintTo(const RecordedCall& call, std::ostream* out) {
    *out << call.Service << "(0x" << std::hex << call.First << ", 0x" << call.Second << ", 0x"
         << call.Third << std::dec << ")";
}

RecordingHost::RecordingHost() {
    Table.QueryElementList = Query;
    Table.InstallElementList = Install;
    Table.InitializeElementList = Initialize;
    Table.UpdateElementList = Update;
    Table.GenerateElementList = Generate;
    Table.DrawElementList = Draw;
    Table.KillElementList = Kill;
    Table.InstallMouseAreas = InstallAreas;
    Table.RegisterMouseAreas = RegisterAreas;
    Table.UnregisterMouseAreas = UnregisterAreas;
    Table.InitializeHostVariable = InitializeVariable;
    Table.LookUpHostVariable = LookUpVariable;
    Current = this;
    ImportTable.Table = &Table;
}

RecordingHost::~RecordingHost() {
    ImportTable.Table = nullptr;
    Current = nullptr;
}

std::vector<int32_t> RecordingHost::LookedUpIds() const {
    return IdsOf(Calls, "LookUpHostVariable");
}

std::vector<int32_t> RecordingHost::InitializedIds() const {
    return IdsOf(Calls, "InitializeHostVariable");
}

std::vector<std::string> RecordingHost::ServiceNames() const {
    std::vector<std::string> names;
    for (const RecordedCall& call : Calls)
        names.push_back(call.Service);
    return names;
}
