#pragma once
// "&Gemmested": asks where finished crosswords go ("Hvorhen du?", starting
// with the current output folder). An answer of two or more characters
// becomes the output folder and the program profile's "Gemmested"; the
// template keeps its own "DestDir" until it is saved. An answer of more
// than 127 characters (what a template holds) is refused with a message and
// changes nothing.

namespace vorkel {

class ApplicationContext;

// True when the output folder changed.
bool outputFolderCommand(ApplicationContext& context);

}  // namespace vorkel
