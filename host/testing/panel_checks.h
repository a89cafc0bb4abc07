// Checks every module's tests make of its exported records: the fixed words the host relies on.
#pragma once

#include "panel.h"

#include <gtest/gtest.h>

// Packed fields are read by value: a reference to one may be misaligned.
template <typename T> T ByValue(T value) {
    return value;
}

inline void ExpectLinkageOfOneGauge(const LinkageRecord& linkage, ModuleRoutine init,
                                    ModuleRoutine deinit, const GaugeHeader* gauge) {
    EXPECT_EQ(linkage.Version, 0x13);
    EXPECT_EQ(ByValue(linkage.ModuleInit), init);
    EXPECT_EQ(ByValue(linkage.ModuleDeinit), deinit);
    EXPECT_EQ(linkage.Reserved12, 0);
    EXPECT_EQ(linkage.Reserved16, 0);
    EXPECT_EQ(linkage.Reserved20, 0);
    EXPECT_EQ(ByValue(linkage.Gauges[0]), gauge);
    EXPECT_EQ(ByValue(linkage.Gauges[1]), nullptr);
}

// Before the host has loaded the module, the table waits for the host's address.
inline void ExpectImportTableUnfilled(const ImportTableRecord& table) {
    EXPECT_EQ(table.Version, 0x0F);
    EXPECT_EQ(ByValue(table.Table), nullptr);
    EXPECT_EQ(table.Reserved8, 0);
    EXPECT_EQ(table.Reserved12, 0);
}

// The header's words other than its routines, which each module's test checks itself.
inline void ExpectGaugeHeaderWords(const GaugeHeader& gauge, const char* name,
                                   ElementRecord** elements, const ElementRecord* root,
                                   int32_t defaultWidth) {
    EXPECT_EQ(gauge.Version, 0x262);
    EXPECT_STREQ(ByValue(gauge.Name), name);
    EXPECT_EQ(ByValue(gauge.Elements), elements);
    EXPECT_EQ(elements[0], root);
    EXPECT_EQ(elements[1], nullptr);
    EXPECT_EQ(gauge.Reserved40, 0);
    EXPECT_EQ(gauge.DefaultWidth, defaultWidth);
    for (int32_t word : gauge.HostWords)
        EXPECT_EQ(word, 0);
}
