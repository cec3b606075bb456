#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class TForditas;

// The set-up dialog "Feliratok bekérése": picks the source and either the
// translated file or an empty translation, then has the workspace load them.
class TFordElott : public QDialog {
    Q_OBJECT
public:
    explicit TFordElott(TForditas *workspace = nullptr, QWidget *parent = nullptr);

    void setWorkspace(TForditas *workspace) { workspace_ = workspace; }
    // "Project megnyitása": no source chosen, "Fordított felirat:" selected.
    void startFresh();

    void K1Click();
    void K2Click();
    void BFetovabbClick();  // "Betöltés"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choiceChanged();
    void updateLoad();
    void browse(bool source);

    TForditas *workspace_;
    QLineEdit *Eef;
    QLineEdit *Eff;
    QPushButton *K1;
    QPushButton *K2;
    QRadioButton *Ferb1;
    QRadioButton *Ferb2;
    QPushButton *BFetovabb;
    QPushButton *Button1;
};
