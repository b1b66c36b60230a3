#include "app/OutputFolderCommand.h"

#include "app/ApplicationContext.h"
#include "app/Texts.h"

namespace vorkel {

bool outputFolderCommand(ApplicationContext& context) {
  Template& t = context.currentTemplate;
  // Asked without a limit, so the current folder shows whole; a folder
  // longer than a template can hold is refused, never cut to a folder the
  // user did not choose.
  std::optional<std::string> answer =
      context.ui.inputBox(texts::outputFolderPrompt, texts::outputFolderCaption, t.destDir);
  if (!answer || answer->size() <= 1) return false;
  if (firstCharacters(*answer, Template::MaxDestDir) != *answer) {
    context.ui.messageBox(texts::outputFolderTooLong, texts::outputFolderCaption, Icon::Error);
    return false;
  }
  t.destDir = *answer;
  context.programProfile().writeString("Gemmested", t.destDir);
  return true;
}

}  // namespace vorkel
