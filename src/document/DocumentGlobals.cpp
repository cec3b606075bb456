#include "document/DocumentGlobals.h"

bool displayLock = false;
int secondRowCount = 0;

void resetDocumentGlobals()
{
    displayLock = false;
    secondRowCount = 0;
}
