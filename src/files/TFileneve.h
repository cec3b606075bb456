#pragma once
#include <QDialog>

class DirectoryBrowser;
class EditorModel;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The file-name dialog "File nevének megadása" every save-as uses. It sets
// the target globals by fileNameMode and leaves saveCancelled on unless
// "Ok" accepted a name.
class TFileneve : public QDialog {
    Q_OBJECT
public:
    // The window works on the editor's model, given when it is created.
    explicit TFileneve(EditorModel *model = nullptr, QWidget *parent = nullptr);

    // Shows the dialog modally; true when a name was accepted (saveCancelled
    // is off).
    bool run();

    // The hidden type field Edit1: "Time" or "Frame", the time base of what
    // is being saved.
    void setTypeField(const QString &base);
    QString typeField() const;

    // Mode "Forditas": the translation workspace's format field (EFfm).
    void setTranslationFormat(const QString &base) { translationFormat_ = base; }
    // Mode "dupla": the CD-join window's type field (Edit4); the accepted
    // name (its E2cdfilenev) is read back with cdJoinFileName().
    void setCdJoinTimeBase(const QString &base) { cdJoinTimeBase_ = base; }
    QString cdJoinFileName() const { return cdJoinFileName_; }
    // Mode "MentesMaskent": the format chosen in the conversion window, by
    // its name and extension (".txt"); an empty extension changes neither
    // the filter nor saveExtension.
    void setConversionFormat(const QString &name, const QString &extension);

    // The editor whose model is told about the save-as; the registered
    // editor window's when not set.
    void setEditorModel(EditorModel *model) { model_ = model; }

    DirectoryBrowser *browser() const { return browser_; }

    void BokClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditorModel *editorModel() const;
    void activate();

    DirectoryBrowser *browser_;
    QListWidget *dlb;
    QComboBox *DriveComboBox1;
    QListWidget *flb;
    QComboBox *fcb;
    QLineEdit *e1;
    QPushButton *Bok;
    QPushButton *Button1;
    QLineEdit *Edit1;

    EditorModel *model_ = nullptr;
    QString translationFormat_;
    QString cdJoinTimeBase_;
    QString cdJoinFileName_;
    QString conversionName_;
    QString conversionExtension_;
};

// A file name without its extension (the part from its last ".").
QString withoutExtension(const QString &fileName);
