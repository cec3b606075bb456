#pragma once
#include <QDialog>

// "Új felirat készítése": the choice between a time-based and a
// frame-based new subtitle. The chosen one opens the editor modally.
class TUjFelirat : public QDialog {
    Q_OBJECT
public:
    explicit TUjFelirat(QWidget *parent = nullptr);

    void Button1Click();  // "Másodperc alapú (.srt)"
    void Button2Click();  // "Képkocka alapján (.sub)"
    void Button3Click();  // "Vissza"

public slots:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void openEditor(const QString &timeBase);
};
