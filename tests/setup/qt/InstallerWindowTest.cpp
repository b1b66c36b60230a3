// The installer as a user meets it: the real pages on the offscreen
// platform, driven by clicks, on the medium the build assembled; then the
// installed generator makes a crossword and the installed uninstaller
// removes the installation again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QStandardItemModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "../../platform/TempFolder.h"
#include "setup/Destination.h"
#include "setup/qt/ChooseDirDialog.h"
#include "setup/qt/CustomSetupPage.h"
#include "setup/qt/DestinationPage.h"
#include "setup/qt/ExitDialog.h"
#include "setup/qt/FolderPage.h"
#include "setup/qt/PageBase.h"
#include "setup/qt/InstallerSession.h"
#include "setup/qt/SetupTypePage.h"
#include "setup/qt/SummaryPage.h"
#include "setup/Uninstaller.h"
#include "platform/qt/QtUi.h"

namespace vorkel::setup {
namespace {

namespace fs = std::filesystem;
const std::string kMedium = VORKEL_BINARY_DIR "/medium/";

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = new QApplication(argc_, argv_);
  }
  void TearDown() override { delete app_; }

 private:
  int argc_ = 1;
  char name_[16] = "setup_qt_tests";
  char* argv_[2] = {name_, nullptr};
  QApplication* app_ = nullptr;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

std::string readAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out.push_back(line);
  }
  return out;
}

