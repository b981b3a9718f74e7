#pragma once

namespace platform::db {

// Field types of the working database, numbered as the original engine's type
// codes. Long is a 32-bit integer, Single a 32-bit float (values are kept at
// single precision), Double a 64-bit float, Text a string of limited length.
enum class FieldType { Long = 4, Single = 6, Double = 7, Text = 10 };

// The size a Text field gets when none is given, and the largest allowed.
inline constexpr int DefaultTextSize = 255;
inline constexpr int MaxTextSize = 255;

}  // namespace platform::db
