#pragma once
#include <QDialog>
#include <QSize>
#include <memory>

class EditorModel;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class SubtitleTable;

// The translation workspace: the source and its translation in two tables
// of their own, one grid above the other, each with its file, time base,
// line fields, search, check and save. Independent of the editor's table.
class TForditas : public QDialog {
    Q_OBJECT
public:
    enum SideId { Source = 0, Translation = 1 };

    // editor: whose text clipboard the cut, copy and paste items share.
    explicit TForditas(EditorModel *editor = nullptr, QSize screen = QSize(1024, 768),
                       QWidget *parent = nullptr);
    ~TForditas() override;

    // The start window's reset before every show: empty tables and fields,
    // the save, row and search controls off.
    void reset();
    // The rules run when the window is shown (tests call them directly).
    void FormActivate();
    // The start window's choice of the two layout items.
    void setLayoutItems(bool small);

    SubtitleTable &table(SideId side);
    QString filePath(SideId side) const;
    QString timeBase(SideId side) const;

    // Reads a file into one table; with emptyTranslation set, a source read
    // builds the translation from its timing. viaMenu: opened through the
    // workspace's own menu (shows the source's line fields).
    void readSide(SideId side, const QString &path, bool viaMenu = false);

    // Handlers of the controls and menu items.
    bool saveSide(SideId side);
    void saveBoth();
    bool checkSide(SideId side, bool announce);
    void searchSide(SideId side);
    void moveBoth(bool toLast);
    void moveTo(SideId side, int recNo);
    void openSide(SideId side);   // "Eredeti/Fordított felirat megnyitása"
    void openProject(bool fresh);  // "Új project megnyitás" / "Project megnyitása"
    void backClick();              // "<<< Vissza", "Vissza a főmenübe"
    void quitClick();              // "Kilépés"
    void layoutItemClick(bool small);  // "800x600" / "1024x768"
    bool smallLayout() const { return small_; }

public slots:
    void done(int result) override;

public:
    // Whether a table holds changes not yet saved.
    bool unsaved(SideId side) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Side;
    Side &side(SideId id) { return *sides_[id]; }
    const Side &side(SideId id) const { return *sides_[id]; }
    void buildSide(SideId id);
    void buildMenus();
    void applyLayout(bool small);
    void rowChanged(SideId id);
    void syncGrid(SideId id);
    void fillLineFields(SideId id);
    void finishRead(SideId id);
    void updateSaveBoth();
    bool mayDiscard(std::initializer_list<SideId> ids);
    void showTitle();
    void setRowControls(SideId id, bool on);
    void styleItem(SideId id, QAction *item, QChar tag, bool nowTicked);
    bool gridKey(SideId id, class QKeyEvent *key);
    bool lineFieldKey(SideId id, int field, class QKeyEvent *key);
    void storeLineField(SideId id, int field);
    QString &clipboard();

    EditorModel *editor_;
    QSize screen_;
    std::unique_ptr<Side> sides_[2];
    QMenuBar *menu_;
    QAction *saveBothItem_;
    QAction *layoutSmall_;
    QAction *layoutLarge_;
    QCheckBox *cb1_;
    QCheckBox *atlatszo2_;
    QLabel *clock_;
    QPushButton *project_;
    QPushButton *back_;
    QPushButton *quit_;
    QString ownClipboard_;
    bool small_ = false;
    bool syncing_ = false;
};
