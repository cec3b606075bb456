#pragma once
#include <gtest/gtest.h>

#include <QString>

#include "editor/EditorControls.h"

// Tests may name the editor's controls as the user and the state file see
// them, by objectName; an unknown name fails the test.
inline Ctl ctl(const QString &name)
{
    const std::optional<Ctl> id = controlIdOf(name);
    if (!id) {
        ADD_FAILURE() << "the editor has no control named " << name.toStdString();
        return Ctl::None;
    }
    return *id;
}

inline Ctl ctl(const char *name)
{
    return ctl(QString::fromLatin1(name));
}
