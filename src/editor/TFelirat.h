#pragma once
#include <QDialog>
#include <QHash>
#include <QSize>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "editor/EditorModel.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTableView;
class QTextEdit;
class QTimer;
class QWheelEvent;
class SubtitleGridDelegate;
class SubtitleGridModel;
struct ControlSpec;

// The editor window: the wiring of the controls of the control table
// (editorControls()) to the editor's routines. It mirrors the model's control
// states in its controls; every control and menu item carries its name as
// objectName (nameOf(id)). Each tool's glue lives beside the tool (wireEditorTools).
class TFelirat : public QDialog, public EditorHost {
    Q_OBJECT
public:
    // The window works on the editor's model; without one (tests) it keeps
    // its own.
    explicit TFelirat(EditorModel *model = nullptr, QWidget *parent = nullptr);
    ~TFelirat() override;

    EditorModel &model() { return *model_; }

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

    // Efilenev shows the subtitle's name.
    void showFileName();
    // The window's title: its caption, and the names of unsaved subtitles.
    void showTitle();
    // Shows the open dialog modally for the activation after "Megnyitás".
    std::function<void()> openDialogRunner;

    // Leaving: "Kilépés" with its question, "Vissza a főmenübe".
    void BkiClick();
    void BvisszaClick();
    // The save question of every way out; false after "Mégsem" or a save
    // that did not happen.
    bool mayLeave();
    void Felbonts1Click();
    void Felbonts2Click();

    // A control or menu item (nullptr for a grid state, a pop-up menu or a
    // control of another window).
    QObject *control(Ctl id) const { return id == Ctl::None ? nullptr : controls_[ctlIndex(id)]; }
    template <typename T>
    T *controlAs(Ctl id) const { return qobject_cast<T *>(control(id)); }
    // Runs handler when the button or menu item is used.
    void onClick(Ctl id, std::function<void()> handler);
    // The controls onClick wired, in order: every action a user can take.
    const QList<Ctl> &wiredActions() const { return wired_; }
    // A pop-up menu of the table (nullptr for another id).
    QMenu *popup(Ctl menu) const;
    // Opens the pop-up menu at the mouse.
    void popupAtMouse(Ctl menu);

    QTableView *grid() const { return racs_; }

    // Hooks of the film preview: after the controls were placed, when a
    // routine pauses the film, and when the window closes.
    std::function<void()> controlsPlaced;
    std::function<void()> filmPause;
    std::function<void()> closing;
    void pauseFilm() override
    {
        if (filmPause)
            filmPause();
    }

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<Ctl> wired_;
    using KeyRule = std::function<bool(QKeyEvent *)>;

    void buildControls();
    QWidget *makeControl(const ControlSpec &entry, QWidget *parent);
    void configureControls();
    void buildMenus();
    void connectControls();
    void connectKeys();
    void onKeyDown(QWidget *control, KeyRule rule);
    void registerControl(QObject *object, Ctl id);
    void mirrorControl(Ctl name);
    void placeControls();
    void placeThresholdSpin();
    void applyColumnWidths();

    void formActivate();
    void dsDataChange();
    void syncGridToCursor();
    void refreshCountLabels();
    void colouringChanged();
    void applyTimeBaseFields(const QString &base);

    bool racsKeyDown(QKeyEvent *e);
    bool kezdesKeyDown(QKeyEvent *e);
    bool befejezesKeyDown(QKeyEvent *e);
    bool EmodositasKeyDown(QKeyEvent *e);
    bool EugrasKeyPress(QKeyEvent *e);
    bool EfilenevKeyPress(QKeyEvent *e);
    bool szovegKeyDown(QKeyEvent *e);
    bool choiceBoxKeyPress(QKeyEvent *e);
    void szovegKeyUp();
    void szoveg2KeyUp();
    bool wheelToKeys(QWheelEvent *e);
    bool mainMenuShortcut(QKeyEvent *e) const;

    void BugrasClick();
    void atlatszoClick();
    void ValtoChange(int value);
    void SEbetuChange(int value);
    void Timer1Timer();
    void racsContextMenu(const QPoint &pos);

    std::unique_ptr<EditorModel> ownModel_;
    EditorModel *model_;
    std::array<QObject *, controlIdCount> controls_{};
    QHash<QObject *, KeyRule> keyDown_;
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
    QTimer *Timer1_ = nullptr;
};
