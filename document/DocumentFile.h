#pragma once
// The crossword document file (.ktd), shared with the drawing program.
//
// A text file of Windows-1252 bytes with CR LF line ends, fixed to the
// character:
//
//   W<TAB>H                                        the size, no line end
//   <LE>BEGIN<TAB>r                                one block per row r = 0..H-1
//   <LE><TAB>BOGSTAV<TAB>"c"<TAB>Hoj<TAB>defvaegt<TAB>Vaegt<TAB>Op<TAB>extra<TAB>right<TAB>bottom
//   <LE><TAB>LEDEORD<TAB>"text"{<TAB>Hoj<TAB>defvaegt<TAB>Vaegt<TAB>Op}x10<TAB>right<TAB>bottom
//   <LE>END<TAB>r
//   <LE>KODEFELT<TAB>Hoj<TAB>defvaegt<TAB>Vaegt<TAB>Op<TAB>extra<TAB>nummer<TAB>x<TAB>y
//   IMAGES w {w w w}...                            groups go on while the 3rd word starts with "+"
//
// Numbers are printf "%#g" (45 -> 45.0000, 0.36 -> 0.360000), booleans 0/1.
// A clue's line breaks are CR LF in the file and LF in memory. A letter cell
// that never held a letter is written with the NUL byte between its quotes,
// which reads back as exactly that cell (a blank would read back as an empty
// letter cell that once held a blank: a different state).
//
// The reader also takes a plain-text grid: the header line, then one line of
// characters per row (see readDocument). It accepts LF and CR LF line ends and
// never fails on what the file holds; a truncated file leaves the cells it
// does not cover as they were.

#include <cstdint>
#include <string>
#include <string_view>

#include "document/CrosswordDocument.h"
#include "platform/Ui.h"

namespace vorkel {

class Language;

// The largest document read. The biggest one there can be (50 x 50 cells,
// each a clue of 1999 characters with its ten typography groups) takes
// about 6 MiB.
inline constexpr std::uint64_t kMaxDocumentBytes = 16u << 20;

// Replaces `doc` by the content of the file. False, with a message and the
// document unchanged, when the file cannot be read (missing, not a regular
// file, above kMaxDocumentBytes: the path in a "Fejl" box) or its size is outside 1..50 ("Meget underligt input" box). Unknown
// words where a cell is expected are reported and skipped. Letters of a
// plain-text grid are checked against `language`'s typing table.
bool readDocument(CrosswordDocument& doc, const std::string& path, const Language& language,
                  Ui& ui);

// As readDocument, from the file's bytes.
bool parseDocument(CrosswordDocument& doc, std::string_view bytes, const Language& language,
                   Ui& ui);

// The bytes of the file for `doc`.
std::string serializeDocument(const CrosswordDocument& doc);

// Writes `doc` to `path` (whole or not at all: platform/Files.h) and clears
// `untitled`. False, with "Kan ikke åbne <path>" in a "Fejl" box and the old
// file as it was, when the file cannot be written.
bool writeDocument(CrosswordDocument& doc, const std::string& path, Ui& ui);

// One number as the file writes it.
std::string formatNumber(double value);

// The data of the open and save dialogs for documents.
FileDialogData documentDialogData();

}  // namespace vorkel
