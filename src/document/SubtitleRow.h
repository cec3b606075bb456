#pragma once
#include <QString>

#include "document/OptionalText.h"
#include "document/TimeText.h"

// The fields of a subtitle row. Sorszam is calculated, never stored.
enum class Field { Sorszam, Kezdes, Befejezes, Szoveg, Szoveg2, Sor3, Betu38 };

struct SubtitleRow {
    TimeText kezdes;
    TimeText befejezes;
    QString szoveg;
    OptionalText szoveg2;
    bool sor3 = false;
    bool betu38 = false;
};

inline bool operator==(const SubtitleRow &a, const SubtitleRow &b)
{
    return a.kezdes == b.kezdes && a.befejezes == b.befejezes && a.szoveg == b.szoveg
        && a.szoveg2 == b.szoveg2 && a.sor3 == b.sor3 && a.betu38 == b.betu38;
}
