#pragma once
#include <QDialog>

class EditorModel;
class QLabel;
class QListWidget;
class QPushButton;

// The conversion window "Mentés másként": the listed formats as icons; a
// double click on one asks for the target and writes the editor's table.
class TMentesMaskent : public QDialog {
    Q_OBJECT
public:
    // model: the editor's, whose table the window writes.
    explicit TMentesMaskent(EditorModel *model, QWidget *parent = nullptr);

    // The editor's menu item "Felirat konvertálása": shown modally.
    void openWindow();

    QListWidget *list() const { return Lista; }
    void ListaDblClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *Label1;
    QListWidget *Lista;
    QPushButton *Button1;
    EditorModel *model_;
};
