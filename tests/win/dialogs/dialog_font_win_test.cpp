// Dialogs are made in their template's face where it is installed, and otherwise in a face that is.
#include "program_dialogs.h"
#include "reference_run.h"

#include <gtest/gtest.h>

namespace pelaconf::testing {
namespace {

// The test session stands IPA fonts in for the templates' faces under those faces' names.
TEST(DialogFonts, TheTemplatesFaceIsUsedWhereItIsInstalled) {
    ASSERT_TRUE(FamilyExists(L"ＭＳ Ｐゴシック"));
    ProgramDialogs dialogs;
    for (const HWND window : dialogs.TopLevel()) {
        EXPECT_EQ(FaceOf(window), L"ＭＳ Ｐゴシック");
    }
    EXPECT_EQ(FaceOf(GetDlgItem(dialogs.SettingsWindow(), IDD_BASIC_OVERVIEW)), L"ＭＳ Ｐゴシック");
    EXPECT_EQ(FaceOf(GetDlgItem(dialogs.SettingsWindow(), IDOK)), L"ＭＳ Ｐゴシック");
}

// Without the replacements, which each process reads as it starts, none of the templates' faces
// exists (nor the stand-ins, on this system): the dialogs take the message font's face.
TEST(DialogFonts, WithoutTheTemplatesFaceEveryDialogAndTheCaptionLabelAreInAnInstalledFace) {
    std::optional<std::vector<std::string>> faces;
    {
        SavedRegistryKey replacements(L"Software\\Wine\\Fonts\\Replacements");
        ASSERT_TRUE(replacements.Opened());
        ASSERT_TRUE(replacements.RemoveAll());
        faces = RunReference(L"--describe-fonts");
    }
    ASSERT_TRUE(FamilyExists(L"ＭＳ Ｐゴシック")) << "the replacements were not put back";
    ASSERT_TRUE(faces) << "the run without replacements failed";
    ASSERT_GT(faces->size(), 25u);
    EXPECT_EQ(faces->front(), "template face missing");
    for (size_t line = 1; line < faces->size(); ++line) {
        EXPECT_TRUE((*faces)[line].ends_with("\" found")) << (*faces)[line];
    }
}

} // namespace
} // namespace pelaconf::testing
