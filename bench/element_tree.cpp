// The element tree of a gauge: install (pictures), update (variables, callbacks) and draw.
#include "element_tree.h"

#include <charconv>
#include <cmath>
#include <set>

namespace bench {

namespace {

// Depth-first, an element before its children; false when the tree breaks a limit.
bool CollectElements(ElementRecord* element, int depth, std::set<ElementRecord*>& seen,
                     std::vector<ElementRecord*>& order, std::string& error) {
    if (depth > MaxTreeDepth || static_cast<int>(order.size()) >= MaxTreeElements) {
        error = "element tree is deeper or larger than the bench allows";
        return false;
    }
    if (!seen.insert(element).second) {
        error = "element tree lists an element twice";
        return false;
    }
    order.push_back(element);
    ElementRecord** children = element->Children;
    if (children == nullptr)
        return true;
    for (int i = 0; children[i] != nullptr; ++i) {
        if (i >= MaxTreeElements) {
            error = "child list has no end";
            return false;
        }
        if (!CollectElements(children[i], depth + 1, seen, order, error))
            return false;
    }
    return true;
}

bool LoadBitmap(GaugeInstance& gauge, int64_t number, Bitmap8& picture) {
    std::vector<uint8_t> bytes;
    if (number < INT32_MIN || number > INT32_MAX || !gauge.Module->Pictures ||
        !gauge.Module->Pictures(static_cast<int32_t>(number), bytes)) {
        gauge.Error = "module holds no picture " + std::to_string(number);
        return false;
    }
    if (!DecodeBmp(bytes.data(), bytes.size(), picture)) {
        gauge.Error = "picture " + std::to_string(number) + " is not an 8-bit BMP";
        return false;
    }
    if (picture.Width > MaxPictureSide || picture.Height > MaxPictureSide) {
        gauge.Error = "picture " + std::to_string(number) + " is larger than the bench allows";
        return false;
    }
    return true;
}

bool LoadPicture(GaugeInstance& gauge, ElementState& state, int64_t number) {
    Bitmap8 picture;
    if (!LoadBitmap(gauge, number, picture))
        return false;
    const bool blackSeeThrough = (state.Element->DrawingFlags & 1) != 0;
    state.Pictures.push_back(ConvertPicture(picture, blackSeeThrough));
    return true;
}

bool InstallElement(GaugeInstance& gauge, ElementState& state) {
    ElementRecord* element = state.Element;
    const int64_t picture = element->Picture;
    switch (element->Kind) {
    case ElementStaticImage:
        if (!LoadPicture(gauge, state, picture))
            return false;
        state.Loaded = std::make_unique<LoadedPictureRecord>();
        state.Loaded->Width = state.Pictures[0].Width;
        state.Loaded->Height = state.Pictures[0].Height;
        reinterpret_cast<StaticImage*>(element)->LoadedPicture = state.Loaded.get();
        return true;
    case ElementSlidingImage:
        return LoadPicture(gauge, state, picture);
    case ElementIcon: {
        const int32_t count = reinterpret_cast<Icon*>(element)->PictureCount;
        if (count < 1 || count > MaxIconPictures) {
            gauge.Error = "icon picture count " + std::to_string(count) + " is out of range";
            return false;
        }
        for (int k = 0; k < count; ++k)
            if (!LoadPicture(gauge, state, picture + 3 * int64_t{k}))
                return false;
        return true;
    }
    case ElementMovingImage: {
        Bitmap8 mask;
        if (!LoadPicture(gauge, state, picture) || !LoadBitmap(gauge, picture + 3, mask))
            return false;
        state.Mask = ConvertMask(mask);
        return true;
    }
    default:
        gauge.Error = "element of unknown kind " + std::to_string(element->Kind);
        return false;
    }
}

// The host refreshes a variable: the previous value is kept, the current one read afresh.
void Refresh(HostVariable& variable) {
    const double value = variable.Value;
    variable.PreviousValue = value;
    variable.Value = VariableValue(variable.Id);
}

// An axis's value: the callback's result, or without a callback the variable itself.
double Evaluate(HostVariable& variable, ElementCallback callback) {
    Refresh(variable);
    if (callback != nullptr)
        return callback(&variable);
    return variable.Value;
}

std::string Number(double value) {
    if (std::isnan(value))
        return "nan";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void UpdateElement(ElementState& state) {
    ElementRecord* element = state.Element;
    switch (element->Kind) {
    case ElementSlidingImage: {
        auto* sliding = reinterpret_cast<SlidingImage*>(element);
        state.ValueX = Evaluate(sliding->AxisX.Variable, sliding->AxisX.Callback);
        state.ValueY = Evaluate(sliding->AxisY.Variable, sliding->AxisY.Callback);
        state.PlaceX = SlidingPosition(element->X, sliding->AxisX.Scale, state.ValueX);
        state.PlaceY = SlidingPosition(element->Y, sliding->AxisY.Scale, state.ValueY);
        break;
    }
    case ElementIcon: {
        auto* icon = reinterpret_cast<Icon*>(element);
        state.ValueX = Evaluate(icon->Variable, icon->Callback);
        state.IconPicture = IconIndex(state.ValueX, static_cast<int>(state.Pictures.size()));
        break;
    }
    case ElementMovingImage: {
        auto* moving = reinterpret_cast<MovingImage*>(element);
        state.ValueX = Evaluate(moving->AxisX.Variable, moving->AxisX.Callback);
        state.ValueY = Evaluate(moving->AxisY.Variable, moving->AxisY.Callback);
        const RgbaPicture& strip = state.Pictures[0];
        state.PlaceX = MovingShift(state.ValueX, moving->AxisX.FirstLimit,
                                   moving->AxisX.SecondLimit, state.Mask.Width, strip.Width);
        state.PlaceY = MovingShift(state.ValueY, moving->AxisY.FirstLimit,
                                   moving->AxisY.SecondLimit, state.Mask.Height, strip.Height);
        break;
    }
    default:
        break;
    }
}

std::string TraceLine(const GaugeInstance& gauge, const ElementState& state) {
    std::string line = "tick " + std::to_string(Host().Tick) + " gauge " +
                       std::to_string(gauge.Number) + " element " + std::to_string(state.Number);
    const std::string at = std::to_string(state.PlaceX) + " " + std::to_string(state.PlaceY);
    switch (state.Element->Kind) {
    case ElementSlidingImage:
        return line + " sliding x " + Number(state.ValueX) + " y " + Number(state.ValueY) + " at " +
               at;
    case ElementIcon: {
        const int64_t shown = int64_t{state.Element->Picture} + 3 * int64_t{state.IconPicture};
        return line + " icon " + Number(state.ValueX) + " picture " +
               (state.IconPicture < 0 ? std::string("none") : std::to_string(shown));
    }
    case ElementMovingImage:
        return line + " moving x " + Number(state.ValueX) + " y " + Number(state.ValueY) +
               " shift " + at;
    default:
        return {};
    }
}

} // namespace

void InstallTree(GaugeInstance& gauge, ElementRecord* root) {
    if (root == nullptr || gauge.Installed)
        return;
    std::vector<ElementRecord*> order;
    std::set<ElementRecord*> seen;
    if (!CollectElements(root, 0, seen, order, gauge.Error))
        return;
    gauge.Elements.clear();
    gauge.Elements.resize(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
        gauge.Elements[i].Element = order[i];
        gauge.Elements[i].Number = static_cast<int>(i);
        if (!InstallElement(gauge, gauge.Elements[i])) {
            KillTree(gauge);
            return;
        }
    }
    gauge.Root = root;
    gauge.Installed = true;
    gauge.PictureWidth = gauge.Elements[0].Pictures[0].Width;
    gauge.PictureHeight = gauge.Elements[0].Pictures[0].Height;
}

void UpdateTree(GaugeInstance& gauge) {
    for (ElementState& state : gauge.Elements) {
        UpdateElement(state);
        if (Host().Trace != nullptr && state.Element->Kind != ElementStaticImage)
            Host().Trace->push_back(TraceLine(gauge, state));
    }
}

void DrawTree(const GaugeInstance& gauge) {
    for (const ElementState& state : gauge.Elements) {
        const ElementRecord* element = state.Element;
        switch (element->Kind) {
        case ElementStaticImage:
            DrawPicture(gauge.Target, state.Pictures[0], element->X, element->Y);
            break;
        case ElementSlidingImage:
            DrawPicture(gauge.Target, state.Pictures[0], state.PlaceX, state.PlaceY);
            break;
        case ElementIcon:
            if (state.IconPicture >= 0)
                DrawPicture(gauge.Target, state.Pictures[state.IconPicture], element->X,
                            element->Y);
            break;
        case ElementMovingImage:
            DrawMovingImage(gauge.Target, state.Pictures[0], state.Mask, element->X, element->Y,
                            state.PlaceX, state.PlaceY);
            break;
        default:
            break;
        }
    }
}

void KillTree(GaugeInstance& gauge) {
    for (ElementState& state : gauge.Elements) {
        if (state.Loaded == nullptr)
            continue;
        auto* image = reinterpret_cast<StaticImage*>(state.Element);
        if (image->LoadedPicture == state.Loaded.get())
            image->LoadedPicture = nullptr;
    }
    gauge.Elements.clear();
    gauge.Root = nullptr;
    gauge.Installed = false;
}

} // namespace bench
