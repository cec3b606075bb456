#pragma once
#include <QDialog>

class EditorModel;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

// "Részletes módosítás": shifts a range of rows that begins at the current
// row, up or down, the starts, the ends or both.
class TReszletes : public QDialog {
    Q_OBJECT
public:
    explicit TReszletes(EditorModel &model, QWidget *parent = nullptr);

    // The amount field, filled from the editor's before the window opens.
    QLineEdit *amountField() const { return Emodositas2; }
    // Shown modally; true when the range was shifted.
    bool openWindow();

    void BmodokClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formActivate();
    void directionChosen();
    void rangeEndChosen();
    void valueChoiceChanged();

    EditorModel &model_;
    QString timeBase_;
    bool shifted_ = false;
    QLineEdit *Ekezdes;
    QLineEdit *Ebefejezes;
    QLineEdit *Eszoveg;
    QComboBox *CbPMR;
    QLineEdit *Emodositas2;
    QPushButton *Bmodok;
    QProgressBar *szazalek;
    QRadioButton *Felfele;
    QRadioButton *Lefele;
    QRadioButton *RB3;
    QRadioButton *RB4;
    QLineEdit *Edit2;
    QCheckBox *cbKezdo;
    QCheckBox *cbBefejezo;
    QPushButton *Bvissza;
};
