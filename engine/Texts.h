#pragma once
// The Danish texts of this subsystem, in one place, as the user sees them
// (UTF-8). Formats use printf conversions.

namespace vorkel::texts {

// === section markers: each concept adds its texts under its own heading ===

// --- Path (.vej files) ---
inline constexpr const char* pathLoadMenu = "&Hent Vejliste";
inline constexpr const char* pathSaveMenu = "&Gem vejlisten";
inline constexpr const char* pathLoadHelp =
    "Hent en vej fra disk (Skal passe eller passes sammen med kryds-modellen)";
inline constexpr const char* pathSaveHelp = "Gem vejen på disk";
inline constexpr const char* pathFileFilter = "Vejstop liste (*.vej)|*.vej|";

// --- Search parameters (.par files and the "Fuzzy" dialog) ---
inline constexpr const char* fuzzyMenu = "&Fuzzy";
inline constexpr const char* parametersEditMenu = "&Ændre Parametre";
inline constexpr const char* parametersLoadMenu = "&Hent Parametre";
inline constexpr const char* parametersSaveMenu = "&Gem Parametre";
inline constexpr const char* parameterFileFilter = "Parametre (*.par)|*.par|";
inline constexpr const char* parameterDialogTitle = "Opsæt Fuzzy-variabler";
inline constexpr const char* parameterGroupWords = "Udvælgelse af ord:";
inline constexpr const char* parameterGroupReturns = "Return tider i rekursion:";
inline constexpr const char* parameterOutOfRange = "Værdien for %s skal være mellem %d og %d";
inline constexpr const char* parameterOutOfRangeCaption = "Indtastet forkert værdi";
inline constexpr const char* fileOpenFailed = "Mislykket forsøg på at\nåbne fil";
inline constexpr const char* unknownVersion = "Ukendt versionsnummer";
inline constexpr const char* parameterFileIncomplete = "Parameterfilen er ufuldstændig";
// Per parameter, in file order: the dialog's label and the name in the range message.
inline constexpr const char* parameterLabels[7] = {
    "Accepter %", "Søg max.", "Led ialt:", "Lille return antal bagud:",
    "Tid (sek.) mellem disse:", "Antal før stor return:", "Stor return antal bagud:"};
inline constexpr const char* parameterNames[7] = {
    "Procent som bruges", "Antal som gemmes", "Antal som gennemsøges", "Lille retur-hop",
    "Tid mellem lille Retur", "Antal rc-lille før stor", "Stor retur-hop"};

// --- The path editor ("&Ret vej") ---
inline constexpr const char* editorNoPath = "Ingen Vej-liste";
inline constexpr const char* editorNoPathCaption = "Intet at se";
inline constexpr const char* editorStatus =
    "Afbryd: Esc - Indsæt nyt: Tast Ins og marker ordet med mus - slet med Del - "
    "Næste/Forrige: pile-tasterne";
inline constexpr const char* editorStopDown = "Vejstop nr. %d position: (%d,%d - Ned)";
inline constexpr const char* editorStopAcross = "Vejstop nr. %d position: (%d,%d - Hen)";
inline constexpr const char* editorOnClue = "Rammer et ledeord";
inline constexpr const char* editorOnClueCaption = "Retter i vej-listen";
inline constexpr const char* editorStripe = "For mange stjerner\nKan ikke finde vej";
inline constexpr const char* editorStripeCaption = "Sjerne-stribe";
inline constexpr const char* editorNegative = "Forkert vejstop-enhed\nslet den hellere";
// A filled grid with a blank letter cell (a path that ends before every
// cell): never saved.
inline constexpr const char* unfilledCells =
    "Krydsordet har felter uden bogstav og gemmes ikke.\nRet vejlisten, så den når alle felter.";
inline constexpr const char* editorNegativeCaption = "Vejstop negativ";

// --- Fill engine (the search, its periodic check and progress display) ---
inline constexpr const char* fillOutsideGrid =
    "Fravej2 kaldt forkert i top\nEr du sikker på at der er en vej til rådighed ?";
inline constexpr const char* fillOutsideGridCaption = "Generering";
inline constexpr const char* fillStopOnClue = "Prøver at finde et ord i et ledeordsfelt\nFejl i vejen";
inline constexpr const char* fillStopOnClueCaption = "(%d,%d)";
inline constexpr const char* fillNoSlot = "Kan ikke finde ord via skafordet\nFejl i vejen";
inline constexpr const char* fillNoSlotCaption = "Afbryder";
inline constexpr const char* fillStatusLine = "vej nr: %d (%d,%d) ret %d";
inline constexpr const char* fillCountersLine = "VORKEL: gemt: %d  forsøg %d  Esc-tast stopper       ";

// --- Working grid (simpelarr) ---
inline constexpr const char* gridPutOutside = "Fejlkald i simpelarr::put";
inline constexpr const char* gridPutOutsideCaption = "ERROR";
inline constexpr const char* gridSlotMismatch = "Vej og model passer ikke sammen";
inline constexpr const char* gridSlotMismatchCaption = "Ret vejen";
inline constexpr const char* gridSlotTooLongCaption = "For langt ord indsættes i kryds";

// --- Automatic path and path optimisation ---
inline constexpr const char* newPathMenu = "&Ny Vej";
inline constexpr const char* newPathHelp = "Skab en ny (begyndelse på) en vej";
inline constexpr const char* optimisePathMenu = "&Optimer/Kontroller";
inline constexpr const char* optimisePathHelp = "Automatisk kontrol og optimering af vejen";
inline constexpr const char* autoPathMenu = "&Autovej";
inline constexpr const char* autoPathHelp =
    "Automatisk vejlægning - Kun brugbar i letkonstruerbare krydser";
inline constexpr const char* optimiseNoPath = "Ingen Vejstop-liste\nIngen optimering";
inline constexpr const char* optimiseNoPathCaption = "Vejstop Optimering";
inline constexpr const char* optimiseDone =
    "Det er nu sikret at du ikke besøger samme ord flere gange og alle felter bliver besøgt";
inline constexpr const char* optimiseDoneCaption = "Vejen Optimeret/korrigeret";

}  // namespace vorkel::texts
