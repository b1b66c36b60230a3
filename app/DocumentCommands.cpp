#include "app/DocumentCommands.h"

#include "app/ApplicationContext.h"
#include "app/Texts.h"
#include "app/UnsavedWork.h"
#include "document/DocumentFile.h"

namespace vorkel {

namespace {

// Reads the grid from the file; the grid as read is the saved state.
bool readModel(ApplicationContext& context, const std::string& path) {
  if (!readDocument(context.document, context.locate(path), context.language, context.ui))
    return false;
  context.documentModified = false;
  context.unsaved.markGridSaved(context.document);
  return true;
}

}  // namespace

bool openModelCommand(ApplicationContext& context) {
  Ui& ui = context.ui;
  if (ui.messageBox(texts::openModelQuestion, texts::openModelCaption, Icon::Stop,
                    Buttons::YesNo) != Answer::Yes)
    return false;
  if (!mayDiscardWork(context, Grid)) return false;
  if (!ui.openFileDialog(context.documentDialog)) return false;
  return readModel(context, context.documentDialog.fileName);
}

bool openModelFile(ApplicationContext& context, const std::string& path) {
  if (!mayDiscardWork(context, Grid) || !readModel(context, path)) return false;
  context.documentDialog.fileName = path;
  return true;
}

bool saveModelCommand(ApplicationContext& context) {
  FileDialogData& dialog = context.documentDialog;
  if (context.document.untitled) dialog.fileName.clear();
  // Saving may create the file; the open dialog's "must exist" does not apply.
  FileDialogData save = dialog;
  save.mustExist = false;
  if (!context.ui.saveFileDialog(save)) return false;
  dialog.fileName = save.fileName;
  dialog.folder = save.folder;
  if (!writeDocument(context.document, context.locate(dialog.fileName), context.ui)) return false;
  context.documentModified = false;
  context.unsaved.markGridSaved(context.document);
  context.ui.setCaption(dialog.fileName);
  return true;
}

}  // namespace vorkel
