#pragma once
// The welcome page: the first page, which cannot be closed from its frame.

#include "setup/qt/PageBase.h"

namespace vorkel::setup {

class WelcomePage : public PageBase {
 public:
  explicit WelcomePage(QWidget* parent = nullptr);
};

}  // namespace vorkel::setup
