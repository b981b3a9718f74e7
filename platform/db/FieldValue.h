#pragma once

#include <QString>
#include <QVariant>
#include <optional>

#include "platform/db/FieldDef.h"

namespace platform::db {

// The value rounded to single precision and given back as the double of the
// float's shortest decimal form, so 12345.6 stays 12345.6 (not 12345.599609).
double singlePrecision(double value);

// Converts a value for storing in the field, refusing what the engine refuses:
// a number out of the field's range, a text that is not a number for a number
// field, a text longer than the field's size. Long values are rounded to the
// nearest integer, halves to the even one; Single values are kept at single
// precision. A null or invalid value is Null (a null QVariant). On refusal
// returns nothing and, when error is given, says why.
std::optional<QVariant> toFieldValue(const FieldDef& field, const QVariant& value,
                                     QString* error = nullptr);

}  // namespace platform::db
