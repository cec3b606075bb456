#pragma once
#include <QDialog>
#include <QHash>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include "app/TFoForm.h"
#include "app/TUjFelirat.h"
#include "app/TVerzioinfo.h"
#include "editor/TFelirat.h"
#include "support/GlobalsFixture.h"
#include "ui/Modal.h"
#include "app/Windows.h"

// The shell's windows, registered as at start-up, with a modal driver that
// records every modal show and performs the scripted part for a window
// (keyed by its object name: "Felirat", "UjFelirat", ...). Unscripted
// windows return at once as if closed.
class ShellFixture : public GlobalsFixture {
protected:
    using Action = std::function<int(QDialog *)>;

    void SetUp() override
    {
        GlobalsFixture::SetUp();
        previous_ = installModalDriver([this](QDialog *d) {
            shown.append(d->objectName());
            const Action action = actions.value(d->objectName());
            return action ? action(d) : int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        installModalDriver(previous_);
        windows() = Windows{};
        start.reset();
        uj.reset();
        felirat.reset();
        verzio.reset();
        GlobalsFixture::TearDown();
    }

    void createWindows(QSize screen = QSize(1280, 1024), const QStringList &arguments = {})
    {
        start = std::make_unique<TFoForm>(screen, arguments);
        uj = std::make_unique<TUjFelirat>();
        felirat = std::make_unique<TFelirat>();
        verzio = std::make_unique<TVerzioinfo>();
        windows().foForm = start.get();
        windows().ujFelirat = uj.get();
        windows().felirat = felirat.get();
        windows().verzioinfo = verzio.get();
    }

    static QPushButton *button(QWidget *w, const char *name)
    {
        auto *b = w->findChild<QPushButton *>(QLatin1String(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    static void click(QWidget *w, const char *name)
    {
        if (QPushButton *b = button(w, name))
            QTest::mouseClick(b, Qt::LeftButton);
    }

    QHash<QString, Action> actions;
    QStringList shown;
    std::unique_ptr<TFoForm> start;
    std::unique_ptr<TUjFelirat> uj;
    std::unique_ptr<TFelirat> felirat;
    std::unique_ptr<TVerzioinfo> verzio;

private:
    ModalDriver previous_;
};
