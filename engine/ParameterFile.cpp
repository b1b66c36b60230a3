#include "engine/ParameterFile.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "engine/Texts.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

constexpr int kVersionWritten = 4;
constexpr int kLastKnownVersion = 5;
constexpr std::size_t kMaxLineChars = 127;

// The comments written after each number, version line first.
constexpr const char* kComments[1 + SearchParameters::Count] = {
    "Versions nummer", "procent brug", "saml max ", "blandt max",
    "AGrclille",       "AGtidlille",   "AGstortit", "AGantalrcstor"};

// The next line (at most kMaxLineChars of it, without the line end);
// nullopt at the end of the file.
std::optional<std::string_view> nextLine(std::string_view bytes, std::size_t& pos) {
  if (pos >= bytes.size()) return std::nullopt;
  std::size_t end = bytes.find('\n', pos);
  if (end == std::string_view::npos) end = bytes.size();
  std::string_view line = bytes.substr(pos, end - pos);
  pos = end < bytes.size() ? end + 1 : end;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line.substr(0, std::min(line.size(), kMaxLineChars));
}

}  // namespace

ParameterFileContents parseParameterFile(std::string_view bytes) {
  ParameterFileContents out;
  std::size_t pos = 0;
  std::optional<std::string_view> first = nextLine(bytes, pos);
  if (first) out.versionLine = std::string(*first);
  const std::int32_t version = first ? leadingInt(*first) : 0;
  if (version <= 0 || version > kLastKnownVersion) {
    out.status = ParameterFileContents::Status::UnknownVersion;
    return out;
  }
  for (int i = 0; i < SearchParameters::Count; ++i) {
    std::optional<std::string_view> line = nextLine(bytes, pos);
    if (!line) {
      out.status = ParameterFileContents::Status::Incomplete;
      return out;
    }
    out.values.at(i) = leadingInt(*line);
  }
  return out;
}

std::string formatParameterFile(const SearchParameters& params) {
  std::string out;
  char line[128];
  for (int i = 0; i <= SearchParameters::Count; ++i) {
    const std::int32_t value = i == 0 ? kVersionWritten : params.at(i - 1);
    std::snprintf(line, sizeof line, "%d\t// %s\r\n", value, kComments[i]);
    out += line;
  }
  return out;
}

bool readParameterFile(std::string_view fileName, SearchParameters& params, Ui& ui) {
  std::optional<std::string> bytes =
      Files::readFile(fileName, kMaxParameterFileBytes);
  if (!bytes) {
    ui.messageBox(texts::fileOpenFailed, fileName);
    return false;
  }
  ParameterFileContents contents = parseParameterFile(*bytes);
  switch (contents.status) {
    case ParameterFileContents::Status::Ok:
      params = contents.values;
      return true;
    case ParameterFileContents::Status::UnknownVersion:
      ui.messageBox(texts::unknownVersion, cp1252ToUtf8(contents.versionLine));
      return false;
    case ParameterFileContents::Status::Incomplete:
      ui.messageBox(texts::parameterFileIncomplete, fileName);
      return false;
  }
  return false;
}

bool writeParameterFile(std::string_view fileName, const SearchParameters& params) {
  return Files::writeFileAtomically(fileName, formatParameterFile(params));
}

FileDialogData parameterFileDialogData() {
  FileDialogData data;
  data.filter = texts::parameterFileFilter;
  data.defaultExtension = "par";
  return data;
}

bool loadParametersCommand(SearchParameters& params, FileDialogData& dialog, Ui& ui) {
  dialog.mustExist = true;
  dialog.promptOverwrite = false;
  if (!ui.openFileDialog(dialog)) return false;
  return readParameterFile(dialog.fileName, params, ui);
}

bool saveParametersCommand(const SearchParameters& params, FileDialogData& dialog, Ui& ui) {
  dialog.mustExist = false;
  dialog.promptOverwrite = true;
  if (!ui.saveFileDialog(dialog)) return false;
  if (writeParameterFile(dialog.fileName, params)) return true;
  ui.messageBox(texts::fileOpenFailed, dialog.fileName, Icon::Error);
  return false;
}

}  // namespace vorkel
