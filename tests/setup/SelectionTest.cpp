#include "setup/Selection.h"

#include <gtest/gtest.h>

namespace vorkel::setup {
namespace {

TEST(Selection, SpaceNeededForEachRoute) {
  ProgramChecks checks;
  EXPECT_DOUBLE_EQ(spaceNeededMb(selectionForSetupType(SetupType::Typical, checks), false), 271);
  EXPECT_DOUBLE_EQ(spaceNeededMb(selectionForSetupType(SetupType::Typical, checks), true), 431);
  EXPECT_DOUBLE_EQ(spaceNeededMb(generatorOnly(), false), 23);
  EXPECT_DOUBLE_EQ(spaceNeededMb(generatorOnly(), true), 183);
  // Kompakt leaves the solver's dictionaries on the medium.
  EXPECT_DOUBLE_EQ(spaceNeededMb(selectionForSetupType(SetupType::Compact, checks), false), 186);

  ProgramChecks solverCompactOnly{true, true, false, false};
  ProgramSelection s = selectionForSetupType(SetupType::Custom, solverCompactOnly);
  EXPECT_DOUBLE_EQ(spaceNeededMb(s, false), 6);
  EXPECT_DOUBLE_EQ(spaceNeededMb(s, true), 166);

  ProgramSelection none = selectionForSetupType(SetupType::Custom, {false, true, false, false});
  EXPECT_FALSE(none.any());
  EXPECT_DOUBLE_EQ(spaceNeededMb(none, true), 0);  // nothing needs nothing, prerequisites or not
  EXPECT_EQ(spaceNeededText(0), "0 Kb");
}

TEST(Selection, CompactCountsOnlyWhileTheProgramIsChecked) {
  ProgramChecks checks{false, true, true, true};
  EXPECT_FALSE(selectionForSetupType(SetupType::Custom, checks).solverCompact);
  checks.solver = true;  // checked again: the compact choice is still there
  EXPECT_TRUE(selectionForSetupType(SetupType::Custom, checks).solverCompact);
}

TEST(Selection, FreeSpaceRoundsHalvesToEvenAndFailsAsMinusOne) {
  constexpr double MB = 1048576.0;
  EXPECT_EQ(freeMegabytes(2.5 * MB), 2);
  EXPECT_EQ(freeMegabytes(3.5 * MB), 4);
  EXPECT_EQ(freeMegabytes(3.4 * MB), 3);
  EXPECT_EQ(freeMegabytes(-1), -1);
  // A failed query refuses every selection but the empty one needs nothing.
  EXPECT_FALSE(enoughSpace(6, freeMegabytes(-1)));
  EXPECT_FALSE(enoughSpace(0, -1));
  EXPECT_TRUE(enoughSpace(0, 0));
  // Exactly the needed megabytes pass.
  EXPECT_TRUE(enoughSpace(23, 23));
  EXPECT_FALSE(enoughSpace(23, 22));
}

TEST(Selection, DisplayTexts) {
  EXPECT_EQ(spaceAvailableText(1000), "1000 Mb");
  EXPECT_EQ(spaceAvailableText(1001), "Rigeligt");
  EXPECT_EQ(spaceAvailableText(-1), "-1 Mb");
  EXPECT_EQ(spaceNeededText(23), "23 Mb");
  EXPECT_EQ(spaceNeededText(271), "271 Mb");
  EXPECT_EQ(spaceNeededText(2), "2 Mb");
  EXPECT_EQ(spaceNeededText(1.5), "1536 Kb");
}

// Each page's rule sets only its own items of the choice, to the Windows
// code of the installer's language (6, Danish).
TEST(Selection, LanguagesFromTheInstallersLanguage) {
  const LanguageChoice before{1, 2, 3, 4, 5};
  struct Case {
    const char* rule;
    void (*set)(LanguageChoice&, InstallerLanguage);
    LanguageChoice expected;
  };
  const Case cases[] = {
      {"start: generator and drawer", setStartLanguages, {1, 2, 3, 6, 6}},
      {"setup type: the solver's three", setSolverLanguages, {6, 6, 6, 4, 5}},
      {"destination: all five", setAllLanguages, {6, 6, 6, 6, 6}},
  };
  for (const Case& c : cases) {
    LanguageChoice l = before;
    c.set(l, InstallerLanguage::Danish);
    EXPECT_EQ(l, c.expected) << c.rule;
  }
}

}  // namespace
}  // namespace vorkel::setup
