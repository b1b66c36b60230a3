#pragma once
// The commands "&Hent Vejliste" and "&Gem vejlisten". Both use the same
// file-dialog data, so the name chosen in one is offered by the other.

#include "platform/Ui.h"

namespace vorkel {

class Path;

// Fresh dialog data for path files: filter "Vejstop liste (*.vej)|*.vej|",
// default extension "vej".
FileDialogData pathFileDialogData();

// Asks for a path file and loads it. A cancelled dialog or a file that
// cannot be opened leaves the old path; nothing is shown. True when loaded.
bool loadPathCommand(Path& path, FileDialogData& dialog, Ui& ui);

// Asks for a file name and saves the path. When the file cannot be written
// the user is told, so a failed save is never taken for a saved path.
bool savePathCommand(const Path& path, FileDialogData& dialog, Ui& ui);

}  // namespace vorkel
