#include "dictionary/Language.h"

#include <initializer_list>
#include <string_view>

#include "dictionary/Texts.h"
#include "platform/Ui.h"

namespace vorkel {

namespace {

// The tables are written as byte strings (Windows-1252 escapes, since the
// source itself is UTF-8) with the code or character they map to, and built
// once at compile time.

constexpr unsigned char letterByte(int code) { return static_cast<unsigned char>(0x40 | code); }

constexpr void put(ByteTable& t, std::string_view bytes, unsigned char value) {
  for (char c : bytes) t[static_cast<unsigned char>(c)] = value;
}

constexpr void putRange(ByteTable& t, int first, int last, int shift) {
  for (int b = first; b <= last; ++b) t[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b + shift);
}

constexpr NameTable makeNames(std::string_view all) {
  NameTable n{};
  for (std::size_t i = 0; i < n.size() && i < all.size(); ++i) n[i] = static_cast<unsigned char>(all[i]);
  return n;
}

// "@" then A-Z, then the five characters for codes 27..31.
constexpr NameTable makeLatinNames(std::string_view tail) {
  NameTable n{};
  for (int k = 0; k < 27; ++k) n[static_cast<std::size_t>(k)] = static_cast<unsigned char>(0x40 + k);
  for (std::size_t i = 0; i < 5 && i < tail.size(); ++i) n[27 + i] = static_cast<unsigned char>(tail[i]);
  return n;
}

// Every input table reads A-Z and a-z as codes 1..26.
constexpr ByteTable latinInput() {
  ByteTable t{};
  putRange(t, 'A', 'Z', 0);
  putRange(t, 'a', 'z', -0x20);
  return t;
}

// Accented E, U and Y that fold onto the plain letter in most languages.
constexpr std::string_view kAccentedE = "\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB";      // ÈÉÊËèéêë
constexpr std::string_view kAccentedU = "\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC";      // ÙÚÛÜùúûü
constexpr std::string_view kAccentedY = "\xA9\xDD\xFD";                          // ©Ýý
constexpr std::string_view kNordicO =
    "\\|\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8";                        // \|ÒÓÔÕÖØòóôõöø

constexpr ByteTable makeDanishInput() {
  ByteTable t = latinInput();
  put(t, kAccentedE, letterByte(5));
  put(t, kAccentedU, letterByte(21));
  put(t, kAccentedY, letterByte(25));
  put(t, "[{\xC6\xE6", letterByte(27));  // [{Ææ
  put(t, kNordicO, letterByte(28));
  put(t, "]}\xA6\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5", letterByte(29));  // ]}¦ÀÁÂÃÄÅàáâãäå
  return t;
}

constexpr ByteTable makeSwedishInput() {
  ByteTable t = latinInput();
  put(t, kAccentedE, letterByte(5));
  put(t, kAccentedU, letterByte(21));
  put(t, kAccentedY, letterByte(25));
  put(t, "[{\xC4\xC6\xE4\xE6", letterByte(27));  // [{ÄÆäæ
  put(t, kNordicO, letterByte(28));
  put(t, "]}\xA6\xC0\xC1\xC5\xE0\xE1\xE2\xE3\xE5", letterByte(29));  // ]}¦ÀÁÅàáâãå
  return t;
}

constexpr ByteTable makeGermanInput() {
  ByteTable t = latinInput();
  put(t, kAccentedE, letterByte(5));
  put(t, "\xD9\xDA\xDB\xF9\xFA\xFB", letterByte(21));  // ÙÚÛùúû
  put(t, kAccentedY, letterByte(25));
  put(t, "\xC4\xE4", letterByte(27));      // Ää
  put(t, "\xD6\xF6", letterByte(28));      // Öö
  put(t, "\xA6\xDC\xFC", letterByte(29));  // ¦Üü
  put(t, "\xDF", letterByte(30));          // ß
  return t;
}

constexpr ByteTable makeSpanishInput() {
  ByteTable t = latinInput();
  put(t, "\xC0\xC1\xC2\xC3\xC4\xE0\xE1\xE2\xE3\xE4", letterByte(1));   // ÀÁÂÃÄàáâãä
  put(t, kAccentedE, letterByte(5));
  put(t, "\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", letterByte(9));           // ÌÍÎÏìíîï
  put(t, "\xD3\xD4\xD5\xD6\xF3\xF4\xF5\xF6", letterByte(15));          // ÓÔÕÖóôõö
  put(t, kAccentedU, letterByte(21));
  put(t, "\x9F\xA9\xDD\xDF\xFD\xFF", letterByte(25));                  // Ÿ©Ýßýÿ
  put(t, "[{\xD1\xF1", letterByte(27));                                // [{Ññ
  put(t, "\xA6", letterByte(29));                                      // ¦
  return t;
}

constexpr ByteTable makeEnglishInput() {
  ByteTable t = latinInput();
  put(t, kAccentedE, letterByte(5));
  put(t, kAccentedU, letterByte(21));
  put(t, kAccentedY, letterByte(25));
  put(t, "\xA6", letterByte(29));
  return t;
}

// Icelandic gives the codes of C, Q, W and Z to Ð, Þ, É and Ó, so those plain
// letters read as the Icelandic ones; the 7-bit stand-ins and a few bytes of
// older code pages fill the remaining codes.
constexpr ByteTable makeIcelandicInput() {
  ByteTable t = latinInput();
  put(t, "@`\xA0\xC1\xE1", letterByte(0));          // @` NBSP Áá
  put(t, "\x8C\xD0\xF0", letterByte(3));            // ŒÐð
  put(t, "\x95\xDE\xFE", letterByte(17));           // •Þþ
  put(t, "\x82\xC9\xE9", letterByte(23));           // ‚Éé
  put(t, "\xA9", letterByte(25));                   // ©
  put(t, "\xA2\xD3\xF3", letterByte(26));           // ¢Óó
  put(t, "[{\x91\xC6\xE6", letterByte(27));         // [{‘Ææ
  put(t, "\\|\x94\xD6\xF6", letterByte(28));        // \|”Öö
  put(t, "]}\xA3\xA6\xDA\xFA", letterByte(29));     // ]}£¦Úú
  put(t, "^~\x98\xDD\xFD", letterByte(30));         // ^~˜Ýý
  put(t, "_\x7F\xA1\xCD\xED", letterByte(31));      // _ DEL ¡Íí
  return t;
}

constexpr ByteTable makeNordicTyping() {
  ByteTable t{};
  putRange(t, 'A', 'Z', 0);
  putRange(t, 0xC0, 0xDD, 0);
  putRange(t, 'a', 'z', -0x20);
  putRange(t, 0xE0, 0xFD, -0x20);  // so ÷ gives ×, as it always did
  put(t, "[{\x92", 0xC6);          // Æ
  put(t, "\\|\x9D", 0xD8);         // Ø
  put(t, "]}\x8F", 0xC5);          // Å
  return t;
}

constexpr ByteTable makeIcelandicTyping() {
  ByteTable t{};
  putRange(t, 'A', 'Z', 0);
  putRange(t, 'a', 'z', -0x20);
  for (char c : std::string_view("CWcw")) t[static_cast<unsigned char>(c)] = 0;
  put(t, "@", '@');
  put(t, "\x7F", 0x7F);
  putRange(t, 0xC0, 0xDE, 0);
  putRange(t, 0xE0, 0xFE, -0x20);
  put(t, "\xE7", 0xDE);            // ç -> Þ
  put(t, "\xEC", 0xDD);            // ì -> Ý
  put(t, "`", '@');
  put(t, "_", 0x7F);
  put(t, "[{\x91", 0xC6);          // Æ
  put(t, "\\|\x94", 0xD6);         // Ö
  put(t, "]}\xA3", 0xDA);          // Ú
  put(t, "^~\x98", 0xDD);          // Ý
  put(t, "\x82", 0xC9);            // É
  put(t, "\x8C", 0xD0);            // Ð
  put(t, "\xA0", 0xC1);            // Á
  put(t, "\xA1", 0xCD);            // Í
  put(t, "\xA2", 0xD3);            // Ó
  return t;
}

constexpr ByteTable makeEnglishTyping() {
  ByteTable t{};
  putRange(t, 'A', 'Z', 0);
  putRange(t, 'a', 'z', -0x20);
  return t;
}

constexpr ByteTable makeGermanTyping() {
  ByteTable t = makeEnglishTyping();
  put(t, "\xC4\xE4", 0xC4);  // Ä ä
  put(t, "\xD6\xF6", 0xD6);  // Ö ö
  put(t, "\xDC\xFC", 0xDC);  // Ü ü
  put(t, "\xDF", 0xDF);      // ß
  return t;
}

constexpr ByteTable makeSpanishTyping() {
  ByteTable t = makeEnglishTyping();
  put(t, "[{\xD1\xF1", 0xD1);                                   // Ñ
  put(t, "\xC0\xC1\xC2\xC3\xC4\xE0\xE1\xE2\xE3\xE4", 'A');
  put(t, kAccentedE, 'E');
  put(t, "\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", 'I');
  put(t, "\xD3\xD4\xD5\xD6\xF3\xF4\xF5\xF6", 'O');
  put(t, kAccentedU, 'U');
  put(t, "\x9F\xA9\xDD\xDF\xFD\xFF", 'Y');
  return t;
}

constexpr NameTable kDanishNames = makeLatinNames("\xC6\xD8\xC5^\xA8");    // ÆØÅ^¨
constexpr NameTable kSwedishNames = makeLatinNames("\xC4\xD6\xC5^\xA8");   // ÄÖÅ^¨
constexpr NameTable kGermanNames = makeLatinNames("\xC4\xD6\xDC\xDF\xA8"); // ÄÖÜß¨
constexpr NameTable kSpanishNames = makeLatinNames("\xD1\\]^\xA8");        // Ñ\]^¨
constexpr NameTable kEnglishNames = makeLatinNames("[\\]^\xA8");           // [\]^¨
// ÁABÐDEFGHIJKLMNOPÞRSTUVÉXYÓÆÖÚÝÍ (separate literals: a hex escape would
// otherwise swallow the letters after it)
constexpr NameTable kIcelandicNames = makeNames(
    "\xC1" "AB" "\xD0" "DEFGHIJKLMNOP" "\xDE" "RSTUV" "\xC9" "XY" "\xD3" "\xC6\xD6\xDA\xDD\xCD");

constexpr ByteTable kDanishInput = makeDanishInput();
constexpr ByteTable kSwedishInput = makeSwedishInput();
constexpr ByteTable kGermanInput = makeGermanInput();
constexpr ByteTable kSpanishInput = makeSpanishInput();
constexpr ByteTable kEnglishInput = makeEnglishInput();
constexpr ByteTable kIcelandicInput = makeIcelandicInput();

constexpr ByteTable kNordicTyping = makeNordicTyping();
constexpr ByteTable kIcelandicTyping = makeIcelandicTyping();
constexpr ByteTable kEnglishTyping = makeEnglishTyping();
constexpr ByteTable kGermanTyping = makeGermanTyping();
constexpr ByteTable kSpanishTyping = makeSpanishTyping();

static_assert(kIcelandicNames[31] == 0xCD && kIcelandicNames[26] == 0xD3);

constexpr std::uint32_t lettersOf(std::initializer_list<int> codes) {
  std::uint32_t set = 0;
  for (int code : codes) set |= std::uint32_t{1} << code;
  return set;
}
constexpr std::uint32_t kNordicOneLetterWords = lettersOf({9, 28, 29});          // I Ø/Ö Å
constexpr std::uint32_t kEnglishOneLetterWords = lettersOf({1, 9});              // A I
constexpr std::uint32_t kSpanishOneLetterWords = lettersOf({1, 5, 15, 21, 25});  // A E O U Y
constexpr std::uint32_t kIcelandicOneLetterWords = lettersOf({0, 31});           // Á Í

}  // namespace

namespace letters {
const NameTable& danishNames() { return kDanishNames; }
const NameTable& swedishNames() { return kSwedishNames; }
const NameTable& germanNames() { return kGermanNames; }
const NameTable& spanishNames() { return kSpanishNames; }
const NameTable& englishNames() { return kEnglishNames; }
const NameTable& icelandicNames() { return kIcelandicNames; }
const ByteTable& danishInput() { return kDanishInput; }
const ByteTable& swedishInput() { return kSwedishInput; }
const ByteTable& germanInput() { return kGermanInput; }
const ByteTable& spanishInput() { return kSpanishInput; }
const ByteTable& englishInput() { return kEnglishInput; }
const ByteTable& icelandicInput() { return kIcelandicInput; }
const ByteTable& nordicTyping() { return kNordicTyping; }
const ByteTable& icelandicTyping() { return kIcelandicTyping; }
const ByteTable& englishTyping() { return kEnglishTyping; }
const ByteTable& germanTyping() { return kGermanTyping; }
const ByteTable& spanishTyping() { return kSpanishTyping; }
}  // namespace letters

Language::Language()
    : names_(&kDanishNames),
      input_(&kDanishInput),
      typing_(&kNordicTyping),
      oneLetterWords_(kNordicOneLetterWords) {}

LanguageId Language::select(LanguageId id, Ui& ui) {
  auto take = [this](const NameTable& n, const ByteTable& in, const ByteTable& typingTable,
                     std::uint32_t oneLetterWords) {
    names_ = &n;
    input_ = &in;
    typing_ = &typingTable;
    oneLetterWords_ = oneLetterWords;
  };
  LanguageId stored = id;
  switch (id) {
    case LanguageId::Danish:
    case LanguageId::Norwegian:
      take(kDanishNames, kDanishInput, kNordicTyping, kNordicOneLetterWords);
      break;
    case LanguageId::Swedish:
      take(kSwedishNames, kSwedishInput, kNordicTyping, kNordicOneLetterWords);
      break;
    case LanguageId::German:
      take(kGermanNames, kGermanInput, kGermanTyping, 0);
      break;
    case LanguageId::Icelandic:
      take(kIcelandicNames, kIcelandicInput, kIcelandicTyping, kIcelandicOneLetterWords);
      break;
    case LanguageId::Spanish:
      take(kSpanishNames, kSpanishInput, kSpanishTyping, kSpanishOneLetterWords);
      break;
    case LanguageId::French:  // no tables yet: keep what is in force
    case LanguageId::Dutch:
      ui.messageBox(texts::notYet, texts::notYet);
      break;
    case LanguageId::Italian:
    case LanguageId::English:
      take(kEnglishNames, kEnglishInput, kEnglishTyping, kEnglishOneLetterWords);
      stored = LanguageId::English;
      break;
  }
  id_ = stored;
  return stored;
}

LanguageId Language::selectStored(int number, Ui& ui) {
  return select(languageFromNumber(number).value_or(LanguageId::English), ui);
}

}  // namespace vorkel
