#include "app/SimpleMode.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/DrawerLink.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "document/DocumentFile.h"
#include "engine/ParameterFile.h"
#include "engine/PathFile.h"
#include "engine/PathOptimiser.h"
#include "platform/Files.h"
#include "platform/SharedBlock.h"
#include "tests/app/AppTestSupport.h"

namespace vorkel {
namespace {

using apptest::Session;
using testing::TempFolder;

struct Recorder : HandOver {
  std::vector<std::pair<std::string, bool>> calls;
  void handOver(const std::string& fileName, bool last) override { calls.emplace_back(fileName, last); }
};

// The six stock templates on a 2 x 2 model that "ab", "cd", "ac", "bd" fill.
class SimpleModeTest : public ::testing::Test {
 protected:
  TempFolder dir;
  Session s{dir.path()};
  ApplicationContext& c = s.context;
  Recorder drawer;
  SimpleMode simple{c, drawer};

  void SetUp() override {
    CrosswordDocument doc;
    doc.resize(2, 2);
    dir.write("m.ktd", serializeDocument(doc));
    dir.write("words.txt", "ab\r\ncd\r\nac\r\nbd\r\n");
    dir.write("m.par", formatParameterFile(SearchParameters{}));
    dir.write("m.vej", formatPathFile({PathStop{}}, SeedPositions{}));
    std::filesystem::create_directories(dir / "ud");
    for (const StockModel& m : stockModels())
      dir.write(m.templateName,
                "[Skabelon]\r\nModel=m.ktd\r\nTrie=words.txt\r\nVej=m.vej\r\nParametre=m.par\r\n"
                "DestDir=ud\r\n");
  }
};

TEST_F(SimpleModeTest, WizardLoadsThePicturesModelAndHandsOverItsCount) {
  struct Case {
    const char* picture;
    const char* count;
    std::size_t crosswords;
    bool anagrams;
  };
  for (const Case& k : {Case{"102", "3", 3, false}, Case{"106", "0", 1, false},
                        Case{"104", "tre", 1, false}, Case{"105", "3", 0, true},
                        Case{"Afbryd", "3", 0, false}}) {
    SCOPED_TRACE(k.picture);
    drawer.calls.clear();
    s.ui.captions.clear();
    c.currentTemplate.templatePath.clear();
    bool anagrams = false;
    s.ui.dialogAnswers = {{k.picture, {{SimpleMode::CountField, k.count}}}};
    const bool chosen = simple.wizard([&] { anagrams = true; });
    EXPECT_EQ(chosen, std::string(k.picture) != "Afbryd");
    EXPECT_EQ(anagrams, k.anagrams);
    ASSERT_EQ(drawer.calls.size(), k.crosswords);
    if (k.crosswords) {
      EXPECT_TRUE(drawer.calls.back().second);  // the last one says so
    }
    if (!chosen) {
      EXPECT_TRUE(c.currentTemplate.templatePath.empty());
      continue;
    }
    for (const StockModel& m : stockModels()) {
      if (std::to_string(m.picture) != k.picture) continue;
      EXPECT_EQ(c.currentTemplate.templatePath, m.templateName);
      EXPECT_EQ(s.ui.captions.back(), std::string("Vorkel - ") + m.templateName);
    }
  }
  // The form shows the pictures' grids: the models their templates name.
  const DialogForm& form = s.ui.dialogs.front();
  EXPECT_EQ(form.title, "Lav dine første krydsord ");
  EXPECT_EQ(form.text("102"), dir / "m.ktd");
  EXPECT_EQ(form.text("105"), "");
  // A missing template is named, so its picture says what is missing
  // instead of looking like the anagram finder's.
  const StockModel& first = stockModels().front();
  std::filesystem::remove(dir / first.templateName);
  s.ui.dialogAnswers = {{"Afbryd", {}}};
  simple.wizard([] {});
  EXPECT_EQ(s.ui.dialogs.back().text(std::to_string(first.picture)), dir / first.templateName);
}

TEST_F(SimpleModeTest, CleanUpCountsPerModelAndDeletesOnlyTheChosenModelsFiles) {
  c.currentTemplate.destDir = "ud";
  s.ui.dialogAnswers = {{"Fortryd", {}}};
  simple.cleanUp();
  EXPECT_EQ(s.ui.dialogs.back().text(SimpleMode::TotalField), "I alt 0 krydser");
  EXPECT_EQ(s.ui.dialogs.back().buttons[0], "Slet\n0\nModel 1");

  for (const char* name : {"x10_000.010", "x10_001.010", "x10_000.013", "x10_001.013",
                           "x10_002.013", "x19_000.025", "notes.txt", "x10_000.013.ledeord",
                           "x10_000.010.ledeord"})
    dir.write(std::string("ud/") + name, "x");
  s.ui.dialogs.clear();
  s.ui.dialogAnswers = {{"Slet\n3\nModel 2", {}}, {"OK", {}}};
  s.ui.answers = {Answer::Yes};
  simple.cleanUp();
  ASSERT_EQ(s.ui.dialogs.size(), 2u);
  EXPECT_EQ(s.ui.dialogs[0].text(SimpleMode::TotalField), "I alt 6 krydser");
  EXPECT_EQ(s.ui.dialogs[0].buttons[0], "Slet\n2\nModel 1");
  EXPECT_EQ(s.ui.dialogs[0].buttons[2], "Slet\n1\nModel 3");
  EXPECT_TRUE(s.sawMessage("Du er i færd med at slette 3 filer\nfra " + (dir / "ud")));
  EXPECT_EQ(s.ui.dialogs[1].buttons[1], "Slet\n0\nModel 2");  // refreshed
  EXPECT_TRUE(std::filesystem::exists(dir / "ud/x10_000.010"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ud/x10_000.013"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ud/x10_000.013.ledeord"));  // its clues go with it
  EXPECT_TRUE(std::filesystem::exists(dir / "ud/x10_000.010.ledeord"));

  // "Gennemse og slet selv": the chosen file's folder becomes the output
  // folder; "Skift dir." chooses a folder, an empty one too.
  std::filesystem::create_directories(dir / "andet");
  std::filesystem::create_directories(dir / "tom");
  dir.write("andet/x10_000.010", "x");
  s.ui.dialogAnswers = {{texts::cleanUpBrowse, {}}, {"OK", {}}};
  s.ui.files = {dir / "andet/x10_000.010"};
  simple.cleanUp();
  EXPECT_EQ(c.outputFolder(), dir / "andet");
  s.ui.dialogAnswers = {{"Skift dir.", {}}, {"OK", {}}};
  s.ui.folders = {dir / "tom"};
  simple.cleanUp();
  EXPECT_EQ(c.outputFolder(), dir / "tom");
}

TEST_F(SimpleModeTest, FiveHundredStopsAfterTheLastAndNamesTheFolder) {
  loadTemplate(c, "model1.skb");
  autoPathCommand(c.document, c.path, c.ui);  // this run takes the path as it is
  c.simpleMode = true;
  simple.runFiveHundred();
  EXPECT_EQ(c.run.saved, 500);
  EXPECT_EQ(Files::countFiles(dir / "ud/*.*"), 500);
  EXPECT_EQ(s.ui.lastMessage().text, "Rå-krydserne ligger klar i\n" + (dir / "ud"));
  EXPECT_EQ(s.ui.lastMessage().caption, "Krydser klar");
  EXPECT_TRUE(drawer.calls.empty());

  simple.runOneAndShow();
  ASSERT_EQ(drawer.calls.size(), 1u);
  EXPECT_EQ(drawer.calls[0], std::make_pair(c.LastRawCrossword, true));
}

// The drawing program's side as the link sees it.
struct FakeDrawer : DrawerPorts {
  bool running = true;
  bool startable = false;
  int starts = 0, forward = 0;
  std::vector<std::string> opened;
  std::vector<std::pair<std::int64_t, std::int64_t>> sent;  // wParam, lParam
  std::vector<std::string> blockSeen;
  SharedBlock* block = nullptr;

