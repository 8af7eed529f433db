#include "drill/DrillBericht.h"

DrillBerichtSender& DrillBericht()
{
    static DrillBerichtSender sender;
    return sender;
}
