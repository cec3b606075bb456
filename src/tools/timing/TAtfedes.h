#pragma once
#include <QDialog>
#include <QPointer>

#include "tools/timing/OverlapCheck.h"

class EditorModel;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class THibaki;

// The overlap window "Felirat átfedésének vizsgálata", shown beside the
// editor without blocking it.
class TAtfedes : public QDialog {
    Q_OBJECT
public:
    // The window works on the editor's model, given when it is created.
    explicit TAtfedes(EditorModel *model = nullptr, QWidget *parent = nullptr);

    // The editor's menu item "Átfedés vizsgálata".
    void openWindow();

    // The editor whose table is checked; the registered editor window's
    // when not set.
    void setEditorModel(EditorModel *model) { model_ = model; }

    const OverlapResult &lastResult() const { return lastResult_; }

    void BinditasClick();
    void BlistaClick();
    void StatClick();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formActivate();
    EditorModel *editorModel() const;
    THibaki *reportWindow();

    QLabel *Label1;
    QRadioButton *RbCsak;
    QRadioButton *RBV;
    QCheckBox *CBhiba;
    QCheckBox *CBstat;
    QCheckBox *CB5;
    QPushButton *Binditas;
    QPushButton *Blista;
    QPushButton *Stat;
    QPushButton *Button2;
    QProgressBar *FszazalekAF;

    EditorModel *model_ = nullptr;
    THibaki *ownReport_ = nullptr;
    OverlapResult lastResult_;
    // The modal window below this one when it was activated, and whether
    // it was left for a window of its own (its summary, list or statistics)
    // opened above that one.
    QPointer<QWidget> modalBelow_;
    bool awayInOwnWindow_ = false;
};
