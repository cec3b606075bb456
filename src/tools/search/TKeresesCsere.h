#pragma once
#include <QDialog>

class EditorModel;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The search and replace window "Keresés és csere", shown modally over the
// editor.
class TKeresesCsere : public QDialog {
    Q_OBJECT
public:
    explicit TKeresesCsere(EditorModel *model, QWidget *parent = nullptr);

    // The editor's "Keresés és csere": "Csere" off, both fields emptied,
    // then shown modally.
    void openWindow();

    void BkskeresesClick();
    void BcsereClick();
    void BosszesClick();
    void BlistaaClick();
    void BugrasClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditorModel *model_;

    QLineEdit *Emit;
    QLineEdit *Emire;
    QPushButton *Bkskereses;
    QPushButton *Bcsere;
    QPushButton *Bosszes;
    QPushButton *Blistaa;
    QPushButton *Bugras;
    QPushButton *Bvissza;
    QCheckBox *CBknb;
    QCheckBox *CBelsok;
};
