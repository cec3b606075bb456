#pragma once
#include <gtest/gtest.h>

#include "app/ModeGlobals.h"
#include "editor/EditorModel.h"
#include "translate/TranslationGlobals.h"

// Every test starts from the globals' start values, and fails when it set
// a control state on a name no window has.
class GlobalsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetAllGlobals();
        emptyTranslation = false;
        unknownControlNames().clear();
    }
    void TearDown() override
    {
        EXPECT_TRUE(unknownControlNames().isEmpty())
            << "states set on names no window has: "
            << unknownControlNames().join(QStringLiteral(", ")).toStdString();
        unknownControlNames().clear();
        resetAllGlobals();
        emptyTranslation = false;
    }
};
