#pragma once
#include <QDialog>

class QLabel;

// "Info": the about box. Opened from the editor's menu (Ctrl+I) through
// display(); a click on the picture, "OK" or Esc closes it.
class TInfo : public QDialog {
    Q_OBJECT
public:
    explicit TInfo(QWidget *parent = nullptr);
    int display();
    // "Verziószám: " and the start window's caption without "Kelvo v".
    static QString versionText(const QString &startCaption);

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    QLabel *picture_;
    QLabel *lverzio_;
};
