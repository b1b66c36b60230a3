#include "app/commands/ParameterDialog.h"

#include <array>
#include <cstdio>
#include <string>

#include "engine/ParameterFile.h"
#include "engine/Texts.h"
#include "platform/Numbers.h"

namespace vorkel {

namespace {

using FieldTexts = std::array<std::string, SearchParameters::Count>;

constexpr const char* kOk = "OK";
constexpr const char* kCancel = "Cancel";
constexpr const char* kSave = "Save";
constexpr const char* kLoad = "Load";
constexpr const char* kRestore = "Restore";

FieldTexts format(const SearchParameters& params) {
  FieldTexts out;
  for (int i = 0; i < SearchParameters::Count; ++i)
    out[static_cast<std::size_t>(i)] = std::to_string(params.at(i));
  return out;
}

// Converts and checks the seven texts in order. At the first value outside
// its range the user is told and nothing is taken.
bool takeChecked(const FieldTexts& fields, SearchParameters& params, Ui& ui) {
  SearchParameters checked = params;
  for (int i = 0; i < SearchParameters::Count; ++i) {
    const ParameterInfo& info = parameterInfo[static_cast<std::size_t>(i)];
    const std::int32_t value = leadingInt(fields[static_cast<std::size_t>(i)]);
    if (value < info.low || value > info.high) {
      char message[256];
      std::snprintf(message, sizeof message, texts::parameterOutOfRange, info.name, info.shownLow,
                    info.shownHigh);
      ui.messageBox(message, texts::parameterOutOfRangeCaption, Icon::Error);
      return false;
    }
    checked.at(i) = value;
  }
  params = checked;
  return true;
}

DialogForm makeForm(const FieldTexts& shown) {
  DialogForm form;
  form.id = "parametre";
  form.title = texts::parameterDialogTitle;
  for (std::size_t i = 0; i < parameterInfo.size(); ++i)
    form.fields.push_back({parameterInfo[i].key, shown[i], parameterInfo[i].label, 3});
  form.buttons = {kOk, kCancel, kSave, kLoad, kRestore};
  return form;
}

}  // namespace

bool runParameterDialog(SearchParameters& params, FileDialogData& files, Ui& ui) {
  const SearchParameters atOpening = params;
  // `buffer` is what the dialog was filled with (at opening, or after Load or
  // Restore); `shown` is what the fields hold, including the user's typing.
  FieldTexts buffer = format(params);
  FieldTexts shown = buffer;

  for (;;) {
    DialogForm form = makeForm(shown);
    const std::string button = ui.showDialog(form);
    for (std::size_t i = 0; i < parameterInfo.size(); ++i)
      shown[i] = form.text(parameterInfo[i].key);

    if (button == kOk) {
      if (takeChecked(shown, params, ui)) return true;
    } else if (button == kSave) {
      if (takeChecked(buffer, params, ui)) saveParametersCommand(params, files, ui);
    } else if (button == kLoad) {
      if (loadParametersCommand(params, files, ui)) shown = buffer = format(params);
    } else if (button == kRestore) {
      if (readParameterFile(files.fileName, params, ui)) shown = buffer = format(params);
    } else {
      // Cancel: every value goes back to what it was at opening, whether or
      // not it lies inside the dialog's ranges (files may hold any value).
      params = atOpening;
      return false;
    }
  }
}

}  // namespace vorkel
