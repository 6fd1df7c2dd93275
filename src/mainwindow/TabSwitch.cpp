#include "mainwindow/TabSwitch.h"

namespace TabSwitch {

int Beside(int current, int step, int count)
{
    if (count <= 0)
        return -1;
    if (current < 0 || current >= count)
        return 0;
    return ((current + step) % count + count) % count;
}

int Numbered(int number, int count)
{
    if (number == 9)
        return count - 1;
    return number >= 1 && number <= count ? number - 1 : -1;
}

}  // namespace TabSwitch