// Every file and folder below `folder`, relative to it.
std::set<std::string> tree(const std::string& folder) {
  std::set<std::string> out;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(folder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
    out.insert(fs::relative(it->path(), folder).string());
  return out;
}

// A home of its own: HOME, the XDG folders and the registry store in a
// temporary folder, restored afterwards.
class Home {
 public:
  Home() {
    for (const char* name : kNames) {
      const char* v = std::getenv(name);
      if (v) saved_[name] = v;
    }
    ::setenv("HOME", (tmp / "home").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (tmp / "home/.local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (tmp / "home/.config").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (tmp / "usr/share").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (tmp / "etc/xdg").c_str(), 1);
    ::setenv("VORKEL_REGISTRY", (tmp / "registry.ini").c_str(), 1);
    // The state and cache folders and the drawing program's log lie in the
    // home, where their defaults put them.
    for (const char* name : {"XDG_STATE_HOME", "XDG_CACHE_HOME", "PENVIK_LOG"}) ::unsetenv(name);
    fs::create_directories(tmp / "home");
  }
  ~Home() {
    for (const char* name : kNames) {
      auto it = saved_.find(name);
      if (it == saved_.end()) ::unsetenv(name);
      else ::setenv(name, it->second.c_str(), 1);
    }
  }
  vorkel::testing::TempFolder tmp;

 private:
  static constexpr const char* kNames[] = {"HOME",           "XDG_DATA_HOME",   "XDG_CONFIG_HOME",
                                           "XDG_DATA_DIRS",  "XDG_CONFIG_DIRS", "VORKEL_REGISTRY",
                                           "XDG_STATE_HOME", "XDG_CACHE_HOME",  "XDG_RUNTIME_DIR",
                                           "PENVIK_LOG"};
  std::map<std::string, std::string> saved_;
};

// Clicks a button of the modal dialog that opens next.
void clickInNextModal(std::function<QPushButton*()> button) {
  QTimer::singleShot(0, [button] { QTest::mouseClick(button(), Qt::LeftButton); });
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

int run(const std::string& command) { return std::system(command.c_str()); }

TEST(InstallerWindow, BackRouteExitDialogAndCustomPage) {
  Home home;
  InstallerSession session(kMedium);
  bool ended = false;
  session.setOnEnd([&] { ended = true; });
  session.start();
  click(session.currentPage()->nextButton());
  click(session.currentPage()->nextButton());
  ASSERT_EQ(session.wizard().page(), Page::Folder);
  click(session.currentPage()->backButton());
  ASSERT_EQ(session.wizard().page(), Page::SetupType);
  auto* type = static_cast<SetupTypePage*>(session.currentPage());
  EXPECT_TRUE(type->isVisible());
  EXPECT_TRUE(type->typeButton(0)->isChecked());  // "Typisk"

  click(type->typeButton(1));  // "Selvvalgt"
  click(type->nextButton());
  ASSERT_EQ(session.wizard().page(), Page::Custom);
  auto* custom = static_cast<CustomSetupPage*>(session.currentPage());
  // The medium holds no solver and the generator in Danish alone: the
  // solver cannot be checked, and the other languages cannot be chosen.
  EXPECT_FALSE(custom->programBox(0)->isEnabled());
  EXPECT_FALSE(custom->programBox(0)->isChecked());
  click(custom->programBox(0));
  click(custom->programBox(2));  // no drawer
  EXPECT_FALSE(session.wizard().state().selection.solver);
  EXPECT_TRUE(session.wizard().state().selection.generator);
  EXPECT_FALSE(session.wizard().state().selection.drawer);
  for (int box = 3; box < 7; ++box) {
    const auto* model = qobject_cast<const QStandardItemModel*>(custom->languageBox(box)->model());
    ASSERT_TRUE(model);
    for (int row = 0; row < 4; ++row) EXPECT_EQ(model->item(row)->isEnabled(), row == 0) << box;
  }
  custom->languageBox(6)->setCurrentIndex(1);  // "Engelsk" is not on this medium
  EXPECT_EQ(custom->languageBox(6)->currentIndex(), 0);
  EXPECT_EQ(session.wizard().languageIndex(LanguageBox::GeneratorMain), 0);

  // Cancel: "&Fortsæt" goes back to the page, "&Afslut" ends.
  clickInNextModal([&] { return session.exitDialog()->resumeButton(); });
  click(custom->cancelButton());
  EXPECT_FALSE(ended);
  EXPECT_TRUE(custom->isVisible());
  clickInNextModal([&] { return session.exitDialog()->exitButton(); });
  click(custom->cancelButton());
  EXPECT_TRUE(ended);
  EXPECT_FALSE(fs::exists(home.tmp / "home/Vendrik"));
}

// Each of the four linked language boxes takes the user's choice and the
// other three follow it; an entry the medium lacks cannot be reached.
TEST(InstallerWindow, EveryLinkedLanguageBoxCanBeChanged) {
  Home home;
  // A medium with the generator in Danish, English and German (with help),
  // the drawing program, and nothing in Spanish.
  for (const char* f : {"cd/q4", "cd/q4us", "cd/q4de", "cd/penvik", "cd/help/index.html",
                        "cd/help-en/index.html", "cd/hilfe/index.html"})
    home.tmp.write(f, "x");
  InstallerSession session(home.tmp / "cd/");
  session.setOnEnd([] {});
  session.start();
  click(session.currentPage()->nextButton());
  click(session.currentPage()->nextButton());
  click(session.currentPage()->backButton());
  auto* type = static_cast<SetupTypePage*>(session.currentPage());
  click(type->typeButton(1));  // "Selvvalgt"
  click(type->nextButton());
  ASSERT_EQ(session.wizard().page(), Page::Custom);
  auto* custom = static_cast<CustomSetupPage*>(session.currentPage());

  const struct {
    int box;  // generator main, generator help, drawer main, drawer help
    std::vector<Qt::Key> keys;
    int expected;  // Dansk, Engelsk, Tysk, Spansk
  } steps[] = {
      {3, {Qt::Key_Down, Qt::Key_Down}, 2},  // "Tysk" as the program's main language
      {4, {Qt::Key_Up}, 1},
      {5, {Qt::Key_Up}, 0},
      {6, {Qt::Key_Down, Qt::Key_Down}, 2},
      {4, {Qt::Key_Down}, 2},  // "Spansk" is not on the medium
  };
  const LanguageBox linked[] = {LanguageBox::GeneratorMain, LanguageBox::GeneratorHelp,
                                LanguageBox::DrawerMain, LanguageBox::DrawerHelp};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.box);
    QComboBox* box = custom->languageBox(step.box);
    box->setFocus();
    for (Qt::Key key : step.keys) QTest::keyClick(box, key);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(custom->languageBox(3 + i)->currentIndex(), step.expected) << i;
      EXPECT_EQ(session.wizard().languageIndex(linked[i]), step.expected) << i;
    }
  }
  click(custom->nextButton());
  ASSERT_EQ(session.wizard().page(), Page::Folder);
  EXPECT_EQ(session.wizard().state().languages.generator, 7);
  EXPECT_EQ(session.wizard().state().languages.drawer, 7);
}

// The uninstaller's last message lists the files it left; with a thousand
// of them the dialog still fits the screen, the list scrolling.
TEST(InstallerWindow, TheUninstallersLastMessageFitsTheScreen) {
  Home home;
  const std::string root = home.tmp / "home/Vendrik/";
  home.tmp.write("home/Vendrik/UnInst.inf", "");
  for (int i = 0; i < 1000; ++i)
    home.tmp.write("home/Vendrik/Lager/kryds" + std::to_string(1000 + i) + ".ktd", "kryds");
  QMainWindow window;
  QtUi ui(&window);
  Registry registry(home.tmp / "registry.ini");
  DesktopFolders folders = DesktopFolders::fromEnvironment();
  DesktopSystem system(folders);
  Uninstaller uninstaller(ui, registry, system, folders);

  int lastHeight = 0, available = 0, listed = -1;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    auto* box = qobject_cast<QMessageBox*>(w);
    if (box && box->button(QMessageBox::Yes)) {
      click(box->button(QMessageBox::Yes));
      return;
    }
    lastHeight = w->frameGeometry().height();
    available = w->screen()->availableGeometry().height();
    if (auto* list = w->findChild<QListWidget*>()) listed = static_cast<int>(list->count());
    static_cast<QDialog*>(w)->accept();
  });
  answer.start(20);
  ASSERT_TRUE(uninstaller.run(root, true));
  answer.stop();
  EXPECT_EQ(uninstaller.kept().size(), 1000u);
  EXPECT_EQ(listed, 1000);
  EXPECT_GT(lastHeight, 0);
  EXPECT_LE(lastHeight, available);
}

