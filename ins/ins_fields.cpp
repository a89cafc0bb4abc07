// Named access to the fields of the shared INS records.
#include "ins_fields.h"

#include "whole_number.h"

#include <cstring>

namespace {

#define INS_FIELD(name, type)                                                                      \
    { #name, false, offsetof(InsState, name), FieldType::type }

void AddArray(std::vector<FieldRef>& fields, const char* name, size_t offset) {
    for (int k = 0; k < WaypointCount; ++k)
        fields.push_back({std::string(name) + "[" + std::to_string(k) + "]", false,
                          offset + sizeof(double) * k, FieldType::Double});
}

std::vector<FieldRef> MakeFields() {
    std::vector<FieldRef> fields;
    AddArray(fields, "WptLat", offsetof(InsState, WptLat));
    AddArray(fields, "WptLon", offsetof(InsState, WptLon));
    AddArray(fields, "WptNorth", offsetof(InsState, WptNorth));
    AddArray(fields, "WptEast", offsetof(InsState, WptEast));
    const FieldRef scalars[] = {
        INS_FIELD(WptIndex, Int32),      INS_FIELD(DataSelector, Int32),
        INS_FIELD(InsertActive, Int32),  INS_FIELD(HoldActive, Int32),
        INS_FIELD(ModeSelector, Int32),  INS_FIELD(TrackChangeActive, Int32),
        INS_FIELD(FromWpt, Int32),       INS_FIELD(ToWpt, Int32),
        INS_FIELD(XtkSide, Int32),       INS_FIELD(CrossTrack, Double),
        INS_FIELD(StatusCode, Int32),    INS_FIELD(DesiredTrack, Int32),
        INS_FIELD(DistanceToGo, Double), INS_FIELD(PresentLat, Double),
        INS_FIELD(PresentLon, Double),   INS_FIELD(PresentEast, Int32),
        INS_FIELD(PresentNorth, Int32),
    };
    fields.insert(fields.end(), std::begin(scalars), std::end(scalars));
    fields.push_back({"TkeReference", true, offsetof(InsTransfer, TkeReference), FieldType::Int32});
    return fields;
}

#undef INS_FIELD

unsigned char* Base(const FieldRef& field, InsState& ins, InsTransfer& transfer) {
    return field.InTransfer ? reinterpret_cast<unsigned char*>(&transfer)
                            : reinterpret_cast<unsigned char*>(&ins);
}

} // namespace

const std::vector<FieldRef>& AllFields() {
    static const std::vector<FieldRef> fields = MakeFields();
    return fields;
}

const FieldRef* FindField(const std::string& name) {
    for (const FieldRef& field : AllFields())
        if (field.Name == name)
            return &field;
    return nullptr;
}

bool IsNavigationSourceField(const FieldRef& field) {
    static const char* const owned[] = {"XtkSide",      "CrossTrack",  "StatusCode", "DesiredTrack",
                                        "DistanceToGo", "PresentLat",  "PresentLon", "PresentEast",
                                        "PresentNorth", "TkeReference"};
    for (const char* name : owned)
        if (field.Name == name)
            return true;
    return false;
}

// The records may be shared memory: each field moves as one load or store.
double ReadField(const FieldRef& field, const InsState& ins, const InsTransfer& transfer) {
    unsigned char* base =
        Base(field, const_cast<InsState&>(ins), const_cast<InsTransfer&>(transfer));
    if (field.Type == FieldType::Int32)
        return ReadShared(*reinterpret_cast<int32_t*>(base + field.Offset));
    return ReadShared(*reinterpret_cast<double*>(base + field.Offset));
}

void WriteField(const FieldRef& field, double value, InsState& ins, InsTransfer& transfer) {
    unsigned char* base = Base(field, ins, transfer);
    if (field.Type == FieldType::Int32)
        WriteShared(*reinterpret_cast<int32_t*>(base + field.Offset), WholeNumber(value));
    else
        WriteShared(*reinterpret_cast<double*>(base + field.Offset), value);
}
