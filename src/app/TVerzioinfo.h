#pragma once
#include <QDialog>

// "Verzióinformáció": the version history in a read-only memo.
class TVerzioinfo : public QDialog {
    Q_OBJECT
public:
    explicit TVerzioinfo(QWidget *parent = nullptr);
    static QString historyText();
};
