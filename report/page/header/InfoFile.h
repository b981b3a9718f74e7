#pragma once

#include <QString>

#include "report/builder/CompanyInfo.h"

namespace report {

enum InfoFileMode { InfoFileLoad = 0, InfoFileSave = 1 };

// Loads (mode 0) or saves (mode 1) the company information file: the nine
// texts and the data-set title as one quoted record. Any other mode does
// nothing. Failures are silent: a missing or short file, or one too large to
// be a settings file, leaves the items as they were; a file that cannot be
// written leaves the old one in place. Quotes inside the texts are kept.
// A text longer than CInfoTextLimit is cut there on load (info.textsCut). A
// load keeps how it found the file in info.fileOutcome; a written file sets it
// Read. Returns whether the file was read or written.
bool Info_File(int mode, CompanyInfo& info, QString& Download_Title);

// Writes the file with a new data-set title and the nine texts as the file
// holds them, uncut: the save of a title while the texts were cut on load.
// Returns false, and writes nothing, when the file cannot be read or written.
bool saveTitleKeepingTexts(const QString& Download_Title);

}  // namespace report
