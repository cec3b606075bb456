#pragma once
#include <gtest/gtest.h>

#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "translate/TranslationGlobals.h"

// Every test starts from the globals' start values.
class GlobalsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetAllGlobals();
        emptyTranslation = false;
    }
    void TearDown() override
    {
        resetAllGlobals();
        emptyTranslation = false;
    }
};
