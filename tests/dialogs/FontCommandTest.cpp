#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/DialogFixture.h"
#include "doubles/Text.h"
#include "platform/Error.h"

namespace ruvo::test {
namespace {

using FontCommandTest = DialogFixture;

TEST_F(FontCommandTest, PresetsTheChooserFromTheViewState) {
    form.Hfont_Click();

    const std::vector<std::string> expected{"CancelError=1", "Flags=3",    "FontName=MS Mincho",
                                            "FontSize=12",   "FontBold=0", "FontItalic=0",
                                            "ShowFont"};
    EXPECT_EQ(dialog.calls, expected);
}

TEST_F(FontCommandTest, AnyNonZeroFlagPresetsBoldAndItalic) {
    form.BoldFlag = 5;
    form.ItalicFlag = -1;

    form.Hfont_Click();

    EXPECT_TRUE(dialog.fontBold);
    EXPECT_TRUE(dialog.fontItalic);
}

TEST_F(FontCommandTest, CancelLeavesEverythingAsItWas) {
    dialog.userCancels = true;
    dialog.userFontName = u"IPAGothic";
    dialog.userFontSize = 20;

    EXPECT_TRUE(form.Dispatch([&] { form.Hfont_Click(); }));

    EXPECT_EQ(form.CurFontName, u"MS Mincho");
    EXPECT_EQ(form.CurFontSize, 12);
    EXPECT_EQ(form.FrameWidth, 1350);
    EXPECT_EQ(form.FrameHeight, 8550);
    EXPECT_EQ(SavedFile(), kExampleLine);
    EXPECT_EQ(files.files.size(), 1U);
    EXPECT_TRUE(window.reports.empty());
    EXPECT_FALSE(window.ended);
}

TEST_F(FontCommandTest, ConfirmingUnchangedStillSavesTheCurrentWindowSize) {
    form.Hfont_Click();

    EXPECT_EQ(form.FrameWidth, 1500);
    EXPECT_EQ(form.FrameHeight, 9000);
    EXPECT_EQ(SavedFile(), "\"MS Mincho\",12,1500,9000,1\r\n");
}

TEST_F(FontCommandTest, ChosenFontIsSavedButNotDrawn) {
    dialog.userFontName = u"ＭＳ 明朝";
    dialog.userFontSize = 20;

    form.Hfont_Click();

    EXPECT_EQ(SavedFile(), "\"\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\",20,1500,9000,1\r\n");
    for (const std::string& call : window.calls) {
        EXPECT_EQ(call.rfind("Cls", 0), std::string::npos) << call;
        EXPECT_EQ(call.rfind("Print", 0), std::string::npos) << call;
        EXPECT_EQ(call.rfind("Set", 0), std::string::npos) << call;
    }
}

struct FaceCase {
    std::u16string chosen;
    std::u16string stored;

    friend void PrintTo(const FaceCase& c, std::ostream* os) { *os << Utf8(c.chosen); }
};

class FontFaceTest : public DialogFixture, public ::testing::WithParamInterface<FaceCase> {};

TEST_P(FontFaceTest, OnlyOneLeadingAtSignIsDropped) {
    dialog.userFontName = GetParam().chosen;

    form.Hfont_Click();

    EXPECT_EQ(form.CurFontName, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Faces, FontFaceTest,
                         ::testing::Values(FaceCase{u"@MS Mincho", u"MS Mincho"},
                                           FaceCase{u"@@X", u"@X"}, FaceCase{u"A@B", u"A@B"},
                                           FaceCase{u"@", u""}, FaceCase{u"\uFF20X", u"\uFF20X"}));

struct SizeCase {
    float chosen;
    std::int32_t stored;

    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.chosen; }
};

class FontSizeTest : public DialogFixture, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(FontSizeTest, FractionalPointsRoundHalfToEven) {
    dialog.userFontSize = GetParam().chosen;

    form.Hfont_Click();

    EXPECT_EQ(form.CurFontSize, GetParam().stored);
    EXPECT_EQ(SavedFile(),
              "\"MS Mincho\"," + std::to_string(GetParam().stored) + ",1500,9000,1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontSizeTest,
                         ::testing::Values(SizeCase{10.5F, 10}, SizeCase{11.5F, 12},
                                           SizeCase{12.4F, 12}, SizeCase{12.6F, 13}));

TEST_F(FontCommandTest, NextChooserOpensAtTheRoundedSize) {
    dialog.userFontSize = 10.5F;
    form.Hfont_Click();
    dialog.calls.clear();
    dialog.userFontSize.reset();

    form.Hfont_Click();

    EXPECT_EQ(dialog.calls.at(3), "FontSize=10");
}

TEST_F(FontCommandTest, SizeBeyondInt32EndsQuietlyWithTheFaceAlreadyTaken) {
    dialog.userFontName = u"IPAGothic";
    dialog.userFontSize = 3e9F;

    EXPECT_TRUE(form.Dispatch([&] { form.Hfont_Click(); }));

    EXPECT_EQ(form.CurFontName, u"IPAGothic");
    EXPECT_EQ(form.CurFontSize, 12);
    EXPECT_EQ(SavedFile(), kExampleLine);
    EXPECT_TRUE(window.reports.empty());
}

TEST_F(FontCommandTest, FailedSaveIsQuietAndKeepsTheChoiceAndTheOldFile) {
    dialog.userFontName = u"IPAGothic";
    dialog.userFontSize = 14;
    files.failWriteAfter = 5;

    EXPECT_TRUE(form.Dispatch([&] { form.Hfont_Click(); }));

    EXPECT_EQ(form.CurFontName, u"IPAGothic");
    EXPECT_EQ(form.CurFontSize, 14);
    EXPECT_EQ(form.FrameWidth, 1500);
    EXPECT_EQ(SavedFile(), kExampleLine);
    EXPECT_TRUE(window.reports.empty());
    EXPECT_FALSE(window.ended);

    // The choice reaches the file with the next write that succeeds.
    files.failWriteAfter.reset();
    form.WriteSettings();
    EXPECT_EQ(SavedFile(), "\"IPAGothic\",14,1500,9000,1\r\n");
}

TEST_F(FontCommandTest, FailureOfAnySetupStepAfterCancelErrorIsQuiet) {
    for (const char* step : {"Flags", "FontName", "FontSize", "FontBold", "FontItalic"}) {
        dialog.onCall = [step](const std::string& name) {
            if (name == step) {
                throw RuntimeError(ErrorNumber::DeviceUnavailable);
            }
        };

        EXPECT_TRUE(form.Dispatch([&] { form.Hfont_Click(); })) << step;

        EXPECT_TRUE(window.reports.empty()) << step;
        EXPECT_EQ(std::count(dialog.calls.begin(), dialog.calls.end(), "ShowFont"), 0) << step;
        EXPECT_EQ(SavedFile(), kExampleLine) << step;
        dialog.calls.clear();
    }
}

}  // namespace
}  // namespace ruvo::test
