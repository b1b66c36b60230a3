#include "app/SimpleMode.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/ApplicationContext.h"
#include "app/GenerationRun.h"
#include "app/HandOver.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "app/UnsavedWork.h"
#include "engine/PathOptimiser.h"
#include "platform/Files.h"
#include "platform/Profile.h"

namespace vorkel {

const std::array<StockModel, 6>& stockModels() {
  static const std::array<StockModel, 6> models{{
      {102, "Model 1 10x10\nEn lille drillepind der er sværere end som så", "model1.skb",
       "x10_???.010", false},
      {103, "Model 2: 10x13\nLille kryds med plads til flere\nlange ord", "model2.skb",
       "x10_???.013", false},
      {104, "Model 3: 19x25\nStor kryds med plads til et stort billede i midten", "model3.skb",
       "x19_???.025", false},
      {105, "Byg anagrammer - byt om på bogstaverne i dit navn (eller naboens)", "model5.skb",
       "x13_???.010", true},
      {106, "Model 6: 10x24\nSjov høj kryds\nhvis du ønsker en lidt anderledes", "model6.skb",
       "x10_???.024", false},
      {107, "Model 4: 18x15\nTypisk standard-opgave som den ses i diverse krydsords-blade",
       "model4.skb", "x18_???.015", false},
  }};
  return models;
}

namespace {

// A text with one number and, where the pattern asks for it, one string.
std::string format(const char* pattern, int n, const std::string& text = {}) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, pattern, n, text.c_str());
  return buffer;
}

// The clean-up dialog's button of model k: "Slet\n%d\nModel k".
std::string modelButton(int count, std::size_t k) {
  return format(texts::cleanUpModelButton, count) + std::to_string(k);
}

// The models in the clean-up dialog's order: model 1, 2, ..., 6.
std::vector<const StockModel*> modelsInOrder() {
  std::vector<const StockModel*> out;
  for (const char* name : {"model1.skb", "model2.skb", "model3.skb", "model4.skb", "model5.skb",
                           "model6.skb"})
    for (const StockModel& m : stockModels())
      if (std::string(m.templateName) == name) out.push_back(&m);
  return out;
}

}  // namespace

bool SimpleMode::kindWithLetters() const { return context_.editMode; }

bool SimpleMode::wizard(const std::function<void()>& openAnagrams) {
  ApplicationContext& c = context_;
  DialogForm form;
  form.id = WizardId;
  form.title = texts::wizardTitle;
  form.prompt = texts::wizardCountLabel;
  form.fields.push_back({CountField, "3", texts::wizardCountLabel, 19});
  // Each picture names the grid it shows: the model its template names,
  // or the template itself when that is missing or names no model, so the
  // picture can say what is missing. The anagram finder's names nothing.
  for (const StockModel& m : stockModels()) {
    std::string model;
    if (!m.anagrams) {
      model = c.locate(m.templateName);
      const std::string named =
          Files::isFile(model) ? Profile(model, "Skabelon").getString("Model", "", 511) : "";
      if (!named.empty()) model = Files::joinPath(Files::parentFolder(model), named);
    }
    form.fields.push_back({std::to_string(m.picture), model, m.caption});
    form.buttons.push_back(std::to_string(m.picture));
  }
  form.buttons.push_back(CancelButton);

  const std::string pressed = c.ui.showDialog(form);
  const StockModel* chosen = nullptr;
  for (const StockModel& m : stockModels())
    if (pressed == std::to_string(m.picture)) chosen = &m;
  if (!chosen) return false;
  int count = std::atoi(form.text(CountField).c_str());
  if (count < 1) count = 1;

  // Loading the model throws away the grid and path in memory: a user who
  // changed them is asked first. A model that did not load (the messages
  // have said why) makes no crosswords from whatever grid was there before.
  if (!mayDiscardWork(c)) return false;
  if (!loadTemplate(c, chosen->templateName)) return false;
  c.ui.setCaption(std::string("Vorkel - ") + chosen->templateName);
  if (chosen->anagrams) openAnagrams();
  else handOverRun(count);
  return true;
}

void SimpleMode::handOverRun(int count) {
  ApplicationContext& c = context_;
  autoPathCommand(c.document, c.path, c.ui);
  c.unsaved.markPathSaved(c.path);  // made, not the user's work
  c.ui.setStatusText(texts::runStatus);
  // Only the low four bits of the count are taken: 16 makes none.
  count &= 15;
  c.run.saved = 0;
  if (count > 0) {
    c.RunLimit = count;
    RunOptions options;
    options.handOver = &drawer_;
    options.lowerPriority = false;
    options.setStatusText = false;
    runGeneration(c, kindWithLetters() ? AttemptKind::WithLetters : AttemptKind::WithoutLetters,
                  options);
  }
  c.ui.setStatusText("");
}

