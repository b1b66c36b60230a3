#pragma once
// "&Gemmested": asks where finished crosswords go ("Hvorhen du?", at most
// 127 characters, starting with the current output folder). An answer of
// two or more characters becomes the output folder and the program
// profile's "Gemmested"; the template keeps its own "DestDir" until it is
// saved.

namespace vorkel {

class ApplicationContext;

// True when the output folder changed.
bool outputFolderCommand(ApplicationContext& context);

}  // namespace vorkel
