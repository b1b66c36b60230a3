#include "app/DocumentCommands.h"

#include "app/ApplicationContext.h"
#include "app/Texts.h"
#include "app/UnsavedWork.h"
#include "document/DocumentFile.h"

namespace vorkel {

bool openModelCommand(ApplicationContext& context) {
  Ui& ui = context.ui;
  if (ui.messageBox(texts::openModelQuestion, texts::openModelCaption, Icon::Stop,
                    Buttons::YesNo) != Answer::Yes)
    return false;
  if (!mayDiscardWork(context, Grid)) return false;
  if (!ui.openFileDialog(context.documentDialog)) return false;
  if (!readDocument(context.document, context.locate(context.documentDialog.fileName),
                    context.language, ui))
    return false;
  context.documentModified = false;
  context.unsaved.markGridSaved(context.document);
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
