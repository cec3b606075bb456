#include "ui/Startup.h"

#include <QApplication>
#include <QScreen>

#include <memory>

#include "app/MessageBox.h"
#include "app/TFoForm.h"
#include "app/TInfo.h"
#include "app/TKiszoveg.h"
#include "app/TLeiras.h"
#include "app/TUjFelirat.h"
#include "app/TVerzioinfo.h"
#include "editor/TFelirat.h"
#include "files/TFileneve.h"
#include "files/THibaki.h"
#include "files/TKereses.h"
#include "tools/timing/TAtfedes.h"
#include "ui/Windows.h"

int runApplication(QApplication &app)
{
    // The start window alone decides when the program ends; it is hidden
    // while the editor is in front, so Qt must not quit when that closes.
    app.setQuitOnLastWindowClosed(false);

    QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    Windows &w = windows();

    // Created in this order, all hidden: the start window settles
    // layoutSetting before the editor lays itself out, and the message box
    // exists before the editor may need it.
    auto foForm = std::make_unique<TFoForm>(screenSize, app.arguments());
    w.foForm = foForm.get();
    // Created here once they exist: TMentesMaskent, TCd2cd1, TReszletes, TForditas
    auto kereses = std::make_unique<TKereses>();
    w.kereses = kereses.get();
    // Created here once they exist: TFordElott
    auto fileneve = std::make_unique<TFileneve>();
    w.fileneve = fileneve.get();
    auto kiszoveg = std::make_unique<TKiszoveg>();
    w.kiszoveg = kiszoveg.get();
    installMessagePresenter(kiszoveg.get());
    auto info = std::make_unique<TInfo>();
    w.info = info.get();
    auto ujFelirat = std::make_unique<TUjFelirat>();
    w.ujFelirat = ujFelirat.get();
    auto leiras = std::make_unique<TLeiras>();
    w.leiras = leiras.get();
    // Created here once they exist: TAviKi
    auto felirat = std::make_unique<TFelirat>();
    w.felirat = felirat.get();
    // Created here once they exist: TReszletesK, TFpsValtas, TErtek2cd
    auto hibaki = std::make_unique<THibaki>();
    w.hibaki = hibaki.get();
    // Created here once they exist: TKeresesCsere
    auto atfedes = std::make_unique<TAtfedes>();
    w.atfedes = atfedes.get();
    auto verzioinfo = std::make_unique<TVerzioinfo>();
    w.verzioinfo = verzioinfo.get();
    // Created here once they exist: TTorlesTobb

    QObject::connect(foForm.get(), &TFoForm::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (screen)
        foForm->move(screen->availableGeometry().center() - foForm->rect().center());
    foForm->show();
    const int status = app.exec();

    installMessagePresenter(nullptr);
    w = Windows{};
    return status;
}
