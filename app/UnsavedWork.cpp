#include "app/UnsavedWork.h"

#include "app/ApplicationContext.h"
#include "app/DocumentCommands.h"
#include "app/TemplateFile.h"
#include "app/Texts.h"
#include "app/commands/PathCommands.h"

namespace vorkel {

// The output folder is left out: "&Gemmested" keeps the folder it is given
// in the program's profile, and the clean-up's choice is for the session.
std::vector<std::string> UnsavedWork::templateNames(const ApplicationContext& context) {
  const Template& t = context.currentTemplate;
  return {context.documentDialog.fileName, t.dictionaryName, t.pathFileName,
          t.parameterFileName, std::to_string(toNumber(t.language)),
          std::to_string(t.minScore), t.fastFill ? "hurtig" : ""};
}

void UnsavedWork::markTemplateSaved(const ApplicationContext& context) {
  template_ = templateNames(context);
}

void UnsavedWork::markAllSaved(const ApplicationContext& context) {
  markGridSaved(context.document);
  markPathSaved(context.path);
  markTemplateSaved(context);
}

unsigned UnsavedWork::changed(const ApplicationContext& context, unsigned parts) const {
  unsigned out = 0;
  if (parts & Grid) {
    // Whether the grid has a file name of its own is no change to it.
    CrosswordDocument saved = grid_;
    saved.untitled = context.document.untitled;
    if (!(saved == context.document)) out |= Grid;
  }
  if ((parts & PathPart) && !(context.path == path_)) out |= PathPart;
  // Before the first template is loaded or saved there is none to lose.
  if ((parts & TemplatePart) && !template_.empty() && templateNames(context) != template_)
    out |= TemplatePart;
  return out;
}

namespace {

// "krydset", "krydset og vejen", "krydset, vejen og skabelonen".
std::string namesOf(unsigned parts) {
  std::vector<const char*> names;
  if (parts & Grid) names.push_back(texts::unsavedGrid);
  if (parts & PathPart) names.push_back(texts::unsavedPath);
  if (parts & TemplatePart) names.push_back(texts::unsavedTemplate);
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += i + 1 == names.size() ? " og " : ", ";
    out += names[i];
  }
  return out;
}

}  // namespace

bool mayDiscardWork(ApplicationContext& context, unsigned parts) {
  const unsigned changed = context.unsaved.changed(context, parts);
  if (!changed) return true;
  std::string text = texts::unsavedQuestion;
  text.replace(text.find("%s"), 2, namesOf(changed));
  switch (context.ui.messageBox(text, texts::unsavedCaption, Icon::Question,
                                Buttons::YesNoCancel)) {
    case Answer::No: return true;
    case Answer::Yes: break;
    default: return false;
  }
  // Each save marks what it saved; a cancelled or failed one keeps the rest.
  if ((changed & Grid) && !saveModelCommand(context)) return false;
  if (changed & PathPart) {
    if (!savePathCommand(context.path, context.pathDialog, context.ui)) return false;
    context.unsaved.markPathSaved(context.path);
  }
  if ((changed & TemplatePart) && !saveTemplate(context)) return false;
  return true;
}

}  // namespace vorkel
