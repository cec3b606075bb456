#include "ui/Windows.h"

Windows &windows()
{
    static Windows w;
    return w;
}
