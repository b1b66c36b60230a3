#pragma once
// The user-interface port.
//
// The core (dictionary, engine, app) talks to the user only through this
// interface: message boxes, humble dialogs, file dialogs, the keyboard queue,
// status text, cursor, caption and beep. The Qt front-end implements it with
// widgets (platform/qt), the command line with stderr (cli), and tests with
// the scripted port (platform/testing/ScriptedUi.h), which records every call
// and answers from a queue.
//
// All texts crossing this port are UTF-8. Data read from files is
// Windows-1252 and is converted (platform/Cp1252.h) before it is put into a
// message.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

enum class Icon { None, Error, Warning, Information, Question, Stop };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };
enum class Cursor { Arrow, Wait, Hidden };

// A humble dialog: the texts of its fields, shown by one port call that
// returns the name of the button that ended it ("OK", "Fortryd", "Gem", ...).
// The port writes the user's edits back into the fields. Every check, message
// and "open again" loop lives in the caller.
struct DialogField {
  // What the front-end shows for the field: a one-line edit, an edit of
  // several lines (its text holds the lines separated by "\n"), or a check
  // box (its text is "1" when ticked, else "0"). Each sits beside its label.
  enum class Kind { Line, Lines, CheckBox };

  std::string name;  // stable key, e.g. "maxsaml"; also the label when none is given
  std::string text;  // the field's text; check boxes use "0" and "1"
  std::string label;
  std::size_t maxLength = 0;  // characters the user may type; 0: no limit
  bool readOnly = false;      // shown, not edited
  Kind kind = Kind::Line;
};

struct DialogForm {
  std::string id;     // identifies the dialog to the front-end, e.g. "parametre"
  std::string title;  // caption of the dialog window
  std::string prompt; // a line of text above the fields, may be empty
  std::vector<DialogField> fields;
  std::vector<std::string> buttons;  // button names in display order

  DialogField* find(std::string_view name) {
    for (auto& f : fields)
      if (f.name == name) return &f;
    return nullptr;
  }
  const DialogField* find(std::string_view name) const {
    for (const auto& f : fields)
      if (f.name == name) return &f;
    return nullptr;
  }
  // The text of a field, empty when there is no such field.
  std::string text(std::string_view name) const {
    const DialogField* f = find(name);
    return f ? f->text : std::string();
  }
  void set(std::string_view name, std::string value) {
    if (DialogField* f = find(name)) f->text = std::move(value);
    else fields.push_back({std::string(name), std::move(value), {}});
  }
};

// The data of an open or save file dialog, shared between the commands that
// use the same kind of file (the last chosen name is remembered in it).
struct FileDialogData {
  std::string filter;            // "Kryds Filer (*.ktd)|*.ktd|Alle Filer (*.*)|*.*|"
  std::string defaultExtension;  // "KTD"
  std::string fileName;          // initial name on entry, chosen name on OK
  std::string folder;            // initial folder, may be empty
  bool mustExist = false;
  bool promptOverwrite = false;
  // An open dialog that takes several files: on OK `fileNames` holds them
  // all and `fileName` their folder.
  bool multiple = false;
  std::vector<std::string> fileNames;
};

// A key taken from the keyboard-message queue. `key` is the character for
// printable keys ('0'..'9', letters) and one of the codes below otherwise.
struct KeyMessage {
  int key = 0;
  static constexpr int Escape = 0x1B;
  static constexpr int Enter = 0x0D;
};

class Ui {
 public:
  virtual ~Ui() = default;

  virtual Answer messageBox(std::string_view text, std::string_view caption,
                            Icon icon = Icon::None, Buttons buttons = Buttons::Ok) = 0;

  // A one-line input dialog; nullopt on Cancel.
  virtual std::optional<std::string> inputBox(std::string_view prompt, std::string_view caption,
                                              std::string_view initial) = 0;

  // The same with at most `maxLength` characters typed; the default cuts a
  // longer answer to that many characters.
  virtual std::optional<std::string> inputBoxLimited(std::string_view prompt,
                                                     std::string_view caption,
                                                     std::string_view initial,
                                                     std::size_t maxLength);

  // Shows a humble dialog and returns the name of the button that ended it.
  virtual std::string showDialog(DialogForm& form) = 0;

  // File dialogs; false on Cancel. On OK data.fileName holds the chosen path.
  virtual bool openFileDialog(FileDialogData& data) = 0;
  virtual bool saveFileDialog(FileDialogData& data) = 0;
  // A folder dialog that can choose an empty folder; false on Cancel. On OK
  // `folder` holds the chosen folder; it starts in `folder`.
  virtual bool chooseFolder(std::string& folder, std::string_view caption) {
    (void)folder;
    (void)caption;
    return false;
  }

  // Takes the next key from the keyboard-message queue; false when it is
  // empty. Front-ends process pending window events inside this call.
  virtual bool pollKey(KeyMessage& key) = 0;

  virtual void setStatusText(std::string_view text) = 0;
  virtual void setCursor(Cursor cursor) = 0;
  virtual void setCaption(std::string_view caption) = 0;
  virtual void beep() = 0;
  // A tone of the given pitch and length; front-ends without tones beep.
  virtual void tone(int frequencyHz, int milliseconds) {
    (void)frequencyHz;
    (void)milliseconds;
    beep();
  }

  // Progress of long work, e.g. the fill's counters; a front-end may ignore it.
  virtual void showProgress(std::string_view text) { (void)text; }
  // The fill's two progress pictures: the grid with its status line, and
  // the run's counters. A window draws them at their own places; the
  // default shows them as plain progress.
  enum class FillPicture { Grid, Counters };
  virtual void showFillProgress(FillPicture picture, std::string_view text) {
    (void)picture;
    showProgress(text);
  }

  // Opens a file with the desktop's handler (help, result files). False when
  // nothing could open it; the caller then tells the user.
  virtual bool openWithDesktop(std::string_view path) = 0;
};

// The first `maxLength` characters (not bytes) of a UTF-8 text.
std::string firstCharacters(std::string_view utf8, std::size_t maxLength);

inline std::optional<std::string> Ui::inputBoxLimited(std::string_view prompt,
                                                      std::string_view caption,
                                                      std::string_view initial,
                                                      std::size_t maxLength) {
  std::optional<std::string> answer = inputBox(prompt, caption, initial);
  if (answer && maxLength > 0) *answer = firstCharacters(*answer, maxLength);
  return answer;
}

}  // namespace vorkel
