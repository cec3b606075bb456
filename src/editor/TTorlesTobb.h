#pragma once
#include <QDialog>

class EditorModel;
class QPushButton;
class QSpinBox;

// "Több sor törlése": deletes a range of rows without asking.
class TTorlesTobb : public QDialog {
    Q_OBJECT
public:
    explicit TTorlesTobb(EditorModel &model, QWidget *parent = nullptr);

    // Shown modally from the editor.
    void openWindow();

    void BtorlesClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void formActivate();
    void SPelsoChange();

    EditorModel &model_;
    QSpinBox *SPelso;
    QSpinBox *SPutso;
    QPushButton *Btorles;
    QPushButton *Bvissza;
};
