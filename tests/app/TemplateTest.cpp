#include <gtest/gtest.h>

#include <filesystem>

#include "app/InstallationFolders.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "document/DocumentFile.h"
#include "engine/ParameterFile.h"
#include "engine/PathFile.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using testing::TempFolder;

std::string documentBytes(int w, int h) {
  CrosswordDocument doc;
  doc.resize(w, h);
  return serializeDocument(doc);
}

std::string pathBytes() {
  std::vector<PathStop> stops(1);
  stops[0].x = 0;
  stops[0].y = 0;
  stops.push_back(PathStop{});
  return formatPathFile(stops, SeedPositions{});
}

class TemplateTest : public ::testing::Test {
 protected:
  TempFolder dir;
  Session s{dir.path()};
  ApplicationContext& c = s.context;

  // The files a template that names none reads.
  void writeDefaultFiles() {
    dir.write("PuslFlad.ktd", documentBytes(3, 2));
    dir.write("dksort.dic", "kat\r\n");
    dir.write("Puslflad.vej", pathBytes());
    dir.write("Default.par", formatParameterFile(SearchParameters{}));
  }

  void setRegistry(const std::string& name, const std::string& value) {
    s.registry.setString(RegistryRoot::ClassesRoot, "Q4.Application\\" + name, "", value);
  }
};

TEST_F(TemplateTest, TemplateWithoutKeysLoadsTheDefaultFilesFromTheWorkFolder) {
  dir.write("PuslFlad.ktd", documentBytes(3, 2));
  dir.write("DKSORT.DIC", "kat\r\nhund\r\n");  // found without regard to case
  dir.write("Puslflad.vej", pathBytes());
  SearchParameters params;
  params.keptCandidates = 77;
  dir.write("Default.par", formatParameterFile(params));
  dir.write("tom.skb", "[Skabelon]\r\n");
  dir.write("Q4DK.ini", "[Opsat]\r\nGemmested=profil-ud\r\n");
  setRegistry("Gemmested", "registreret-ud");

  ASSERT_TRUE(loadTemplate(c, "tom.skb"));
  EXPECT_TRUE(s.ui.messages.empty()) << s.ui.messages.front().text;
  EXPECT_EQ(c.document.width(), 3);
  EXPECT_EQ(c.document.height(), 2);
  EXPECT_EQ(c.documentDialog.fileName, "PuslFlad.ktd");
  EXPECT_EQ(c.currentTemplate.dictionaryPath, "dksort.dic");
  EXPECT_EQ(c.dictionary->wordCount(), 2);
  EXPECT_EQ(c.path.length(), 1u);
  EXPECT_EQ(c.currentTemplate.pathFileName, "Puslflad.vej");
  EXPECT_EQ(c.parameters.keptCandidates, 77);
  EXPECT_EQ(c.currentTemplate.parameterFileName, "Default.par");
  EXPECT_EQ(c.currentTemplate.language, LanguageId::Danish);
  EXPECT_EQ(c.currentTemplate.destDir, "profil-ud");
  EXPECT_EQ(c.outputFolder(), dir / "profil-ud");
  EXPECT_EQ(c.currentTemplate.minScore, -1);  // no floor, as before the key
}

// MinScore: a floor of 0..100 is taken and saved again with the template;
// anything else names none.
TEST_F(TemplateTest, AFloorIsReadWithinItsRangeAndSavedAgain) {
  writeDefaultFiles();
  const struct {
    const char* value;
    int floor;
  } cases[] = {{"50", 50}, {"0", 0}, {"100", 100}, {"101", -1}, {"-3", -1}, {"x", 0}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.value);
    dir.write("t.skb", std::string("[Skabelon]\r\nMinScore=") + k.value + "\r\n");
    ASSERT_TRUE(loadTemplate(c, "t.skb"));
    EXPECT_EQ(c.currentTemplate.minScore, k.floor);
  }
  dir.write("t.skb", "[Skabelon]\r\nMinScore=40\r\n");
  ASSERT_TRUE(loadTemplate(c, "t.skb"));
  c.currentTemplate.templatePath = "kopi.skb";
  ASSERT_TRUE(saveTemplate(c));
  EXPECT_NE(dir.read("kopi.skb").find("MinScore=40"), std::string::npos);
}

