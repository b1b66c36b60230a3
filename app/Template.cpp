#include "app/Template.h"

#include "app/Texts.h"

namespace vorkel {

FileDialogData templateDialogData(std::string_view initialFolder) {
  FileDialogData data;
  data.filter = texts::templateFilter;
  data.defaultExtension = texts::templateExtension;
  data.folder = std::string(initialFolder);
  data.promptOverwrite = true;
  return data;
}

}  // namespace vorkel
