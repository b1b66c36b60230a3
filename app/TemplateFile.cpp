#include "app/TemplateFile.h"


#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "app/ApplicationContext.h"
#include "app/InstallationFolders.h"
#include "app/Texts.h"
#include "dictionary/WordFile.h"
#include "dictionary/WordScores.h"
#include "document/DocumentFile.h"
#include "engine/ParameterFile.h"
#include "engine/Texts.h"
#include "platform/Files.h"
#include "platform/Profile.h"

namespace vorkel {

namespace {

constexpr const char* kSection = "Skabelon";
// Fyld=hurtig (any case) asks the window's runs for the fast fill.
constexpr const char* kFillKey = "Fyld";
constexpr std::string_view kFastFillValue = "hurtig";

bool namesFastFill(std::string_view value) {
  if (value.size() != kFastFillValue.size()) return false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char lower = value[i] >= 'A' && value[i] <= 'Z' ? static_cast<char>(value[i] + 32) : value[i];
    if (lower != kFastFillValue[i]) return false;
  }
  return true;
}

std::string formatText(const char* pattern, const std::string& arg) {
  int n = std::snprintf(nullptr, 0, pattern, arg.c_str());
  if (n < 0) return pattern;
  std::string out(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(out.data(), out.size(), pattern, arg.c_str());
  out.resize(static_cast<std::size_t>(n));
  return out;
}

bool readable(const std::string& path) {
  return Files::isFile(path) && Files::canRead(path);
}

// One file the template names: the key's value (or its default) when that
// file can be read; otherwise the file resolved in the installation folder
// of its kind. nullopt stops the load.
std::optional<std::string> templateFile(ApplicationContext& context, const Profile& skb,
                                        const char* key, const char* defaultName,
                                        const char* registryName, const char* profileKey) {
  std::string name = skb.getString(key, defaultName, Template::MaxValue);
  if (readable(context.locate(name))) return name;
  std::string registered = applicationValue(context, registryName);
  if (registered.empty()) {
    context.ui.messageBox(texts::installationError, texts::installationErrorCaption, Icon::Error);
    return std::nullopt;
  }
  std::string folder =
      context.programProfile().getString(profileKey, registered, Template::MaxValue);
  return resolveInFolder(context, name, folder);
}

// The floor of the store: the template's MinScore where a score file lies
// beside the dictionary (a word scored 0 is then never taken); 0 otherwise,
// and for a template that names no floor.
int storeFloor(const ApplicationContext& context, const std::string& dictionary) {
  const int floor = context.currentTemplate.minScore;
  if (!context.storeAtTemplateFloor || floor < 0) return 0;
  return Files::exists(scorePathBeside(dictionary)) ? std::max(floor, 1) : 0;
}

// The scores of the words a store at `floor` takes; nullopt, shown, when the
// score file cannot be read.
std::optional<WordScores> storeScores(ApplicationContext& context, const std::string& dictionary) {
  std::string error;
  std::optional<WordScores> scores =
      WordScores::load(scorePathBeside(dictionary), context.language, error);
  if (!scores)
    context.ui.messageBox(std::string(texts::scoresUnusable) + "\n" + error,
                          texts::scoresUnusableCaption, Icon::Error);
  return scores;
}

void loadDictionary(ApplicationContext& context, const std::string& name) {
  Template& t = context.currentTemplate;
  t.dictionaryName = name;
  const std::string located = context.locate(name);
  int floor = context.loadWordStore ? storeFloor(context, located) : 0;
  // The same name (exactly) at the same floor keeps the store: reloading
  // 100000 words is what the user waits for when switching between models
  // of one dictionary.
  if (name == t.dictionaryPath && floor == t.dictionaryFloor) return;
  if (!context.loadWordStore) {
    t.dictionaryPath = name;
    return;
  }
  Ui& ui = context.ui;
  ui.setStatusText(texts::loadingDictionary);
  ui.setCursor(Cursor::Wait);
  std::optional<WordScores> scores;
  if (floor > 0 && !(scores = storeScores(context, located))) floor = 0;
  context.replaceDictionary(context.dictionaryPlan.templateWords);
  const auto atFloor = [&](std::string_view word) {
    return scores->scoreOfText(word, context.language) >= floor;
  };
  const bool loaded =
      floor > 0 ? loadWordFile(*context.dictionary, located, context.wordListEncoding, atFloor)
                : loadWordFile(*context.dictionary, located, context.wordListEncoding);
  ui.setStatusText("");
  ui.setCursor(Cursor::Arrow);
  // A failed load leaves an empty store; forgetting the name makes the next
  // template that names the file try again instead of keeping the empty one.
  t.dictionaryPath = loaded ? name : std::string();
  t.dictionaryFloor = floor;
}

bool writeTemplate(ApplicationContext& context) {
  const Template& t = context.currentTemplate;
  Profile skb(context.locate(t.templatePath), kSection);
  bool ok = skb.writeString("Model", context.documentDialog.fileName) &&
            skb.writeString("Trie", t.dictionaryName) &&
            skb.writeString("Vej", t.pathFileName) &&
            skb.writeString("Parametre", t.parameterFileName) &&
            skb.writeString("DestDir", t.destDir) && skb.writeInt("Sprog", toNumber(t.language)) &&
            (t.minScore < 0 || skb.writeInt("MinScore", t.minScore)) &&
            (!t.fastFill || skb.writeString(kFillKey, kFastFillValue));
  if (!ok)
    context.ui.messageBox(formatText(texts::templateSaveFailed, t.templatePath),
                          texts::templateSaveFailedCaption, Icon::Error);
  return ok;
}

bool readTemplateFiles(ApplicationContext& context, std::string_view path) {
  Template& t = context.currentTemplate;
  Ui& ui = context.ui;
  if (!path.empty()) t.templatePath = std::string(path);
  t.templateProfile.reset();
  t.templateProfile.emplace(context.locate(t.templatePath), kSection);
  const Profile& skb = *t.templateProfile;

  std::optional<std::string> model =
      templateFile(context, skb, "Model", "PuslFlad.ktd", "Skabelon", "Skabelon");
  if (!model) return false;
  if (readDocument(context.document, context.locate(*model), context.language, ui))
    context.documentModified = false;
  context.documentDialog.fileName = *model;

  t.language = context.language.selectStored(skb.getInt("Sprog", 0), ui);
  // A floor outside 0..100 names none.
  t.minScore = skb.getInt("MinScore", -1);
  if (t.minScore < 0 || t.minScore > WordScores::MaxScore) t.minScore = -1;
  t.fastFill = namesFastFill(skb.getString(kFillKey, "", Template::MaxValue));

  std::optional<std::string> trie =
      templateFile(context, skb, "Trie", "dksort.dic", "Dictionary", "Dictionary");
  if (!trie) return false;
  loadDictionary(context, *trie);

  std::optional<std::string> pathFile =
      templateFile(context, skb, "Vej", "Puslflad.vej", "ModelOgVej", "ModelOgVej");
  if (!pathFile) return false;
  // The path's own loader is silent; a run on the old path with the new
  // grid would fail in ways the user could not explain, so say it here.
  if (!context.path.load(context.locate(*pathFile)))
    ui.messageBox(texts::fileOpenFailed, *pathFile, Icon::Error);
  t.pathFileName = *pathFile;
  context.pathDialog.fileName = *pathFile;

  std::optional<std::string> par =
      templateFile(context, skb, "Parametre", "Default.par", "ModelOgVej", "Parametre");
  if (!par) return false;
  readParameterFile(context.locate(*par), context.parameters, ui);
  t.parameterFileName = *par;
  context.parameterDialog.fileName = *par;

  // The output folder: the template's DestDir, else the installation's. The
  // installation's value is read only when it is used: without an
  // installation, reading it shows a registry error for nothing.
  if (!context.outputFolderGiven) {
    t.destDir = skb.getString("DestDir", "", Template::MaxDestDir);
    if (t.destDir.empty()) {
      std::string storedFolder = applicationValue(context, "Gemmested");
      storedFolder = context.programProfile().getString("Gemmested", storedFolder, Template::MaxValue);
      t.destDir = storedFolder.substr(0, Template::MaxDestDir);
    }
  }

  // The first template of a run is the one the program starts with; only
  // the ones chosen after it go on the list.
  if (++t.loads >= 2) context.recentFiles.add(t.templatePath);
  return true;
}

}  // namespace

bool loadTemplate(ApplicationContext& context, std::string_view path) {
  const bool loaded = readTemplateFiles(context, path);
  // What was read is where the user starts: nothing to undo, nothing
  // unsaved (also after a partial load, which the messages have named).
  context.history.reset(context.document, context.path);
  context.unsaved.markAllSaved(context);
  return loaded;
}

bool saveTemplate(ApplicationContext& context) {
  if (context.currentTemplate.templatePath.size() <= 1) return saveTemplateAs(context);
  if (!writeTemplate(context)) return false;
  context.unsaved.markTemplateSaved(context);
  return true;
}

bool saveTemplateAs(ApplicationContext& context) {
  Template& t = context.currentTemplate;
  t.dialog.fileName = t.templatePath;
  if (!context.ui.saveFileDialog(t.dialog) || t.dialog.fileName.empty()) return false;
  t.templatePath = t.dialog.fileName;
  if (!writeTemplate(context)) return false;
  context.unsaved.markTemplateSaved(context);
  return true;
}

bool openTemplate(ApplicationContext& context, const std::function<bool()>& mayClose) {
  if (mayClose && !mayClose()) return false;
  Template& t = context.currentTemplate;
  t.dialog.fileName.clear();
  if (!context.ui.openFileDialog(t.dialog)) return false;
  std::string chosen = t.dialog.fileName;
  context.ui.setCaption(formatText(texts::captionOpening, chosen));
  bool loaded = loadTemplate(context, chosen);
  context.ui.setCaption(formatText(texts::captionTemplate, chosen));
  return loaded;
}

FileDialogData templateDialogData(std::string_view initialFolder) {
  FileDialogData data;
  data.filter = texts::templateFilter;
  data.defaultExtension = texts::templateExtension;
  data.folder = std::string(initialFolder);
  data.promptOverwrite = true;
  return data;
}

}  // namespace vorkel
