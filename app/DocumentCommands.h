#pragma once
// The "&Kryds" menu's file commands: "&Hent som model" reads a grid outside
// the template (the path stays as it is, so the user is asked first) and
// "&Gem kryds-(model)" saves the grid under a name the user chooses. Both
// use the context's document dialog data.

#include <string>

namespace vorkel {

class ApplicationContext;

// Asks "Ønsker du at indlæse en kryds udenom skabelonen ...", and only on
// Yes (and once a changed grid is saved or given up) runs the open dialog
// and reads the chosen file. True when read.
bool openModelCommand(ApplicationContext& context);

// Reads a grid named on the command line (a double click on a ".ktd"
// file) without the question: the user chose the file. True when read.
bool openModelFile(ApplicationContext& context, const std::string& path);

// Save As for the grid: an untitled grid starts with an empty name; on OK
// the grid is written and the window is captioned with its path. True
// when written.
bool saveModelCommand(ApplicationContext& context);

}  // namespace vorkel
