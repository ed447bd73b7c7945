#pragma once
// The program's offer to convert a family's database file that turned out to be an old
// Access file: the fluid screens make it when they list the family's tables, which every
// other way into the file passes first.

#include "correlation/Family.h"
#include "ui/toolkit/Toolkit.h"

#include <QString>

#include <string_view>

namespace velm {

// Asks whether to convert the Access file at `path`. Yes: converts it where it lies (the
// original kept beside it) and shows what was taken over and what was left out; true when
// the file is now the program's own. No, or a conversion that fails (with its message):
// false, and nothing is touched.
bool offerAccessConversion(Toolkit& tk, const QString& path, Family family);

}  // namespace velm
