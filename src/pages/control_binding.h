#pragma once
// A page's binding table: each control listed once, with the model value it shows, the kind of
// exchange, and what a change of the control means. The page base shows the model, reads it back
// and decides from the table when a change marks the page modified; the controls themselves are
// reached through ControlValues, so the rules here hold without a window.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pelaconf {

struct SettingsRecord;

// How a control's value is exchanged with the model (see ui/controls for each rule).
enum class ControlKind {
    CheckBox,      // 0 or 1
    RadioGroup,    // the index of the checked button, or -1
    DropDownIndex, // the selected index, or -1
    EditText,      // UTF-8 text
    NumberField,   // a decimal number; the binding's blank value stands for an empty field
    Slider,        // the trackbar's position
    Hotkey,        // the hot-key code
};

// What the user does to a control that may change its value.
enum class ControlEvent { Clicked, SelectionChanged, TextChanged, Scrolled };

// What a change of a bound control means for the page's modified flag.
enum class ChangeMeaning {
    MarksModified,               // every change marks the page
    MarksModifiedIfValueChanged, // only a change that leaves another value than the model held
    RuleDecides,                 // the binding's rule says whether the change counts
    Untracked,                   // the page learns of changes another way (its validation)
};

// The control side of a binding: a radio group is named by its first button and covers the
// buttons up to its last.
struct BoundControl {
    int id = 0;
    int lastId = 0;
    ControlKind kind = ControlKind::CheckBox;
    int blankValue = 0;

    bool Covers(int controlId) const {
        return kind == ControlKind::RadioGroup ? controlId >= id && controlId <= lastId : controlId == id;
    }
    ControlEvent ChangeEvent() const {
        switch (kind) {
        case ControlKind::CheckBox:
        case ControlKind::RadioGroup: return ControlEvent::Clicked;
        case ControlKind::DropDownIndex: return ControlEvent::SelectionChanged;
        case ControlKind::Slider: return ControlEvent::Scrolled;
        default: return ControlEvent::TextChanged;
        }
    }
};

// The values the controls of a dialog hold, exchanged by the rules of their kind.
class ControlValues {
public:
    virtual ~ControlValues() = default;
    virtual int Number(const BoundControl& control) const = 0;
    virtual void ShowNumber(const BoundControl& control, int value) = 0;
    virtual std::string Text(const BoundControl& control) const = 0;
    virtual void ShowText(const BoundControl& control, std::string_view text) = 0;
};

// A setting no rule of the page touches, kept straight in a field of the settings record: the
// table holds its value between loading and storing.
struct StoredSetting {
    BoundControl control;
    int SettingsRecord::*field = nullptr;
};

inline StoredSetting BindStoredCheckBox(int id, int SettingsRecord::*field) {
    return {{id, id, ControlKind::CheckBox, 0}, field};
}

// One row of a page's table. A number is a member of the model, a getter and setter where the
// model keeps it otherwise, or a stored setting; a text is a member. The rule, when there is one, runs after the
// control's new value has been read into the model, and returns true when it changed the model
// in a way that counts as a change of the page.
template <typename Model> struct ControlBinding {
    ControlBinding() = default;
    ControlBinding(const StoredSetting& setting) : control(setting.control), stored(setting.field) {}

    BoundControl control;
    int Model::*number = nullptr;
    int (*getNumber)(const Model&) = nullptr;
    void (*setNumber)(Model&, int) = nullptr;
    int SettingsRecord::*stored = nullptr;
    int storedValue = 0;
    std::string Model::*text = nullptr;
    ChangeMeaning change = ChangeMeaning::MarksModified;
    std::function<bool()> rule;
    // Showing the model puts a value into the control that it did not hold: that counts as a
    // change, so that a stored value is offered for saving again.
    bool filledByLoadingCounts = false;
    // Reading the control counts as a change whenever the value moved since it was last read,
    // whatever else the page did in between.
    bool countsWhenRead = false;

    ControlBinding FilledByLoadingCounts() && {
        filledByLoadingCounts = true;
        return std::move(*this);
    }
    ControlBinding CountsWhenRead() && {
        countsWhenRead = true;
        return std::move(*this);
    }
    ControlBinding MarksOnlyWhenValueChanges() && {
        change = ChangeMeaning::MarksModifiedIfValueChanged;
        return std::move(*this);
    }
    ControlBinding Untracked() && {
        change = ChangeMeaning::Untracked;
        return std::move(*this);
    }
    // A rule that runs after each change; the change still counts as the meaning says.
    ControlBinding FollowedBy(std::function<bool()> pageRule) && {
        rule = std::move(pageRule);
        return std::move(*this);
    }
    // A rule that alone decides whether a change counts.
    ControlBinding DecidedBy(std::function<bool()> pageRule) && {
        change = ChangeMeaning::RuleDecides;
        rule = std::move(pageRule);
        return std::move(*this);
    }

    int Get(const Model& model) const {
        if (stored != nullptr) {
            return storedValue;
        }
        return number != nullptr ? model.*number : getNumber(model);
    }
    void Set(Model& model, int value) {
        if (stored != nullptr) {
            storedValue = value;
        } else if (number != nullptr) {
            model.*number = value;
        } else {
            setNumber(model, value);
        }
    }
};

template <typename Model> ControlBinding<Model> BindNumber(ControlKind kind, int id, int Model::*member) {
    ControlBinding<Model> binding;
    binding.control = {id, id, kind, 0};
    binding.number = member;
    return binding;
}

