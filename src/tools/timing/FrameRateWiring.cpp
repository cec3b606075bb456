#include <QComboBox>

#include "app/Windows.h"
#include "editor/EditorTools.h"
#include "editor/TFelirat.h"
#include "files/FileGlobals.h"
#include "tools/timing/TAviKi.h"
#include "tools/timing/TFpsValtas.h"
#include "tools/timing/TimeBase.h"
#include "ui/DirectoryBrowser.h"
#include "ui/Modal.h"

// beosztas switches the time base; "Átváltás" opens the conversion window
// and "FPS érték AVI-ból" the AVI window in its frame-rate mode. Without
// the program's windows (tests of the editor alone) each is made here.
void wireFrameRateTools(TFelirat &editor)
{
    auto *beosztas = editor.controlAs<QComboBox>(Ctl::beosztas);
    QObject::connect(beosztas, &QComboBox::currentTextChanged, &editor,
                     [&editor](const QString &chosen) { chooseTimeBase(editor.model(), chosen); });
    editor.onClick(Ctl::Batvaltas, [&editor] {
        TFpsValtas *w = windows().fpsValtas;
        if (!w)
            w = editor.findChild<TFpsValtas *>();
        if (!w)
            w = new TFpsValtas(&editor.model(), &editor);
        w->setEditorModel(&editor.model());
        showModal(w);
    });
    editor.onClick(Ctl::BFPS, [&editor] {
        TAviKi *w = windows().aviKi;
        if (!w)
            w = editor.findChild<TAviKi *>();
        if (!w)
            w = new TAviKi(&editor);
        w->setFpsBox(editor.controlAs<QComboBox>(Ctl::cbFps));
        w->browser()->setDirectory(lastDirectory);
        w->setMode(TAviKi::fpsMode);
        w->setWindowTitle(QStringLiteral("Fps érték kinyerése Avi file-ból"));
        showModal(w);
    });
}
