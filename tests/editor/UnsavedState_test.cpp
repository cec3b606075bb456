// Each subtitle's own unsaved state, the marker that shows either, and the
// title that names what is unsaved.
#include <gtest/gtest.h>

#include "editor/EditorModel.h"
#include "editor/Leaving.h"
#include "support/GlobalsFixture.h"

namespace {

using S = EditorModel::Subtitle;

class UnsavedState : public GlobalsFixture {
protected:
    void loadSecond() { model.setEnabled(Ctl::MentesMF, true); }
    EditorModel model;
};

TEST_F(UnsavedState, SavingOneSubtitleKeepsTheOthersEdits)
{
    model.setEnabled(Ctl::MentesMF, false);
    loadSecond();
    model.markChanged(S::main);
    model.markChanged(S::second);
    model.markSaved(S::second);
    EXPECT_TRUE(model.modified()) << "the main subtitle's edits still wait";
    EXPECT_TRUE(model.unsaved(S::main));
    model.markChanged(S::second);
    model.markSaved(S::main);
    EXPECT_TRUE(model.modified()) << "the second subtitle's edits still wait";
    model.markSaved(S::second);
    EXPECT_FALSE(model.modified());
    EXPECT_FALSE(model.isEnabled(Ctl::Mentes1));
}

TEST_F(UnsavedState, AChangeOfRowsOrTimesReachesTheSecondOnlyWhenOneIsLoaded)
{
    model.setEnabled(Ctl::MentesMF, false);
    model.setModified(true);
    EXPECT_TRUE(model.unsaved(S::main));
    EXPECT_FALSE(model.unsaved(S::second));
    loadSecond();
    model.setModified(true);
    EXPECT_TRUE(model.unsaved(S::second));
    model.setModified(false);
    EXPECT_FALSE(model.unsaved(S::main) || model.unsaved(S::second) || model.modified());
}

TEST_F(UnsavedState, EveryChangeOfTheStateIsAnnounced)
{
    int announced = 0;
    QObject::connect(&model, &EditorModel::unsavedChanged, [&] { ++announced; });
    model.markChanged(S::main);
    model.markChanged(S::main);
    model.markSaved(S::main);
    model.setModified(true);
    EXPECT_EQ(announced, 4);
}

TEST(UnsavedTitle, TheCaptionStaysAndUnsavedNamesAreMarked)
{
    const QString c = QStringLiteral("Felirat megnyitása");
    struct Case {
        QList<TitledDocument> documents;
        QString title;
    } cases[] = {
        {{{"film.srt", false}}, c},
        {{{"film.srt", true}}, c + " – *film.srt"},
        {{{"", true}}, c + " – *névtelen"},
        {{{"film.srt", false}, {"film2.srt", true}}, c + " – film.srt, *film2.srt"},
        {{{"film.srt", true}, {"", false}}, c + " – *film.srt"},
        {{}, c},
    };
    for (const Case &k : cases)
        EXPECT_EQ(titleWithUnsaved(c, k.documents), k.title);
}

}  // namespace
