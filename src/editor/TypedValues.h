#pragma once
#include <QStringView>

#include "document/TimeCode.h"

// The checks of typed times and frame numbers as the editor's fields use
// them: a failure is shown at once (title "Hiba!", kind "hiba", OK only).

// Shows the message of a failed check; true when the check passed.
bool reportCheck(const ValueCheck &check);

bool checkTypedTime(QStringView text, bool showMessages);
bool checkTimePair(QStringView first, QStringView second);
bool checkFramePair(QStringView start, QStringView end);
bool checkFrameValue(QStringView text);