template <typename Model>
ControlBinding<Model> BindNumber(ControlKind kind, int id, int (*get)(const Model&), void (*set)(Model&, int)) {
    ControlBinding<Model> binding;
    binding.control = {id, id, kind, 0};
    binding.getNumber = get;
    binding.setNumber = set;
    return binding;
}

template <typename Model> ControlBinding<Model> BindCheckBox(int id, int Model::*member) {
    return BindNumber(ControlKind::CheckBox, id, member);
}

template <typename Model> ControlBinding<Model> BindRadioGroup(int firstId, int lastId, int Model::*member) {
    ControlBinding<Model> binding = BindNumber(ControlKind::RadioGroup, firstId, member);
    binding.control.lastId = lastId;
    return binding;
}

template <typename Model> ControlBinding<Model> BindDropDown(int id, int Model::*member) {
    return BindNumber(ControlKind::DropDownIndex, id, member);
}

template <typename Model> ControlBinding<Model> BindSlider(int id, int Model::*member) {
    return BindNumber(ControlKind::Slider, id, member);
}

template <typename Model> ControlBinding<Model> BindNumberField(int id, int Model::*member, int blankValue) {
    ControlBinding<Model> binding = BindNumber(ControlKind::NumberField, id, member);
    binding.control.blankValue = blankValue;
    return binding;
}

template <typename Model> ControlBinding<Model> BindEditText(int id, std::string Model::*member) {
    ControlBinding<Model> binding;
    binding.control = {id, id, ControlKind::EditText, 0};
    binding.text = member;
    return binding;
}

// Shows, reads and follows the changes of a page's bound controls. Each call returns true when
// what it did counts as a change of the page.
template <typename Model> class BindingTable {
public:
    explicit BindingTable(std::vector<ControlBinding<Model>> rows) : rows_(std::move(rows)) {}

    // The stored settings' values from the record, and back into it.
    template <typename Record> void Load(const Record& record) {
        for (auto& row : rows_) {
            if (row.stored != nullptr) {
                row.storedValue = record.*row.stored;
            }
        }
    }
    template <typename Record> void Store(Record& record) const {
        for (const auto& row : rows_) {
            if (row.stored != nullptr) {
                record.*row.stored = row.storedValue;
            }
        }
    }

    bool Show(const Model& model, ControlValues& controls) const {
        bool counts = false;
        for (const auto& row : rows_) {
            counts = ShowRow(row, model, controls) || counts;
        }
        return counts;
    }

    // Shows one bound control again (named by its id, or a radio group by its first button).
    bool ShowControl(int id, const Model& model, ControlValues& controls) const {
        const ControlBinding<Model>* row = Find(id);
        return row != nullptr && ShowRow(*row, model, controls);
    }

    bool Read(Model& model, ControlValues& controls) {
        bool counts = false;
        for (auto& row : rows_) {
            counts = ReadRow(row, model, controls) || counts;
        }
        return counts;
    }

    // The user changed a control: nothing when no tracked binding follows that event of that
    // control; otherwise the new value is in the model, the rule has run, and the answer says
    // whether the change counts.
    std::optional<bool> Change(int id, ControlEvent event, Model& model, ControlValues& controls) {
        ControlBinding<Model>* row = Find(id);
        if (row == nullptr || row->change == ChangeMeaning::Untracked || row->control.ChangeEvent() != event) {
            return std::nullopt;
        }
        const bool valueChanged = ReadChanges(*row, model, controls);
        const bool readCounts = row->countsWhenRead && valueChanged;
        const bool ruleCounts = row->rule ? row->rule() : false;
        switch (row->change) {
        case ChangeMeaning::MarksModified: return true;
        case ChangeMeaning::MarksModifiedIfValueChanged: return valueChanged || ruleCounts;
        default: return readCounts || ruleCounts;
        }
    }

private:
    const ControlBinding<Model>* Find(int id) const {
        for (const auto& row : rows_) {
            if (row.control.Covers(id)) {
                return &row;
            }
        }
        return nullptr;
    }
    ControlBinding<Model>* Find(int id) {
        return const_cast<ControlBinding<Model>*>(static_cast<const BindingTable&>(*this).Find(id));
    }

    static bool ShowRow(const ControlBinding<Model>& row, const Model& model, ControlValues& controls) {
        if (row.text == nullptr) {
            controls.ShowNumber(row.control, row.Get(model));
            return false;
        }
        const std::string& value = model.*row.text;
        if (row.filledByLoadingCounts && controls.Text(row.control) == value) {
            return false;
        }
        controls.ShowText(row.control, value);
        return row.filledByLoadingCounts;
    }

    static bool ReadRow(ControlBinding<Model>& row, Model& model, ControlValues& controls) {
        return ReadChanges(row, model, controls) && row.countsWhenRead;
    }

    // True when the model's value is another after the read.
    static bool ReadChanges(ControlBinding<Model>& row, Model& model, ControlValues& controls) {
        if (row.text != nullptr) {
            std::string read = controls.Text(row.control);
            const bool changed = read != model.*row.text;
            model.*row.text = std::move(read);
            return changed;
        }
        const int before = row.Get(model);
        row.Set(model, controls.Number(row.control));
        return row.Get(model) != before;
    }

    std::vector<ControlBinding<Model>> rows_;
};

} // namespace pelaconf
