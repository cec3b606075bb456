#include "editor/TypedValues.h"

#include "app/MessageBox.h"
#include "app/ModeValues.h"

bool reportCheck(const ValueCheck &check)
{
    if (!check.passed)
        showMessageBox(QStringLiteral("Hiba!"), BoxKind::error, check.first, false, false, true,
                       check.second);
    return check.passed;
}

bool checkTypedTime(QStringView text, bool showMessages)
{
    const ValueCheck check = typedTimeCheck(text);
    return showMessages ? reportCheck(check) : check.passed;
}

bool checkTimePair(QStringView first, QStringView second)
{
    return reportCheck(timePairCheck(first, second));
}

bool checkFramePair(QStringView start, QStringView end)
{
    return reportCheck(framePairCheck(start, end));
}

bool checkFrameValue(QStringView text)
{
    return reportCheck(frameValueCheck(text));
}
