#include "files/convert/TMentesMaskent.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/Windows.h"
#include "editor/GridScrollBar.h"
#include "files/ConvertSubtitle.h"
#include "files/SubtitleFormat.h"
#include "files/TFileneve.h"
#include "ui/Modal.h"

TMentesMaskent::TMentesMaskent(EditorModel *model, QWidget *parent)
    : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("TMentesMaskent"));
    setWindowTitle(QStringLiteral("Mentés másként"));
    setFixedSize(554, 278);

    Label1 = new QLabel(QStringLiteral("Dupla kattintás a kiválasztandó formátumra:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 6, 538, 18);

    Lista = new QListWidget(this);
    Lista->setObjectName(QStringLiteral("Lista"));
    Lista->setGeometry(8, 26, 538, 212);
    Lista->setViewMode(QListView::IconMode);
    Lista->setResizeMode(QListView::Adjust);
    Lista->setMovement(QListView::Static);
    Lista->setWordWrap(true);
    Lista->setGridSize(QSize(104, 64));
    // every format shows the same small picture
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const SubtitleFormat &f : subtitleFormats())
        Lista->addItem(new QListWidgetItem(icon, QString(f.name)));
    connect(Lista, &QListWidget::itemDoubleClicked, this, [this] { ListaDblClick(); });

    Button1 = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 244, 100, 26);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TMentesMaskent::openWindow()
{
    showModal(this);
}

void TMentesMaskent::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TMentesMaskent::ListaDblClick()
{
    QListWidgetItem *item = Lista->currentItem();
    EditorModel *model = model_;
    if (!item || !item->isSelected() || !model)
        return;
    const QString name = item->text();
    const SubtitleFormat *format = findSubtitleFormat(name);
    if (TFileneve *dialog = windows().fileneve)
        dialog->setConversionFormat(name, format ? QString(format->extension) : QString());
    const ConvertOutcome outcome = convertTable(*model, name, true);
    if (outcome == ConvertOutcome::NotProgrammed || outcome == ConvertOutcome::Cancelled)
        return;
    if (format && format->saveAs)
        hideScrollBarAfterSave(*model);
    accept();
}
