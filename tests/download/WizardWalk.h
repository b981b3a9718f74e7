#pragma once

#include <QPushButton>
#include <QRadioButton>
#include <cstddef>

#include "download/ImportWizard.h"

namespace testsupport {

// The user's clicks from the welcome page to the prepare page: COM1, the
// model and, for the load frame, the download type.
inline void walkToPrepare(download::ImportWizard& wizard, int model, int type = 0) {
  QPushButton& next = *wizard.Import_Button[0];
  next.click();
  wizard.Com_Select[0]->click();
  next.click();
  wizard.Device_Select[static_cast<std::size_t>(model)]->click();
  next.click();
  if (model == 0) {
    wizard.Download_Type[static_cast<std::size_t>(type)]->click();
    next.click();
  }
  next.click();
}

}  // namespace testsupport
