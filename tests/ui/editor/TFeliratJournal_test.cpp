// Every action of the editor is one step of the journal, and replaying the
// journal backwards gives back the table as it was read.
#include <set>

#include "EditorFixture.h"
#include "ui/Modal.h"

namespace {

// Actions that leave the editor, read or write files, or need a film: they
// are not changes of the table a step could hold.
const std::set<QString> notTableActions = {
    "Bki", "Kilepes1", "Bvissza", "Visszaafomenube1", "Btallozas", "Feliratmegnyitasa1",
    "Masikfelirat", "Bfilm", "FilmMegnyitas", "Bmentes", "Mentes1", "BMMN", "MentM1",
    "Feliratmentsemsknt1", "MentesMF", "Bfileki", "Bvegrehajt", "Bvegre21", "BFPS",
};

// Actions that change the rows below, each in one step.
const std::set<QString> changingActions = {
    "BOsszes", "Bvonal", "Boh", "agressziv", "B12", "B22", "B21", "Bov", "Bovm",
    "Bbeszuras", "soreleRacs", "sormogeRacs", "sor5mogeRacs", "SortorlesRacs", "pmsorele",
    "pmsormoge", "dolt", "Vastagitott", "Alahuzott", "kezgomb1",
    "sszesbetkisbetlegyen1", "ressoroktrlse1", "karakterekutntegyenspacet1",
};

std::vector<SubtitleRow> snapshot(const SubtitleTable &table)
{
    std::vector<SubtitleRow> rows;
    for (int i = 0; i < table.recordCount(); ++i)
        rows.push_back(table.rowAt(i));
    return rows;
}

class EditorJournal : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        // a window an action opens is confirmed where it can be
        previous_ = installModalDriver([](QDialog *d) {
            d->show();
            QApplication::processEvents();
            for (const char *ok : {"Bok", "Bigen", "OKBtn", "Button1"}) {
                if (auto *b = d->findChild<QPushButton *>(QLatin1String(ok)); b && b->isEnabled()) {
                    b->click();
                    break;
                }
            }
            QApplication::processEvents();
            const bool stillOpen = d->isVisible();
            d->hide();
            return stillOpen ? 0 : d->result();
        });
    }
    void TearDown() override
    {
        installModalDriver(previous_);
        EditorFixture::TearDown();
    }

    // Rows every text tool finds something to do in, as a read leaves them.
    void fillFaultyRows()
    {
        const char *texts[] = {
            "- Hello|- Szia", "lgen, jól van.", "Ez egy nagyon hosszú sor, amely a határon túl nyúlik bizony",
            "Rövid|sor", "", "-", "Árvíztűrő tükörfúrógép", "Mondta:nem!Igen?", "HANGOS SOR", "Ez  egy  sor .", "utolsó",
        };
        SubtitleTable &cds = model().cds;
        cds.create();
        for (int i = 0; i < int(std::size(texts)); ++i) {
            cds.append();
            cds.setField(Field::Kezdes, secondsToTimeCode(i * 3 + 1));
            cds.setField(Field::Befejezes, secondsToTimeCode(i * 3 + 3));
            cds.setField(Field::Szoveg, QString::fromUtf8(texts[i]));
            cds.post();
        }
        applyAfterReadSet(model());
        displayLock = false;
        cds.setRecNo(4);
        showEditor();
        model().journal().reset();
    }

    // A new window and start values, as for a test of its own.
    void freshEditor()
    {
        editor.reset();
        resetAllGlobals();
        layoutSetting = QStringLiteral("1024x768");
        editor = std::make_unique<TFelirat>();
        editor->setScreenSize(QSize(1280, 1024));
        editor->applyLayout();
        editor->model().setTimeBase(QStringLiteral("Time"));
    }

    bool trigger(Ctl id)
    {
        if (auto *b = editor->controlAs<QAbstractButton>(id)) {
            if (!b->isEnabled())
                return false;
            b->click();
        } else if (auto *a = editor->controlAs<QAction>(id)) {
            if (!a->isEnabled())
                return false;
            a->trigger();
        }
        // menus an action pops up are closed again
        for (QMenu *m : editor->findChildren<QMenu *>())
            m->hide();
        QApplication::processEvents();
        return true;
    }

    ModalDriver previous_;
};

