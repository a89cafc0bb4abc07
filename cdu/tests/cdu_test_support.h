// What the CDU tests share: a counting click, a fixture that gives every test a fresh load of
// the module, and a way to press a control.
#pragma once

#include "display_callbacks.h"
#include "host_variables.h"
#include "ins_state.h"
#include "panel.h"

#include <gtest/gtest.h>

// Clicks played since the fixture's set-up.
extern int ClickCount;

class CduTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetModuleRecords();
        ResetHostVariables();
        ResetDisplayCallbackState();
        ClickCount = 0;
    }
    void TearDown() override { ResetModuleRecords(); }

    static InsState& Ins() { return *SharedIns; }
};

// Calls a handler as the host does and checks its result.
inline void Press(MouseHandler handler) {
    EXPECT_EQ(handler(0x1234u, 0xFFFFFFFFu), 0);
}

// Calls a callback with a variable holding the given value.
inline double Call(ElementCallback callback, double value = 0.0) {
    HostVariable variable{};
    variable.Value = value;
    return callback(&variable);
}
