#include "app/FillChecks.h"

#include <gtest/gtest.h>

#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

TEST(ReadinessCheck, NamesWhatIsMissingDictionaryFirst) {
  testing::TempFolder dir;
  apptest::Session s{dir.path()};
  ApplicationContext& c = s.context;
  apptest::setUpTinyModel(c);
  EXPECT_TRUE(checkReadiness(c));
  EXPECT_TRUE(s.ui.messages.empty());
  c.path.free();
  EXPECT_FALSE(checkReadiness(c));
  EXPECT_EQ(s.ui.lastMessage().text, "Mangler en vej-liste der passer til krydsen");
  c.replaceDictionary(100);
  EXPECT_FALSE(checkReadiness(c));
  EXPECT_EQ(s.ui.lastMessage().text, "Mangler en ordliste");
  EXPECT_EQ(s.ui.lastMessage().caption, "Kan ikke bygge");
}

}  // namespace
}  // namespace vorkel
