#pragma once
#include <QApplication>
#include <QtWidgets>
#include <QTest>
#include <memory>

#include "app/ModeGlobals.h"
#include "support/ControlIdByName.h"
#include "document/DocumentGlobals.h"
#include "document/TimeCode.h"
#include "editor/EnableSets.h"
#include "editor/TFelirat.h"
#include "files/FileGlobals.h"
#include "support/GlobalsFixture.h"
#include "support/MessageRecorder.h"
#include "support/PrintQString.h"

// An editor window on a chosen screen, with rows put into its table the way
// a read leaves them.
class EditorFixture : public GlobalsFixture {
protected:
    void SetUp() override
    {
        GlobalsFixture::SetUp();
        layoutSetting = QStringLiteral("1024x768");
        editor = std::make_unique<TFelirat>();
        editor->setScreenSize(QSize(1280, 1024));
        editor->applyLayout();
        editor->model().setTimeBase(QStringLiteral("Time"));
    }
    void TearDown() override
    {
        editor.reset();
        exitSaveHandler = nullptr;
        GlobalsFixture::TearDown();
    }

    EditorModel &model() { return editor->model(); }

    // Rows of two seconds each, one second apart, with a text per row.
    void fillRows(int count, bool show = true)
    {
        SubtitleTable &cds = model().cds;
        cds.create();
        for (int i = 0; i < count; ++i) {
            cds.append();
            cds.setField(Field::Kezdes, secondsToTimeCode(i * 3 + 1));
            cds.setField(Field::Befejezes, secondsToTimeCode(i * 3 + 3));
            cds.setField(Field::Szoveg, QStringLiteral("Sor %1|második sor").arg(i + 1));
            cds.post();
        }
        applyAfterReadSet(model());
        displayLock = false;
        cds.first();
        if (show)
            showEditor();
    }

    void showEditor()
    {
        editor->show();
        QApplication::setActiveWindow(editor.get());
        (void)QTest::qWaitForWindowActive(editor.get());
        QApplication::processEvents();
    }

    // Focuses a control and waits until it has the focus.
    void focus(QWidget *widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    template <typename T>
    T *w(const char *name) { return editor->controlAs<T>(ctl(name)); }

    MessageRecorder recorder;
    std::unique_ptr<TFelirat> editor;
};
