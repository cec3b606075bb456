#include "tools/cd/TCd2cd1.h"

#include "files/FileGlobals.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/ModeGlobals.h"
#include "app/ModeValues.h"
#include "app/Windows.h"
#include "tools/cd/CdJoin.h"
#include "tools/cd/TErtek2cd.h"
#include "ui/DirectoryBrowser.h"
#include "ui/Modal.h"

TCd2cd1::TCd2cd1(TErtek2cd *values, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowStaysOnTopHint),
      values_(values)
{
    setObjectName(QStringLiteral("Cd2cd1"));
    setWindowTitle(QStringLiteral("File-ok kiválasztása"));
    setFixedSize(580, 580);

    browser_ = new DirectoryBrowser(this);
    QListWidget *files = browser_->fileList();
    files->setObjectName(QStringLiteral("FileListBox1"));
    browser_->directoryList()->setObjectName(QStringLiteral("DirectoryListBox1"));
    browser_->driveBox()->setObjectName(QStringLiteral("DriveComboBox1"));
    browser_->filterBox()->setObjectName(QStringLiteral("FilterComboBox1"));
    Label1 = new QLabel(QStringLiteral("Dupla kattintással válassza ki a file-okat:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 276, 20);
    files->setGeometry(8, 32, 276, 360);
    browser_->filterBox()->setGeometry(8, 400, 276, 26);
    browser_->directoryList()->setGeometry(296, 32, 276, 360);
    browser_->driveBox()->setGeometry(296, 400, 276, 26);
    browser_->setFilter(QStringLiteral("Srt (*.srt)|*.srt|Sub (*.sub)|*.sub"));

    Label2 = new QLabel(QStringLiteral("Az első file:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(8, 436, 120, 20);
    Eelsofile = new QLineEdit(this);
    Eelsofile->setObjectName(QStringLiteral("Eelsofile"));
    Eelsofile->setReadOnly(true);
    Eelsofile->setGeometry(130, 434, 442, 24);
    Label3 = new QLabel(QStringLiteral("A második file:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(8, 468, 120, 20);
    Emasodikfile = new QLineEdit(this);
    Emasodikfile->setObjectName(QStringLiteral("Emasodikfile"));
    Emasodikfile->setReadOnly(true);
    Emasodikfile->setGeometry(130, 466, 442, 24);

    Button1 = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 540, 130, 32);
    Bervenyesites = new QPushButton(QStringLiteral("Érvényesítés"), this);
    Bervenyesites->setObjectName(QStringLiteral("Bervenyesites"));
    Bervenyesites->setGeometry(442, 540, 130, 32);
    Bervenyesites->setEnabled(false);
    for (QPushButton *b : {Button1, Bervenyesites})
        b->setAutoDefault(false);

    auto bothFilled = [this] {
        Bervenyesites->setEnabled(!Eelsofile->text().isEmpty()
                                  && !Emasodikfile->text().isEmpty());
    };
    connect(Eelsofile, &QLineEdit::textChanged, this, bothFilled);
    connect(Emasodikfile, &QLineEdit::textChanged, this, bothFilled);
    connect(browser_, &DirectoryBrowser::fileActivated, this, &TCd2cd1::fileDoubleClicked);
    connect(Bervenyesites, &QPushButton::clicked, this, &TCd2cd1::BervenyesitesClick);
    connect(Button1, &QPushButton::clicked, this, &TCd2cd1::Button1Click);
}

TErtek2cd *TCd2cd1::valuesWindow() const
{
    return values_ ? values_ : windows().ertek2cd;
}

QString TCd2cd1::firstFile() const
{
    return Eelsofile->text();
}

QString TCd2cd1::secondFile() const
{
    return Emasodikfile->text();
}

int TCd2cd1::openWindow()
{
    activate();
    return showModal(this);
}

void TCd2cd1::activate()
{
    if (openMode == OpenMode::cdJoin)
        return;
    // opened where the other file windows open, not on empty lists
    browser_->setDirectory(lastDirectory);
    Eelsofile->clear();
    Emasodikfile->clear();
    Bervenyesites->setEnabled(false);
    fillFirst_ = true;
}

void TCd2cd1::fileDoubleClicked(const QString &path)
{
    QLineEdit *target = fillFirst_ ? Eelsofile : Emasodikfile;
    QLineEdit *other = fillFirst_ ? Emasodikfile : Eelsofile;
    if (!acceptCdJoinFile(path, other->text(), fillFirst_))
        return;
    target->setText(path);
    fillFirst_ = !fillFirst_;
}

void TCd2cd1::BervenyesitesClick()
{
    if (!checkCdJoinPair(Eelsofile->text(), Emasodikfile->text()))
        return;
    TErtek2cd *values = valuesWindow();
    if (!values)
        return;
    openMode = OpenMode::cdJoined;
    if (values->openFor(Eelsofile->text(), Emasodikfile->text()) == QDialog::Accepted) {
        done(QDialog::Accepted);
        return;
    }
    // Back from the values: this window comes to the front again.
    activate();
}

void TCd2cd1::Button1Click()
{
    openMode = OpenMode::cdJoin;
    done(QDialog::Rejected);
}