// Fyld=hurtig (any case) asks for the fast fill; a template without the new
// keys is saved without them, as the program always saved it.
TEST_F(TemplateTest, TheFillKeyIsReadInAnyCaseAndSavedOnlyWhenSet) {
  writeDefaultFiles();
  const struct {
    const char* line;
    bool fast;
  } cases[] = {{"Fyld=hurtig", true}, {"FYLD=Hurtig", true}, {"Fyld=vej", false},
               {"Fyld=", false},      {"", false}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.line);
    dir.write("t.skb", std::string("[Skabelon]\r\n") + k.line + "\r\n");
    ASSERT_TRUE(loadTemplate(c, "t.skb"));
    EXPECT_EQ(c.currentTemplate.fastFill, k.fast);
    c.currentTemplate.templatePath = "kopi.skb";
    dir.write("kopi.skb", "");
    ASSERT_TRUE(saveTemplate(c));
    EXPECT_EQ(dir.read("kopi.skb").find("Fyld"), k.fast ? dir.read("kopi.skb").find("Fyld=hurtig")
                                                         : std::string::npos);
    EXPECT_EQ(dir.read("kopi.skb").find("MinScore"), std::string::npos);
  }
}

// The store holds the words scored at the template's floor or above, where a
// score file lies beside the dictionary; a word scored 0 or not at all is
// then never taken. Without a floor, a score file or a readable one, every
// word; a change of floor reloads the same file.
TEST_F(TemplateTest, TheStoreHoldsTheWordsAtTheTemplatesFloor) {
  dir.write("m.ktd", documentBytes(2, 2));
  dir.write("words.dic", "kat\r\nhund\r\nhest\r\nko\r\n");
  dir.write("m.vej", pathBytes());
  dir.write("m.par", formatParameterFile(SearchParameters{}));
  const std::string common =
      "Model=m.ktd\r\nVej=m.vej\r\nParametre=m.par\r\nTrie=words.dic\r\nDestDir=ud\r\n";
  const std::string scores = "kat\t80\nhund\t40\nhest\t0\n";
  const struct {
    const char* floor;       // the template's MinScore line
    const char* scoreFile;   // nullptr: none
    bool atFloor;            // as the window loads; false: as vorkel generate --fill path
    int words;
  } cases[] = {
      {"MinScore=50", scores.c_str(), true, 1},  {"MinScore=0", scores.c_str(), true, 2},
      {"", scores.c_str(), true, 4},             {"MinScore=50", nullptr, true, 4},
      {"MinScore=50", scores.c_str(), false, 4}, {"MinScore=50", "kat\tmange\n", true, 4},
      {"MinScore=40", scores.c_str(), true, 2},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.floor) + (k.scoreFile ? k.scoreFile : "(no scores)"));
    std::filesystem::remove(dir / "words.score");
    if (k.scoreFile) dir.write("words.score", k.scoreFile);
    c.storeAtTemplateFloor = k.atFloor;
    s.ui.messages.clear();
    dir.write("t.skb", "[Skabelon]\r\n" + common + k.floor + "\r\n");
    ASSERT_TRUE(loadTemplate(c, "t.skb"));
    EXPECT_EQ(c.dictionary->wordCount(), k.words);
    const bool unusable = k.scoreFile && std::string(k.scoreFile).find("mange") != std::string::npos;
    ASSERT_EQ(s.ui.messages.size(), unusable ? 1u : 0u) << s.ui.lastMessage().text;
    if (unusable) {
      EXPECT_EQ(s.ui.lastMessage().text.find(texts::scoresUnusable), 0u);
    }
  }
}

