#include "app/ApplicationContext.h"

#include "app/InstallationFolders.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "document/DocumentFile.h"
#include "engine/ParameterFile.h"
#include "app/commands/PathCommands.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

constexpr std::size_t kMaxDestDir = 511;
constexpr std::size_t kMaxFolder = 255;

FileDialogData dictionaryDialogData() {
  FileDialogData data;
  data.filter = texts::dictionaryFilter;
  data.defaultExtension = texts::dictionaryExtension;
  data.mustExist = true;
  data.promptOverwrite = true;
  return data;
}

}  // namespace

ApplicationContext::ApplicationContext(Ui& ui_, Clock& clock_, Registry& registry_,
                                       std::string_view workFolder_, std::uint32_t seed)
    : ApplicationContext(ui_, clock_, registry_, workFolder_, seed, DictionaryPlan{}) {}

ApplicationContext::ApplicationContext(Ui& ui_, Clock& clock_, Registry& registry_,
                                       std::string_view workFolder_, std::uint32_t seed,
                                       DictionaryPlan plan)
    : ui(ui_),
      clock(clock_),
      registry(registry_),
      ticks(clock_),
      startDir(Files::absolutePath(workFolder_.empty() ? std::string_view(".") : workFolder_)),
      workFolder(startDir),
      programProfilePath(Files::joinPath(startDir, ProgramProfileName)),
      dictionaryPlan(plan),
      dictionary(WordStore::planCapacity(plan.startupWords, language, ui_)),
      documentDialog(documentDialogData()),
      parameterDialog(parameterFileDialogData()),
      pathDialog(pathFileDialogData()),
      dictionaryDialog(dictionaryDialogData()),
      random(seed) {
  currentTemplate.dialog = templateDialogData(startDir);
  parameterDialog.promptOverwrite = pathDialog.promptOverwrite = true;
  parameterDialog.mustExist = pathDialog.mustExist = true;
}

void ApplicationContext::readProgramProfile() {
  // Every folder is made absolute once, here; one that does not exist
  // becomes the start folder, as entering it would have failed.
  auto absoluteFolder = [&](const std::string& folder) {
    if (folder.empty()) return startDir;
    std::string found = locate(folder);
    return Files::isFolder(found) ? found : startDir;
  };
  currentTemplate.destDir = absoluteFolder(programSetting(*this, "Gemmested", "Gemmested", kMaxDestDir));
  dictionaryDialog.folder =
      absoluteFolder(programSetting(*this, "Dictionary", "Dictionary", kMaxFolder));
  pathDialog.folder = absoluteFolder(programSetting(*this, "ModelOgVej", "ModelOgVej", kMaxFolder));
  parameterDialog.folder =
      absoluteFolder(programSetting(*this, "Parametre", "ModelOgVej", kMaxFolder));
}

std::string ApplicationContext::locate(std::string_view name) const {
  return Files::findCaseInsensitive(Files::absolutePath(Files::joinPath(workFolder, name)));
}

std::string ApplicationContext::outputFolder() const {
  return currentTemplate.destDir.empty() ? workFolder : locate(currentTemplate.destDir);
}

void ApplicationContext::replaceDictionary(int words) {
  // The old store goes first, so two large stores never live at once.
  dictionary.reset();
  dictionary = WordStore::planCapacity(words, language, ui);
}

}  // namespace vorkel
