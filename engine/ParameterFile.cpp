#include "engine/ParameterFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <optional>

#include "engine/Texts.h"
#include "platform/Cp1252.h"
#include "platform/Files.h"

namespace vorkel {

namespace {

constexpr int kVersionWritten = 4;
constexpr int kLastKnownVersion = 5;
constexpr std::size_t kMaxLineChars = 127;
constexpr std::uint64_t kMaxFileBytes = 1u << 20;

// The comments written after each number, version line first.
constexpr const char* kComments[1 + SearchParameters::Count] = {
    "Versions nummer", "procent brug", "saml max ", "blandt max",
    "AGrclille",       "AGtidlille",   "AGstortit", "AGantalrcstor"};

// The leading number of a line as strtol reads it: white space, a sign,
// digits; 0 when there is none. Clamped to the 32-bit range.
std::int32_t leadingNumber(std::string_view line) {
  std::size_t p = 0;
  while (p < line.size() && (line[p] == ' ' || line[p] == '\t' || line[p] == '\r' ||
                             line[p] == '\v' || line[p] == '\f'))
    ++p;
  bool negative = false;
  if (p < line.size() && (line[p] == '+' || line[p] == '-')) negative = line[p++] == '-';
  long long v = 0;
  while (p < line.size() && line[p] >= '0' && line[p] <= '9') {
    if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (line[p] - '0');
    ++p;
  }
  if (negative) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  return static_cast<std::int32_t>(v);
}

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
  const std::int32_t version = first ? leadingNumber(*first) : 0;
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
    out.values.at(i) = leadingNumber(*line);
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
      Files::readFile(Files::findCaseInsensitive(fileName), kMaxFileBytes);
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
  return Files::writeFileAtomically(Files::findCaseInsensitive(fileName),
                                    formatParameterFile(params));
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
