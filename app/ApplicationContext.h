#pragma once
// The application context: everything the generator keeps one of for the
// life of a session, and the ports it talks to the world through.
//
// `q4` makes one; tests and `vorkel generate --jobs N` make several, each
// with its own document, dictionary, counters and random generator, so that
// nothing is shared between contexts. A context never changes the process's
// current directory: relative names are read against its `workFolder`.
//
//   ScriptedUi ui; ManualClock clock; Registry registry(file);
//   ApplicationContext context(ui, clock, registry, "/data/q4", /*seed=*/42);
//   context.readProgramProfile();               // ".\Q4DK.ini", section "Opsat"
//   loadTemplate(context, "Model1.skb");        // app/TemplateFile.h
//   runGeneration(context, AttemptKind::WithoutLetters);  // app/GenerationRun.h
//
// The ports (Ui, Clock, Registry) must outlive the context.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/EditHistory.h"
#include "app/FastFillWords.h"
#include "app/ForcedSettings.h"
#include "app/RecentFiles.h"
#include "app/Template.h"
#include "app/UnsavedWork.h"
#include "dictionary/Language.h"
#include "dictionary/WordStore.h"
#include "dictionary/WordListEncoding.h"
#include "document/CrosswordDocument.h"
#include "engine/EngineCounters.h"
#include "engine/Path.h"
#include "engine/RunCounters.h"
#include "engine/SearchParameters.h"
#include "engine/TickSource.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Ui.h"

namespace vorkel {

class Registry;

// The fill's millisecond clock, read from the context's Clock port.
class ClockTicks : public TickSource {
 public:
  explicit ClockTicks(Clock& clock) : clock_(clock) {}
  std::uint32_t tickCount() override { return clock_.tickCount(); }

 private:
  Clock& clock_;
};

class ApplicationContext {
 public:
  // Planned sizes of the dictionary: the empty one made at start-up and the
  // one a template loads into.
  static constexpr int StartupDictionaryWords = 130000;
  static constexpr int TemplateDictionaryWords = 110000;
  static constexpr const char* ProgramProfileName = "Q4DK.ini";
  static constexpr const char* ProgramProfileSection = "Opsat";

  // How many words the dictionaries are planned for; a store grows past its
  // plan when it must, so a smaller plan only costs time when it is filled
  // (a test that loads three-word lists plans for a few).
  struct DictionaryPlan {
    int startupWords = StartupDictionaryWords;
    int templateWords = TemplateDictionaryWords;
  };

  // `workFolder` plays the part of the current directory at start-up (made
  // absolute; empty: the process's current directory). The program profile
  // is "Q4DK.ini" in it.
  ApplicationContext(Ui& ui, Clock& clock, Registry& registry, std::string_view workFolder,
                     std::uint32_t seed);
  ApplicationContext(Ui& ui, Clock& clock, Registry& registry, std::string_view workFolder,
                     std::uint32_t seed, DictionaryPlan plan);
  ApplicationContext(const ApplicationContext&) = delete;
  ApplicationContext& operator=(const ApplicationContext&) = delete;

  // Reads "Gemmested", "Dictionary", "ModelOgVej" and "Parametre" of the
  // program profile, each with its registry value as default, into the
  // output folder and the dialog folders, all made absolute (a folder that
  // does not exist becomes the work folder).
  void readProgramProfile();

  // The program profile, section "Opsat".
  Profile programProfile() const { return Profile(programProfilePath, ProgramProfileSection); }

  // A name as the user gave it, made absolute against the work folder and
  // looked up without regard to case when it does not exist exactly.
  std::string locate(std::string_view name) const;
  // The folder raw crosswords are written into: `destDir` against the work
  // folder; the work folder itself when `destDir` is empty.
  std::string outputFolder() const;

  // Throws the dictionary away and makes an empty one planned for `words`.
  void replaceDictionary(int words);

  // --- ports ---
  Ui& ui;
  Clock& clock;
  Registry& registry;
  ClockTicks ticks;

  // --- configuration ---
  std::string startDir;            // absolute; the template dialog starts here
  std::string workFolder;          // what relative names are read against
  std::string programProfilePath;  // "<startDir>/Q4DK.ini"

  // --- the one-of-each state ---
  Language language;
  const DictionaryPlan dictionaryPlan;
  std::unique_ptr<WordStore> dictionary;
  CrosswordDocument document;
  bool documentModified = false;
  FileDialogData documentDialog;
  Template currentTemplate;
  Path path;
  SearchParameters parameters;
  FileDialogData parameterDialog;
  FileDialogData pathDialog;
  FileDialogData dictionaryDialog;
  RecentFiles recentFiles;
  // Undo and redo of the grid and the path; what was last loaded or saved.
  EditHistory history;
  UnsavedWork unsaved;

  // --- generation runs ---
  RunCounters run;
  EngineCounters engineCounters;
  std::int32_t RawCrosswordCounter = 0;  // sequence number of raw-crossword names, never reset
  std::string LastRawCrossword;          // full path of the raw crossword written last
  std::int32_t RunLimit = 0;             // simple mode: the run stops when run.saved reaches it
  ForcedSettings forced;                 // where forced-word runs take their words
  // Set to end a run after its current attempt (the window is closing).
  bool stopRequested = false;
  bool simpleMode = true;
  bool editMode = false;
  bool savedEditMode = false;
  // Lower the priority for runs; tests and batch jobs may leave it alone.
  bool idlePriorityForRuns = true;
  // Whether loading a template reads its word file into `dictionary`. A
  // batch run with the fast fill reads the words into an index of its own
  // instead (engine/WordIndex.h) and leaves the store as it is; the
  // template's Trie name is still taken.
  bool loadWordStore = true;
  // Whether the store takes only the words at the template's floor
  // (MinScore, with a score file beside the dictionary), as the window's
  // runs do; `vorkel generate --fill path` takes every word.
  bool storeAtTemplateFloor = true;
  // The fast fill's words of the last fast run (app/FastAttempt.h).
  FastFillWords fastFillWords;
  // How a word list named as the template's dictionary is read; the window
  // program's files are Windows-1252, the command line takes its --encoding.
  WordListEncoding wordListEncoding = WordListEncoding::Cp1252;
  // The caller names the output folder (`vorkel generate -o DIR`): loading
  // a template then leaves `currentTemplate.destDir` alone and reads neither the
  // template's DestDir nor the installation's value.
  bool outputFolderGiven = false;
  Random random;
};

}  // namespace vorkel
