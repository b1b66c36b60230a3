#pragma once
// The destination folder: its default, how a chosen folder and name are
// stored, and the shortened form the pages show.

#include <string>
#include <string_view>

namespace vorkel {
class Registry;
}

namespace vorkel::setup {

struct WizardState;

inline constexpr const char* DefaultDestinationName = "Vendrik";

// The value "ProgramFilesDir" of the key
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion, else the user's home folder: an installation
// belongs to the user who makes it and must be writable without root.
std::string programFilesFolder(const Registry& registry, const std::string& home);

// Stores a folder and a name as the destination: the folder made absolute
// with a "/" at its end, the name without one leading and one trailing
// separator.
void setDestination(WizardState& state, std::string_view folder, std::string_view name);

// base + name when that has at most 30 characters; otherwise the base up to
// its first separator after the third character, then "/.../" and the
// name. A base without such a separator is shown whole, without the name.
std::string shortenedPath(std::string_view base, std::string_view name);

}  // namespace vorkel::setup
