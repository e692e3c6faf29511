// The extended dialog template: its layout read, its face replaced with the controls realigned.
#include "platform/dialog_template.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pelaconf {
namespace {

class TemplateBytes {
public:
    TemplateBytes& Word(uint16_t value) {
        bytes.push_back(static_cast<uint8_t>(value & 0xFF));
        bytes.push_back(static_cast<uint8_t>(value >> 8));
        return *this;
    }
    TemplateBytes& Dword(uint32_t value) { return Word(value & 0xFFFF).Word(value >> 16); }
    TemplateBytes& Byte(uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    TemplateBytes& Text(std::u16string_view text) {
        for (const char16_t unit : text) {
            Word(unit);
        }
        return Word(0);
    }
    TemplateBytes& Align() {
        bytes.resize((bytes.size() + 3) / 4 * 4, 0);
        return *this;
    }
    std::vector<uint8_t> bytes;
};

constexpr uint32_t kSetFont = 0x40;

// A template with the face and two controls: a button titled "OK" and an icon static whose title
// is the resource number 9.
std::vector<uint8_t> Template(std::u16string_view face) {
    TemplateBytes t;
    t.Word(1).Word(0xFFFF).Dword(0).Dword(0).Dword(kSetFont | 0x80000000).Word(2);
    t.Word(0).Word(0).Word(240).Word(180); // place
    t.Word(0).Word(0).Text(u"Title");      // no menu, the standard class
    t.Word(9).Word(400).Byte(1).Byte(128).Text(face);
    t.Align().Dword(0).Dword(0).Dword(0x50010000).Word(10).Word(20).Word(50).Word(14).Dword(1);
    t.Word(0xFFFF).Word(0x80).Text(u"OK").Word(0);
    t.Align().Dword(0).Dword(0).Dword(0x50000003).Word(5).Word(6).Word(21).Word(20).Dword(0xFFFFFFFF);
    t.Word(0xFFFF).Word(0x82).Word(0xFFFF).Word(9).Word(2).Byte(7).Byte(7);
    return t.bytes;
}

TEST(DialogTemplate, ReadsTheFontTheSizeAndEachControlInOrder) {
    const auto layout = ReadDialogTemplate(Template(u"ＭＳ Ｐゴシック"));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->place, (DialogUnitRectangle{0, 0, 240, 180}));
    EXPECT_EQ(layout->pointSize, 9);
    EXPECT_EQ(layout->weight, 400);
    EXPECT_TRUE(layout->italic);
    EXPECT_EQ(layout->charSet, 128);
    EXPECT_EQ(layout->face, u"ＭＳ Ｐゴシック");
    ASSERT_EQ(layout->controls.size(), 2u);
    EXPECT_EQ(layout->controls[0].id, 1u);
    EXPECT_EQ(layout->controls[0].place, (DialogUnitRectangle{10, 20, 50, 14}));
    EXPECT_EQ(layout->controls[0].titleNumber, 0);
    EXPECT_EQ(layout->controls[1].id, 0xFFFFFFFFu);
    EXPECT_EQ(layout->controls[1].style, 0x50000003u);
    EXPECT_EQ(layout->controls[1].titleNumber, 9);
}

// Faces of an odd and an even length move the controls by two bytes, across the four-byte alignment.
TEST(DialogTemplate, AReplacedFaceGivesTheTemplateWrittenWithThatFace) {
    for (const std::u16string face : {u"Meiryo UI", u"Yu Gothic UI", u""}) {
        const auto replaced = ReplaceDialogFace(Template(u"ＭＳ Ｐゴシック"), face);
        ASSERT_TRUE(replaced);
        EXPECT_EQ(*replaced, Template(face));
    }
}

TEST(DialogTemplate, ATemplateCutShortOrOfTheOldFormIsRefused) {
    const std::vector<uint8_t> whole = Template(u"Meiryo UI");
    for (size_t size = 0; size < whole.size(); ++size) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(ReadDialogTemplate(cut)) << size;
        EXPECT_FALSE(ReplaceDialogFace(cut, u"Meiryo UI")) << size;
    }
    std::vector<uint8_t> oldForm = whole;
    oldForm[2] = 0; // no 0xFFFF signature: a plain DLGTEMPLATE
    EXPECT_FALSE(ReadDialogTemplate(oldForm));
}

TEST(DialogTemplate, ATemplateWithoutAFontHasNoFaceToReplace) {
    TemplateBytes t;
    t.Word(1).Word(0xFFFF).Dword(0).Dword(0).Dword(0x80000000).Word(0).Word(0).Word(0).Word(10).Word(10);
    t.Word(0).Word(0).Text(u"");
    const auto layout = ReadDialogTemplate(t.bytes);
    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->face.empty());
    EXPECT_FALSE(ReplaceDialogFace(t.bytes, u"Meiryo UI"));
}

} // namespace
} // namespace pelaconf
