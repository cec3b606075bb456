#include <gtest/gtest.h>

#include <QSet>
#include <type_traits>

#include "editor/EditorControls.h"
#include "editor/EditorModel.h"

namespace {

TEST(EditorControls, NamesAreUniqueAndParentsComeFirst)
{
    QSet<QString> seen;
    for (const ControlSpec &c : editorControls()) {
        const QString name = nameOf(c.id);
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        if (c.parent != Ctl::None)
            EXPECT_TRUE(seen.contains(nameOf(c.parent))) << name.toStdString();
        seen.insert(name);
    }
    for (const MenuSpec &m : editorMenus()) {
        if (m.id == Ctl::None)
            continue;
        const QString name = nameOf(m.id);
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        if (m.parent != Ctl::None)
            EXPECT_TRUE(seen.contains(nameOf(m.parent))) << name.toStdString();
        seen.insert(name);
    }
}

TEST(EditorControls, PlacesFollowTheirAnchors)
{
    const QSize parent(1020, 742);
    EXPECT_EQ((Place{6, 23, 150, 22}).in(parent), QRect(6, 23, 150, 22));
    EXPECT_EQ((Place{102, 253, 96, 24, FromRight | FromBottom}).in(parent), QRect(918, 489, 96, 24));
    EXPECT_EQ((Place{264, 79, 6, 256, ToRight | ToBottom}).in(parent), QRect(264, 79, 750, 407));
    const ControlSpec *szoveg = editorControl(Ctl::szoveg);
    ASSERT_TRUE(szoveg);
    EXPECT_EQ(placeOf(*szoveg, true, false, {1008, 196}), QRect(376, 16, 400, 146));
    EXPECT_EQ(placeOf(*szoveg, true, true, {1008, 196}), QRect(8, 16, 360, 62));
    // a control without a place of its own for two subtitles keeps its place
    const ControlSpec *bertek = editorControl(Ctl::Bertek);
    EXPECT_EQ(placeOf(*bertek, false, true, {607, 196}), QRect(6, 110, 164, 22));
}

// A misspelt name does not compile: there is no such id, and the states,
// onClick and controlAs take ids, not names.
template <typename T>
concept HasBmentes = requires { T::Bmentes; };
template <typename T>
concept HasBmentez = requires { T::Bmentez; };
static_assert(HasBmentes<Ctl> && !HasBmentez<Ctl>);
static_assert(!std::is_invocable_v<decltype(&EditorModel::setEnabled), EditorModel &, QString, bool>);
static_assert(!std::is_invocable_v<decltype(&EditorModel::isVisible), EditorModel &, const char *>);

// Names are the objectNames the window gives its controls: each id has one,
// and each name leads back to its id.
TEST(EditorControls, NamesAndIdsAgree)
{
    for (int i = 0; i < controlIdCount; ++i) {
        const Ctl id = static_cast<Ctl>(i);
        const QString name = nameOf(id);
        ASSERT_FALSE(name.isEmpty()) << i;
        EXPECT_EQ(controlIdOf(name), id) << name.toStdString();
        // each id is a control or a named menu entry, never both
        EXPECT_NE(editorControl(id) != nullptr, editorMenuEntry(id) != nullptr) << name.toStdString();
    }
    EXPECT_EQ(nameOf(Ctl::Bmentes), QStringLiteral("Bmentes"));
    EXPECT_EQ(editorMenuEntry(Ctl::Felbonts1)->shortcut, std::string_view("F1"));
    EXPECT_EQ(editorControl(Ctl::racsVScroll)->kind, ControlKind::GridState);
    EXPECT_FALSE(controlIdOf(QStringLiteral("Bmentez")));
    EXPECT_FALSE(controlIdOf(QString()));
    EXPECT_EQ(nameOf(Ctl::None), QString());

    // a state set on one control leaves the others as they were
    EditorModel model;
    model.setEnabled(Ctl::Bmentes, false);
    model.setVisible(Ctl::st3, false);
    EXPECT_FALSE(model.isEnabled(Ctl::Bmentes));
    EXPECT_TRUE(model.isVisible(Ctl::st2));
    EXPECT_FALSE(model.isVisible(Ctl::st3));
    EXPECT_FALSE(model.hasCheckedState(Ctl::CBugras));
}

}  // namespace
