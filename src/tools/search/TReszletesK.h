#pragma once
#include <QDialog>
#include <functional>

class EditorModel;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The detailed search window "Részletes keresés", shown beside the editor
// without blocking it; the editor closes it when it is activated again.
class TReszletesK : public QDialog {
    Q_OBJECT
public:
    explicit TReszletesK(EditorModel *model, QWidget *parent = nullptr);

    // Gives the editor's quick-search text when the window is shown.
    void setQuickSearchText(std::function<QString()> text) { quickSearchText_ = std::move(text); }

    void openWindow();
    void BkeresokClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditorModel *model_;
    std::function<QString()> quickSearchText_;

    QLineEdit *ERkereses;
    QPushButton *Bkeresok;
    QCheckBox *cbteljes;
    QCheckBox *cbvissza;
    QCheckBox *cbkisnagy;
    QCheckBox *CBsortores2;
    QPushButton *Bvissza;
};
