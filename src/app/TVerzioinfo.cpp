#include "app/TVerzioinfo.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString TVerzioinfo::historyText()
{
    return QStringLiteral(
        "Kelvo 6.835\n"
        "\n"
        "Ebben a változatban:\n"
        "- Időalapú (.srt) és képkocka alapú (.sub) feliratok megnyitása, "
        "szerkesztése és mentése.\n"
        "- A hibás .srt fájlok javítása beolvasáskor; minden javítás megjelenik "
        "a hibalistában.\n"
        "- Szövegjavító eszközök: általános javítások, hangutánzó szövegek és "
        "nevek törlése, sortörés, sorfelezés, sorok összevonása, karaktereszközök.\n"
        "- Időzítési eszközök: eltolás, időalap-váltás, FPS-átváltás, az AVI fájl "
        "képkockasebessége, átfedések és túl rövid sorok keresése, CD-részek "
        "szétvágása és összefűzése.\n"
        "- Keresés, részletes keresés, keresés és csere.\n"
        "- Mentés más felirat-formátumokba.\n"
        "- Fordítási munkafelület.\n"
        "- A teljes kiadásban videós előnézet; a VN kiadás videó nélküli.\n"
        "\n"
        "A program beállításokat nem tárol: minden indításkor az alapértékekkel "
        "indul. Az .srt kiterjesztés hozzárendelése ezen a rendszeren a "
        "felhasználó saját alkalmazáslistájába kerül.\n");
}

TVerzioinfo::TVerzioinfo(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Verzioinfo"));
    setWindowTitle(QStringLiteral("Verzióinformáció"));
    resize(480, 420);

    auto *memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setPlainText(historyText());

    auto *close = new QPushButton(QStringLiteral("Bezárás"), this);
    close->setObjectName(QStringLiteral("Bbezar"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memo);
    layout->addWidget(close, 0, Qt::AlignRight);
}
