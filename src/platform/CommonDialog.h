#pragma once

#include <optional>
#include <string>

namespace ruvo::platform {

// A face and a size, as the font chooser shows and returns them.
struct FontChoice {
    std::u16string face;
    float points = 0;  // may carry a fraction
};

// A file the user is to name in the save dialog: the folder it opens in
// (empty: the system's choice), the name it proposes, and the one type it
// lists, with the extension a name typed without one gets.
struct FileToSave {
    std::u16string folder;
    std::u16string name;
    std::u16string typeName;
    std::u16string extension;  // without the dot
};

// The platform's common dialogs and viewers. Each throws RuntimeError when
// it fails.
class CommonDialog {
  public:
    virtual ~CommonDialog() = default;

    // The modal font chooser, preset with a face and size and neither bold
    // nor italic, listing the screen's and the printer's fonts, vertical
    // ("@") faces among them. Nothing when the user cancels.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& preset) = 0;
    // The modal open dialog for a text file (テキスト (*.txt), or all files),
    // starting in `folder` (the system's choice when empty); the chosen
    // file's full path, or nothing when the user cancels.
    virtual std::optional<std::u16string> ChooseTextFile(const std::u16string& folder) = 0;
    // The modal save dialog, which asks before it names a file that is
    // there; the full path the user confirms, nothing when the user cancels.
    virtual std::optional<std::u16string> ChooseSaveFile(const FileToSave& file) = 0;
    // Has the help viewer show a help file, opening it unless it is the one
    // already shown.
    virtual void ShowHelpFile(const std::u16string& path) = 0;
    // Opens a document with the program the user chose for its type (a page
    // in the default browser).
    virtual void OpenDocument(const std::u16string& path) = 0;
};

}  // namespace ruvo::platform
