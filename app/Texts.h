#pragma once
// The Danish texts of the application shell, in one place, as the user sees
// them (UTF-8). Formats use printf conversions.

#include <string_view>

namespace vorkel::texts {

// === section markers: each concept adds its texts under its own heading ===

// --- Registry values under q4.Application ---
inline constexpr const char* registryOpenFailed = "Error to open registry code %d";
inline constexpr const char* registryOpenFailedCaption = "DisplayKeyData()";
inline constexpr const char* registryQueryFailed = "Error in load og regiustry code %d in line %d";
inline constexpr const char* registryEnumFailed = "Error from EnumVal code %d data %s in line %d";
inline constexpr const char* registryWrongType = "defualt-type %d";
inline constexpr const char* registryWrongTypeCaption = "default fra givkey";

// --- Generation template (.skb) ---
inline constexpr const char* templateFilter = "Skabeloner (*.skb)|*.skb|Alle Filer (*.*)|*.*|";
inline constexpr const char* templateExtension = "skb";
inline constexpr const char* installationError =
    "Der er en fejl i installationen\nReinstaller Plindra på Cd-rom fra original-CDen og prøv igen";
inline constexpr const char* installationErrorCaption = "Error";
inline constexpr const char* installationErrorFolderCaption = "Fejl";
inline constexpr const char* insertCd = "Indsæt PLINDRA PÅ CD-ROM i cd-drevet";
inline constexpr const char* insertCdCaption = "Savner oplysninger";
inline constexpr const char* notInFolder = "Kan ikke finde filen i dette bibliotek";
inline constexpr const char* loadingDictionary = "Indlæser ordbog   - Vent venligst";
inline constexpr const char* captionOpening = "Vorkel - åbner %s";
inline constexpr const char* captionTemplate = "Vorkel - %s";
// A template that could not be written (the path in the text).
inline constexpr const char* templateSaveFailed = "Kan ikke gemme skabelonen\n%s";
inline constexpr const char* templateSaveFailedCaption = "Fejl";

// --- File dialogs of the application ---
inline constexpr const char* dictionaryFilter =
    "Ordbøger (*.dic)|*.dic|Ordliste (*.txt)|*.txt|Alle (*.*)|*.*|";
inline constexpr const char* dictionaryExtension = "dic";

// --- Batch run and raw crosswords ---
inline constexpr const char* noPathForRun =
    "Du må hente eller skabe\nen passende vej gennem\nkrydsen før du kan auto-\ngenererer";
inline constexpr const char* noPathForRunCaption = "Om igen";
inline constexpr const char* noProcessHandle = "ProcessID var null";
inline constexpr const char* noProcessHandleCaption = "Første øv for prioritet";
inline constexpr const char* priorityFailed = "SetPriorityCLASS virkede ikke";
inline constexpr const char* priorityFailedCaption = "ØV";
inline constexpr const char* runStatus = "Vorkel kryds - afbryd med esc-tasten - 1-9 tasterne river ned";
inline constexpr const char* runInterrupted = "Genereringen af krydser afbrudt\nVil du fortsætte";
inline constexpr const char* runInterruptedCaption = "Vil du lave flere?";
inline constexpr const char* invalidFileName = "Ugyldigt filnavn";
inline constexpr const char* crowdedOutput =
    "Du har lagt over 600 råkrydser i dit output-dir\nskift directory eller slet nogle af dem";
inline constexpr const char* crowdedOutputCaption = "Advarsel";
inline constexpr const char* cannotBuildCaption = "Kan ikke bygge";
inline constexpr const char* missingDictionary = "Mangler en ordliste";
inline constexpr const char* missingPath = "Mangler en vej-liste der passer til krydsen";
// The fast fill found that no crossword can be made of the model (and its
// letters) with the dictionary's words at the template's floor.
inline constexpr const char* noFastFill = "Krydsen kan ikke fyldes med ordbogens ord";
// A score file beside the template's dictionary that cannot be used (the
// reason follows on the next line): the store takes every word.
inline constexpr const char* scoresUnusable =
    "Ordenes point kan ikke bruges, så alle ordbogens ord tages med:";
inline constexpr const char* scoresUnusableCaption = "Fejl";

// --- Simple mode ---
inline constexpr const char* wizardTitle = "Lav dine første krydsord ";
inline constexpr const char* wizardCountLabel = "Hvor mange rå-kryds vil du lave ?";
// A wizard picture whose model cannot be read; %1 is the missing file's name.
inline constexpr const char* wizardModelMissing = "Modellen mangler:\n%1";
inline constexpr std::string_view runReadyIn = "Rå-krydserne ligger klar i\n";  // + the folder
inline constexpr const char* runReadyCaption = "Krydser klar";
inline constexpr const char* cleanUpTitle = "Oprydnings - Wizard";
inline constexpr const char* cleanUpIntro = "Denne guide hjælper dig med at holde ryddet op på harddisken";
inline constexpr const char* cleanUpFolderLabel = "Det aktuelle kryds-dir. er:";
inline constexpr const char* cleanUpTotal = "I alt %d krydser";
inline constexpr const char* cleanUpModelButton = "Slet\n%d\nModel ";
inline constexpr const char* cleanUpBrowse = "Gennemse\nog slet selv";
inline constexpr const char* cleanUpSwitch = "Skift dir.";
inline constexpr const char* cleanUpSwitchCaption = "Vælg mappen til råkrydsene";
inline constexpr const char* cleanUpConfirm = "Du er i færd med at slette %d filer\nfra %s";
inline constexpr const char* cleanUpConfirmCaption = "Bekræft sletning af råkryds";
inline constexpr const char* cleanUpFilter = "Råkryds (*.0?\?)|*.0??|All Files (*.*)|*.*|";

// --- Forced words ("Generer  &Tvang") ---
inline constexpr const char* forcedDialogTitle = "Lav krydsord med bestemte ord";
inline constexpr const char* forcedWordsLabel = "Følgende ord skal være med i krydsen:";
inline constexpr const char* forcedOrLabel = "ELLER:";
inline constexpr const char* forcedAtLeastLabel = "Brug mindst";
inline constexpr const char* forcedFromFileLabel = "ord fra filen:";
inline constexpr const char* forcedBrowseButton = "Browse";
// OK with "ELLER:" ticked and no word file named: which words would be used
// is not clear, so the dialog comes back.
inline constexpr const char* forcedNoWordFile =
    "Der er ikke valgt nogen ordfil.\n\nVælg en fil med \"Browse\", eller fjern krydset ved "
    "\"ELLER:\" for at bruge ordene ovenfor.";
inline constexpr const char* forcedFileName = "tvang.txt";
inline constexpr const char* forcedWriteFailed =
    "Kunne ikke finde/åbne filen Tvang.txt\nDin opsætning er IKKE ændret";
inline constexpr const char* forcedWriteFailedCaption = "FEJL";
// A word list that cannot be read (the file name is the caption).
inline constexpr const char* wordListUnreadable = "Kunne ikke finde/åbne filen";
// No word of the word file fits a slot of the model (the file name is the caption).
inline constexpr const char* wordListNoneFits = "Ingen af ordene i filen passer ind i krydsen";

// --- Window messages ---
inline constexpr const char* recentFileMessage = "MRUFILEMESSAGE";
inline constexpr const char* presenceMessage = "OrvaAndPimMsg";
inline constexpr const char* drawerMessage = "FraVorkelMsg";
inline constexpr const char* drawerMessageHere = "Denne funktion burde være umulig at kalde";
inline constexpr const char* drawerMessageHereCaption = "Hovsa";

// --- Help ---
inline constexpr const char* noHelp = "Denne hjælpefunktion er endnu ikke implementeret";
inline constexpr const char* noHelpCaption = "Endnu ikke implementeret";

// --- The grid outside the template ---
inline constexpr const char* openModelQuestion =
    "Ønsker du at indlæse en kryds udenom skabelonen og selv hente eller lave en "
    "vej-rækkefølge ?";
inline constexpr const char* openModelCaption = "Kryds og vej passer ikke";

// --- Work not saved ---
// %s names what changed: "krydset", "krydset og vejen", ...
inline constexpr const char* unsavedQuestion =
    "Der er ændringer i %s, som ikke er gemt.\nVil du gemme dem?";
inline constexpr const char* unsavedCaption = "Vorkel";
inline constexpr const char* unsavedGrid = "krydset";
inline constexpr const char* unsavedPath = "vejen";
inline constexpr const char* unsavedTemplate = "skabelonen";

// --- Output folder ---
inline constexpr const char* outputFolderCaption = "Hvorhen du?";
inline constexpr const char* outputFolderPrompt =
    "Angiv hvor (drev og sti) de færdige krydsord skal gemmes";
// A folder longer than a template can hold: refused, never cut.
inline constexpr const char* outputFolderTooLong =
    "Mappens navn er for langt: højst 127 tegn.\nGemmestedet er ikke ændret.";

// --- Grid view ---
inline constexpr const char* resizeTitle = " Angiv størrelse ";
inline constexpr const char* resizePrompt = "  Angiv Bredde og Højde på Kryds:";
inline constexpr const char* resizeWidth = "Bredde:";
inline constexpr const char* resizeHeight = "Højde:";
inline constexpr const char* resizeOk = " OK ";
inline constexpr const char* resizeCancel = "Fortryd";
inline constexpr const char* resizeWidthName = "Bredde";
inline constexpr const char* resizeHeightName = "Højde";
inline constexpr const char* zoomCaption = "Zoom";
inline constexpr const char* zoomPrompt = "Angiv Zoom-procent";
inline constexpr const char* zoomName = "Zoomværdi";

}  // namespace vorkel::texts
