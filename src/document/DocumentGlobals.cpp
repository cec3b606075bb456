#include "document/DocumentGlobals.h"

bool displayLock = false;

void resetDocumentGlobals()
{
    displayLock = false;
}
