#include "tools/search/TReszletesK.h"

#include "ui/Modal.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tools/search/Search.h"
#include "ui/Modal.h"

namespace {

template <typename T>
T *named(T *widget, const char *name, QRect place)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(place);
    return widget;
}

}  // namespace

TReszletesK::TReszletesK(EditorModel *model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      model_(model)
{
    setObjectName(QStringLiteral("ReszletesK"));
    setWindowTitle(QStringLiteral("Részletes keresés"));
    setModal(false);
    setFixedSize(330, 214);

    named(new QLabel(QStringLiteral("Keresés:"), this), "Label1", {12, 12, 80, 18});
    ERkereses = named(new QLineEdit(this), "ERkereses", {12, 32, 216, 24});
    Bkeresok = named(new QPushButton(QStringLiteral("Keresés"), this), "Bkeresok",
                     {236, 31, 82, 26});
    cbteljes = named(new QCheckBox(QStringLiteral("Csak teljes szó"), this), "cbteljes",
                     {12, 66, 306, 22});
    cbvissza = named(new QCheckBox(QStringLiteral("Keresés visszafelé"), this), "cbvissza",
                     {12, 90, 306, 22});
    cbkisnagy = named(new QCheckBox(QStringLiteral("Kis- és nagybetű megkülönböztetése"), this),
                      "cbkisnagy", {12, 114, 306, 22});
    CBsortores2 = named(new QCheckBox(QStringLiteral("Sortörés figyelmen kívül hagyása"), this),
                        "CBsortores2", {12, 138, 306, 22});
    Bvissza = named(new QPushButton(QStringLiteral("<<< Vissza"), this), "Bvissza",
                    {109, 174, 112, 28});

    for (QWidget *w : findChildren<QWidget *>())
        w->installEventFilter(this);
    connect(Bkeresok, &QPushButton::clicked, this, &TReszletesK::BkeresokClick);
    connect(Bvissza, &QPushButton::clicked, this, &QDialog::close);
}

void TReszletesK::openWindow()
{
    showWithoutBlocking(this);
}

// The editor's quick-search text is taken when the window opens, not on
// every activation: coming back from the "not found" message must not wipe
// what was typed here.
void TReszletesK::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (quickSearchText_)
        ERkereses->setText(quickSearchText_());
    ERkereses->setFocus(Qt::OtherFocusReason);
}

void TReszletesK::BkeresokClick()
{
    if (!model_)
        return;
    DetailedSearchOptions options;
    options.backward = cbvissza->isChecked();
    options.matchCase = cbkisnagy->isChecked();
    options.ignoreBreaks = CBsortores2->isChecked();
    options.wholeWord = cbteljes->isChecked();
    detailedSearch(*model_, ERkereses->text(), options);
}

// Enter on every control searches, Esc closes.
bool TReszletesK::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *e = static_cast<QKeyEvent *>(event);
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            BkeresokClick();
            return true;
        }
        if (e->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