  std::optional<WindowHandle> findDrawer() override {
    return running ? std::optional<WindowHandle>(WindowHandle{"penvik"}) : std::nullopt;
  }
  SendResult send(const WindowHandle&, std::string_view name, std::int64_t w,
                  std::int64_t l) override {
    EXPECT_EQ(name, "FraVorkelMsg");
    sent.emplace_back(w, l);
    if (w == 1) blockSeen.push_back(block->readText());
    return {SendStatus::Answered, 0};
  }
  bool startDrawer() override {
    ++starts;
    running = startable;
    return startable;
  }
  bool openFile(std::string_view path) override {
    opened.emplace_back(path);
    return true;
  }
  void bringGeneratorForward() override { ++forward; }
  std::int64_t threadId() override { return 4711; }
  std::int64_t activeWindow() override { return 99; }
};

TEST(DrawerLinkTest, HandsTheNameThroughTheBlockStartsTheProgramOrFallsBack) {
  auto block = SharedBlock::createOrOpen("vorkel-test-drawer-" + std::to_string(::getpid()));
  ASSERT_NE(block, nullptr);
  FakeDrawer ports;
  ports.block = block.get();
  DrawerLink link(ports, block.get());

  link.handOver("/ud/x10_000.010", false);
  link.handOver("/ud/x10_001.010", true);
  EXPECT_EQ(ports.sent, (std::vector<std::pair<std::int64_t, std::int64_t>>{
                            {1, 4711}, {1, 4711}, {2, 99}}));
  EXPECT_EQ(ports.blockSeen, (std::vector<std::string>{"/ud/x10_000.010", "/ud/x10_001.010"}));

  ports.sent.clear();
  link.handOver("", true);  // "Gå til Penvik"
  EXPECT_EQ(ports.sent, (std::vector<std::pair<std::int64_t, std::int64_t>>{{2, 99}}));

  // Absent and not startable: seven starts, then the desktop's handler.
  ports.running = false;
  ports.sent.clear();
  link.handOver("/ud/x10_002.010", false);
  EXPECT_EQ(ports.starts, 7);
  EXPECT_EQ(ports.opened, std::vector<std::string>{"/ud/x10_002.010"});
  EXPECT_EQ(ports.forward, 8);  // after each start and at the end
  EXPECT_TRUE(ports.sent.empty());
  link.handOver("", true);
  EXPECT_EQ(ports.opened.size(), 1u);  // nothing opens for an empty name

  // Started on the second try: the file goes over.
  ports.starts = 0;
  ports.startable = true;
  link.handOver("/ud/x10_003.010", true);
  EXPECT_EQ(ports.starts, 1);
  EXPECT_EQ(ports.blockSeen.back(), "/ud/x10_003.010");
}

}  // namespace
}  // namespace vorkel
