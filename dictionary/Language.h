#pragma once
// Languages and their letter tables.
//
// A language is three tables: the name table (32 upper-case Windows-1252
// characters, entry k shown for letter code k), the input table (256 entries:
// 0 = not a letter, else the dictionary letter byte 0x40..0x5F whose low five
// bits are the code) and the typing table (256 entries: 0 = not a letter,
// else the upper-case character typed into the grid). Switching the language
// swaps the tables; the words in memory keep their codes.
//
// `Language` is the current-language state of one application context.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/LanguageId.h"

namespace vorkel {

class Ui;

using NameTable = std::array<unsigned char, 32>;
using ByteTable = std::array<unsigned char, 256>;

// The stock tables. Norwegian uses the Danish tables; Danish, Norwegian and
// Swedish share the Nordic typing table.
namespace letters {
const NameTable& danishNames();
const NameTable& swedishNames();
const NameTable& germanNames();
const NameTable& spanishNames();
const NameTable& englishNames();
const NameTable& icelandicNames();
const ByteTable& danishInput();
const ByteTable& swedishInput();
const ByteTable& germanInput();
const ByteTable& spanishInput();
const ByteTable& englishInput();
const ByteTable& icelandicInput();
const ByteTable& nordicTyping();
const ByteTable& icelandicTyping();
const ByteTable& englishTyping();
const ByteTable& germanTyping();
const ByteTable& spanishTyping();
}  // namespace letters

class Language {
 public:
  // Start-up state: Danish name and input tables, the Nordic typing table.
  Language();

  // Switches the tables for a language and returns the language to store
  // (see the "Skift sprog" table): Italian takes the English tables and
  // stores English; French and Dutch show "Ikke endnu" through `ui`, keep
  // the tables and store their own language.
  LanguageId select(LanguageId id, Ui& ui);
  // The same for a number read from a template or a settings file: a number
  // no language has takes the English tables and stores English.
  LanguageId selectStored(int number, Ui& ui);

  LanguageId id() const { return id_; }

  // Letter code 0..31 -> upper-case Windows-1252 character.
  unsigned char nameOf(int code) const { return (*names_)[code & 0x1F]; }
  // Windows-1252 byte -> dictionary letter byte (0x40..0x5F) or 0.
  unsigned char input(unsigned char byte) const { return (*input_)[byte]; }
  // Windows-1252 byte -> upper-case typed character or 0.
  unsigned char typing(unsigned char byte) const { return (*typing_)[byte]; }

  // The letters that are words by themselves (bit k for code k), which an
  // anagram may end with: I, Ø and Å in Danish and Norwegian, I, Ö and Å in
  // Swedish, A and I in English, A, E, O, U and Y in Spanish, Á and Í in
  // Icelandic, none in German.
  std::uint32_t oneLetterWords() const { return oneLetterWords_; }

  const NameTable& names() const { return *names_; }
  const ByteTable& inputTable() const { return *input_; }
  const ByteTable& typingTable() const { return *typing_; }

 private:
  const NameTable* names_;
  const ByteTable* input_;
  const ByteTable* typing_;
  std::uint32_t oneLetterWords_;
  LanguageId id_ = LanguageId::Danish;
};

}  // namespace vorkel
