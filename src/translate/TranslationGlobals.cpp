#include "translate/TranslationGlobals.h"

bool emptyTranslation = false;

void resetTranslationGlobals()
{
    emptyTranslation = false;
}
