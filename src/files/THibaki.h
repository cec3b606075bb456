#pragma once
#include <QDialog>

class CorrectionLog;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;

// The report window: lists the correction log (the reader's repairs or a
// tool's changes) under the caption and headings the log asks for.
class THibaki : public QDialog {
    Q_OBJECT
public:
    explicit THibaki(QWidget *parent = nullptr);

    // Takes the log's lines, caption and headings and shows it modally.
    void showLog(const CorrectionLog &log);
    // The same without showing (the window keeps what it was given).
    void setLog(const CorrectionLog &log);

    QListView *list() const { return LBhiba; }
    QStringListModel *lines() const { return lines_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *Label1;
    QLabel *Label2;
    QListView *LBhiba;
    QStringListModel *lines_;
    QPushButton *Bezar;
};
