#pragma once
// Reading and writing generation templates (.skb), and the Skabelon menu's
// commands that open and save them.
//
// Loading reads, in this order, the grid, the language, the dictionary (only
// when the template names another file than the one in memory, compared
// exactly), the path, the parameters and the output folder. A file that
// cannot be read where the template says is looked for in the folder the
// installer registered for its kind (app/InstallationFolders.h). Every
// failure is shown through the context's Ui; what was loaded before it
// stays loaded.

#include <functional>
#include <string_view>

#include "platform/Ui.h"

namespace vorkel {

class ApplicationContext;

// Loads the template at `path` (empty: the current template path again).
// False when the load stopped early: a missing file without an installation
// folder, or the user gave up in a prompt. A file's own loader reporting a
// failure does not stop the load.
bool loadTemplate(ApplicationContext& context, std::string_view path);

// Writes the six keys into the current template file; with no template
// path yet (at most one character) this is saveTemplateAs. False when
// nothing was written (cancelled, or the file could not be written: shown).
bool saveTemplate(ApplicationContext& context);

// Asks for a file name and saves there; the name becomes the template path.
bool saveTemplateAs(ApplicationContext& context);

// "Å&bne...": after `mayClose` (the grid view's close check) agrees, asks
// for a template and loads it, naming it in the window caption.
bool openTemplate(ApplicationContext& context, const std::function<bool()>& mayClose);

// The template dialog data: "Skabeloner (*.skb)|...", extension "skb",
// starting in `initialFolder`, asking before overwriting.
FileDialogData templateDialogData(std::string_view initialFolder);

}  // namespace vorkel
