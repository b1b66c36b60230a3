#pragma once
// The Danish texts of this subsystem, in one place, as the user sees them
// (UTF-8). Formats use printf conversions.

namespace vorkel::texts {

// === section markers: each concept adds its texts under its own heading ===

// --- Crossword document file (.ktd) ---
inline constexpr const char* kDocumentFilter = "Kryds Filer (*.ktd)|*.ktd|Alle Filer (*.*)|*.*|";
inline constexpr const char* kDocumentExtension = "KTD";
inline constexpr const char* kError = "Fejl";                      // caption; text: the path
inline constexpr const char* kCannotOpen = "Kan ikke åbne %s";      // caption kError
inline constexpr const char* kStrangeInput = "Meget\nunderligt\ninput\nAfbryder";
inline constexpr const char* kWarning = "Advarsel";
inline constexpr const char* kUnknownWord = ">>%s<< strlen %d";
inline constexpr const char* kUnknownWordCaption = "Ukendt streng i Kpoint";
// A model whose rows or columns hold more letter cells in a row than the fill
// can place.
inline constexpr const char* kRunTooLong =
    "Modellen har %d bogstavfelter i træk %s fra kolonne %d, række %d.\n"
    "Der kan højst være %d.";
inline constexpr const char* kAcross = "vandret";
inline constexpr const char* kDown = "lodret";
inline constexpr const char* kRunTooLongCaption = "Model kan ikke fyldes";

}  // namespace vorkel::texts
