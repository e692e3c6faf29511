#include "pages/control_binding.h"
#include "settings/settings_record.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace pelaconf {
namespace {

// Controls as plain values, and how often a text was put into one.
class FakeControls final : public ControlValues {
public:
    int Number(const BoundControl& control) const override { return numbers.at(control.id); }
    void ShowNumber(const BoundControl& control, int value) override { numbers[control.id] = value; }
    std::string Text(const BoundControl& control) const override { return texts.at(control.id); }
    void ShowText(const BoundControl& control, std::string_view text) override {
        texts[control.id] = std::string(text);
        ++textsShown;
    }

    std::map<int, int> numbers;
    std::map<int, std::string> texts;
    int textsShown = 0;
};

struct Model {
    int box = 0;
    int slider = 0;
    int choice = 0;
    int clamped = 0;
    std::string path;
};

constexpr int kBox = 1;
constexpr int kSlider = 2;
constexpr int kFirstChoice = 3;
constexpr int kLastChoice = 5;
constexpr int kClamped = 6;
constexpr int kPath = 7;

TEST(BindingTable, ShowsAndReadsMembersAndGetterSetterPairs) {
    BindingTable<Model> table({
        BindCheckBox(kBox, &Model::box),
        BindNumber<Model>(
            ControlKind::Slider, kClamped, [](const Model& model) { return model.clamped; },
            [](Model& model, int value) { model.clamped = value > 10 ? 10 : value; }),
        BindEditText(kPath, &Model::path),
    });
    FakeControls controls;
    controls.texts[kPath] = "";
    Model model{.box = 1, .clamped = 7, .path = "C:\\a"};
    EXPECT_FALSE(table.Show(model, controls));
    EXPECT_EQ(controls.numbers[kBox], 1);
    EXPECT_EQ(controls.numbers[kClamped], 7);
    EXPECT_EQ(controls.texts[kPath], "C:\\a");

    controls.numbers = {{kBox, 0}, {kClamped, 99}};
    controls.texts[kPath] = "D:\\b";
    EXPECT_FALSE(table.Read(model, controls)) << "no binding here counts when read";
    EXPECT_EQ(model.box, 0);
    EXPECT_EQ(model.clamped, 10) << "the setter's rule applies";
    EXPECT_EQ(model.path, "D:\\b");
}

TEST(BindingTable, FillingByLoadingCountsOnlyWhenTheControlHeldAnotherText) {
    BindingTable<Model> table({BindEditText(kPath, &Model::path).FilledByLoadingCounts()});
    FakeControls controls;
    controls.texts[kPath] = "";
    Model model;
    EXPECT_FALSE(table.Show(model, controls)) << "an empty stored path leaves the page unmodified";
    EXPECT_EQ(controls.textsShown, 0);
    model.path = "C:\\Pictures";
    EXPECT_TRUE(table.Show(model, controls));
    EXPECT_FALSE(table.ShowControl(kPath, model, controls)) << "the same text again is no change";
    EXPECT_EQ(controls.textsShown, 1);

    const BindingTable<Model> plain({BindEditText(kPath, &Model::path)});
    model.path = "D:\\Other";
    EXPECT_FALSE(plain.Show(model, controls));
    EXPECT_EQ(controls.texts[kPath], "D:\\Other");
}

TEST(BindingTable, ASliderThatCountsWhenReadCountsEachMoveOnce) {
    BindingTable<Model> table({BindSlider(kSlider, &Model::slider).CountsWhenRead().MarksOnlyWhenValueChanges()});
    FakeControls controls;
    Model model{.slider = 4};
    controls.numbers[kSlider] = 4;
    EXPECT_FALSE(table.Read(model, controls));
    controls.numbers[kSlider] = 9;
    EXPECT_TRUE(table.Read(model, controls)) << "a read, not only a scroll, finds the move";
    EXPECT_FALSE(table.Read(model, controls));
    controls.numbers[kSlider] = 2;
    EXPECT_EQ(table.Change(kSlider, ControlEvent::Scrolled, model, controls), true);
    EXPECT_EQ(table.Change(kSlider, ControlEvent::Scrolled, model, controls), false);
}

TEST(BindingTable, AChangeCountsAsItsBindingSays) {
    int rulesRun = 0;
    bool ruleAnswer = false;
    BindingTable<Model> table({
        BindCheckBox(kBox, &Model::box).FollowedBy([&] {
            ++rulesRun;
            return false;
        }),
        BindRadioGroup(kFirstChoice, kLastChoice, &Model::choice).MarksOnlyWhenValueChanges(),
        BindSlider(kSlider, &Model::slider).DecidedBy([&] { return ruleAnswer; }),
        BindEditText(kPath, &Model::path).Untracked(),
    });
    FakeControls controls;
    controls.numbers = {{kBox, 1}, {kFirstChoice, 2}, {kSlider, 0}};
    controls.texts[kPath] = "typed";
    Model model;

    EXPECT_EQ(table.Change(kBox, ControlEvent::Clicked, model, controls), true);
    EXPECT_EQ(model.box, 1) << "the new value is in the model before the rule runs";
    EXPECT_EQ(rulesRun, 1);

    EXPECT_EQ(table.Change(kLastChoice, ControlEvent::Clicked, model, controls), true) << "any button of the group";
    EXPECT_EQ(model.choice, 2);
    EXPECT_EQ(table.Change(kFirstChoice, ControlEvent::Clicked, model, controls), false) << "the same choice again";

    EXPECT_EQ(table.Change(kSlider, ControlEvent::Scrolled, model, controls), false);
    ruleAnswer = true;
    EXPECT_EQ(table.Change(kSlider, ControlEvent::Scrolled, model, controls), true);

    EXPECT_EQ(table.Change(kPath, ControlEvent::TextChanged, model, controls), std::nullopt);
    EXPECT_EQ(model.path, "") << "an untracked control is read only with the others";
    EXPECT_EQ(table.Change(kBox, ControlEvent::SelectionChanged, model, controls), std::nullopt);
    EXPECT_EQ(table.Change(99, ControlEvent::Clicked, model, controls), std::nullopt);
    EXPECT_EQ(rulesRun, 1);
}

TEST(BindingTable, AStoredSettingGoesFromTheRecordToItsControlAndBackOnlyWhenStored) {
    BindingTable<Model> table({BindStoredCheckBox(kBox, &SettingsRecord::Start_Exit_Type)});
    SettingsRecord record("C:\\Pelavine");
    record.Start_Exit_Type = 1;
    FakeControls controls;
    Model model;
    table.Load(record);
    table.Show(model, controls);
    EXPECT_EQ(controls.numbers[kBox], 1);

    controls.numbers[kBox] = 0;
    EXPECT_EQ(table.Change(kBox, ControlEvent::Clicked, model, controls), true);
    EXPECT_EQ(record.Start_Exit_Type, 1) << "the record changes only when the page is stored";
    table.Store(record);
    EXPECT_EQ(record.Start_Exit_Type, 0);
}

} // namespace
} // namespace pelaconf
