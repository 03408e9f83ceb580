#pragma once
// The component's default Skin3rd list: controls of other widget sets and the
// kind of control they are painted as.
#include <string>
#include <vector>

// 118 lines "class=kind". The order matters: the first line naming a class
// decides its kind, and a few classes stand in two groups.
const std::vector<std::string>& DefaultSkin3rd();
