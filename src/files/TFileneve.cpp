#include "files/TFileneve.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/EditorModel.h"
#include "files/FileGlobals.h"
#include "ui/DirectoryBrowser.h"
#include "ui/Modal.h"

QString withoutExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot > 0 ? fileName.left(dot) : fileName;
}

namespace {

QString extensionFor(const QString &base)
{
    return base == TimeBase::time ? QStringLiteral(".srt") : QStringLiteral(".sub");
}

QString filterFor(const QString &base)
{
    return base == TimeBase::time ? QStringLiteral("Feliratok (*.srt)|*.srt")
                                         : QStringLiteral("Feliratok (*.sub)|*.sub");
}

// Characters a name typed here cannot hold: the dialog appends the
// extension itself, and "/" would leave the chosen directory.
bool isRefused(QChar c)
{
    return c == u'.' || c == u'/';
}

}  // namespace

TFileneve::TFileneve(EditorModel *model, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      model_(model)
{
    setObjectName(QStringLiteral("Fileneve"));
    setWindowTitle(QStringLiteral("File nevének megadása"));
    setFixedSize(557, 424);

    e1 = new QLineEdit(this);
    e1->setObjectName(QStringLiteral("e1"));
    e1->setGeometry(8, 8, 268, 26);

    browser_ = new DirectoryBrowser(this);
    flb = browser_->fileList();
    fcb = browser_->filterBox();
    dlb = browser_->directoryList();
    DriveComboBox1 = browser_->driveBox();
    flb->setObjectName(QStringLiteral("flb"));
    fcb->setObjectName(QStringLiteral("fcb"));
    dlb->setObjectName(QStringLiteral("dlb"));
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    flb->setGeometry(8, 42, 268, 298);
    fcb->setGeometry(8, 348, 268, 26);
    dlb->setGeometry(288, 8, 261, 332);
    DriveComboBox1->setGeometry(288, 348, 261, 26);
    browser_->setFilter(QStringLiteral("Feliratok (*.srt,*.sub)|*.srt;*.sub"));

    Button1 = new QPushButton(QStringLiteral("<<< Vissza"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 384, 130, 32);
    Bok = new QPushButton(QStringLiteral("Ok"), this);
    Bok->setObjectName(QStringLiteral("Bok"));
    Bok->setGeometry(419, 384, 130, 32);
    Bok->setEnabled(false);
    for (QPushButton *b : {Button1, Bok})
        b->setAutoDefault(false);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();

    setTabOrder(e1, flb);
    setTabOrder(flb, fcb);
    setTabOrder(fcb, dlb);
    setTabOrder(dlb, DriveComboBox1);
    setTabOrder(DriveComboBox1, Bok);
    setTabOrder(Bok, Button1);

    for (QWidget *w :
         std::initializer_list<QWidget *>{e1, flb, fcb, dlb, DriveComboBox1, Bok, Button1})
        w->installEventFilter(this);

    connect(e1, &QLineEdit::textChanged, this,
            [this](const QString &text) { Bok->setEnabled(!text.isEmpty()); });
    // Pasted text loses the characters typing cannot enter.
    connect(e1, &QLineEdit::textEdited, this, [this](const QString &text) {
        QString clean;
        int cursor = e1->cursorPosition();
        for (int i = 0; i < text.size(); ++i) {
            if (!isRefused(text[i]))
                clean.append(text[i]);
            else if (i < e1->cursorPosition())
                --cursor;
        }
        if (clean != text) {
            e1->setText(clean);
            e1->setCursorPosition(cursor);
        }
    });
    connect(browser_, &DirectoryBrowser::fileClicked, this, [this](const QString &path) {
        e1->setText(withoutExtension(QFileInfo(path).fileName()));
    });
    connect(dlb, &QListWidget::itemDoubleClicked, this, [this] { e1->clear(); });
    connect(Bok, &QPushButton::clicked, this, &TFileneve::BokClick);
    connect(Button1, &QPushButton::clicked, this, &TFileneve::Button1Click);
}

EditorModel *TFileneve::editorModel() const
{
    return model_;
}

bool TFileneve::run()
{
    showModal(this);
    return !saveCancelled;
}

void TFileneve::setTypeField(const QString &base)
{
    Edit1->setText(base);
}

QString TFileneve::typeField() const
{
    return Edit1->text();
}

void TFileneve::setConversionFormat(const QString &name, const QString &extension)
{
    conversionName_ = name;
    conversionExtension_ = extension;
}

void TFileneve::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        activate();
}

void TFileneve::activate()
{
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
    e1->clear();
    Bok->setEnabled(false);
    browser_->setDirectory(lastDirectory);
    if (fileNameMode == FileNameMode::subtitle) {
        const EditorModel *m = editorModel();
        browser_->setFilter(filterFor(m ? m->timeBase() : Edit1->text()));
    } else if (fileNameMode == FileNameMode::translation) {
        browser_->setFilter(filterFor(translationFormat_));
    } else if (fileNameMode == FileNameMode::cdJoin) {
        browser_->setFilter(filterFor(cdJoinTimeBase_));
    } else if (fileNameMode == FileNameMode::conversion) {
        // The whole extension goes, also a four-letter one such as ".ssts".
        e1->setText(withoutExtension(subtitleFileName));
        if (!conversionExtension_.isEmpty()) {
            saveExtension = conversionExtension_;
            browser_->setFilter(conversionName_ + QStringLiteral(" (*") + conversionExtension_
                                + QStringLiteral(")|*") + conversionExtension_);
        }
    }
    saveCancelled = true;
    e1->setFocus();
}

// Coming back into view rereads the directory: a save elsewhere may have
// added files.
bool TFileneve::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && isVisible())
        browser_->refresh();
    return QDialog::event(event);
}

