#include "app/CommandDispatcher.h"

#include "app/ApplicationContext.h"
#include "app/DocumentCommands.h"
#include "app/GenerationRun.h"
#include "app/GridView.h"
#include "app/OutputFolderCommand.h"
#include "app/FillChecks.h"
#include "app/Shell.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "app/UnsavedWork.h"
#include "dictionary/DictionarySession.h"
#include "app/commands/EditDialog.h"
#include "app/commands/LanguageDialog.h"
#include "app/commands/WordListCommands.h"
#include "dictionary/WordLookup.h"
#include "app/commands/ParameterDialog.h"
#include "engine/ParameterFile.h"
#include "app/commands/PathCommands.h"
#include "engine/PathOptimiser.h"

namespace vorkel {

CommandDispatcher::CommandDispatcher(ApplicationContext& context, GridView& view, Shell& shell,
                                     HandOver& drawer)
    : context_(context),
      view_(view),
      shell_(shell),
      simple_(context, drawer),
      anagrams_(context.workFolder) {}

void CommandDispatcher::armContextHelp() {
  helpArmed_ = true;
  shell_.setHelpCursor(true);
}

void CommandDispatcher::disarmContextHelp() {
  helpArmed_ = false;
  shell_.setHelpCursor(false);
}

void CommandDispatcher::requestStop() { context_.stopRequested = true; }

bool CommandDispatcher::run(int number) {
  if (runActive_) return false;
  if (helpArmed_ || f1Held_) {
    if (helpArmed_) disarmContextHelp();
    shell_.showHelp(helpPageOf(number));
    return true;
  }
  // Whatever the command changes in the grid or the path is one step to undo.
  view_.recordChange();
  const bool known = dispatch(number);
  view_.recordChange();
  return known;
}

bool CommandDispatcher::loadTemplateCommand(const std::string& path) {
  if (!mayDiscardWork(context_)) return false;
  const bool loaded = loadTemplate(context_, path);
  shell_.repaintView();
  return loaded;
}

void CommandDispatcher::dropFile(const std::string& path) {
  context_.currentTemplate.templatePath = path;
  context_.recentFiles.add(path);
}

template <class F>
void CommandDispatcher::busy(F&& work) {
  ApplicationContext& c = context_;
  runActive_ = true;
  c.stopRequested = false;
  // The run's fill is one step to undo.
  c.history.pause();
  work();
  c.history.resume(c.document, c.path);
  runActive_ = false;
  context_.stopRequested = false;
  shell_.repaintView();
}

bool CommandDispatcher::dispatch(int number) {
  ApplicationContext& c = context_;
  // A command leaves the path editor first, as Escape would.
  if (view_.pathEditor()) {
    view_.closePathEditor();
    shell_.repaintView();
  }
  Ui& ui = c.ui;
  DictionarySession session{c.dictionary, c.language,       ui,
                            c.random,     c.dictionaryDialog, c.workFolder};
  const auto repaintIf = [&](bool changed) {
    if (changed) shell_.repaintView();
  };
  switch (number) {
    // --- "&Skabelon" ---
    case command::openTemplate:
      repaintIf(openTemplate(c, [&c] { return mayDiscardWork(c); }));
      break;
    case command::saveTemplate: saveTemplate(c); break;
    case command::saveTemplateAs: saveTemplateAs(c); break;
    case command::exit: shell_.closeWindow(); break;
    // --- "&Kryds" ---
    case command::resize: repaintIf(view_.resizeCommand()); break;
    case command::zoom: repaintIf(view_.zoomCommand()); break;
    case command::transpose:
      view_.transposeCommand();
      shell_.repaintView();
      break;
    case command::clear:
      view_.clearCommand();
      shell_.repaintView();
      break;
    case command::openModel: repaintIf(openModelCommand(c)); break;
    case command::undo: repaintIf(view_.undoCommand()); break;
    case command::redo: repaintIf(view_.redoCommand()); break;
    case command::saveModel: saveModelCommand(c); break;
    // --- "&Ordbog" ---
    case command::replaceWordList: replaceWordListCommand(session); break;
    case command::uniteWordList: unionWordListCommand(session); break;
    case command::subtractWordList: subtractWordListCommand(session); break;
    case command::joinWordList: joinWordListCommand(session); break;
    case command::saveWordList: saveWordListCommand(session); break;
    case command::editDictionary: runEditDialog(session); break;
    case command::statistics: showStatisticsCommand(*c.dictionary, ui); break;
    case command::searchWord: searchWordCommand(*c.dictionary, ui, lastSearch_); break;
    case command::changeLanguage:
      if (std::optional<LanguageId> stored = runLanguageDialog(c.language, ui)) {
        c.currentTemplate.language = *stored;
        shell_.repaintView();
      }
      break;
    case command::anagram: anagrams_.run(*c.dictionary, ui); break;
    // --- "&Vej" ---
    case command::newPath: newPathCommand(c.document, c.path, ui); break;
    case command::optimisePath: optimiseCommand(c.document, c.path, ui); break;
    case command::autoPath: autoPathCommand(c.document, c.path, ui); break;
    case command::savePath:
    case command::savePathToo:
      if (savePathCommand(c.path, c.pathDialog, ui)) c.unsaved.markPathSaved(c.path);
      break;
    case command::loadPath:
      if (mayDiscardWork(c, PathPart) && loadPathCommand(c.path, c.pathDialog, ui))
        c.unsaved.markPathSaved(c.path);
      break;
    // --- "&Fuzzy" ---
    case command::editParameters: runParameterDialog(c.parameters, c.parameterDialog, ui); break;
    case command::loadParameters: loadParametersCommand(c.parameters, c.parameterDialog, ui); break;
    case command::saveParameters: saveParametersCommand(c.parameters, c.parameterDialog, ui); break;
    // --- "&Generer" ---
    case command::simpleMenu:
      c.simpleMode = true;
      c.editMode = c.savedEditMode;
      shell_.setMenu(MenuId::Simple);
      break;
    case command::check: checkReadiness(c); break;
    case command::outputFolder: outputFolderCommand(c); break;
    case command::generateWithLetters:
      busy([&] { runGeneration(c, AttemptKind::WithLetters); });
      break;
    case command::generateWithoutLetters:
      busy([&] { runGeneration(c, AttemptKind::WithoutLetters); });
      break;
    case command::generateForced: busy([&] { runForcedGeneration(c); }); break;
    // --- help ---
    case command::helpContents:
    case command::helpTopics:
    case command::help: shell_.showHelp("index.html"); break;
    case command::about:
    case command::aboutSimple: shell_.showAbout(); break;
    case command::dialogHelpButton: ui.messageBox(texts::noHelp, texts::noHelpCaption); break;
    // --- the simple menu ---
    case command::editMode: c.editMode = !c.editMode; break;
    case command::advancedMenu:
      c.simpleMode = false;
      c.savedEditMode = c.editMode;
      c.editMode = true;
      shell_.setMenu(MenuId::Advanced);
      break;
    case command::wizard:
      busy([&] { simple_.wizard([&] { anagrams_.run(*c.dictionary, ui); }); });
      break;
    case command::runFiveToDrawer: busy([&] { simple_.runFiveToDrawer(); }); break;
    case command::runFiveHundred: busy([&] { simple_.runFiveHundred(); }); break;
    case command::runOneAndShow: busy([&] { simple_.runOneAndShow(); }); break;
    case command::cleanUp: simple_.cleanUp(); break;
    // While it waits for the drawing program the window takes input; no
    // other command starts meanwhile.
    case command::goToDrawer: busy([&] { simple_.goToDrawer(); }); break;
    case command::editPath:
      view_.openPathEditor();
      shell_.repaintView();
      break;
    default: return false;
  }
  return true;
}

}  // namespace vorkel
