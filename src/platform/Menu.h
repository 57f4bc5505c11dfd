#pragma once

#include <string_view>

namespace ruvo::platform {

// The commands and drop-downs of the main window's menu; the tree itself is
// the program's.
enum class MenuItem : int {
    None = 0,  // the menu bar, as a parent, and a separator, as an item
    Format,
    Font,
    FrameSize,
    FixedSize,
    VariableSize,
    Wrapping,
    ColumnLength,
    LengthToWindow,
    Length20,
    Length40,
    Length42,
    Ruby,
    Manuscript,
    AutoUpdate,
    CopyPicture,
    SavePicture,
    Print,
    Help,
    Exit,
    OpenFile,
};

// A radio command is one of a group whose one checked item shows a bullet.
enum class MenuKind { DropDown, Command, CheckCommand, RadioCommand, Separator };

struct MenuEntry {
    MenuItem item;
    MenuItem parent;
    std::u16string_view caption;  // "&" marks the access key
    MenuKind kind;
    bool checked;         // check mark when the window is created
    bool enabled = true;  // not greyed when the window is created
};

}  // namespace ruvo::platform
