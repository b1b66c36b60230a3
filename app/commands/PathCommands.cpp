#include "app/commands/PathCommands.h"

#include "engine/Path.h"
#include "engine/Texts.h"

namespace vorkel {

FileDialogData pathFileDialogData() {
  FileDialogData data;
  data.filter = texts::pathFileFilter;
  data.defaultExtension = "vej";
  return data;
}

bool loadPathCommand(Path& path, FileDialogData& dialog, Ui& ui) {
  dialog.mustExist = true;
  dialog.promptOverwrite = false;
  if (!ui.openFileDialog(dialog)) return false;
  return path.load(dialog.fileName);
}

bool savePathCommand(const Path& path, FileDialogData& dialog, Ui& ui) {
  dialog.mustExist = false;
  dialog.promptOverwrite = true;
  if (!ui.saveFileDialog(dialog)) return false;
  if (path.save(dialog.fileName)) return true;
  ui.messageBox(texts::fileOpenFailed, dialog.fileName, Icon::Error);
  return false;
}

}  // namespace vorkel
