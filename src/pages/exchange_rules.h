#pragma once
// How a stored number is shown by a check box: values outside 0 to 2 show it cleared, and a
// check box reads back as 0 or 1 only.

namespace pelaconf {

// True when a check box loaded from the value shows itself checked. A two-state box cannot
// show "indeterminate", so 2 is shown checked.
constexpr bool CheckBoxShowsChecked(int value) { return value == 1 || value == 2; }

} // namespace pelaconf
