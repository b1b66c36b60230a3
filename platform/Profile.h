#pragma once
// INI files read and written with the semantics of the private-profile
// functions that the settings files were made for (templates ".skb", the
// program profile "Q4DK.ini", the installer's additions).
//
//   Profile opsat("Q4DK.ini", "Opsat");
//   std::string dest = opsat.getString("Gemmested", registryDefault, 511);
//   opsat.writeString("Gemmested", dest);        // on disk when this returns
//   Profile skabelon = opsat.withSection("Skabelon");
//
// Reading:
// - Section and key names are compared without regard to case (ASCII and
//   the Windows-1252 letters). The first section of a name and the first key
//   of a name in it count; lines before the first section belong to none.
// - Names and values are trimmed of blanks and tabs; a value enclosed in a
//   pair of equal quotes (" or ') loses them. A line starting with ";" is a
//   comment. A key line without "=" has no value: reads give the default.
// - Lines end in CR LF or LF; a leading UTF-8 byte-order mark is skipped.
//   Whatever the file holds, reading never fails: unreadable or oversized
//   files read as empty.
//
// Writing:
// - Every write reads the file, changes the one line and writes the file
//   back at once (through a temporary file), so two Profile objects on the
//   same file always see each other's writes and nothing needs flushing.
//   Comments, blank lines, other keys and sections are kept; the file is
//   written with CR LF line ends.
// - A changed key keeps its line and spelling; a new key goes after the last
//   entry of its section; a new section goes at the end of the file.
// - A line break inside a value is written as a blank (it would otherwise
//   end the line and make a new key of the rest). Names that cannot be
//   written (empty, or holding "=", "]", a line break, or starting with "["
//   or ";") are refused.
//
// The path is made absolute when the object is made, so a later change of
// the current directory does not move the file. When the file does not exist
// under its exact name, a file of the same name in another case is used.
// Contents are bytes (Windows-1252); nothing is converted.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorkel {

class Profile {
 public:
  static constexpr std::size_t Unlimited = static_cast<std::size_t>(-1);

  Profile(std::string_view path, std::string_view section);

  const std::string& path() const { return path_; }
  const std::string& section() const { return section_; }

  // The same file with another section.
  Profile withSection(std::string_view section) const;

  // The value of the key, or the default when the key (or its value) is
  // missing; at most maxChars characters of either are returned, as a read
  // into a fixed buffer would keep.
  std::string getString(std::string_view key, std::string_view defaultValue = {},
                        std::size_t maxChars = Unlimited) const;

  // The leading decimal integer of the value (optional sign, surrounding
  // blanks); 0 when the value does not start with a number; the default when
  // the key is missing or empty. Clamped to the range of int.
  int getInt(std::string_view key, int defaultValue) const;

  bool hasKey(std::string_view key) const;

  // False when the file cannot be written or the key is not writable.
  bool writeString(std::string_view key, std::string_view value);
  bool writeInt(std::string_view key, int value);

  // True also when there was nothing to remove.
  bool removeKey(std::string_view key);
  bool removeSection();

  // Key names of this section in file order (first occurrences only).
  std::vector<std::string> keys() const;
  // Section names of the file in order (first occurrences only).
  std::vector<std::string> sections() const;

 private:
  std::string path_;
  std::string section_;
};

}  // namespace vorkel
