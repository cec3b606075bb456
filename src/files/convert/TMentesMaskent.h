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
    explicit TMentesMaskent(EditorModel *model = nullptr, QWidget *parent = nullptr);

    // The editor's menu item "Felirat konvertálása": shown modally.
    void openWindow();
    void setEditorModel(EditorModel *model) { model_ = model; }

    QListWidget *list() const { return Lista; }
    void ListaDblClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    EditorModel *editorModel() const;

    QLabel *Label1;
    QListWidget *Lista;
    QPushButton *Button1;
    EditorModel *model_;
};
