#pragma once
#include <QDialog>

class QPlainTextEdit;

// "Leírás": a short description of the program. Opened from the editor's
// menu (Ctrl+L) through display().
class TLeiras : public QDialog {
    Q_OBJECT
public:
    explicit TLeiras(QWidget *parent = nullptr);
    int display();
    static QString descriptionText();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    QPlainTextEdit *memo_;
};
