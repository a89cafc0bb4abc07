// The twelve host services that modules call through their ImportTable, and click dispatch.
#include "element_tree.h"
#include "gauge_instance.h"

#include <algorithm>

namespace bench {

namespace {

inline constexpr int MaxMouseAreas = 4096;
inline constexpr uint32_t ClickEvent = 0x20000000; // a left-button click

// Each service works on the gauge that the bench is driving, and only on the root it installed.
GaugeInstance* CurrentFor(ElementRecord* root) {
    GaugeInstance* gauge = Host().Current;
    if (gauge == nullptr || root == nullptr)
        return nullptr;
    if (gauge->Installed && gauge->Root != root)
        return nullptr;
    return gauge;
}

int32_t PANEL_CALL QueryElementList(ElementRecord* root) {
    return CurrentFor(root) != nullptr ? 1 : 0;
}

int32_t PANEL_CALL InstallElementList(ElementRecord* root, uintptr_t) {
    GaugeInstance* gauge = CurrentFor(root);
    if (gauge == nullptr)
        return 0;
    InstallTree(*gauge, root);
    return gauge->Installed ? 1 : 0;
}

int32_t PANEL_CALL InitializeElementList(ElementRecord* root) {
    GaugeInstance* gauge = CurrentFor(root);
    return gauge != nullptr && gauge->Installed ? 1 : 0;
}

int32_t PANEL_CALL UpdateElementList(ElementRecord* root) {
    GaugeInstance* gauge = CurrentFor(root);
    if (gauge == nullptr || !gauge->Installed)
        return 0;
    UpdateTree(*gauge);
    return 1;
}

int32_t PANEL_CALL GenerateElementList(ElementRecord* root, uint32_t) {
    GaugeInstance* gauge = CurrentFor(root);
    return gauge != nullptr && gauge->Installed ? 1 : 0;
}

int32_t PANEL_CALL DrawElementList(ElementRecord* root) {
    GaugeInstance* gauge = CurrentFor(root);
    if (gauge == nullptr || !gauge->Installed || gauge->Target.Pixels == nullptr)
        return 0;
    DrawTree(*gauge);
    return 1;
}

int32_t PANEL_CALL KillElementList(ElementRecord* root) {
    GaugeInstance* gauge = CurrentFor(root);
    if (gauge == nullptr || !gauge->Installed)
        return 0;
    KillTree(*gauge);
    return 1;
}

// The size that the module hands back must be one of this gauge's loaded-picture records.
bool SizeFromLoadedPicture(const GaugeInstance& gauge, const void* picturePlus4, int& width,
                           int& height) {
    for (const ElementState& state : gauge.Elements) {
        if (state.Loaded == nullptr)
            continue;
        const void* expected = reinterpret_cast<const unsigned char*>(state.Loaded.get()) + 4;
        if (expected == picturePlus4) {
            width = state.Loaded->Width;
            height = state.Loaded->Height;
            return true;
        }
    }
    return false;
}

int32_t PANEL_CALL InstallMouseAreas(MouseArea* areas, GaugeHeader*, const void* picturePlus4) {
    GaugeInstance* gauge = Host().Current;
    if (gauge == nullptr || areas == nullptr)
        return 0;
    int width = gauge->PictureWidth;
    int height = gauge->PictureHeight;
    SizeFromLoadedPicture(*gauge, picturePlus4, width, height);
    gauge->AreaWidth = width;
    gauge->AreaHeight = height;
    return 1;
}

int32_t PANEL_CALL RegisterMouseAreas(MouseArea* areas, GaugeHeader*) {
    GaugeInstance* gauge = Host().Current;
    if (gauge == nullptr || areas == nullptr)
        return 0;
    auto& lists = gauge->MouseLists;
    if (std::find(lists.begin(), lists.end(), areas) == lists.end())
        lists.push_back(areas);
    return 1;
}

int32_t PANEL_CALL UnregisterMouseAreas(MouseArea* areas, GaugeHeader*) {
    GaugeInstance* gauge = Host().Current;
    if (gauge == nullptr)
        return 0;
    auto& lists = gauge->MouseLists;
    lists.erase(std::remove(lists.begin(), lists.end(), areas), lists.end());
    return 1;
}

int32_t PANEL_CALL RefreshHostVariable(HostVariable* variable) {
    if (variable == nullptr)
        return 0;
    const double value = variable->Value;
    variable->PreviousValue = value;
    variable->Value = VariableValue(variable->Id);
    return 1;
}

HostFunctionTable MakeServiceTable() {
    HostFunctionTable table{};
    table.QueryElementList = QueryElementList;
    table.InstallElementList = InstallElementList;
    table.InitializeElementList = InitializeElementList;
    table.UpdateElementList = UpdateElementList;
    table.GenerateElementList = GenerateElementList;
    table.DrawElementList = DrawElementList;
    table.KillElementList = KillElementList;
    table.InstallMouseAreas = InstallMouseAreas;
    table.RegisterMouseAreas = RegisterMouseAreas;
    table.UnregisterMouseAreas = UnregisterMouseAreas;
    table.InitializeHostVariable = RefreshHostVariable;
    table.LookUpHostVariable = RefreshHostVariable;
    return table;
}

bool Inside(const MouseArea& area, double x, double y) {
    const double left = area.X;
    const double top = area.Y;
    return x >= left && y >= top && x < left + area.Width && y < top + area.Height;
}

} // namespace

HostState& Host() {
    static HostState state;
    return state;
}

HostFunctionTable* ServiceTable() {
    static HostFunctionTable table = MakeServiceTable();
    return &table;
}

double VariableValue(int32_t id) {
    if (id == TickCounterVariable)
        return static_cast<double>(Host().Tick);
    const auto* variables = Host().Variables;
    if (variables == nullptr)
        return 0.0;
    const auto found = variables->find(id);
    return found == variables->end() ? 0.0 : found->second;
}

bool DispatchClick(GaugeInstance& gauge, double x, double y) {
    // A handler may unregister lists while it runs, so the walk uses a copy.
    const std::vector<MouseArea*> lists = gauge.MouseLists;
    for (MouseArea* list : lists) {
        for (int i = 0; i < MaxMouseAreas && list[i].Type != MouseAreaEnd; ++i) {
            const MouseArea& area = list[i];
            if (area.Type != MouseAreaChild || !Inside(area, x, y))
                continue;
            const MouseHandler handler = area.Handler;
            if (handler == nullptr)
                return false;
            handler(0, ClickEvent);
            return true;
        }
    }
    return false;
}

} // namespace bench
