#pragma once

namespace platform {
class ObjectRef;
}

namespace report {

// Shows or hides one of the six average cells of the stiffness report with
// its frame: shown, the six cells form one boxed row (a left border on the
// first cell only, right and bottom borders on every cell); hidden, the lines
// that would be left standing alone are cleared. idx is the cell's place 1..6.
// A missing cell is passed over.
void Set_Cell_Lines(const platform::ObjectRef& obj, int idx, bool hide);

}  // namespace report
