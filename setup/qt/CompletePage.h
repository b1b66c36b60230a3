#pragma once
// The completion page: "&Afslut" (or closing the page) ends the installer.

#include "setup/qt/PageBase.h"

namespace vorkel::setup {

class CompletePage : public PageBase {
 public:
  explicit CompletePage(QWidget* parent = nullptr);
};

}  // namespace vorkel::setup
