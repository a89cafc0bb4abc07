// The bench as a navigation source: the shared INS records, opened once and kept open.
#include "ins_source.h"

#include "shared_block.h"

namespace bench {
namespace {

struct SharedRecords {
    InsState* Ins = nullptr;
    InsTransfer* Transfer = nullptr;
};

// Kept for the life of the process, as the gauge keeps its own views: where blocks vanish with
// their last user, the bench's views keep the state alive between gauge instances.
SharedRecords& Records() {
    static SharedRecords records = [] {
        SharedRecords opened;
        opened.Ins = static_cast<InsState*>(
            MapSharedBlock(CreateSharedBlock(sizeof(InsState), InsStateBlockName)));
        opened.Transfer = static_cast<InsTransfer*>(
            MapSharedBlock(CreateSharedBlock(sizeof(InsTransfer), InsTransferBlockName)));
        return opened;
    }();
    return records;
}

} // namespace

bool WriteInsField(const FieldRef& field, double value) {
    SharedRecords& records = Records();
    if (records.Ins == nullptr || records.Transfer == nullptr)
        return false;
    WriteField(field, value, *records.Ins, *records.Transfer);
    return true;
}

} // namespace bench
