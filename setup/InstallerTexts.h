#pragma once
// The installer's texts, in one place, as the user sees them (UTF-8).
//
// They are the texts of the build's language, Danish (InstallerLanguage.h);
// the installer never chooses among languages at run time.

#include <string>
#include <string_view>

namespace vorkel::setup::texts {

inline constexpr const char* applicationTitle = "Setup.exe";
inline constexpr const char* bandTitle = "PLINDRA";

// --- buttons ---
struct ButtonTexts {
  const char* next;
  const char* cancel;
  const char* back;
  const char* finish;
  const char* resume;
  const char* exit;
};
inline constexpr ButtonTexts buttons = {"&Fortsæt >", "&Afbryd",   "< &Tilbage",
                                        "&Afslut",    "&Fortsæt", "&Afslut"};

// --- welcome ---
inline constexpr const char* welcomeCaption = "Installation af Plindra Programmer";
inline constexpr const char* welcomeText =
    "Velkommen. Dette program vil hjælpe dig med at installere Plindra Programmer på din "
    "computer.\n\nInden du fortsætter med denne installation, er det bedst, hvis du lukker alle "
    "andre Windows programmer.\n\nKlik med venstre museknap på Afbryd-knappen for at forlade "
    "dette installationsprogram. Klik på Fortsæt-knappen hvis du ønsker at fortsætte.";

// --- exit dialog ---
inline constexpr const char* exitCaption = "Afbryd installationen";
inline constexpr const char* exitText =
    "Installationen af Plindra programmerne er ikke færdig. Hvis du forlader installations "
    "programmet nu, vil du ikke kunne bruge Plindra programmerne.\n\nHvis du forlader "
    "installationen, kan du altid vende tilbage på et senere tidspunkt, for at færdiggøre "
    "installaionen af Plindra programmerne.\n\nKlik med venstre museknap på Fortsæt-knappen for "
    "at fortsætte installationen. Klik på Afslut-knappen for at forlade installations-programmet.";

// --- destination ---
inline constexpr const char* destinationCaption = "Udpeg plads på harddisk";
inline constexpr const char* destinationBrowse = "Gennemse...";
inline constexpr const char* destinationText =
    "Installations-programmet vil lægge Plindra programmerne ind på din computer, i det "
    "bibliotek der er angivet nedenfor.\n\nHvis du er tilnreds hermed, skal du bare klikke med "
    "venstre museknap på Fortsæt-knappen.\n\nHvis du ønsker at installere Plindra programmet i et "
    "andet bibliotek, skal du klikke på Browse-knappen for at angive et nyt bibliotek.";

// --- folder browser ---
inline constexpr const char* chooseDirCaption = "Vælg bibliotek";
inline constexpr const char* chooseDirOk = "&OK";
inline constexpr const char* chooseDirCancel = "&Annuller";
inline constexpr const char* chooseDirDrive = "Drev:";
inline constexpr const char* chooseDirFolder = "Bibliotek:";
inline constexpr const char* chooseDirSpace = "Plads til rådighed:";
inline constexpr const char* chooseDirPath = "Sti:";
inline constexpr const char* chooseDirName = "Plindra mappe:";
inline constexpr const char* chooseDirText =
    "Du skal nu angive hvor på din harddisk, du ønsker at Plindra programmerne skal installeres.";

// --- setup type ---
inline constexpr const char* setupTypeCaption = "Type af installation";
inline constexpr const char* setupTypeGroup = "Vælg installation";
inline constexpr const char* setupTypeItems[3] = {"Typisk", "Selvvalgt", "Kompakt"};
inline constexpr const char* setupTypeExplanations[3] = {
    "Her installerer du programmerne med standard opsætning. Dette anbefales for de fleste.",
    "Her kan du selv vælge hvordan programmerne installeres. Dette anbefales kun for rutinerede "
    "brugere.",
    "Her installerer du programmerne så der optages mindst mulig plads på harddisken."};
inline constexpr const char* spaceGroup = "Udpeg plads på harddisk";
inline constexpr const char* spaceNeededLabel = "Plads nødvendig:";
inline constexpr const char* spaceAvailableLabel = "Plads på harddisk ialt:";

// --- custom ---
inline constexpr const char* customCaption = "Vælg programmer";
inline constexpr const char* customText = "Vælg de programmer du ønsker at installere:";
inline constexpr const char* customPrograms[3] = {"Rundel", "Vorkel", "Penvik"};
inline constexpr const char* customCompact = "Kompakt installation:";
inline constexpr const char* customMainLanguage = "Programmets hovedsprog:";
inline constexpr const char* customHelpLanguage = "Sprog for hjælpefiler:";
inline constexpr const char* customDictionaryLanguage = "Primært sprog for ordbog:";

// --- program folder ---
inline constexpr const char* folderCaption = "Vælg Program Mappe";
inline constexpr const char* folderLabel = "Program Mappe:";
inline constexpr const char* folderListLabel = "Eksisterende Program Mapper:";
inline constexpr const char* folderDefault = "Plindra";
inline constexpr const char* folderText =
    "Installations-programmet vil oprette program ikoner i program mappen angivet nedenfor. Hvis "
    "du er tilfreds hermed så klik med venstre museknap på Fortsæt-knappen.\n\nEllers kan du "
    "indtaste et nyt navn på program mappen, eller du kan vælge en fra nedenstående liste over "
    "eksisterende program mapper.";

// --- summary ---
inline constexpr const char* summaryCaption = "Færdiggør Installation";
inline constexpr const char* summaryLabel = "Valgte indstillinger:";
inline constexpr const char* summaryText =
    "Installations-programmet er nu klar til at færdiggøre installationen. Hvis du ønsker at "
    "ændre de valgte indstillinger, så klik med venstre museknap på Tilbage-knappen. Hvis du "
    "tilfreds med de valgte indstillinger, skal du klikke med musen på Fortsæt-knappen.";
inline constexpr const char* summaryType = "Installations type:";
inline constexpr const char* summaryFolder = "Installeres i biblioteket:";
inline constexpr const char* summaryIcons = "Programikoner lægges i folderen:";

// --- copying ---
inline constexpr const char* copyingCaption = "Installations-processen er i gang";
inline constexpr const char* copyingText =
    "Vent venligst mens Plindra programmet er ved at blive installeret på din computer (det kan "
    "tage op til 15-20 minutter).";

// --- completion ---
inline constexpr const char* completeCaption = "Installationen er fuldendt";
inline constexpr const char* completeText =
    "Plindra programmet er nu installeret på din computer.\n\nDu kan starte Plindra programmerne "
    "ved at dobbelt-klikke med venstre museknap på en af nye ikoner, der nu er installeret."
    "\n\n\n\nKlik med musen på Afslut-knappen for at afslutte installations-programmet.";

// --- refusals of the setup-type and custom pages ---
inline constexpr const char* notEnoughSpace =
    "Der er ikke nok plads på det angivne drev, til at installere de valgte programmer.\n\nVælg "
    "derfor kompakt installation, eller angiv et drev med mere fri plads.";
// The destination page without a folder name of the installation's own.
inline constexpr const char* destinationNameMissing =
    "Angiv et navn på den mappe, programmerne skal installeres i.";
inline constexpr const char* noProgramChosen =
    "Du skal vælge mindst et program, som du vil installere inden du kan gå videre.";
// The caption of both refusals, with its trailing blank.
inline constexpr const char* refusalCaption = "Plindra ";

// --- copy run ---
std::string copyFailed(std::string_view source, std::string_view destination);
inline constexpr const char* copyFailedCaption = "Advarsel";
// A selected program whose file the medium lacks (caption "Advarsel").
std::string programMissing(std::string_view program, std::string_view source);
std::string overwriteQuestion(std::string_view subject);
inline constexpr const char* drawerSubject = "for tegneprogrammet";
inline constexpr const char* generatorSubjectSuffix = " for byggeprogrammet";

// --- language boxes of the custom page ---
// Each box lists these four, in this order; choosing one stores its Windows
// primary language code in LanguageChoice.
struct LanguageEntry {
  const char* name;
  int code;
};
inline constexpr LanguageEntry languageEntries[4] = {
    {"Dansk", 6}, {"Engelsk", 9}, {"Tysk", 7}, {"Spansk", 10}};

// --- shortcuts and the system's uninstall entry ---
inline constexpr const char* generatorHelpLink = "Hjælp til Vorkelen";
inline constexpr const char* drawerHelpLink = "Hjælp til Penviken";
inline constexpr const char* drawerHelpDescription = "Hjælp til Penvik-programmet";
inline constexpr const char* solverHelpLink = "Hjælp til Rundelen";
inline constexpr const char* solverLink = "Rundel";
inline constexpr const char* solverDescription = "Ord finder";
inline constexpr const char* generatorLink = "Vorkel";
inline constexpr const char* generatorDescription = "Generator";
inline constexpr const char* drawerLink = "Penvik";
inline constexpr const char* drawerDescription = "Designer";
inline constexpr const char* uninstallDisplayName = "Plindra programmer";
// The menu entry that starts the uninstaller for its installation.
inline constexpr const char* uninstallLink = "Afinstaller";
inline constexpr const char* uninstallDescription = "Fjern Plindra programmerne fra computeren";

// --- the uninstaller ---
inline constexpr const char* uninstallCaption = "Afinstallation";
inline constexpr const char* uninstallConfirm =
    "Vil du fjerne Plindra programmerne fra din computer?";
inline constexpr const char* uninstallChangedDictionary =
    "Ordbogen %s er ændret efter installationen. Vil du slette den alligevel?";
inline constexpr const char* uninstallChangedFile =
    "Filen %s er ændret efter installationen. Vil du slette den alligevel?";
inline constexpr const char* uninstallDone = "Plindra programmerne er fjernet fra din computer.";
inline constexpr const char* uninstallKept =
    "Plindra programmerne er fjernet fra din computer.\n\nDisse filer er ikke lagt der af "
    "installationen og er ikke slettet:\n%s";
inline constexpr const char* uninstallNothing =
    "Der er ingen installation af Plindra programmerne i %s.";

}  // namespace vorkel::setup::texts
