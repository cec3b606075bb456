#pragma once
#include <QString>

#include "document/TimeBaseValues.h"

// The values the mode globals take. They are short Hungarian texts compared
// exactly; the names say what each stands for.

namespace AppMode {  // appMode
inline const QString start = QStringLiteral("be");
inline const QString backFromEditor = QStringLiteral("be2");
inline const QString backFromTranslation = QStringLiteral("vissza");
inline const QString translating = QStringLiteral("For");
inline const QString subtitleRead = QStringLiteral("felvitt");
inline const QString quit = QStringLiteral("ki");
}  // namespace AppMode

namespace OpenMode {  // openMode
inline const QString opening = QStringLiteral("megnyitas");
inline const QString newSubtitle = QStringLiteral("uj");
inline const QString handled = QStringLiteral("mas");
inline const QString cdJoin = QStringLiteral("2cd1cd");
inline const QString cdJoined = QStringLiteral("22");
}  // namespace OpenMode

namespace Layout {  // layoutSetting
inline const QString large = QStringLiteral("1024x768");
inline const QString small = QStringLiteral("800x600");
inline const QString tooSmall = QStringLiteral("kicsi");
}  // namespace Layout

namespace Answer {  // boxAnswer: the contexts of the questions and the answers
inline const QString yes = QStringLiteral("igen");
inline const QString no = QStringLiteral("nem");
inline const QString timeShift = QStringLiteral("semmit");
// The same context serves any plain "Igen" / "Nem" / "Mégsem" question:
// "Mégsem" leaves it as it is.
inline const QString &plainQuestion = timeShift;
inline const QString overwrite = QStringLiteral("felulir");
inline const QString exitSave = QStringLiteral("mentes2");
inline const QString exitSaving = QStringLiteral("mentes3");
inline const QString stayInEditor = QStringLiteral("nemlepki");
inline const QString layoutSwitch = QStringLiteral("felbontas");
inline const QString deleteRows = QStringLiteral("torol");
inline const QString association = QStringLiteral("hozzarendeles");
}  // namespace Answer

namespace BoxKind {  // the kinds of showMessageBox
inline const QString info = QStringLiteral("info");
inline const QString question = QStringLiteral("kerdes");
inline const QString error = QStringLiteral("hiba");
}  // namespace BoxKind

namespace Target {  // textTarget
inline const QString main = QStringLiteral("1");
inline const QString second = QStringLiteral("2");
}  // namespace Target

namespace OpenPurpose {  // openPurpose
inline const QString subtitle = QStringLiteral("Felirat");
inline const QString translationSource = QStringLiteral("Forditas1");
inline const QString translationTarget = QStringLiteral("Forditas2");
inline const QString workspaceSource = QStringLiteral("Eredeti");
inline const QString workspaceTarget = QStringLiteral("Forditott");
}  // namespace OpenPurpose

namespace OpenResult {  // openResult
inline const QString open = QStringLiteral("ki");
inline const QString chosen = QStringLiteral("megnyit");
inline const QString back = QStringLiteral("vissza");
}  // namespace OpenResult

namespace FileNameMode {  // fileNameMode
inline const QString subtitle = QStringLiteral("Felirat");
inline const QString translation = QStringLiteral("Forditas");
inline const QString cdJoin = QStringLiteral("dupla");
inline const QString conversion = QStringLiteral("MentesMaskent");
}  // namespace FileNameMode
