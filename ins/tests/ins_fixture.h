// A fresh module load for each test: load values, private zero-filled shared records, a host.
#pragma once

#include "host_variables.h"
#include "ins_state.h"
#include "recording_host.h"

#include <gtest/gtest.h>

class InsTest : public ::testing::Test {
  protected:
    InsTest() {
        ResetModuleRecords();
        ResetHostVariables();
    }

    InsState& Ins() { return *SharedIns; }
    InsTransfer& Transfer() { return *SharedTransfer; }

    RecordingHost Host;
};