void SimpleMode::runFiveToDrawer() { handOverRun(5); }

void SimpleMode::runFiveHundred() {
  ApplicationContext& c = context_;
  c.run.saved = 0;
  c.RunLimit = 500;
  runGeneration(c, kindWithLetters() ? AttemptKind::WithLetters : AttemptKind::WithoutLetters);
  if (c.run.saved > 0)
    c.ui.messageBox(std::string(texts::runReadyIn) + c.outputFolder(), texts::runReadyCaption);
}

void SimpleMode::runOneAndShow() {
  ApplicationContext& c = context_;
  c.LastRawCrossword.clear();
  autoPathCommand(c.document, c.path, c.ui);
  c.unsaved.markPathSaved(c.path);  // made, not the user's work
  c.run.saved = 0;
  c.RunLimit = 1;
  runGeneration(c, kindWithLetters() ? AttemptKind::WithLetters : AttemptKind::WithoutLetters);
  if (!c.LastRawCrossword.empty()) drawer_.handOver(c.LastRawCrossword, true);
}

void SimpleMode::goToDrawer() { drawer_.handOver("", true); }

int SimpleMode::countRawCrosswords(const std::string& pattern) const {
  std::vector<DirEntry> entries;
  if (!Files::listDirectory(Files::joinPath(context_.outputFolder(), pattern), entries)) return 0;
  int n = 0;
  for (const DirEntry& e : entries)
    if (!e.isFolder && !(e.attributes & (FileAttribute::ReadOnly | FileAttribute::Hidden))) ++n;
  return n;
}

namespace {
// The suffix of the drawing program's clue file beside a raw crossword.
constexpr const char* kClueFileSuffix = ".ledeord";
}  // namespace

void SimpleMode::cleanUp() {
  ApplicationContext& c = context_;
  const std::vector<const StockModel*> models = modelsInOrder();
  for (;;) {
    DialogForm form;
    form.id = CleanUpId;
    form.title = texts::cleanUpTitle;
    form.prompt = texts::cleanUpIntro;
    form.fields.push_back({FolderField, c.outputFolder(), texts::cleanUpFolderLabel, 0, true});
    form.fields.push_back(
        {TotalField, format(texts::cleanUpTotal, countRawCrosswords("*.0??")), "", 0, true});
    for (std::size_t k = 0; k < models.size(); ++k)
      form.buttons.push_back(modelButton(countRawCrosswords(models[k]->pattern), k + 1));
    form.buttons.insert(form.buttons.end(),
                        {texts::cleanUpBrowse, texts::cleanUpSwitch, "OK", "Fortryd"});
    const std::string pressed = c.ui.showDialog(form);

    bool handled = false;
    for (std::size_t k = 0; k < models.size(); ++k) {
      if (pressed != form.buttons[k]) continue;
      handled = true;
      std::vector<DirEntry> files;
      Files::listDirectory(Files::joinPath(c.outputFolder(), models[k]->pattern), files);
      std::erase_if(files, [](const DirEntry& e) {
        return e.isFolder || (e.attributes & (FileAttribute::ReadOnly | FileAttribute::Hidden));
      });
      if (c.ui.messageBox(format(texts::cleanUpConfirm, static_cast<int>(files.size()),
                                 c.outputFolder()),
                          texts::cleanUpConfirmCaption, Icon::Question,
                          Buttons::YesNo) == Answer::Yes)
        for (const DirEntry& e : files) {
          // The drawing program's clues of a crossword ("x10_000.013.ledeord")
          // go with it: without the crossword nothing can read them.
          const std::string path = Files::joinPath(c.outputFolder(), e.name);
          if (Files::removeFile(path) && Files::isFile(path + kClueFileSuffix))
            Files::removeFile(path + kClueFileSuffix);
        }
    }
    if (handled) continue;
    if (pressed == texts::cleanUpSwitch) {
      // A folder choice, so that an empty folder can be chosen too.
      std::string folder = c.outputFolder();
      if (c.ui.chooseFolder(folder, texts::cleanUpSwitchCaption))
        c.currentTemplate.destDir = Files::absolutePath(folder);
      continue;
    }
    if (pressed == texts::cleanUpBrowse) {
      FileDialogData files;
      files.filter = texts::cleanUpFilter;
      files.defaultExtension = "0??";
      files.folder = c.outputFolder();
      files.mustExist = true;
      files.multiple = true;
      // The chosen files' folder becomes the output folder; for one file,
      // the folder it lies in.
      if (c.ui.openFileDialog(files) && !files.fileNames.empty())
        c.currentTemplate.destDir = Files::parentFolder(Files::absolutePath(files.fileNames.front()));
      continue;
    }
    return;
  }
}

}  // namespace vorkel
