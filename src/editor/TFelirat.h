#pragma once
#include <QDialog>
#include <QHash>
#include <QSize>
#include <functional>

#include "editor/EditorModel.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QTextEdit;
class QTimer;
class SubtitleGridDelegate;
class SubtitleGridModel;

// The editor window. It owns the subtitle table (in its model) for the
// whole run and mirrors the model's control states in its controls: every
// control and menu item carries its control name as objectName.
class TFelirat : public QDialog, public EditorHost {
    Q_OBJECT
public:
    explicit TFelirat(QWidget *parent = nullptr);
    ~TFelirat() override;

    EditorModel &model() { return model_; }

    // The reset state the start window puts the editor in before
    // "Megnyitás": controls disabled, fields cleared.
    void resetState();
    // Sets the time-base combo beosztas ("Time" or "Frame").
    void setTimeBase(const QString &base);

    // The screen the layouts are computed for (the primary screen unless set).
    void setScreenSize(QSize size) { screen_ = size; }
    QSize screenSize() const { return screen_; }
    // Lays the window out for layoutSetting on the screen.
    void applyLayout();
    bool largeLayout() const { return large_; }
    void showSingleSubtitleLayout();
    void showTwoSubtitleLayout();

    // Line-field routines shared with the tools.
    void showCurrentRow() override;
    void clearLineFields() override;
    void showProgress(bool visible) override;
    void setProgress(int value) override;
    void focusGrid() override;
    void showReportWindow() override;
    void runFileNameDialog() override;
    void setWaitCursor(bool on) override;
    void placeForRead() override;
    void showDifference();
    void applyTimes();
    // Prepares a new subtitle (open mode "uj").
    void newSubtitle();

    // Shows the open dialog modally for the activation after "Megnyitás";
    // and reads commandLineFile. Both are wired where the open dialog lives.
    std::function<void()> openDialogRunner;
    std::function<void()> commandLineReader;

    // Leaving: "Kilépés" with its question, "Vissza a főmenübe".
    void BkiClick();
    void BvisszaClick();
    void Felbonts1Click();
    void Felbonts2Click();

    // A control or menu item by its name (nullptr when unknown).
    QObject *control(const QString &name) const { return controls_.value(name); }
    template <typename T>
    T *controlAs(const QString &name) const { return qobject_cast<T *>(control(name)); }

    QTableView *grid() const { return racs_; }

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void buildPopupMenus();
    void connectControls();
    void connectOtherWindows();
    void BtallozasClick();
    void syncFileName();
    void registerControl(QObject *object, const QString &name);
    void mirrorControl(const QString &name);
    void placeControls();
    void placeLarge();
    void placeSmall();
    void place(const QString &name, int x, int y, int w, int h);
    void placeThresholdSpin();
    void applyColumnWidths();

    void formActivate();
    void dsDataChange();
    void syncGridToCursor();
    void refreshCountLabels();
    void colouringChanged();

    bool racsKeyDown(QKeyEvent *e);
    bool kezdesKeyDown(QKeyEvent *e);
    bool befejezesKeyDown(QKeyEvent *e);
    bool EmodositasKeyDown(QKeyEvent *e);
    bool EugrasKeyPress(QKeyEvent *e);
    bool EfilenevKeyPress(QKeyEvent *e);
    bool szovegKeyDown(QKeyEvent *e);
    void szovegKeyUp();
    void szoveg2KeyUp();
    bool wheelToKeys(QObject *watched, QWheelEvent *e);
    bool mainMenuShortcut(QKeyEvent *e) const;

    void BugrasClick();
    void BelsoClick();
    void ButolsoClick();
    void BvegelsoClick();
    void BmentesClick();
    void BMMNClick();
    void atlatszoClick();
    void ValtoChange(int value);
    void SEbetuChange(int value);
    void Timer1Timer();
    void racsContextMenu(const QPoint &pos);
    void popupAtMouse(QMenu *menu);

    EditorModel model_;
    QHash<QString, QObject *> controls_;
    QSize screen_;
    bool large_ = true;
    bool twoSubtitles_ = false;
    bool closing_ = false;
    bool syncingGrid_ = false;
    bool gridSyncQueued_ = false;
    int lastRecNo_ = -1;
    int alphaValue_ = 110;
    int wheelRemainder_ = 0;

    QMenuBar *menuBar_ = nullptr;
    QTableView *racs_ = nullptr;
    SubtitleGridModel *gridModel_ = nullptr;
    SubtitleGridDelegate *gridDelegate_ = nullptr;
    QLineEdit *kezdes_ = nullptr;
    QLineEdit *befejezes_ = nullptr;
    QLineEdit *kulonbseg_ = nullptr;
    QLineEdit *Esorszam_ = nullptr;
    QLineEdit *Emodositas_ = nullptr;
    QLineEdit *Eugras_ = nullptr;
    QLineEdit *Ekereses_ = nullptr;
    QLineEdit *Efilenev_ = nullptr;
    QTextEdit *szoveg_ = nullptr;
    QTextEdit *szoveg2_ = nullptr;
    QLabel *sordarab_ = nullptr;
    QLabel *sordarab2_ = nullptr;
    QLabel *ido_ = nullptr;
    QLabel *Lbetu_ = nullptr;
    QLabel *Lsor_ = nullptr;
    QProgressBar *Fszazalek_ = nullptr;
    QComboBox *beosztas_ = nullptr;
    QComboBox *cbFps_ = nullptr;
    QComboBox *CbPM_ = nullptr;
    QCheckBox *Cbki_ = nullptr;
    QCheckBox *Cbtobb_ = nullptr;
    QCheckBox *CB3sor_ = nullptr;
    QCheckBox *CBracs_ = nullptr;
    QCheckBox *atlatszo_ = nullptr;
    QSpinBox *SEbetu_ = nullptr;
    QSpinBox *Valto_ = nullptr;
    QGroupBox *GB1_ = nullptr;
    QGroupBox *GB12_ = nullptr;
    QTimer *Timer1_ = nullptr;
    QMenu *RacsPM_ = nullptr;
    QMenu *BeTorlesPM_ = nullptr;
    QMenu *PopupMenuEM_ = nullptr;
    QMenu *PMTorlesTobb_ = nullptr;
    QMenu *PMtobbgomb_ = nullptr;
    QMenu *PMTobbCheck_ = nullptr;
    QMenu *SzovegPop_ = nullptr;
};
