#pragma once

#include <array>

#include "platform/Menu.h"

namespace ruvo {

// The main window's menu, in display order; a backend builds its menu bar
// from this table and reports a chosen item to App::OnMenu. What takes the
// text out of the window is greyed until there is text on display; the keys
// after a tab are the window's own.
inline constexpr std::array<platform::MenuEntry, 23> kMenuTree{{
    {platform::MenuItem::Format, platform::MenuItem::None, u"書式(&O)",
     platform::MenuKind::DropDown, false},
    {platform::MenuItem::OpenFile, platform::MenuItem::Format, u"ファイルを開く(&F)...\tCtrl+O",
     platform::MenuKind::Command, false},
    {platform::MenuItem::None, platform::MenuItem::Format, u"-", platform::MenuKind::Separator,
     false},
    {platform::MenuItem::Font, platform::MenuItem::Format, u"フォント(&S)",
     platform::MenuKind::Command, false},
    {platform::MenuItem::FrameSize, platform::MenuItem::Format, u"フレームサイズ(&S)",
     platform::MenuKind::DropDown, false},
    {platform::MenuItem::FixedSize, platform::MenuItem::FrameSize, u"固定(&T)",
     platform::MenuKind::CheckCommand, true},
    {platform::MenuItem::VariableSize, platform::MenuItem::FrameSize, u"可変(&K)",
     platform::MenuKind::CheckCommand, false},
    {platform::MenuItem::Wrapping, platform::MenuItem::Format, u"折り返し(&W)",
     platform::MenuKind::CheckCommand, true},
    {platform::MenuItem::ColumnLength, platform::MenuItem::Format, u"1行の字数(&L)",
     platform::MenuKind::DropDown, false},
    {platform::MenuItem::LengthToWindow, platform::MenuItem::ColumnLength,
     u"ウィンドウに合わせる(&W)", platform::MenuKind::RadioCommand, true},
    {platform::MenuItem::Length20, platform::MenuItem::ColumnLength, u"20字(&1)",
     platform::MenuKind::RadioCommand, false},
    {platform::MenuItem::Length40, platform::MenuItem::ColumnLength, u"40字(&2)",
     platform::MenuKind::RadioCommand, false},
    {platform::MenuItem::Length42, platform::MenuItem::ColumnLength, u"42字(&3)",
     platform::MenuKind::RadioCommand, false},
    {platform::MenuItem::Ruby, platform::MenuItem::Format, u"ルビ(&R)",
     platform::MenuKind::CheckCommand, true},
    {platform::MenuItem::Manuscript, platform::MenuItem::Format, u"原稿用紙(&M)",
     platform::MenuKind::CheckCommand, false},
    {platform::MenuItem::AutoUpdate, platform::MenuItem::Format, u"自動更新(&A)",
     platform::MenuKind::CheckCommand, false},
    {platform::MenuItem::CopyPicture, platform::MenuItem::Format, u"画像としてコピー(&C)\tCtrl+C",
     platform::MenuKind::Command, false, false},
    {platform::MenuItem::SavePicture, platform::MenuItem::Format, u"画像として保存(&G)...\tCtrl+S",
     platform::MenuKind::Command, false, false},
    {platform::MenuItem::Print, platform::MenuItem::Format, u"印刷(&P)...\tCtrl+P",
     platform::MenuKind::Command, false, false},
    {platform::MenuItem::None, platform::MenuItem::Format, u"-", platform::MenuKind::Separator,
     false},
    {platform::MenuItem::Help, platform::MenuItem::Format, u"ヘルプ(&H)",
     platform::MenuKind::Command, false},
    {platform::MenuItem::None, platform::MenuItem::Format, u"-", platform::MenuKind::Separator,
     false},
    {platform::MenuItem::Exit, platform::MenuItem::Format, u"終了(&X)", platform::MenuKind::Command,
     false},
}};

}  // namespace ruvo
