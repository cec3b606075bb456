#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// "Kezdő érték és a File nevének megadása": the start value the second part
// is moved to and the name the joined subtitle is saved under.
class TErtek2cd : public QDialog {
    Q_OBJECT
public:
    explicit TErtek2cd(QWidget *parent = nullptr);

    // Shows the window modally for the two chosen paths; Accepted once the
    // start value and the result name were accepted.
    int openFor(const QString &first, const QString &second);

    QString timeBase() const { return timeBase_; }
    QString startValue() const;
    QString resultName() const;

    void TallozasClick();
    void BervenyesitClick();
    void Button1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activate(const QString &first, const QString &second);
    void updateAccept();

    QLabel *Label1;
    QLineEdit *Edit2;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *E2cdfilenev;
    QPushButton *Tallozas;
    QPushButton *Bervenyesit;
    QPushButton *Button1;

    QString timeBase_;
};