TEST_F(TemplateTest, SameDictionaryNameKeepsTheStoreAnyDifferenceReloads) {
  dir.write("m.ktd", documentBytes(2, 2));
  dir.write("words.dic", "kat\r\nhund\r\n");
  dir.write("m.vej", pathBytes());
  dir.write("m.par", formatParameterFile(SearchParameters{}));
  dir.write("Q4DK.ini", "[Opsat]\r\nGemmested=ud\r\n");
  const std::string common = "Model=m.ktd\r\nVej=m.vej\r\nParametre=m.par\r\n";
  dir.write("a.skb", "[Skabelon]\r\nTrie=words.dic\r\n" + common);
  dir.write("b.skb", "[Skabelon]\r\nTrie=words.dic\r\n" + common);
  dir.write("c.skb", "[Skabelon]\r\nTrie=Words.dic\r\n" + common);

  ASSERT_TRUE(loadTemplate(c, "a.skb"));
  EXPECT_EQ(s.ui.statusTexts.front(), texts::loadingDictionary);
  c.dictionary->insertWord("hest");  // survives only while the store is kept
  s.ui.statusTexts.clear();

  ASSERT_TRUE(loadTemplate(c, "b.skb"));
  EXPECT_TRUE(s.ui.statusTexts.empty());
  EXPECT_EQ(c.dictionary->wordCount(), 3);

  ASSERT_TRUE(loadTemplate(c, "c.skb"));  // the same file, named in another case
  ASSERT_FALSE(s.ui.statusTexts.empty());
  EXPECT_EQ(s.ui.statusTexts.front(), texts::loadingDictionary);
  EXPECT_EQ(c.dictionary->wordCount(), 2);
  EXPECT_EQ(c.currentTemplate.dictionaryPath, "Words.dic");
}

TEST_F(TemplateTest, FailedDictionaryLoadIsRetriedByTheNextTemplateAndSavedByName) {
  dir.write("m.ktd", documentBytes(2, 2));
  dir.write("m.vej", pathBytes());
  dir.write("m.par", formatParameterFile(SearchParameters{}));
  dir.write("Q4DK.ini", "[Opsat]\r\nGemmested=ud\r\n");
  dir.write("a.skb", "[Skabelon]\r\nTrie=words.dic\r\nModel=m.ktd\r\nVej=m.vej\r\nParametre=m.par\r\n");
  // A folder of the dictionary's name: it is found but cannot be read.
  std::filesystem::create_directory(dir / "words.dic");
  setRegistry("Dictionary", dir.path());
  dir.write("other.txt", "x");

  loadTemplate(c, "a.skb");
  EXPECT_EQ(c.currentTemplate.dictionaryPath, "");
  // Saving now keeps the dictionary, as resolved (it once wrote "Trie=").
  ASSERT_TRUE(saveTemplate(c));
  EXPECT_EQ(Profile(dir / "a.skb", "Skabelon").getString("Trie"), dir / "words.dic");
  std::filesystem::remove(dir / "words.dic");
  dir.write("words.dic", "kat\r\n");
  ASSERT_TRUE(loadTemplate(c, "a.skb"));
  EXPECT_EQ(c.dictionary->wordCount(), 1);
}

TEST_F(TemplateTest, MissingFileWithoutRegistryValueStopsTheLoad) {
  dir.write("a.skb", "[Skabelon]\r\nModel=findes-ikke.ktd\r\n");
  EXPECT_FALSE(loadTemplate(c, "a.skb"));
  ASSERT_FALSE(s.ui.messages.empty());
  EXPECT_EQ(s.ui.messages.front().text, "Error to open registry code 2");
  EXPECT_EQ(s.ui.lastMessage().text, texts::installationError);
  EXPECT_EQ(s.ui.lastMessage().caption, "Error");
  EXPECT_EQ(s.ui.lastMessage().icon, Icon::Error);
  EXPECT_EQ(c.currentTemplate.loads, 0);
}

TEST_F(TemplateTest, MissingFileIsFoundInTheInstallationFolder) {
  dir.write("Modeller/A.ktd", documentBytes(4, 3));
  setRegistry("Skabelon", "ignored-by-profile");
  dir.write("Q4DK.ini", "[Opsat]\r\nSkabelon=" + (dir / "Modeller") + "\r\n");
  dir.write("a.skb", "[Skabelon]\r\nModel=D:\\MODELLER\\A.ktd\r\n");
  loadTemplate(c, "a.skb");
  EXPECT_EQ(c.documentDialog.fileName, dir / "Modeller/A.ktd");
  EXPECT_EQ(c.document.width(), 4);
}

