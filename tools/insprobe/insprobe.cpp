// insprobe: reads and writes VELDRA's shared records by field name from outside the simulator,
// as a navigation source would; also holds the blocks open for platforms where they vanish
// with their last user.
#include "ins_fields.h"
#include "shared_block.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

struct Records {
    InsState* Ins = nullptr;
    InsTransfer* Transfer = nullptr;
};

bool OpenRecords(const std::string& insName, const std::string& transferName, Records& records) {
    records.Ins = static_cast<InsState*>(
        MapSharedBlock(CreateSharedBlock(sizeof(InsState), insName.c_str())));
    records.Transfer = static_cast<InsTransfer*>(
        MapSharedBlock(CreateSharedBlock(sizeof(InsTransfer), transferName.c_str())));
    if (records.Ins == nullptr || records.Transfer == nullptr) {
        std::fprintf(stderr, "insprobe: cannot open the shared blocks \"%s\" and \"%s\"\n",
                     insName.c_str(), transferName.c_str());
        return false;
    }
    return true;
}

const FieldRef* Field(const std::string& name) {
    const FieldRef* field = FindField(name);
    if (field == nullptr)
        std::fprintf(stderr, "insprobe: unknown field \"%s\" (see insprobe list)\n", name.c_str());
    return field;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Reads and writes the fields of VELDRA's shared INS records by name."};
    std::string insName = InsStateBlockName;
    std::string transferName = InsTransferBlockName;
    app.add_option("--ins-block", insName, "Name of the InsState block")->capture_default_str();
    app.add_option("--transfer-block", transferName, "Name of the InsTransfer block")
        ->capture_default_str();
    app.require_subcommand(1);

    std::vector<std::string> getNames;
    auto* get = app.add_subcommand("get", "Print fields, one value a line");
    get->add_option("fields", getNames, "Field names, e.g. WptLat[3] DistanceToGo")->required();

    std::vector<std::string> assignments;
    auto* set = app.add_subcommand("set", "Write fields: NAME VALUE [NAME VALUE ...]");
    set->add_option("pairs", assignments, "Field names and values")->required();

    app.add_subcommand("list", "Print every field with its value");

    double holdSeconds = 0;
    auto* hold = app.add_subcommand("hold", "Keep the blocks open for a while");
    hold->add_option("seconds", holdSeconds, "How long")->required()->check(CLI::Range(0, 3600));

    CLI11_PARSE(app, argc, argv);

    Records records;
    if (!OpenRecords(insName, transferName, records))
        return 1;
    if (*get) {
        for (const std::string& name : getNames) {
            const FieldRef* field = Field(name);
            if (field == nullptr)
                return 2;
            std::printf("%.17g\n", ReadField(*field, *records.Ins, *records.Transfer));
        }
    } else if (*set) {
        if (assignments.size() % 2 != 0) {
            std::fprintf(stderr, "insprobe: set takes NAME VALUE pairs\n");
            return 2;
        }
        for (size_t i = 0; i < assignments.size(); i += 2) {
            const FieldRef* field = Field(assignments[i]);
            if (field == nullptr)
                return 2;
            char* end = nullptr;
            const double value = std::strtod(assignments[i + 1].c_str(), &end);
            if (end == assignments[i + 1].c_str() || *end != '\0') {
                std::fprintf(stderr, "insprobe: \"%s\" is not a number\n",
                             assignments[i + 1].c_str());
                return 2;
            }
            WriteField(*field, value, *records.Ins, *records.Transfer);
        }
    } else if (*hold) {
        std::this_thread::sleep_for(std::chrono::duration<double>(holdSeconds));
    } else {
        for (const FieldRef& field : AllFields())
            std::printf("%-18s %.17g\n", field.Name.c_str(),
                        ReadField(field, *records.Ins, *records.Transfer));
    }
    UnmapSharedBlock(records.Ins);
    UnmapSharedBlock(records.Transfer);
    return 0;
}
