#include <gtest/gtest.h>

#include <QSet>

#include "editor/EditorControls.h"
#include "editor/EditorModel.h"

namespace {

TEST(EditorControls, NamesAreUniqueAndParentsComeFirst)
{
    QSet<QString> seen;
    for (const ControlSpec &c : editorControls()) {
        const QString name = QLatin1String(c.name);
        EXPECT_FALSE(seen.contains(name)) << c.name;
        if (*c.parent)
            EXPECT_TRUE(seen.contains(QLatin1String(c.parent))) << c.name;
        seen.insert(name);
    }
    for (const MenuSpec &m : editorMenus()) {
        if (!*m.name)
            continue;
        EXPECT_FALSE(seen.contains(QLatin1String(m.name))) << m.name;
        if (*m.parent)
            EXPECT_TRUE(seen.contains(QLatin1String(m.parent))) << m.name;
        seen.insert(QLatin1String(m.name));
    }
}

TEST(EditorControls, PlacesFollowTheirAnchors)
{
    const QSize parent(1020, 742);
    EXPECT_EQ((Place{6, 23, 150, 22}).in(parent), QRect(6, 23, 150, 22));
    EXPECT_EQ((Place{102, 253, 96, 24, FromRight | FromBottom}).in(parent), QRect(918, 489, 96, 24));
    EXPECT_EQ((Place{264, 79, 6, 256, ToRight | ToBottom}).in(parent), QRect(264, 79, 750, 407));
    const ControlSpec *szoveg = editorControl(QStringLiteral("szoveg"));
    ASSERT_TRUE(szoveg);
    EXPECT_EQ(placeOf(*szoveg, true, false, {1008, 196}), QRect(376, 16, 400, 146));
    EXPECT_EQ(placeOf(*szoveg, true, true, {1008, 196}), QRect(8, 16, 360, 62));
    // a control without a place of its own for two subtitles keeps its place
    const ControlSpec *bertek = editorControl(QStringLiteral("Bertek"));
    EXPECT_EQ(placeOf(*bertek, false, true, {607, 196}), QRect(6, 110, 164, 22));
}

// A state set on a name no window has changes nothing and is recorded, so
// that the tests fail on it (every fixture looks at the record).
TEST(EditorControls, UnknownNamesAreRecordedNotStored)
{
    unknownControlNames().clear();
    EditorModel model;
    model.setEnabled(QStringLiteral("Bmentes"), true);
    model.setEnabled(QStringLiteral("Bmentez"), false);
    model.setVisible(QStringLiteral("st4"), false);
    EXPECT_EQ(unknownControlNames(), (QStringList{"Bmentez", "st4"}));
    EXPECT_TRUE(model.isEnabled(QStringLiteral("Bmentez")));
    EXPECT_TRUE(isEditorControlName(QStringLiteral("Felbonts1")));
    EXPECT_TRUE(isEditorControlName(QStringLiteral("racsVScroll")));
    EXPECT_FALSE(isEditorControlName(QStringLiteral("")));
    unknownControlNames().clear();
}

}  // namespace