void TFileneve::Button1Click()
{
    boxAnswer = Answer::no;
    reject();
}

void TFileneve::BokClick()
{
    const QString name = e1->text();
    if (name.isEmpty())
        return;
    boxAnswer = Answer::overwrite;
    if (fileNameMode != FileNameMode::conversion)
        saveExtension = extensionFor(Edit1->text());

    browser_->refresh();
    const QString dir = browser_->directory();
    // Letter case counts: on this system Film.SRT and Film.srt are two files.
    if (QFileInfo::exists(joinPath(dir, name + saveExtension))) {
        showMessageBox(QStringLiteral("Létező file"), QStringLiteral("kerdes"),
                       QStringLiteral("Már létezik a file!"), true, true, false,
                       QStringLiteral("Felülírjam?"));
    }
    if (boxAnswer != Answer::yes && boxAnswer != Answer::overwrite)
        return;

    if (fileNameMode == FileNameMode::subtitle) {
        const QString fileName = name + saveExtension;
        if (textTarget == Target::second) {
            secondSubtitlePath = joinPath(dir, fileName);
            secondSubtitleFileName = fileName;
        } else {
            subtitlePath = joinPath(dir, fileName);
            subtitleFileName = fileName;
        }
    } else if (fileNameMode == FileNameMode::translation) {
        const QString fileName = name + extensionFor(translationFormat_);
        subtitlePath = joinPath(dir, fileName);
        subtitleFileName = fileName;
    } else if (fileNameMode == FileNameMode::cdJoin) {
        cdJoinFileName_ = joinPath(dir, name + extensionFor(cdJoinTimeBase_));
    } else if (fileNameMode == FileNameMode::conversion) {
        subtitlePath = joinPath(dir, name + saveExtension);
        subtitleFileName = name + saveExtension;
    }
    accept();
    if (EditorModel *m = editorModel())
        m->setEnabled(Ctl::MentM1, true);
    saveCancelled = false;
}

bool TFileneve::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == e1) {
        if (enter) {
            Bok->setFocus();
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && isRefused(text[0]))
            return true;
        return false;
    }
    if (enter) {
        if (auto *button = qobject_cast<QPushButton *>(watched)) {
            if (button->isEnabled())
                button->click();
            return true;
        }
        // Enter in the directory list opens the directory; elsewhere nothing.
        return watched != dlb;
    }
    return QDialog::eventFilter(watched, event);
}
