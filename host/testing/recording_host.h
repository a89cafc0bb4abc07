// A host for tests: a service table that records every call and serves simulator values.
#pragma once

#include "panel.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

struct RecordedCall {
    std::string Service;
    uintptr_t First = 0;  // first argument (a record's address, or a variable id for variables)
    uintptr_t Second = 0; // second argument, if any
    uintptr_t Third = 0;

    bool operator==(const RecordedCall&) const = default;
};

// How GoogleTest prints a call in a failure message.
void PrintTo(const RecordedCall& call, std::ostream* out);

// Installs itself in ImportTable.Table while alive. One at a time.
class RecordingHost {
  public:
    RecordingHost();
    ~RecordingHost();
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    // Values that LookUpHostVariable stores into a variable, by id (missing ids read 0).
    std::map<int32_t, double> Values;
    std::vector<RecordedCall> Calls;
    // What QueryElementList answers, so a test can see a routine pass it on.
    int32_t QueryResult = 1;

    // The ids passed to LookUpHostVariable, in order.
    std::vector<int32_t> LookedUpIds() const;
    // The ids passed to InitializeHostVariable, in order.
    std::vector<int32_t> InitializedIds() const;
    // The service names in call order.
    std::vector<std::string> ServiceNames() const;

    HostFunctionTable Table{};
};
