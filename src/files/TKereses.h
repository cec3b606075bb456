#pragma once
#include <QDialog>
#include <functional>

class DirectoryBrowser;
class EditorModel;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The open dialog "Felirat megnyitása": picks a subtitle for the editor
// (main or second) or for either side of the translation windows.
class TKereses : public QDialog {
    Q_OBJECT
public:
    // The window works on the editor's model, given when it is created.
    explicit TKereses(EditorModel *model = nullptr, QWidget *parent = nullptr);

    // From the editor: "Tallózás"/Ctrl+O (second off, not modal), "Másik
    // felirat beolvasása" (second on, not modal), the editor's activation
    // after "Megnyitás" on the start window (second off, modal).
    void openForEditor(bool second, bool modal);
    // From the translation windows, modally: purpose "Forditas1" or
    // "Forditas2" (set-up window), "Eredeti" or "Forditott" (workspace).
    void openForTranslation(const QString &purpose);

    // The translation side's two file fields the duplicate check compares
    // with (source Eef / translated Eff, or the workspace's two fields).
    void setTranslationPaths(const QString &source, const QString &translated);
    QString translationSourcePath() const { return source_; }
    QString translationTranslatedPath() const { return translated_; }
    // Called with the purpose and subtitlePath once a translation pick is
    // accepted (the window fills its field or reads the file).
    void setTranslationHandler(std::function<void(const QString &, const QString &)> handler)
    {
        translationHandler_ = std::move(handler);
    }

    // The editor whose time base and model the dialog uses; the registered
    // editor window's model when not set.
    void setEditorModel(EditorModel *model);

    DirectoryBrowser *browser() const { return browser_; }

    // Handlers of the controls.
    void megnyitasClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    void done(int result) override;

private:
    EditorModel *editorModel() const;
    void activate();
    void reexposed();
    void pick(const QString &path);
    void clearPick();
    void openPicked();
    void acceptTranslation(const QString &otherSide, QString &ownSide, const QString &duplicateLine);

    DirectoryBrowser *browser_;
    QComboBox *DriveComboBox1;
    QListWidget *DirectoryListBox1;
    QListWidget *filelistbox;
    QComboBox *FilterComboBox1;
    QLineEdit *e1;
    QPushButton *megnyitas;
    QPushButton *Button1;

    EditorModel *model_ = nullptr;
    QString source_;
    QString translated_;
    std::function<void(const QString &, const QString &)> translationHandler_;
    // An open in this showing replaced the three file globals.
    bool replacedFileGlobals_ = false;
};