TEST_F(EditorJournal, EveryActionIsOneStepThatUndoesToTheTableAsRead)
{
    const QList<Ctl> actions = editor->wiredActions();
    ASSERT_GT(actions.size(), 50);
    for (Ctl id : actions) {
        const QString name = nameOf(id);
        if (notTableActions.count(name))
            continue;
        const std::string label = name.toStdString();
        freshEditor();
        fillFaultyRows();
        ChangeJournal &journal = model().journal();
        const std::vector<SubtitleRow> asRead = snapshot(model().cds);
        if (!trigger(id))
            continue;
        EXPECT_FALSE(journal.hasOpenChanges()) << label;
        EXPECT_LE(journal.stepCount(), 1) << label;
        if (changingActions.count(name))
            EXPECT_EQ(journal.stepCount(), 1) << label;
        while (journal.undo()) {
        }
        EXPECT_EQ(snapshot(model().cds), asRead) << label << " undone";
    }
}

TEST_F(EditorJournal, TypingIsOneStepPerFieldAndRow)
{
    fillFaultyRows();
    ChangeJournal &journal = model().journal();
    auto *text = w<QTextEdit>("szoveg");
    const std::vector<SubtitleRow> asRead = snapshot(model().cds);
    model().cds.setRecNo(2);
    focus(text);
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, QStringLiteral("abc"));
    model().cds.setRecNo(3);
    focus(text);
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, QStringLiteral("de"));
    QApplication::processEvents();
    ASSERT_EQ(journal.stepCount(), 2);
    EXPECT_EQ(journal.undoName(), QStringLiteral("Gépelés"));
    EXPECT_EQ(model().cds.rowAt(1).szoveg, QStringLiteral("lgen, jól van.abc"));
    journal.undo();
    EXPECT_EQ(model().cds.rowAt(2).szoveg, asRead[2].szoveg);
    EXPECT_EQ(model().cds.rowAt(1).szoveg, QStringLiteral("lgen, jól van.abc"));
    journal.undo();
    EXPECT_EQ(snapshot(model().cds), asRead);
}

TEST_F(EditorJournal, AStepIsNamedAsTheUserKnowsTheAction)
{
    fillFaultyRows();
    ASSERT_TRUE(trigger(Ctl::BOsszes));
    EXPECT_EQ(model().journal().undoName(), QStringLiteral("Általános javítás"));
    ASSERT_TRUE(trigger(Ctl::SortorlesRacs));
    EXPECT_EQ(model().journal().undoName(), QStringLiteral("Sor törlése"));
}

// Undo and redo from the menu and with the keys: the table, the current row
// and its line fields, the marker and the items' captions come back.
TEST_F(EditorJournal, UndoAndRedoRestoreTheTableTheFieldsAndTheMarker)
{
    fillFaultyRows();
    model().setModified(false);
    const std::vector<SubtitleRow> asRead = snapshot(model().cds);
    auto *undo = editor->controlAs<QAction>(Ctl::Visszavonas1);
    auto *redo = editor->controlAs<QAction>(Ctl::Ujra1);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Utolsó módosítás visszavonása"));

    ASSERT_TRUE(trigger(Ctl::SortorlesRacs));
    EXPECT_EQ(model().cds.recordCount(), int(asRead.size()) - 1);
    EXPECT_TRUE(model().modified());
    EXPECT_TRUE(undo->isVisible() || undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Visszavonás: Sor törlése"));

    ASSERT_TRUE(trigger(Ctl::Visszavonas1));
    EXPECT_EQ(snapshot(model().cds), asRead);
    EXPECT_FALSE(model().modified());  // back at the saved state
    EXPECT_EQ(model().cds.recNo(), 4);
    EXPECT_EQ(w<QTextEdit>("szoveg")->toPlainText(), QStringLiteral("Rövid\nsor"));
    EXPECT_EQ(redo->text(), QStringLiteral("Mégis: Sor törlése"));
    EXPECT_FALSE(undo->isEnabled());

    ASSERT_TRUE(trigger(Ctl::Ujra1));
    EXPECT_EQ(model().cds.recordCount(), int(asRead.size()) - 1);
    EXPECT_TRUE(model().modified());

    // Ctrl+Z undoes from the grid and from the text field alike
    ASSERT_TRUE(trigger(Ctl::BOsszes));
    ASSERT_EQ(model().journal().undoCount(), 2);
    focus(w<QTextEdit>("szoveg"));
    QTest::keyClick(w<QTextEdit>("szoveg"), Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(model().journal().undoCount(), 1);
    focus(editor->grid());
    QTest::keyClick(editor->grid(), Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(snapshot(model().cds), asRead);
    EXPECT_FALSE(model().modified());
}

}  // namespace
