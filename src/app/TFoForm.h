#pragma once
#include <QDialog>
#include <QImage>
#include <QStringList>

#include "app/ModeGlobals.h"

class QPushButton;

// The start window and the program's main window: closing it ends the
// program. It routes to the editor, the new-subtitle window and the small
// information windows by the mode globals.
class TFoForm : public QDialog {
    Q_OBJECT
public:
    // The screen size decides layoutSetting; arguments are the program's
    // command line (the program itself first).
    explicit TFoForm(const QSize &screenSize, const QStringList &arguments = {},
                     QWidget *parent = nullptr);

    static QString captionFor(Edition e);

    // The rules run on every activation; showing or activating the window
    // queues them, tests call them directly.
    void FormActivate();

    void BitBtn3Click();  // "Megnyitás"
    void BitBtn2Click();  // "Új felirat készítése"
    void BitBtn4Click();  // "Fordítás"
    void BitBtn1Click();  // close
    void Button1Click();  // "Verzióinfo"
    void Button2Click();  // ".srt" association

    // Whether the window has closed for good (the program ends).
    bool ended() const { return ended_; }

signals:
    void programEnded();

public slots:
    void done(int result) override;

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;

private:
    void queueActivation();
    void closeProgram();

    QImage background_;
    bool activationQueued_ = false;
    bool activating_ = false;
    bool ended_ = false;
};
