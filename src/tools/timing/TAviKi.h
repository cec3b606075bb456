#pragma once
#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>

class DirectoryBrowser;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The AVI window: in frame-rate mode ("FPS") it reads the frame rate of a
// video file into the editor's FPS box; the film-opening mode
// ("megnyitas") belongs to the video preview.
class TAviKi : public QDialog {
    Q_OBJECT
public:
    explicit TAviKi(QWidget *parent = nullptr);

    static inline const QString fpsMode = QStringLiteral("FPS");
    static inline const QString filmMode = QStringLiteral("megnyitas");

    void setMode(const QString &mode) { mode_ = mode; }
    QString mode() const { return mode_; }
    // The FPS box the read rate goes into (the editor's cbFps).
    void setFpsBox(QComboBox *box) { fpsBox_ = box; }

    DirectoryBrowser *browser() const { return browser_; }

    void BmegnyitasClick();

    // Film mode: "Film megnyitása" hands the chosen file to the opener, which
    // returns true when the window is to close.
    std::function<bool(const QString &path)> filmOpener;
    void BopenFilmClick();
    // Empties the chosen name, so that "Film megnyitása" waits for another.
    void clearChoice();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void formActivate();
    void pick(const QString &path);

    DirectoryBrowser *browser_;
    QComboBox *DriveComboBox1;
    QListWidget *DirectoryListBox1;
    QListWidget *FileListBox1;
    QComboBox *FilterComboBox1;
    QLineEdit *Efile;
    QPushButton *Bmegnyitas;
    QPushButton *BopenFilm;
    QPushButton *Bvissza;
    QString mode_ = fpsMode;
    QString picked_;
    QPointer<QComboBox> fpsBox_;
};
