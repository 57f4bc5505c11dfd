#pragma once

#include <array>

#include "platform/Menu.h"

namespace ruvo {

// The main window's menu, in display order; a backend builds its menu bar
// from this table and routes a chosen item to frmMain::Menu_Click.
inline constexpr std::array<platform::MenuEntry, 12> kMenuTree{{
    {platform::MenuItem::Hyoji, platform::MenuItem::None, u"書式(&O)", platform::MenuKind::DropDown,
     false},
    {platform::MenuItem::Hfont, platform::MenuItem::Hyoji, u"フォント(&S)",
     platform::MenuKind::Command, false},
    {platform::MenuItem::Hfsize, platform::MenuItem::Hyoji, u"フレームサイズ(&S)",
     platform::MenuKind::DropDown, false},
    {platform::MenuItem::Hkotei, platform::MenuItem::Hfsize, u"固定(&T)",
     platform::MenuKind::CheckCommand, true},
    {platform::MenuItem::Hkahen, platform::MenuItem::Hfsize, u"可変(&K)",
     platform::MenuKind::CheckCommand, false},
    {platform::MenuItem::Horikaeshi, platform::MenuItem::Hyoji, u"折り返し(&W)",
     platform::MenuKind::CheckCommand, true},
    {platform::MenuItem::Hrubi, platform::MenuItem::Hyoji, u"ルビ(&R)",
     platform::MenuKind::CheckCommand, true},
    {platform::MenuItem::Hjido, platform::MenuItem::Hyoji, u"自動更新(&A)",
     platform::MenuKind::CheckCommand, false},
    {platform::MenuItem::Hkubun1, platform::MenuItem::Hyoji, u"-", platform::MenuKind::Separator,
     false},
    {platform::MenuItem::Hhelp, platform::MenuItem::Hyoji, u"ヘルプ(&H)",
     platform::MenuKind::Command, false},
    {platform::MenuItem::Hkubun2, platform::MenuItem::Hyoji, u"-", platform::MenuKind::Separator,
     false},
    {platform::MenuItem::Hend, platform::MenuItem::Hyoji, u"終了(&X)", platform::MenuKind::Command,
     false},
}};

}  // namespace ruvo
