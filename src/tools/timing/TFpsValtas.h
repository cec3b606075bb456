#pragma once
#include <QDialog>

class EditorModel;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

// The frame-rate conversion window "Fps átváltása", shown modally from the
// editor's "Átváltás".
class TFpsValtas : public QDialog {
    Q_OBJECT
public:
    explicit TFpsValtas(EditorModel *model = nullptr, QWidget *parent = nullptr);

    void setEditorModel(EditorModel *model) { model_ = model; }

    void cb1Change();
    void VegrehajtClick();

protected:
    bool event(QEvent *event) override;

private:
    void formActivate();

    QLabel *Label1;
    QLabel *Label2;
    QComboBox *cb1;
    QComboBox *cb2;
    QProgressBar *FPSszazalek;
    QPushButton *Vegrehajt;
    QPushButton *Vissza;
    EditorModel *model_ = nullptr;
};
