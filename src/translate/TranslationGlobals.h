#pragma once

// Set when the translation is to be built empty from the source's timing;
// it holds from one load of the translation workspace to the next.
extern bool emptyTranslation;

void resetTranslationGlobals();
