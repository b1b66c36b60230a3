#include "setup/InstallationRun.h"
#include "setup/Installations.h"

#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/Files.h"
#include "platform/Registry.h"
#include "platform/Ui.h"
#include "setup/Configuration.h"
#include "setup/InstallerLanguage.h"
#include "setup/InstallerTexts.h"
#include "setup/MediumContents.h"
#include "setup/ProgramFolder.h"
#include "setup/ProgramTraces.h"

namespace vorkel::setup {

namespace {

constexpr int kMaxProgress = 100;
constexpr std::uint64_t kRecordBytes = 128;

// --- the copy tables (names on the medium and in the program folders) ---

constexpr const char* kDrawerLibraries[] = {
    "XdGetBmp.dll", "Ctree.dll", "Bw320007.dll", "Bw320009.dll", "Bw32000c.dll",
    "Bds52f.dll",   "Cw3220.dll", "Cw3230.dll",  "Owl52.dll",    "Owl52f.dll",
    "Bwcc.dll",     "Bwcc32.dll", "Bw3220.dll"};
constexpr const char* kGeneratorLibraryChecks[] = {
    "Bw320007.dll", "Bw320009.dll", "Bw32000c.dll", "Bds52f.dll", "Bwcc.dll",
    "Cw3230.dll",   "Owl52.dll",    "Owl52f.dll",   "Bwcc32.dll"};
constexpr const char* kStockTemplates[] = {
    "10d.skb",      "proebe.skb",  "9x9svar.skb",  "test.skb",      "10einfa2.skb", "10let.skb",
    "1218m1.skb",   "1721m32.skb", "1721svae.skb", "1721ut4d.skb",  "1721ut5.skb",  "17x17d.skb",
    "18x23al2.skb", "6x6.skb",     "7x7.skb",      "7x7v2.skb",     "Default.skb",  "1218u1.skb",
    "1417u1.skb",   "navidad.skb", "Gros.skb",     "Gros1.skb",     "10facil.skb"};
constexpr const char* kCommonFiles[] = {
    "verbs.txt",  "anaword.txt", "Model1.skb", "Model2.skb", "Model3.skb",   "Model4.skb",
    "Model5.skb", "Model6.skb",  "Model1.ktd", "Model2.ktd", "Model3.ktd",   "Model4.ktd",
    "Model5.ktd", "Model6.ktd",  "Model1.vej", "Model2.vej", "Model3.vej",   "Model4.vej",
    "Model5.vej", "Model6.vej",  "tw.skb",     "MedOrd.txt", "default.par",  "default2.par"};
constexpr const char* kGeneratorLibraries[] = {
    "Bw320007.dll", "Bw320009.dll", "Bw32000c.dll", "Bwcc32.dll", "cw3220.dll",
    "Bds52f.dll",   "Bwcc.dll",     "Cw3230.dll",   "Owl52.dll",  "Owl52f.dll"};
constexpr const char* kDrawerFiles[] = {"XdGetBmp.dll", "grammar.hac", "synkilde.hac",
                                        "ordkilde.hac", "Ctree.dll"};
constexpr const char* kDrawerLibraries2[] = {
    "primero.ktd", "Bds52f.dll",   "Cw3220.dll",   "Cw3230.dll",   "Owl52f.dll", "Bwcc.dll",
    "Owl52.dll",   "Bw320007.dll", "prueba.ktd",   "Bw320009.dll", "Bw32000c.dll", "Bwcc32.dll"};

// One file of a table: its name in the program folder and on the medium
// (the same unless a template is renamed when copied), or a folder.
struct Item {
  const char* name;
  const char* source = nullptr;  // nullptr: the same name
  bool folder = false;
};

// The generator's own files by its language, in copy order. The help is a
// folder of pages; `vorkel` (the same generator for the shell) comes with
// every language.
std::vector<Item> generatorLanguageFiles(int generatorLanguage) {
  switch (generatorLanguage) {
    case 6:
      return {{"q4"}, {"vorkel"}, {"Stor.skb"}, {"Stor1.skb"}, {"Jule.skb"},
              {GeneratorHelpFolder, "help", true}, {"Toer.skb"}, {"q4.ini"},
              {"q4dk.ini", "q4dk.in_"}};
    case 7:
      return {{"q4de"}, {"vorkel"}, {"tw.skb"}, {"Gros.skb"}, {"Gros1.skb"}, {"Weihnach.skb"},
              {GeneratorHelpFolder, "hilfe", true}, {"q4.ini"}, {"q4de.ini", "q4de.in_"}};
    case 10:
      return {{"q4.ini"}, {"q4e.ini", "q4e.in_"}, {"q4es.ini"}, {"q4es"}, {"vorkel"},
              {GeneratorHelpFolder, "ayuda", true}};
    default:
      return {{GeneratorHelpFolder, "help-en", true}, {"q4us"}, {"vorkel"},
              {"q4us.ini", "q4us.in_"}, {"10easy.skb"}, {"big.skb"}, {"big1.skb"},
              {"chrismas.skb"}};
  }
}

std::vector<std::string> dictionaryFiles(int generatorLanguage) {
  switch (generatorLanguage) {
    case 6: return {"SVbyg.dic", "SVsmall.dic"};
    case 7: return {"mid_135.dic", "mid_143.dic", "Grosse.dic", "Kleine.dic", "Mini.dic", "Umlaud.dic"};
    case 10: return {"sp341mil.dic", "sp_20mil.dic", "sp_52mil.dic", "sp_29mil.dic", "sp160mil.dic"};
    default: return {"109word.dic", "42word.dic", "72word.dic", "UsGen.dic"};
  }
}

// The German table copies "grosse.dic" for the answer about "Grosse.dic".
std::string dictionaryCopyName(const std::string& name) {
  return name == "Grosse.dic" ? std::string("grosse.dic") : name;
}

struct FolderCopy {
  const char* source;
  const char* target;
  bool belowInstallRoot;  // else below the generator folder
};

std::vector<FolderCopy> generatorFolders(int generatorLanguage) {
  switch (generatorLanguage) {
    case 6: return {{"Model/", "Model/", false}, {"Vej/", "Vej/", false}, {"DK/Lager/", "Lager/", true}};
    case 7:
      return {{"Skabelon/", "Skabelon/", false}, {"Walk/", "Walk/", false}, {"D/Lagern/", "Lagern/", true}};
    case 10:
      return {{"Skabelon/", "Skabelon/", false}, {"Walk/", "Walk/", false}, {"Es/Magasin/", "Magasin/", true}};
    default:
      return {{"Skabelon/", "Skabelon/", false}, {"Walk/", "Walk/", false}, {"Us/Store/", "Store/", true}};
  }
}

struct DrawerNames {
  const char* program;
  const char* help;
  const char* wordFile;
  const char* wordIndex;
};

DrawerNames drawerNames(int drawerLanguage) {
  switch (drawerLanguage) {
    case 6:
    case 7: return {DrawerProgramName, drawerHelpName(drawerLanguage), "ordfil.dat", "ordfil.idx"};
    case 10:
      return {DrawerProgramName, drawerHelpName(drawerLanguage), "palabras.dat", "palabras.idx"};
    default: return {DrawerProgramName, drawerHelpName(drawerLanguage), "xwords.dat", "xwords.idx"};
  }
}

// The solver's dictionaries of the installer's language (Danish).
constexpr Item kSolverDictionaries[] = {{"sv3.cff", "SV3.cff"}, {"svs3a.ccf"}, {"svs3b.ccf"}};

std::uint64_t fileSize(const std::string& path, bool& readable) {
  std::string found = Files::findCaseInsensitive(path);
  readable = Files::isFile(found) && Files::canRead(found);
  return readable ? Files::fileSize(found).value_or(0) : 0;
}

}  // namespace

InstallationRun::InstallationRun(const WizardState& state, InstallerPorts& ports,
                                 ProgressPort& progress)
    : state_(state),
      ports_(ports),
      progress_(progress),
      paths_(InstallPaths::of(state, ports.sourceRoot)) {}

void InstallationRun::advance(int steps) {
  position_ = std::min(kMaxProgress, position_ + steps * step_);
  progress_.setProgress(position_);
}

void InstallationRun::copyFailed(const std::string& source, const std::string& destination) {
  ports_.ui.messageBox(texts::copyFailed(source, destination), texts::copyFailedCaption,
                       Icon::Warning);
}

void InstallationRun::createFolder(const std::string& path) {
  // Errors are ignored: the copies into the folder report them.
  createFoldersRecorded(path, record_);
}

void InstallationRun::logLine(const std::string& destination) {
  if (!log_) return;
  std::fputs(destination.c_str(), log_);
  std::fputs("\r\n", log_);
  std::fflush(log_);
}

void InstallationRun::copyLogged(const std::string& source, const std::string& destination) {
  const std::string from = Files::findCaseInsensitive(source);
  if (Files::isFile(from)) {
    if (!Files::copyFile(from, destination, /*failIfExists=*/false)) {
      copyFailed(source, destination);
      throw Stopped{};
    }
    if (auto attributes = Files::getAttributes(destination))
      Files::setAttributes(destination, *attributes & ~std::uint32_t{0x21});
    if (auto print = fingerprint(Files::findCaseInsensitive(destination))) record_.addFile(*print);
  }
  logLine(destination);
  advance();
}

void InstallationRun::copyFolder(std::string source, std::string target) {
  source = Files::withTrailingSeparator(source);
  target = Files::withTrailingSeparator(target);
  createFolder(target);
  std::vector<DirEntry> entries;
  if (Files::listDirectory(source + "*.*", entries)) {
    const int step = step_;
    step_ = 0;  // the folder moves the bar by one step in all
    for (const auto& e : entries)
      if (!e.isFolder) copyLogged(source + e.name, target + e.name);
    step_ = step;
  }
  advance();
}

bool InstallationRun::sameSize(const std::string& source, const std::string& destination,
                               bool report) {
  bool destinationReadable = false, sourceReadable = false;
  const std::uint64_t d = fileSize(destination, destinationReadable);
  if (!destinationReadable) return true;
  const std::uint64_t s = fileSize(source, sourceReadable);
  if (!sourceReadable) return true;
  if (s / kRecordBytes == d / kRecordBytes) return true;
  if (report) copyFailed(source, destination);
  return false;
}

bool InstallationRun::confirmDictionaryOverwrite(const std::string& source,
                                                 const std::string& destination,
                                                 std::string_view subject) {
  // A dictionary the user changed may keep its size (a word replaced, a
  // word added within the last record): only the same bytes count as
  // unchanged.
  auto installed = Files::readFile(Files::findCaseInsensitive(destination), std::uint64_t{1} << 32);
  if (!installed) return true;
  auto medium = Files::readFile(Files::findCaseInsensitive(source), std::uint64_t{1} << 32);
  if (!medium || *medium == *installed) return true;
  return ports_.ui.messageBox(texts::overwriteQuestion(subject), texts::bandTitle,
                              Icon::Question, Buttons::YesNo) == Answer::Yes;
}

void InstallationRun::checkLibraries(const char* const* names, std::size_t count,
                                     const std::string& folder) {
  for (std::size_t i = 0; i < count; ++i)
    if (!sameSize(paths_.sourceRoot + names[i], folder + names[i], /*report=*/true))
      throw Stopped{};
}

void InstallationRun::drawerChecks() {
  const DrawerNames n = drawerNames(state_.languages.drawer);
  drawerWordFile_ = confirmDictionaryOverwrite(paths_.sourceRoot + n.wordFile,
                                               paths_.drawerFolder + n.wordFile, texts::drawerSubject);
  checkLibraries(kDrawerLibraries, std::size(kDrawerLibraries), paths_.drawerFolder);
}

void InstallationRun::generatorChecks() {
  checkLibraries(kGeneratorLibraryChecks, std::size(kGeneratorLibraryChecks), paths_.generatorFolder);
  if (state_.selection.generatorCompact) return;
  for (const auto& file : dictionaryFiles(state_.languages.generator))
    dictionaryAnswers_[file] = confirmDictionaryOverwrite(
        paths_.sourceRoot + "Dic/" + file, paths_.dictionaryFolder + file,
        "'" + file + "'" + texts::generatorSubjectSuffix);
}

void InstallationRun::shortcut(Shortcut shortcut, const char* link) {
  // A menu entry for a file that is not there (the medium lacks it, or the
  // user kept the installed one elsewhere) would only fail when chosen.
  if (!Files::isFile(shortcut.target)) return;
  // Help pages show the theme's help icon; the programs show the icon the
  // run copied into the install root (the theme's "vorkel" when the medium
  // had none).
  const std::string icon = paths_.installRoot + IconName;
  if (shortcut.kind == ShortcutKind::Document) shortcut.icon = "help-browser";
  else shortcut.icon = Files::isFile(icon) ? icon : "vorkel";
  // A shortcut that cannot be written is skipped; the run goes on.
  const std::string file = paths_.programFolder + link + ".desktop";
  if (createShortcut(shortcut, file))
    if (auto print = fingerprint(file)) record_.addFile(*print);
}

bool InstallationRun::copyRecorded(const std::string& source, const std::string& destination) {
  const std::string from = Files::findCaseInsensitive(source);
  if (!Files::isFile(from) || !createFoldersRecorded(Files::parentFolder(destination), record_) ||
      !Files::copyFile(from, destination, /*failIfExists=*/false))
    return false;
  if (auto print = fingerprint(destination)) record_.addFile(*print);
  return true;
}

void InstallationRun::installDesktopTypes() {
  // Templates and crosswords open in the generator with a double click: the
  // types go into the user's MIME database, the generator's menu entry
  // names them.
  copyRecorded(paths_.sourceRoot + MimeTypesName,
               ports_.folders.dataHome + "/mime/packages/" + InstalledMimeTypesName);
}

bool InstallationRun::programsOnMedium() {
  struct Program {
    bool selected;
    const char* name;
    std::string file;
  };
  const Program programs[] = {
      {state_.selection.solver, texts::customPrograms[0], SolverProgramName},
      {state_.selection.generator, texts::customPrograms[1],
       generatorProgramName(state_.languages.generator)},
      {state_.selection.drawer, texts::customPrograms[2], DrawerProgramName}};
  for (const Program& p : programs) {
    const std::string source = paths_.sourceRoot + p.file;
    if (p.selected && !Files::isFile(Files::findCaseInsensitive(source))) {
      ports_.ui.messageBox(texts::programMissing(p.name, source), texts::copyFailedCaption,
                           Icon::Warning);
      return false;
    }
  }
  return true;
}

void InstallationRun::installSolver() {
  createFolder(paths_.solverFolder);
  const char* help = solverHelpName(state_.languages.solverHelp);
  copyLogged(paths_.sourceRoot + SolverProgramName, paths_.solverFolder + SolverProgramName);
  copyLogged(paths_.sourceRoot + help, paths_.solverFolder + help);
  if (!state_.selection.solverCompact)
    for (const Item& item : kSolverDictionaries)
      copyLogged(paths_.sourceRoot + (item.source ? item.source : item.name),
                 paths_.solverFolder + item.name);
  // The help entry opens the help file that was copied: the one of the
  // help language chosen for the solver.
  shortcut({.target = paths_.solverFolder + help, .description = texts::solverHelpLink,
            .workingFolder = paths_.installRoot, .kind = ShortcutKind::Document},
           texts::solverHelpLink);
  shortcut({.target = paths_.solverFolder + SolverProgramName,
            .description = texts::solverDescription, .workingFolder = paths_.solverFolder},
           texts::solverLink);
  advance();
  RecordingRegistry registry(ports_.registry, record_);
  writeSolverValues(registry, state_, paths_, BuildLanguage);
}

void InstallationRun::installGenerator() {
  const std::string& src = paths_.sourceRoot;
  const std::string& dst = paths_.generatorFolder;
  const int language = state_.languages.generator;  // a Windows primary language code
  createFolder(dst);

  step_ = 0;  // the stock templates do not move the bar
  for (const char* name : kStockTemplates) copyLogged(src + name, dst + name);
  step_ = 1;
  for (const Item& item : generatorLanguageFiles(language)) {
    if (item.folder) copyFolder(src + item.source, dst + item.name);
    else copyLogged(src + (item.source ? item.source : item.name), dst + item.name);
  }
  for (const char* name : kCommonFiles) copyLogged(src + name, dst + name);
  for (const char* name : kGeneratorLibraries) copyLogged(src + name, dst + name);
  for (const FolderCopy& f : generatorFolders(language))
    copyFolder(src + f.source, (f.belowInstallRoot ? paths_.installRoot : dst) + f.target);

  if (!state_.selection.generatorCompact) {
    createFolder(paths_.dictionaryFolder);
    for (const auto& file : dictionaryFiles(language))
      if (dictionaryAnswers_[file])
        copyLogged(src + "Dic/" + dictionaryCopyName(file),
                   paths_.dictionaryFolder + dictionaryCopyName(file));
  }

  RecordingRegistry registry(ports_.registry, record_);
  writeGeneratorValues(registry, paths_);
  shortcut({.target = dst + GeneratorHelpFolder + "/" + GeneratorHelpPage,
            .description = texts::generatorHelpLink, .workingFolder = paths_.installRoot,
            .kind = ShortcutKind::Document},
           texts::generatorHelpLink);
  installDesktopTypes();
  shortcut({.target = dst + generatorProgramName(language), .takesFile = true,
            .description = texts::generatorDescription, .workingFolder = dst,
            .mimeTypes = GeneratorMimeTypes},
           texts::generatorLink);
  advance();
}

void InstallationRun::installDrawer() {
  const std::string& src = paths_.sourceRoot;
  const std::string& dst = paths_.drawerFolder;
  const DrawerNames n = drawerNames(state_.languages.drawer);
  createFolder(dst);
  copyLogged(src + n.program, dst + n.program);
  copyLogged(src + n.help, dst + n.help);
  copyLogged(src + "kryds.class", dst + "kryds.class");
  for (const char* name : kDrawerFiles) copyLogged(src + name, dst + name);
  copyLogged(src + "penvik.in_", dst + "penvik.ini");
  copyLogged(src + "gempoint.cnf", dst + "gempoint.cnf");
  if (drawerWordFile_) {
    advance(5);
    copyLogged(src + n.wordFile, dst + n.wordFile);
    advance(5);
    copyLogged(src + n.wordIndex, dst + n.wordIndex);
    advance(5);
    // The compact drawer reads its word file from the medium; the waits let
    // the drive settle and only move the bar. Never reached in this build:
    // the drawer's compact box is hidden.
    if (state_.selection.drawerCompact)
      for (int i = 0; i < 3; ++i) advance(5);
  }
  for (const char* name : kDrawerLibraries2) copyLogged(src + name, dst + name);
  if (!state_.selection.drawerCompact) {
    const char* pictures = state_.languages.drawer == 6 ? "Billeder/" : "Bmps/";
    const char* source = state_.languages.drawer == 6 ? "BMPS/" : "Bmps/";
    step_ = 0;
    for (const char* sub : {"A", "B", "C"})
      copyFolder(src + source + sub, paths_.installRoot + pictures + sub);
    step_ = 1;
    copyLogged(src + source + "bmps.ext", paths_.installRoot + pictures + "bmps.ext");
  }
  shortcut({.target = dst + n.help, .description = texts::drawerHelpDescription,
            .workingFolder = paths_.installRoot, .kind = ShortcutKind::Document},
           texts::drawerHelpLink);
  shortcut({.target = dst + n.program, .takesFile = true, .description = texts::drawerDescription,
            .workingFolder = dst},
           texts::drawerLink);
  advance();
  RecordingRegistry registry(ports_.registry, record_);
  writeDrawerValue(registry, state_, paths_);
}

bool InstallationRun::run() {
  Ui& ui = ports_.ui;
  ui.setCursor(Cursor::Wait);
  advance();
  RecordingRegistry registry(ports_.registry, record_);
  bool finished = false;
  try {
    // Nothing is copied for a selection whose program the medium lacks.
    if (!programsOnMedium()) throw Stopped{};
    // Before the first write makes the registry store's folder.
    recordProgramFolders(ports_.registry.filePath(), ports_.folders, record_);
    writeMediumLocation(registry, paths_);
    if (state_.selection.drawer) drawerChecks();
    if (state_.selection.generator) generatorChecks();

    createFolder(paths_.installRoot);
    addInstallation(ports_.registry, paths_.installRoot);
    log_ = std::fopen((paths_.installRoot + UninstallLogName).c_str(), "ab");
    createFolder(paths_.programFolder);

    copyLogged(paths_.sourceRoot + UninstallerName, paths_.installRoot + UninstallerName);
    copyRecorded(paths_.sourceRoot + IconName, paths_.installRoot + IconName);
    installFonts(registry, paths_, ports_.folders, ports_.system, record_);
    // The Danish medium carries a start-up picture for the install root.
    copyLogged(paths_.sourceRoot + "Startup.bmp", paths_.installRoot + "Startup.bmp");
    if (state_.selection.solver) installSolver();
    writeUninstallInfo(registry, paths_);
    if (state_.selection.generator) installGenerator();
    if (state_.selection.drawer) installDrawer();
    // The installation's own entry for taking it away again.
    shortcut({.target = paths_.installRoot + UninstallerName,
              .argument = paths_.installRoot,
              .description = texts::uninstallDescription,
              .workingFolder = paths_.installRoot,
              .kind = ShortcutKind::Uninstaller},
             texts::uninstallLink);

    // The group is shown only when the Programs folder is still the one the
    // program-folder page listed.
    std::string programs = programsFolder(ports_.registry, ports_.folders);
    if (Files::sameNameIgnoringCase(programs, state_.programsFolder))
      showProgramGroup(programs, state_.programFolderName, ports_.folders, record_);
    ports_.system.refreshDesktopDatabases(ports_.folders.dataHome);

    // The settings files as they are now are what this installation made:
    // the uninstaller keeps them only when they were changed after this.
    auto refingerprint = [&](const std::string& settings) {
      if (auto print = fingerprint(Files::findCaseInsensitive(settings))) record_.addFile(*print);
    };
    if (state_.selection.drawer && appendDrawerSettings(paths_))
      refingerprint(paths_.drawerFolder + "penvik.ini");
    if (state_.selection.generator && appendGeneratorSettings(paths_))
      refingerprint(paths_.generatorIni);
    registerUninstaller(registry, paths_);
    position_ = kMaxProgress;
    progress_.setProgress(position_);
    finished = true;
  } catch (const Stopped&) {
  }
  if (log_) std::fclose(log_);
  log_ = nullptr;
  if (Files::isFolder(paths_.installRoot)) record_.save(paths_.installRoot + InstallRecord::FileName);
  ui.setCursor(Cursor::Arrow);
  return finished;
}

}  // namespace vorkel::setup
