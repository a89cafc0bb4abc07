// A gauge assembled by a test, driven through the bench's services like a module.
#include "test_gauge.h"

namespace testing_gauge {

std::vector<int> Hits;

namespace {

TestGauge* Active = nullptr;

int32_t PANEL_CALL Query() {
    return host::QueryElementList(Active->Root);
}

void PANEL_CALL Install(uintptr_t argument) {
    host::InstallElementList(Active->Root, argument);
    const auto* root = reinterpret_cast<StaticImage*>(Active->Root);
    for (MouseArea* list : Active->Lists) {
        host::InstallMouseAreas(list, &Active->Header, host::LoadedPictureSize(*root));
        host::RegisterMouseAreas(list, &Active->Header);
    }
}

void PANEL_CALL Initialize() {
    host::InitializeElementList(Active->Root);
}
void PANEL_CALL Update() {
    host::UpdateElementList(Active->Root);
}
void PANEL_CALL Generate(uint32_t phase) {
    host::GenerateElementList(Active->Root, phase);
}
void PANEL_CALL Draw() {
    host::DrawElementList(Active->Root);
}
void PANEL_CALL Kill() {
    for (MouseArea* list : Active->Lists)
        host::UnregisterMouseAreas(list, &Active->Header);
    host::KillElementList(Active->Root);
}

ElementRecord Header(int kind, int32_t picture, int x, int y, int flags) {
    ElementRecord header{};
    header.Kind = kind;
    header.Picture = picture;
    header.X = x;
    header.Y = y;
    header.DrawingFlags = flags;
    return header;
}

} // namespace

int32_t PANEL_CALL ParentOrEndHandler(uint32_t, uint32_t) {
    Hits.push_back(100);
    return 0;
}

int32_t PANEL_CALL UnregisteringHandler(uint32_t, uint32_t) {
    Hits.push_back(9);
    host::UnregisterMouseAreas(Active->Lists.at(1), &Active->Header);
    return 0;
}

double PANEL_CALL PassThrough(HostVariable* variable) {
    return variable->Value;
}

MouseArea Area(MouseAreaType type, int x, int y, int width, int height, MouseHandler handler) {
    MouseArea area{};
    area.Type = type;
    area.X = x;
    area.Y = y;
    area.Width = width;
    area.Height = height;
    area.Handler = handler;
    return area;
}

TestGauge::TestGauge() {
    Active = this;
    Hits.clear();
    Header.Version = GaugeHeaderVersion;
    Header.Name = "TestGauge";
    Header.Elements = ElementList;
    Header.Query = Query;
    Header.Install = Install;
    Header.Initialize = Initialize;
    Header.Update = Update;
    Header.Generate = Generate;
    Header.Draw = Draw;
    Header.Kill = Kill;
    Linkage.Version = LinkageVersion;
    Linkage.Gauges[0] = &Header;
}

TestGauge::~TestGauge() {
    Active = nullptr;
}

void TestGauge::AddPicture(int32_t number, const Bitmap8& picture) {
    Pictures[number] = EncodeBmp(picture);
}

bool TestGauge::AddTo(bench::Bench& bench, int x, int y, int width, std::string& error) {
    ElementList[0] = Root;
    auto lookup = [this](int32_t number, std::vector<uint8_t>& bytes) {
        const auto found = Pictures.find(number);
        if (found == Pictures.end())
            return false;
        bytes = found->second;
        return true;
    };
    return bench.AddGauge(&Linkage, &ImportTable, lookup, x, y, width, error);
}

StaticImage MakeStatic(int32_t picture, int x, int y, int flags) {
    StaticImage image{};
    image.Header = Header(ElementStaticImage, picture, x, y, flags);
    return image;
}

SlidingImage MakeSliding(int32_t picture, int x, int y, int flags, int32_t variableX, double scaleX,
                         int32_t variableY, double scaleY) {
    SlidingImage image{};
    image.Header = Header(ElementSlidingImage, picture, x, y, flags);
    image.AxisX.Variable.Id = variableX;
    image.AxisX.Callback = PassThrough;
    image.AxisX.Scale = scaleX;
    image.AxisY.Variable.Id = variableY;
    image.AxisY.Callback = PassThrough;
    image.AxisY.Scale = scaleY;
    return image;
}

Icon MakeIcon(int32_t picture, int x, int y, int flags, int32_t variable, int32_t count) {
    Icon icon{};
    icon.Header = Header(ElementIcon, picture, x, y, flags);
    icon.Variable.Id = variable;
    icon.Callback = PassThrough;
    icon.Unit = 1.0;
    icon.PictureCount = count;
    return icon;
}

MovingImage MakeMoving(int32_t picture, int x, int y, int flags, int32_t variableX, double firstX,
                       double secondX, int32_t variableY, double firstY, double secondY) {
    MovingImage image{};
    image.Header = Header(ElementMovingImage, picture, x, y, flags);
    image.AxisX.Variable.Id = variableX;
    image.AxisX.Callback = PassThrough;
    image.AxisX.FirstLimit = firstX;
    image.AxisX.SecondLimit = secondX;
    image.AxisY.Variable.Id = variableY;
    image.AxisY.Callback = PassThrough;
    image.AxisY.FirstLimit = firstY;
    image.AxisY.SecondLimit = secondY;
    return image;
}

void SetChildren(ElementRecord& parent, ElementRecord** nullEndedChildren) {
    parent.Children = nullEndedChildren;
}

Bitmap8 SolidPicture(int width, int height, PaletteColour colour) {
    Bitmap8 picture(width, height, 1);
    picture.Palette[1] = colour;
    return picture;
}

} // namespace testing_gauge
