#pragma once
#include <gtest/gtest.h>

#include "app/ModeGlobals.h"

// Every test starts from the globals' start values.
class GlobalsFixture : public ::testing::Test {
protected:
    void SetUp() override { resetAllGlobals(); }
    void TearDown() override { resetAllGlobals(); }
};
