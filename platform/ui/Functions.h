#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QWidget;

// The small window procedures shared by every window of the program.
namespace platform::ui {

// Selects the whole text of the focused box, so the next key press replaces it.
void Select_Text();

// Puts a window into the stays-on-top band or takes it out, keeping its place
// and size, and brings it to the front.
void Set_TopMost(QWidget& Target_Form, bool On_Top);

// Enables or disables every element of a control array, or a single control.
void Enable_Array(const QList<QWidget*>& Control_Array, bool Enabled_Flag);
void Enable_Array(QWidget& Control, bool Enabled_Flag);

inline constexpr int NoOptionSelected = 999;

// Index of the first checked option of an option array; NoOptionSelected when
// none is checked, 0 when the array has a missing element.
int Selected_Option(const QList<QAbstractButton*>& Option_Array);

// Whether a top-level window with exactly this object name (letter case
// included) exists.
bool Form_Loaded(const QString& Form_Name);

// The folder part of a path, without its trailing separator. Both "\" and "/"
// separate folders; the root folder "/" stays "/".
QString Folder_Of(const QString& Full_Path);

}  // namespace platform::ui
