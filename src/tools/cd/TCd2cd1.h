#pragma once
#include <QDialog>

class DirectoryBrowser;
class QLabel;
class QLineEdit;
class QPushButton;
class TErtek2cd;

// "File-ok kiválasztása": the two parts of the join are chosen by
// double-clicking files, then handed to TErtek2cd for the start value and
// the result name.
class TCd2cd1 : public QDialog {
    Q_OBJECT
public:
    // values: the window asking for the start value and result name; the
    // registered one when not given.
    explicit TCd2cd1(TErtek2cd *values = nullptr, QWidget *parent = nullptr);

    // Shows the window modally; Accepted when the join's values were given.
    int openWindow();

    QString firstFile() const;
    QString secondFile() const;
    TErtek2cd *valuesWindow() const;
    DirectoryBrowser *browser() const { return browser_; }

    // A double-click on a file of the list.
    void fileDoubleClicked(const QString &path);
    void BervenyesitesClick();
    void Button1Click();

private:
    void activate();

    DirectoryBrowser *browser_;
    QLabel *Label1;
    QLabel *Label2;
    QLineEdit *Eelsofile;
    QLabel *Label3;
    QLineEdit *Emasodikfile;
    QPushButton *Bervenyesites;
    QPushButton *Button1;

    TErtek2cd *values_ = nullptr;
    bool fillFirst_ = true;
};
