#pragma once

#include <QString>
#include <QVariant>

// Text forms of stored values as project files write them. A Null value gives
// an empty text; each section decides where that leaves its place.
namespace instrument::projectvalues {

// Whole-number field: plain decimal digits.
QString longText(const QVariant& value);
// Single-precision field: the shortest decimal form of at most 7 significant
// digits, "." as decimal point, never an exponent (a lower-case exponent would
// not survive the replay).
QString singleText(const QVariant& value);
// As singleText, but with 8 or 9 digits where 7 would not read back as the
// same single: what a project file writes, so that reopening it gives back
// every digit that was parsed.
QString exactSingleText(const QVariant& value);
// Double-precision field: as singleText with at most 15 significant digits.
QString doubleText(const QVariant& value);
// Text field: as stored.
QString textText(const QVariant& value);

// How a section writes one stored field.
enum class ValueKind { Long, Text, Single };
// value in the text form of its kind (longText, textText or exactSingleText).
QString valueText(const QVariant& value, ValueKind kind);

// value in fixed notation with at most `significant` significant digits,
// trailing zeros dropped: 100, 98.5, 0.5, 0.000012.
QString decimalText(double value, int significant);
// value in fixed notation with exactly `decimals` decimals: its decimal value
// (15 significant digits) rounded half away from zero, never "-0.00". Every
// fixed-decimal text of the reports comes from here: the patterns "#0.#0" and
// "####0.00" are fixedText(value, 2).
QString fixedText(double value, int decimals);
// The pattern "##0.0": fixedText(value, 1).
QString tenthsText(double value);

}  // namespace instrument::projectvalues
