#include "editor/LayoutSwitch.h"

#include "app/MessageBox.h"
#include "app/ModeValues.h"
#include "editor/EditorLayout.h"

bool confirmLayoutSwitch(const QString &layout, QSize screen)
{
    const QString title = QStringLiteral("Felbontás átállítása!");
    const bool large = layout == Layout::large;
    if (large && !screenFitsLargeLayout(screen)) {
        showMessageBox(title, BoxKind::info, QStringLiteral("Túl kicsi a képernyő felbontása ahhoz,"),
                       false, false, true,
                       QStringLiteral("hogy átállítsam a program felbontását!"));
        return false;
    }
    boxAnswer = Answer::layoutSwitch;
    showMessageBox(title, BoxKind::question,
                   large ? QStringLiteral("Biztos át akar térni a 1024x768-as programbéli felbontásra?")
                         : QStringLiteral("Biztos át akar térni a 800x600-as programbéli felbontásra?"),
                   true, true, false);
    return boxAnswer == Answer::yes;
}
