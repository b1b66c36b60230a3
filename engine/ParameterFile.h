#pragma once
// The .par text format of the search parameters, and the commands
// "&Hent Parametre" and "&Gem Parametre".
//
// Eight lines, each a decimal number, a tab and a comment: the version (4 is
// written, 1 to 5 are read alike), then the seven parameters in order. The
// reader takes the leading number of each line (text that is no number reads
// as 0) and the values as they stand, without range checks. A file refused
// for any reason leaves the parameters as they were.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/SearchParameters.h"
#include "platform/Ui.h"

namespace vorkel {

// The largest parameter file read: eight short lines take some 200 bytes.
inline constexpr std::uint64_t kMaxParameterFileBytes = 64u << 10;

struct ParameterFileContents {
  enum class Status { Ok, UnknownVersion, Incomplete };
  Status status = Status::Ok;
  SearchParameters values;  // meaningful when Ok
  std::string versionLine;  // the first line without its line end (Windows-1252)
};

ParameterFileContents parseParameterFile(std::string_view bytes);

// The file's bytes, with CR LF line ends.
std::string formatParameterFile(const SearchParameters& params);

// Reads a file into `params`, telling the user why when it cannot:
// "Mislykket forsøg på at\nåbne fil" (caption: the file name) when it cannot
// be opened, "Ukendt versionsnummer" (caption: the first line) for a version
// outside 1..5, "Parameterfilen er ufuldstændig" when lines are missing.
bool readParameterFile(std::string_view fileName, SearchParameters& params, Ui& ui);

// False when the file cannot be written; nothing is shown.
bool writeParameterFile(std::string_view fileName, const SearchParameters& params);

// Fresh dialog data for parameter files: "Parametre (*.par)|*.par|", "par".
FileDialogData parameterFileDialogData();

// "&Hent Parametre": open dialog, then read the chosen file.
bool loadParametersCommand(SearchParameters& params, FileDialogData& dialog, Ui& ui);
// "&Gem Parametre": save dialog, then write; a failed write is reported.
bool saveParametersCommand(const SearchParameters& params, FileDialogData& dialog, Ui& ui);

}  // namespace vorkel
