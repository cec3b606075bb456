#include "app/Windows.h"

Windows &windows()
{
    static Windows w;
    return w;
}
