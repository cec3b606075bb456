#include "document/VectorPaths.h"

#include <QtGlobal>

bool vectorPaths()
{
    static const bool on = !qEnvironmentVariableIsSet("KELVO_SCALAR");
    return on;
}
