#include "setup/qt/WelcomePage.h"

#include "setup/InstallerTexts.h"

namespace vorkel::setup {

WelcomePage::WelcomePage(QWidget* parent)
    : PageBase(441, 294, texts::welcomeCaption, texts::welcomeText, false, parent) {}

}  // namespace vorkel::setup
