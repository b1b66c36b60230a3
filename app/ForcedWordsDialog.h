#pragma once
// The dialog "Lav krydsord med bestemte ord": the words every crossword of
// a forced-word run must contain, kept in "tvang.txt" in the work folder,
// or the choice to draw them from a word file.
//
//   if (runForcedWordsDialog(context)) ...   // context.forced is up to date
//
// Opening shows the words of "tvang.txt" one per line (in upper case; empty
// when it cannot be read) and the settings in context.forced. "Browse"
// chooses the word file, "Help" says that there is no help; both open the
// dialog again. OK writes the words field into "tvang.txt" and takes the
// settings; when the file cannot be written the user is told and the
// settings stay as they were. Either way the dialog ended with OK.

#include <string>

namespace vorkel {

class ApplicationContext;

namespace forcedDialog {
inline constexpr const char* Id = "tvang";
inline constexpr const char* WordsField = "ord";         // several lines, 1999 characters
inline constexpr const char* UseFileField = "brugfil";   // check box
inline constexpr const char* CountField = "antal";       // 19 characters
inline constexpr const char* FileField = "fil";          // 511 characters
inline constexpr const char* Ok = "OK";
inline constexpr const char* Cancel = "Cancel";
inline constexpr const char* Help = "Help";
}  // namespace forcedDialog

// True when the dialog ended with OK.
bool runForcedWordsDialog(ApplicationContext& context);

// The path of "tvang.txt" in the work folder (found without regard to case).
std::string forcedPath(const ApplicationContext& context);

}  // namespace vorkel
