// Any bytes as a text file dropped on the window, then laid out again
// without wrapping and with the notation unread: reading and laying it out
// may not fail, every column stays within the longest, and valid UTF-8 reads
// as itself.
#include <cstdint>
#include <stdexcept>
#include <string>

#include "Require.h"
#include "document/TextFile.h"
#include "doubles/TestApp.h"

namespace ruvo::test {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TestApp t;
    t.Started("\"MS Mincho\",12,1350,8550,0,1,1,0\r\n");
    t.files.files[u"C:\\e.txt"] = bytes;
    t.app.OnFileDropped(u"C:\\e.txt");
    for (const platform::MenuItem item :
         {platform::MenuItem::None, platform::MenuItem::Wrapping, platform::MenuItem::Ruby}) {
        t.app.OnMenu(item);
        const VerticalView& view = t.app.View();
        UnitReader reader(
            view.Text(), view.Typeset().ruby, [](char16_t) { return 0.5; },
            view.Laid().mayHoldAnnotations);
        for (std::size_t column = 0; column < view.Laid().starts.size(); ++column) {
            ForEachUnit(view.Text(), view.Laid(), reader, column,
                        [&](const Unit& unit, std::size_t cell) {
                            Require(cell + unit.cells <= view.Laid().longest,
                                    "a column beyond the longest");
                            return true;
                        });
        }
    }
    bool utf8 = !bytes.starts_with("\xEF\xBB\xBF");
    try {
        Convert("UTF-16LE", "UTF-8", bytes);
    } catch (const std::runtime_error&) {
        utf8 = false;
    }
    const DecodedText decoded = DecodeText(bytes, t.files);
    Require(!utf8 || (decoded.encoding == Encoding::Utf8 && Utf8(decoded.text) == bytes),
            "valid UTF-8 not read as itself");
    return 0;
}

}  // namespace ruvo::test
