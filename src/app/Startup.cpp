#include "app/Startup.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>

#include <functional>
#include <vector>

#include "app/MessageBox.h"
#include "app/TFoForm.h"
#include "app/TInfo.h"
#include "app/TKiszoveg.h"
#include "app/TLeiras.h"
#include "app/TUjFelirat.h"
#include "app/TVerzioinfo.h"
#include "app/Windows.h"
#include "editor/EditorModel.h"
#include "editor/TFelirat.h"
#include "files/TFileneve.h"
#include "files/THibaki.h"
#include "files/TKereses.h"
#include "tools/timing/TAtfedes.h"
#include "tools/cd/TCd2cd1.h"
#include "tools/cd/TErtek2cd.h"
#include "tools/timing/TAviKi.h"
#include "tools/timing/TFpsValtas.h"
#include "files/convert/TMentesMaskent.h"
#include "translate/TFordElott.h"
#include "translate/TForditas.h"

namespace {

// One window of the program in its place of the creation order; a window
// not built yet has no maker.
struct CreationStep {
    const char *window;
    std::function<QWidget *()> make;
};

}  // namespace

const QStringList &windowCreationOrder()
{
    static const QStringList order = {
        "TFoForm",   "TMentesMaskent", "TCd2cd1",  "TReszletes",  "TForditas", "TKereses",
        "TFordElott", "TFileneve",     "TKiszoveg", "TInfo",      "TUjFelirat", "TLeiras",
        "TAviKi",    "TFelirat",       "TReszletesK", "TFpsValtas", "TErtek2cd", "THibaki",
        "TKeresesCsere", "TAtfedes",   "TVerzioinfo", "TTorlesTobb"};
    return order;
}

int runApplication(QApplication &app)
{
    // The start window alone decides when the program ends; it is hidden
    // while the editor is in front, so Qt must not quit when that closes.
    app.setQuitOnLastWindowClosed(false);

    QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    Windows &w = windows();
    // The editor's document, which the windows working on it are given.
    EditorModel editorModel;
    // Guarded: a window shown without blocking may be a child of another
    // window at the end, which then takes it along.
    std::vector<QPointer<QWidget>> made;
    auto keep = [&made](auto *window) {
        made.emplace_back(window);
        return window;
    };

    // The start window settles layoutSetting before the editor lays itself
    // out, and the message box exists before the editor may need it.
    const std::vector<CreationStep> steps = {
        {"TFoForm", [&] { return w.foForm = keep(new TFoForm(screenSize, app.arguments())); }},
        {"TKereses", [&] { return w.kereses = keep(new TKereses(&editorModel)); }},
        {"TFileneve", [&] { return w.fileneve = keep(new TFileneve(&editorModel)); }},
        {"TKiszoveg",
         [&] {
             w.kiszoveg = keep(new TKiszoveg);
             installMessagePresenter(w.kiszoveg);
             return w.kiszoveg;
         }},
        {"TInfo", [&] { return w.info = keep(new TInfo); }},
        {"TUjFelirat", [&] { return w.ujFelirat = keep(new TUjFelirat); }},
        {"TLeiras", [&] { return w.leiras = keep(new TLeiras); }},
        {"TFelirat", [&] { return w.felirat = keep(new TFelirat(&editorModel)); }},
        {"THibaki", [&] { return w.hibaki = keep(new THibaki); }},
        {"TAtfedes", [&] { return w.atfedes = keep(new TAtfedes(&editorModel)); }},
        {"TMentesMaskent",
         [&] { return w.mentesMaskent = keep(new TMentesMaskent(&editorModel)); }},
        {"TVerzioinfo", [&] { return w.verzioinfo = keep(new TVerzioinfo); }},
        {"TAviKi", [&] { return w.aviKi = keep(new TAviKi); }},
        {"TFpsValtas", [&] { return w.fpsValtas = keep(new TFpsValtas(&editorModel)); }},
        {"TCd2cd1", [&] { return w.cd2cd1 = keep(new TCd2cd1); }},
        {"TErtek2cd", [&] { return w.ertek2cd = keep(new TErtek2cd); }},
        {"TForditas",
         [&] { return w.forditas = keep(new TForditas(&editorModel, screenSize)); }},
        {"TFordElott", [&] { return w.fordElott = keep(new TFordElott(w.forditas)); }},
    };
    for (const QString &window : windowCreationOrder())
        for (const CreationStep &step : steps)
            if (window == QLatin1String(step.window))
                step.make();

    QObject::connect(w.foForm, &TFoForm::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (screen)
        w.foForm->move(screen->availableGeometry().center() - w.foForm->rect().center());
    w.foForm->show();
    const int status = app.exec();

    installMessagePresenter(nullptr);
    w = Windows{};
    // the editor goes before its model; the start window, the main window, last
    while (!made.empty()) {
        delete made.back().data();
        made.pop_back();
    }
    return status;
}