// The page picture keeps its title clear of the crossword at every page
// height, and the copying page (the shortest, without buttons) shows it at
// the page's full height rather than squeezed.
TEST(InstallerWindow, ThePagePictureFitsEveryPage) {
  for (int height : {60, 105, 172, 233, 340}) {
    SCOPED_TRACE(height);
    const QImage picture = pagePicture(105, height).toImage();
    int firstSquare = height, squares = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < 105; ++x)
        if (picture.pixelColor(x, y) == QColor(255, 255, 230)) {
          firstSquare = std::min(firstSquare, y);
          ++squares;
        }
    EXPECT_GE(firstSquare, 34);  // below the title's band
    EXPECT_GT(squares, 0);
  }
  Home home;
  InstallerSession session(kMedium);
  const auto* copying = session.page(Page::Copying);
  const auto* picture = copying->findChild<QLabel*>("Image1");
  ASSERT_TRUE(picture);
  EXPECT_GE(picture->height(), 100);
  EXPECT_LE(picture->geometry().bottom(), copying->height());
}

// `setup --quiet [DESTINATION]` installs the default route without a window
// and says what it did; `uninst --quiet` takes it away again. A failure is
// a message on stderr and a non-zero exit.
TEST(InstallerWindow, QuietInstallationAndRemoval) {
  ASSERT_TRUE(fs::exists(kMedium + "setup")) << "build the medium first";
  const struct {
    const char* name;
    std::string destination;  // below the home folder; "" for none given
    std::string root;         // the installation's folder below the home folder
  } cases[] = {{"a destination given", "Stille Kryds", "Stille Kryds/"},
               {"the proposed destination", "", "Vendrik/"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Home home;
    // The uninstaller never removes the desktop's own folders.
    fs::create_directories(home.tmp / "home/.local/share");
    const std::set<std::string> before = tree(home.tmp / "home");
    const std::string home_ = home.tmp / "home/";
    const std::string root = home_ + c.root;
    const std::string out = home.tmp / "out.txt", err = home.tmp / "err.txt";
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"" + kMedium + "setup\" --quiet";
    if (!c.destination.empty()) command += " \"" + home_ + c.destination + "\"";
    ASSERT_EQ(run(command + " > \"" + out + "\" 2> \"" + err + "\""), 0) << readAll(err);
    EXPECT_EQ(readAll(out), "Installationen er fuldendt.\nInstalleres i biblioteket:\n   " + root +
                                "\nProgramikoner lægges i folderen:\n   " + home_ +
                                ".local/share/applications/Plindra\n");
    EXPECT_EQ(readAll(err), "");
    EXPECT_TRUE(fs::is_regular_file(root + "Vorkel/vorkel"));
    EXPECT_EQ(fs::exists(root + "Vorkel/q4"), fs::exists(kMedium + "q4"));
    EXPECT_TRUE(fs::exists(home_ + ".local/share/applications/Plindra/Hjælp til Vorkelen.desktop"));

    ASSERT_EQ(run("QT_QPA_PLATFORM=offscreen \"" + root + "uninst\" --quiet \"" + root + "\" 2> \"" +
                  err + "\""),
              0)
        << readAll(err);
    EXPECT_EQ(tree(home.tmp / "home"), before);
  }

  // A destination below a file cannot be made: the message and status 1.
  Home home;
  home.tmp.write("home/blocked", "a file");
  const std::string err = home.tmp / "err.txt";
  EXPECT_NE(run("\"" + kMedium + "setup\" --quiet \"" + home.tmp.path() + "/home/blocked/Vendrik\" > /dev/null 2> \"" + err + "\""), 0);
  EXPECT_EQ(readAll(err).rfind("Advarsel: Installationen må desværre afbrydes", 0), 0u) << readAll(err);
}

// Installed, used as a user uses it, uninstalled: of the home nothing is
// left but the crosswords the user made. Used means: the registry store in
// its own place in the home (~/.config/vorkel), the window program started
// (it registers the template file type naming itself, and its window link
// makes its folder when there is no runtime folder), a crossword made, and
// the crossword handed over to the drawing program, which logs it in the
// state folder (~/.local/state/vorkel/penvik.log; written here as it
// writes it, the default route installs no drawing program).
TEST(InstallerWindow, AnUninstallLeavesOnlyTheUsersCrosswords) {
  ASSERT_TRUE(fs::exists(kMedium + "setup")) << "build the medium first";
  Home home;
  ::unsetenv("VORKEL_REGISTRY");
  ::unsetenv("XDG_RUNTIME_DIR");
  const std::string home_ = home.tmp / "home/";
  const std::string root = home_ + "Vendrik/";
  const std::string err = home.tmp / "err.txt";
  ASSERT_EQ(run("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"" + kMedium +
                "setup\" --quiet > /dev/null 2> \"" + err + "\""),
            0)
      << readAll(err);
  const std::string store = home_ + ".config/vorkel/registry.ini";
  ASSERT_TRUE(fs::exists(store));

  if (fs::exists(root + "Vorkel/q4")) {
    const std::string pid = home.tmp / "q4.pid";
    ASSERT_EQ(run("cd \"" + root + "Vorkel\" && (QT_QPA_PLATFORM=offscreen exec ./q4 > \"" +
                  home.tmp.path() + "/q4.out\" 2>&1 &  echo $! > \"" + pid + "\")"),
              0);
    for (int i = 0; i < 300 && readAll(store).find("Q4.Document.1") == std::string::npos; ++i)
      QTest::qWait(100);
    ASSERT_NE(readAll(store).find("Q4.Document.1"), std::string::npos) << readAll(home.tmp / "q4.out");
    const std::string q4 = "/proc/" + std::to_string(std::stol(readAll(pid)));
    run("kill -TERM " + std::to_string(std::stol(readAll(pid))));
    for (int i = 0; i < 300 && fs::exists(q4); ++i) QTest::qWait(100);
    ASSERT_FALSE(fs::exists(q4)) << "q4 did not end on SIGTERM";
  }
  ASSERT_EQ(run("cd \"" + root + "Vorkel\" && ./vorkel generate Model1.skb -n 1 --seed 3 > /dev/null 2>&1"), 0);
  const std::set<std::string> made = tree(root + "Lager");
  ASSERT_EQ(made.size(), 1u);
  const std::string crossword = root + "Lager/" + *made.begin();
  fs::create_directories(home_ + ".local/state/vorkel");
  std::ofstream(home_ + ".local/state/vorkel/penvik.log")
      << "2026-12-10T11:00:00+01:00\t" << crossword << "\n";

  ASSERT_EQ(run("QT_QPA_PLATFORM=offscreen \"" + root + "uninst\" --quiet \"" + root + "\" 2> \"" +
                err + "\""),
            0)
      << readAll(err);
  EXPECT_EQ(tree(home_), (std::set<std::string>{"Vendrik", "Vendrik/Lager",
                                                "Vendrik/Lager/" + *made.begin()}));
}

TEST(InstallerWindow, InstallGenerateAndUninstall) {
  ASSERT_TRUE(fs::exists(kMedium + "setup")) << "build the medium first";
  Home home;
  home.tmp.write("home/.local/share/applications/own.desktop", "the user's");
  const std::set<std::string> before = tree(home.tmp / "home");

  // --- the default route, with the destination chosen in the browser ---
  InstallerSession session(kMedium);
  bool ended = false;
  session.setOnEnd([&] { ended = true; });
  session.start();
  click(session.currentPage()->nextButton());
  auto* destination = static_cast<DestinationPage*>(session.currentPage());
  QTimer::singleShot(0, [&] {
    ChooseDirDialog* browser = session.folderBrowser();
    browser->nameBox()->selectAll();
    QTest::keyClicks(browser->nameBox(), "Plindra Test");
    EXPECT_EQ(browser->pathLabel()->text().toStdString(),
              shortenedPath(home.tmp.path() + "/home/", "Plindra Test"));
    EXPECT_NE(browser->pathLabel()->text().toStdString().find("/.../"), std::string::npos);
    browser->accept();
  });
  click(destination->browseButton());
  const std::string root = home.tmp.path() + "/home/Plindra Test/";
  ASSERT_EQ(session.wizard().state().installRoot(), root);
  click(destination->nextButton());
  ASSERT_EQ(session.wizard().page(), Page::Folder);
  auto* folder = static_cast<FolderPage*>(session.currentPage());
  EXPECT_EQ(folder->folderBox()->text().toStdString(), "Plindra");
  click(folder->nextButton());
  auto* summary = static_cast<SummaryPage*>(session.currentPage());
  EXPECT_NE(summary->summaryBox()->toPlainText().toStdString().find("   Typisk\n"), std::string::npos);
  click(summary->nextButton());
  for (int i = 0; i < 600 && session.wizard().page() != Page::Complete; ++i) QTest::qWait(100);
  ASSERT_EQ(session.wizard().page(), Page::Complete);
  click(session.currentPage()->nextButton());
  EXPECT_TRUE(ended);

  // --- the files, against the copy tables ---
  const std::string gen = root + "Vorkel/";
  std::vector<std::string> log = lines(readAll(root + "UnInst.inf"));
  std::vector<std::string> expected = {root + "uninst", root + "Startup.bmp"};
  for (const char* t : {"10d", "proebe", "9x9svar", "test", "10einfa2", "10let", "1218m1",
                        "1721m32", "1721svae", "1721ut4d", "1721ut5", "17x17d", "18x23al2", "6x6",
                        "7x7", "7x7v2", "Default", "1218u1", "1417u1", "navidad", "Gros", "Gros1",
                        "10facil"})
    expected.push_back(gen + t + ".skb");
  for (const char* f : {"q4", "vorkel", "Stor.skb", "Stor1.skb", "Jule.skb"}) expected.push_back(gen + f);
  for (const auto& f : tree(kMedium + "help")) expected.push_back(gen + "help/" + f);
  for (const char* f : {"Toer.skb", "q4.ini", "q4dk.ini", "verbs.txt", "anaword.txt"}) expected.push_back(gen + f);
  for (const char* ext : {".skb", ".ktd", ".vej"})
    for (int i = 1; i <= 6; ++i) expected.push_back(gen + "Model" + std::to_string(i) + ext);
  for (const char* f : {"tw.skb", "MedOrd.txt", "default.par", "default2.par", "Bw320007.dll",
                        "Bw320009.dll", "Bw32000c.dll", "Bwcc32.dll", "cw3220.dll", "Bds52f.dll",
                        "Bwcc.dll", "Cw3230.dll", "Owl52.dll", "Owl52f.dll"})
    expected.push_back(gen + f);
  for (const auto& f : tree(kMedium + "Model")) expected.push_back(gen + "Model/" + f);
  for (const auto& f : tree(kMedium + "Vej")) expected.push_back(gen + "Vej/" + f);
  for (const auto& f : tree(kMedium + "DK/Lager")) expected.push_back(root + "Lager/" + f);
  expected.push_back(root + "Dic/SVbyg.dic");
  expected.push_back(root + "Dic/SVsmall.dic");
  EXPECT_EQ(log, expected);

  // Each logged file is the medium's where the medium has it, absent where not.
  for (const std::string& dest : log) {
    std::string rel = dest.substr(root.size());
    std::string source;
    if (rel.rfind("Vorkel/", 0) == 0) source = kMedium + rel.substr(7);
    else if (rel.rfind("Lager/", 0) == 0) source = kMedium + "DK/" + rel;
    else source = kMedium + rel;
    if (rel == "Vorkel/q4dk.ini") source = kMedium + "q4dk.in_";
    if (!fs::exists(source)) {
      EXPECT_FALSE(fs::exists(dest)) << dest;
    } else if (rel != "Vorkel/q4dk.ini") {
      EXPECT_EQ(readAll(dest), readAll(source)) << dest;
    }
  }
  EXPECT_EQ(fs::status(gen + "vorkel").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);

  // The generator's profile: the medium's template, then the six lines.
  const std::string medium = kMedium.substr(0, kMedium.size() - 1);
  EXPECT_EQ(readAll(gen + "q4dk.ini"),
            readAll(kMedium + "q4dk.in_") + "\r\nGemmested=" + root + "Lager\r\nSkabelon=" + gen +
                "Model\r\nCDRom=" + medium + "\r\nDictionary=" + root + "Dic\r\nModelOgVej=" + gen +
                "Vej\r\nParametre=" + gen + "Vej\r\n");

  // Every registry value of a generator-only installation, and no other.
  std::vector<std::string> values;
  std::string key;
  for (const std::string& line : lines(readAll(home.tmp / "registry.ini"))) {
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') key = line.substr(1, line.size() - 2);
    else values.push_back(key + " " + line);
  }
  std::sort(values.begin(), values.end());
  const std::string programs = home.tmp.path() + "/home/.local/share/applications/";
  std::vector<std::string> registry = {
      "HKEY_CLASSES_ROOT\\Q4.Application\\CDRom @=\"" + medium + "\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\Dictionary @=\"" + root + "Dic\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\Gemmested @=\"" + root + "Lager\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\ModelOgVej @=\"" + gen + "Vej\"",
      "HKEY_CLASSES_ROOT\\Q4.Application\\Skabelon @=\"" + gen + "Model\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Vendrik "
      "\"DisplayName\"=\"Plindra programmer\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Vendrik "
      "\"UninstallString\"=\"" + root + "uninst\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\CDROM\\Install \"Path\"=\"" + kMedium + "\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\CDROM\\Install \"VersionDate\"=\"2003-01-05\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\Installations \"" + root + "\"=\"1\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\XRundel\\UnInstallInfo \"FolderLocation\"=\"" +
          programs + "Plindra/\"",
      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendrik\\XRundel\\UnInstallInfo \"InstalledTo\"=\"" + root + "\""};
  EXPECT_EQ(values, registry);

  // The two desktop entries, and the fonts.
  EXPECT_EQ(tree(programs + "Plindra"), (std::set<std::string>{"Afinstaller.desktop",
                                                               "Hjælp til Vorkelen.desktop",
                                                               "Vorkel.desktop"}));
  std::string entry = readAll(programs + "Plindra/Vorkel.desktop");
  EXPECT_NE(entry.find("Exec=\"" + gen + "q4\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Path=" + gen + "\n"), std::string::npos) << entry;
  EXPECT_NE(readAll(programs + "Plindra/Hjælp til Vorkelen.desktop")
                .find("Exec=xdg-open \"" + gen + "help/index.html\""),
            std::string::npos);
  EXPECT_EQ(readAll(home.tmp / "home/.local/share/fonts/techncln.ttf"),
            readAll(kMedium + "Fonts/techncln.ttf"));

  // --- the installed generator makes a crossword into the installed Lager ---
  // `q4` makes it from its window once it can generate from the command
  // line; until then the installed `vorkel` does, on the same template.
  ASSERT_EQ(run("cd \"" + gen + "\" && ./vorkel generate Model1.skb -n 1 --seed 3 > \"" +
                home.tmp.path() + "/generate.out\" 2>&1"),
            0)
      << readAll(home.tmp / "generate.out");
  std::set<std::string> made = tree(root + "Lager");
  ASSERT_EQ(made.size(), 1u) << readAll(home.tmp / "generate.out");
  EXPECT_EQ(made.begin()->rfind("x10_", 0), 0u);

  // The installed window program starts from its folder (it has no way yet
  // to generate without a user at the window).
  if (fs::exists(kMedium + "q4"))
    EXPECT_EQ(run("cd \"" + gen + "\" && QT_QPA_PLATFORM=offscreen ./q4 --version > /dev/null"), 0);
  EXPECT_TRUE(fs::exists(gen + "help/index.html"));

  // --- the installed uninstaller leaves nothing of the installation ---
  ASSERT_EQ(run("QT_QPA_PLATFORM=offscreen \"" + root + "uninst\" --quiet \"" + root + "\" 2> \"" +
                home.tmp.path() + "/uninst.out\""),
            0)
      << readAll(home.tmp / "uninst.out");
  std::set<std::string> after = tree(home.tmp / "home");
  // The crossword is the user's: it stays, with the folders that hold it.
  std::set<std::string> expectedAfter = before;
  expectedAfter.insert({"Plindra Test", "Plindra Test/Lager", "Plindra Test/Lager/" + *made.begin()});
  EXPECT_EQ(after, expectedAfter);
  EXPECT_FALSE(fs::exists(home.tmp / "registry.ini"));  // nothing was left in it
}

}  // namespace
}  // namespace vorkel::setup
