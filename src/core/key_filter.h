// The numeric key filter: which typed character codes a number box accepts.
#pragma once

#include "core/outcome.h"

namespace calvexa {

// Called with the code of a typed character. A code that may appear in a
// number (digits, "E", ".", "+", "-", Backspace) is left unchanged and the
// result is false. Any other code is set to 0 (the key is dropped) and the
// result is true: the caller shows improperNumberMessage() once for it.
bool NumericKeyFilter(int& key);

Message improperNumberMessage();

}  // namespace calvexa