TEST(PlaceInFolder, AbsoluteNamesKeepTheirNameRelativeNamesGoBelow) {
  ScriptedUi ui;
  EXPECT_EQ(placeInFolder("D:\\MODELLER\\A.ktd", "C:\\Q4\\MODELLER", ui), "C:\\Q4\\MODELLER\\A.ktd");
  EXPECT_EQ(placeInFolder("B.vej", "C:\\Q4\\MODELLER", ui), "C:\\Q4\\MODELLER\\B.vej");
  EXPECT_EQ(placeInFolder("\\\\srv\\del\\x.par", "C:\\Q4\\", ui), "C:\\Q4\\x.par");
  EXPECT_EQ(placeInFolder("/home/a/B.vej", "/opt/q4", ui), "/opt/q4/B.vej");
  EXPECT_TRUE(ui.messages.empty());

  EXPECT_EQ(placeInFolder("D:\\MODELLER\\", "C:\\Q4", ui), "D:\\MODELLER\\");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.lastMessage().text, texts::notInFolder);
  EXPECT_EQ(ui.lastMessage().caption, "D:\\MODELLER\\");
}

TEST_F(TemplateTest, EmptyFallbackFolderAsksAndCancelGivesUp) {
  std::filesystem::create_directory(dir / "tom");
  setRegistry("CDRom", "E:\\");
  s.ui.answers = {Answer::Ok};
  EXPECT_EQ(resolveInFolder(c, "A.ktd", dir / "tom"), std::optional<std::string>("A.ktd"));
  EXPECT_EQ(s.ui.lastMessage().caption, "Fejl");
  EXPECT_EQ(s.ui.lastMessage().buttons, Buttons::OkCancel);

  s.ui.answers = {Answer::Cancel};
  EXPECT_EQ(resolveInFolder(c, "A.ktd", dir / "tom"), std::nullopt);

  // On the registered medium the user is asked for the CD until he gives up.
  setRegistry("CDRom", dir.path());
  s.ui.messages.clear();
  s.ui.answers = {Answer::Ok, Answer::Cancel};
  EXPECT_EQ(resolveInFolder(c, "A.ktd", dir / "tom"), std::nullopt);
  EXPECT_EQ(s.countMessages(texts::insertCd), 2);
}

TEST_F(TemplateTest, SaveWithoutNameAsksForOneThenSavesThere) {
  c.documentDialog.fileName = "m.ktd";
  c.currentTemplate.dictionaryName = "ord.dic";
  c.currentTemplate.pathFileName = "m.vej";
  c.currentTemplate.parameterFileName = "m.par";
  c.currentTemplate.destDir = "ud";
  c.currentTemplate.language = LanguageId::Swedish;
  dir.write("ny.skb", "; egen kommentar\r\n[Andet]\r\nx=1\r\n");

  s.ui.files = {std::string("ny.skb")};
  ASSERT_TRUE(saveTemplate(c));
  EXPECT_EQ(c.currentTemplate.templatePath, "ny.skb");
  Profile skb(dir / "ny.skb", "Skabelon");
  EXPECT_EQ(skb.keys(), (std::vector<std::string>{"Model", "Trie", "Vej", "Parametre", "DestDir",
                                                   "Sprog"}));
  EXPECT_EQ(skb.getString("Trie"), "ord.dic");
  EXPECT_EQ(skb.getInt("Sprog", -1), 3);
  EXPECT_EQ(skb.withSection("Andet").getString("x"), "1");

  c.currentTemplate.destDir = "andet-ud";
  ASSERT_TRUE(saveTemplate(c));  // no dialog this time: the queue is empty
  EXPECT_EQ(skb.getString("DestDir"), "andet-ud");

  s.ui.files = {std::nullopt};
  EXPECT_FALSE(saveTemplateAs(c));
  EXPECT_EQ(c.currentTemplate.templatePath, "ny.skb");
}

