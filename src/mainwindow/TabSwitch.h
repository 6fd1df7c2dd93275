#pragma once

// Which page the tab keys pick among Count pages; -1 where they pick none.
namespace TabSwitch {

// The page Step places after Current (Step -1: before it), going round at either end.
int Beside(int current, int step, int count);
// The page of the number key Number (1 to 9): 1 to 8 pick that page, 9 the last one.
int Numbered(int number, int count);

}  // namespace TabSwitch
