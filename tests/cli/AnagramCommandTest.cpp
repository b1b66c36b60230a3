#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/Commands.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

class AnagramCommandTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  std::ostringstream out, err;
  std::string dict = folder.write("ord.txt", "ost\r\ntog\r\nhus\r\nkat\r\nto\r\n");

  int run(Args args) {
    out.str("");
    err.str("");
    args.insert(args.end(), {"--dict", dict});
    return runAnagramCommand(args, out, err);
  }
};

TEST_F(AnagramCommandTest, WritesTheDialogsLinesToTheFileOrToStdout) {
  const std::string file = folder / "svar.txt";
  ASSERT_EQ(run({"tog ost", "-o", file}), 0) << err.str();
  EXPECT_EQ(folder.read("svar.txt"), "OST TOG\r\n");
  EXPECT_NE(err.str().find("1 anagram written"), std::string::npos);

  // Without -o the lines go to stdout; no file is written.
  ASSERT_EQ(run({"øst"}), 0) << err.str();
  EXPECT_EQ(out.str(), "Kunne ikke finde nogle anagrammer til de(t) ord du angav\n");

  ASSERT_EQ(run({"tog hus", "--with", "hus", "-o", "-"}), 0) << err.str();
  EXPECT_EQ(out.str(), "HUS TOG\n");

  const std::string list = folder.write("liste.txt", "tog\r\n");
  ASSERT_EQ(run({"ostogt", "--list", list, "--shortest", "2", "-o", "-"}), 0) << err.str();
  EXPECT_EQ(out.str(), "TOG OST\n");
}

TEST_F(AnagramCommandTest, ReadsThePhraseAndTheDictionaryInTheLanguageGiven) {
  dict = folder.write("tysk.txt", "fu\xDF\r\nb\xE4r\r\n");  // Windows-1252
  ASSERT_EQ(run({"bär fuß", "--with", "fuß", "--language", "2", "-o", "-"}), 0) << err.str();
  EXPECT_EQ(out.str(), "FUß BÄR\n");
  // Under the Danish tables ß is no letter: the list's first word is refused.
  EXPECT_EQ(run({"bär fuß", "-o", "-"}), 0);
  EXPECT_NE(err.str().find("Sprog og tegnsæt passer ikke sammen"), std::string::npos);
}

TEST_F(AnagramCommandTest, RefusesBadArgumentsWithAClearMessage) {
  EXPECT_EQ(run({"tog", "--shortest", "6"}), 2);
  EXPECT_NE(err.str().find("--shortest takes a number from 1 to 5"), std::string::npos);
  EXPECT_EQ(run({"tog", "--words", "x"}), 2);
  EXPECT_EQ(run({"tog", "--verbs", "--with", "to"}), 2);
  EXPECT_EQ(run({"tog", "extra"}), 2);
  EXPECT_EQ(run({std::string(100, 'a')}), 2);
  EXPECT_EQ(run({"tog", "--bogus", "1"}), 2);
  EXPECT_EQ(run({"tog", "--language", "11"}), 2);
  EXPECT_NE(err.str().find("--language takes a language number"), std::string::npos);
  EXPECT_EQ(run({"tog", "--language", "sv"}), 2);
  EXPECT_EQ(run({"tog", "--with", "hus", "-o", "-"}), 1);
  EXPECT_NE(err.str().find("cannot be made"), std::string::npos);
  EXPECT_EQ(run({"tog", "--list", folder / "none.txt"}), 1);
  EXPECT_EQ(run({"tog", "-o", folder / "no/such/folder/x.txt"}), 1);
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
  dict = folder / "none.dic";
  EXPECT_EQ(run({"tog"}), 1);
}

}  // namespace
}  // namespace vorkel