TEST_F(TemplateTest, UnwritableTemplateIsReported) {
  c.currentTemplate.templatePath = "mangler/ny.skb";
  EXPECT_FALSE(saveTemplate(c));
  EXPECT_EQ(s.ui.lastMessage().caption, "Fejl");
}

TEST_F(TemplateTest, FirstTemplateOfARunIsNotARecentFile) {
  dir.write("PuslFlad.ktd", documentBytes(2, 2));
  dir.write("dksort.dic", "kat\r\n");
  dir.write("Puslflad.vej", pathBytes());
  dir.write("Default.par", formatParameterFile(SearchParameters{}));
  dir.write("Q4DK.ini", "[Opsat]\r\nGemmested=ud\r\n");
  dir.write("a.skb", "[Skabelon]\r\n");
  dir.write("b.skb", "[Skabelon]\r\n");

  s.ui.files = {std::string("a.skb")};
  ASSERT_TRUE(openTemplate(c, [] { return true; }));
  EXPECT_TRUE(c.recentFiles.entries().empty());
  EXPECT_EQ(s.ui.captions, (std::vector<std::string>{"Vorkel - åbner a.skb", "Vorkel - a.skb"}));

  ASSERT_TRUE(loadTemplate(c, "b.skb"));
  EXPECT_EQ(c.recentFiles.entries(), std::vector<std::string>{"b.skb"});

  // A refused close check opens nothing.
  s.ui.files = {std::string("a.skb")};
  EXPECT_FALSE(openTemplate(c, [] { return false; }));
  EXPECT_EQ(s.ui.files.size(), 1u);
}

TEST(RecentFiles, KeepsFourNewestFirstWithoutDuplicates) {
  RecentFiles list;
  for (const char* p : {"a.skb", "b.skb", "c.skb", "d.skb", "e.skb", "C.SKB"}) list.add(p);
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"C.SKB", "e.skb", "d.skb", "b.skb"}));
  EXPECT_EQ(list.entry(9), "");
}

TEST_F(TemplateTest, RegistryValueMessages) {
  s.registry.setDword(RegistryRoot::ClassesRoot, "q4.Application\\Dictionary", "", 5);
  EXPECT_EQ(readClassesRootValue(s.registry, "q4.Application\\Dictionary", s.ui), "");
  EXPECT_EQ(s.ui.lastMessage().text, "defualt-type 4");
  EXPECT_EQ(s.ui.lastMessage().caption, "default fra givkey");

  s.registry.createKey(RegistryRoot::ClassesRoot, "q4.Application\\Tom");
  EXPECT_EQ(readClassesRootValue(s.registry, "q4.Application\\Tom", s.ui), "");
  EXPECT_EQ(s.ui.lastMessage().text, "Error from EnumVal code 259 data 0 in line 126");

  setRegistry("ModelOgVej", "C:\\Q4");
  EXPECT_EQ(readClassesRootValue(s.registry, "Q4.APPLICATION\\modelogvej", s.ui), "C:\\Q4");
}

TEST_F(TemplateTest, ProgramProfileFoldersAreMadeAbsolute) {
  std::filesystem::create_directory(dir / "ord");
  setRegistry("Dictionary", "ord");
  setRegistry("ModelOgVej", "findes-ikke");
  setRegistry("Gemmested", "x");
  dir.write("Q4DK.ini", "[Opsat]\r\nParametre=ord\r\nGemmested=ord\r\n");
  c.readProgramProfile();
  EXPECT_EQ(c.dictionaryDialog.folder, dir / "ord");
  EXPECT_EQ(c.parameterDialog.folder, dir / "ord");
  EXPECT_EQ(c.pathDialog.folder, dir.path());
  EXPECT_EQ(c.currentTemplate.destDir, dir / "ord");
  EXPECT_TRUE(s.ui.messages.empty());
}

}  // namespace
}  // namespace vorkel
