#include "app/TInfo.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/TFoForm.h"
#include "ui/JpegImage.h"
#include "ui/Modal.h"
#include "app/Windows.h"

TInfo::TInfo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Info"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(280, 228);

    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setGeometry(10, 10, 260, 110);
    picture_->setPixmap(QPixmap::fromImage(jpegResource(QStringLiteral(":/about.jpg"))));
    picture_->setCursor(Qt::PointingHandCursor);
    picture_->installEventFilter(this);

    lverzio_ = new QLabel(this);
    lverzio_->setObjectName(QStringLiteral("Lverzio"));
    lverzio_->setGeometry(10, 128, 260, 20);
    lverzio_->setAlignment(Qt::AlignCenter);
    QFont f = lverzio_->font();
    f.setBold(true);
    lverzio_->setFont(f);

    auto *about = new QLabel(QStringLiteral("Feliratszerkesztő program"), this);
    about->setObjectName(QStringLiteral("Label1"));
    about->setGeometry(10, 150, 260, 20);
    about->setAlignment(Qt::AlignCenter);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Bok"));
    ok->setGeometry(102, 184, 75, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    lverzio_->setText(versionText(TFoForm::captionFor(edition)));
}

QString TInfo::versionText(const QString &startCaption)
{
    return QStringLiteral("Verziószám: ") + startCaption.mid(7);
}

int TInfo::display()
{
    const QString caption =
        windows().foForm ? windows().foForm->windowTitle() : TFoForm::captionFor(edition);
    lverzio_->setText(versionText(caption));
    return showModal(this);
}

bool TInfo::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == picture_ && e->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}
