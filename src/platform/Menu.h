#pragma once

#include <string_view>

namespace ruvo::platform {

// The items of the main window's menu tree; the tree itself is the app's.
enum class MenuItem : int {
    None = 0,  // parent of the items on the menu bar
    Hyoji,
    Hfont,
    Hfsize,
    Hkotei,
    Hkahen,
    Horikaeshi,
    Hrubi,
    Hjido,
    Hkubun1,
    Hhelp,
    Hkubun2,
    Hend,
};

enum class MenuKind { DropDown, Command, CheckCommand, Separator };

struct MenuEntry {
    MenuItem item;
    MenuItem parent;
    std::u16string_view caption;  // "&" marks the access key
    MenuKind kind;
    bool checked;  // check mark when the window is created
};

}  // namespace ruvo::platform
