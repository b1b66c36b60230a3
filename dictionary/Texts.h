#pragma once
// The Danish texts of this subsystem, in one place, as the user sees them
// (UTF-8). Formats use printf conversions.

namespace vorkel::texts {

// === section markers: each concept adds its texts under its own heading ===

// --- Languages (the "Skift sprog" dialog) ---
inline constexpr const char* notYet = "Ikke endnu";
inline constexpr const char* languageMenu = "&Skift sprog";
inline constexpr const char* languageDialogTitle = "Skift Sprog  (Ændrer ordbogen i memory)";
inline constexpr const char* languageDanish = "Dansk";
inline constexpr const char* languageIcelandic = "Islandsk";
inline constexpr const char* languageEnglish = "Engelsk";
inline constexpr const char* languageSwedish = "Svensk";
inline constexpr const char* languageNorwegian = "Norsk";
inline constexpr const char* languageGerman = "Tysk";
inline constexpr const char* languageSpanish = "Spansk";
inline constexpr const char* languageFrench = "Fransk";
inline constexpr const char* languageDutch = "Hollandsk";
inline constexpr const char* languageItalian = "Italiensk";

// --- The word store (Trie-ordbog) and its word files ---
inline constexpr const char* foreignCharacter = "Sprog og tegnsæt passer ikke sammen";
inline constexpr const char* outOfMemory = "Ikke mere memory\nKan ikke læse flere ord";
inline constexpr const char* outOfMemoryCaption = "FATAL ERROR";
inline constexpr const char* deleteFailed = "Mislykket forsøg på at slette";
inline constexpr const char* saveOpenFailed = "Fejl i åbning af fil til save af ordbogen";
inline constexpr const char* saveWriteFailed = "Fejl i skrivning af fil til save af ordbogen";
inline constexpr const char* loadOpenFailed = "Fejl i åbning af fil til load af ordbogen";
inline constexpr const char* statisticsLength = "%02d: %05d (%05d/%04d)";
inline constexpr const char* statisticsAfterEven = "  |  ";
inline constexpr const char* statisticsAfterOdd = "\n";
inline constexpr const char* statisticsTotal = "IALT:  Ord : %d  Afsat plads til %d ";

}  // namespace vorkel::texts
