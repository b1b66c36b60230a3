#include "setup/InstallerLanguage.h"

#include <gtest/gtest.h>

#include "setup/InstallerTexts.h"

namespace vorkel::setup {
namespace {

// The installer's language leaves the installer only as a Windows primary
// language code (LanguageChoice, the solver's registry values). The texts
// are Danish, so the build must speak Danish and write 6; and the custom
// page's first entry, selected when the boxes are filled, must be that same
// language, or Next would store another language than the other routes.
TEST(InstallerLanguage, DanishBuildWritesCodeSix) {
  EXPECT_EQ(BuildLanguage, InstallerLanguage::Danish);
  EXPECT_EQ(windowsLanguageCode(InstallerLanguage::Danish), 6);
  EXPECT_STREQ(texts::languageEntries[0].name, "Dansk");
  EXPECT_EQ(texts::languageEntries[0].code, windowsLanguageCode(BuildLanguage));
}

}  // namespace
}  // namespace vorkel::setup
