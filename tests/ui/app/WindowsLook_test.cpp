#include <QApplication>
#include <QTest>
#include <memory>

#include "app/MessageBox.h"
#include "app/TFoForm.h"
#include "app/TInfo.h"
#include "app/TKiszoveg.h"
#include "app/TLeiras.h"
#include "app/TUjFelirat.h"
#include "app/TVerzioinfo.h"
#include "files/TFileneve.h"
#include "files/THibaki.h"
#include "files/TKereses.h"
#include "support/GlobalsFixture.h"
#include "ui/support/LayoutChecks.h"
#include "tools/timing/TAtfedes.h"
#include "ui/Modal.h"

// Every window other than the editor, as the user first sees it, with the
// fonts the program ships: captions whole, nothing covering anything.
class WindowsLook : public GlobalsFixture {};

TEST_F(WindowsLook, EveryWindowShowsItsCaptionsWhole)
{
    std::vector<std::unique_ptr<QWidget>> windows;
    windows.push_back(std::make_unique<TFoForm>(QSize(1280, 1024)));
    windows.push_back(std::make_unique<TUjFelirat>());
    windows.push_back(std::make_unique<TInfo>());
    windows.push_back(std::make_unique<TLeiras>());
    windows.push_back(std::make_unique<TVerzioinfo>());
    windows.push_back(std::make_unique<TKereses>());
    windows.push_back(std::make_unique<TFileneve>());
    windows.push_back(std::make_unique<THibaki>());
    windows.push_back(std::make_unique<TAtfedes>());
    for (auto &w : windows) {
        SCOPED_TRACE(w->objectName().toStdString());
        w->show();
        QApplication::processEvents();
        expectCaptionsWhole(w.get());
        w->hide();
    }
}

TEST_F(WindowsLook, MessageBoxFitsItsLongestLines)
{
    TKiszoveg box;
    const ModalDriver previous = installModalDriver([](QDialog *d) {
        d->show();
        QApplication::processEvents();
        expectCaptionsWhole(d, {{"InfoI", "KerdesI"}, {"InfoI", "HibaI"}, {"KerdesI", "HibaI"}});
        return int(QDialog::Accepted);
    });
    MessagePresenter *presenter = installMessagePresenter(&box);
    showMessageBox("Hiba", "hiba", "Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!",
                   false, false, true, "Vagy a file értelmezhetetlen típust tartalmaz!");
    showMessageBox("A felirat mentése!", "kerdes", "A felirat módosítva lett!", true, true, false,
                   "Elmenti?");
    installMessagePresenter(presenter);
    installModalDriver(previous);
}
