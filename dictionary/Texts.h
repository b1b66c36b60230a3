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

// --- Word lists, set operations, lookup and the edit dialog ---
inline constexpr const char* replaceMenu = "&Hent ny ord-liste (erstat)";
inline constexpr const char* unionMenu = "&Tilføj ord-liste (union)";
inline constexpr const char* subtractMenu = "Slet fra ordliste (sub)";
inline constexpr const char* joinMenu = "&Fællesord fra ordliste (join)";
inline constexpr const char* saveMenu = "&Gem ord-liste";
inline constexpr const char* unionHint =
    "Tilføj en fil med ord eller en dic-fil til den nuværende ordbog (foreningsmængde / union)";
inline constexpr const char* subtractHint =
    "Slet de ord i ordbogen der står i en tekstfil (subtraher)";
inline constexpr const char* joinHint =
    "Bevar kun de ord der både er i ordbogen og i en tekstfil (fællesmængde / join)";
inline constexpr const char* dictionaryFilter =
    "Ordbøger (*.dic)|*.dic|Ordliste (*.txt)|*.txt|Alle (*.*)|*.*|";
inline constexpr const char* dictionaryExtension = "dic";
inline constexpr const char* cannotFindFile = "Cannot find file";
inline constexpr const char* subtractNotice = "Ordbog Sutraher";
inline constexpr const char* subtractNoticeCaption = "Hej";
inline constexpr const char* joinTemporaryFile = "bygtmp.dic";

inline constexpr const char* searchMenu = "Søg et &ord";
inline constexpr const char* statisticsMenu = "&Oplys";
inline constexpr const char* editMenu = "&Ændre indhold";
inline constexpr const char* searchTitle = "Liste over fundne ord";
inline constexpr const char* searchPrompt = "Skriv hvad du kender af ordet (? eller . for ukendte)";
inline constexpr const char* statisticsCaption = "Antal ord i ordbogen fordelt på ordlængde";
inline constexpr const char* editTitle = "Ændre indhold i ordbog";
inline constexpr const char* editWordLabel = "Ord:";
inline constexpr const char* editClose = "SLUT";
inline constexpr const char* editInsert = "Indskriv";
inline constexpr const char* editTest = "Test";
inline constexpr const char* editDelete = "Slet";
inline constexpr const char* editReset = "Nulstil";
inline constexpr const char* memberTest = "Tjek på medlem af ordbog";
inline constexpr const char* wordPresent = "Ordet er der";
inline constexpr const char* wordMissing = "Ordet mangler";
inline constexpr const char* newDictionaryTitle = "Ny ordbog";
inline constexpr const char* newDictionaryPrompt =
    "Hvor mange ord skal der ca være plads til i den nye ordbog ?";
inline constexpr const char* newDictionaryInitial = "110000";
inline constexpr const char* newDictionarySizeName = "Ordbogsstørrelse";
inline constexpr const char* valueOutOfRange = "Værdien for %s skal være mellem %d og %d";
inline constexpr const char* valueOutOfRangeCaption = "Indtastet forkert værdi";
inline constexpr const char* newDictionaryDone = "Ny tom ordbog er skabt";
inline constexpr const char* newDictionaryDoneCaption = "UDFØRT";

// --- The anagram finder ("Lav Anagram") ---
inline constexpr const char* anagramDialogTitle = "Find anagrammer";
inline constexpr const char* anagramHeading = "Vælg hvilken form for anagram-søgning du ønsker";
inline constexpr const char* anagramStandardButton =
    "Standard - find alle mulige ord-kombinationer \n(Kan være ret omfattende og uoverskuelig)";
inline constexpr const char* anagramWordButton =
    "Find anagrammer der indeholder et bestemt ord\n(Sjov, men kræver tålmodighed)";
inline constexpr const char* anagramVerbButton =
    "Find anagrammer der inderholder mindst et verbum\n(Et forsøg på at få flere sætninger med "
    "mening i)";
inline constexpr const char* anagramListButton =
    "Find anagrammer der inderholder mindst et\nord fra en standard ord-liste som du vælger";
inline constexpr const char* anagramCancelButton = "Fortryd";
inline constexpr const char* anagramShortestLabel = "Ordlængde\nMindst";
inline constexpr const char* anagramLongestLabel = "Højst";
inline constexpr const char* anagramAnswersLabel = "Max.\nantal\nsvar";
inline constexpr const char* anagramWordsLabel = "Max. ord\ni anagram";
inline constexpr const char* anagramInputTitle = "ANAGRAM";
inline constexpr const char* anagramVerbInputTitle = "ANAGRAM med et verbum";
inline constexpr const char* anagramInputPrompt = "Skriv de ord du vil finde anagrammer til";
inline constexpr const char* anagramWordDialogTitle = "Anagram med et bestemt ord";
inline constexpr const char* anagramWordPhraseLabel =
    "Skriv de ord, eller den sætning, du ønsker anagrammer til";
inline constexpr const char* anagramWordWordLabel =
    "Skriv det ord du ønsker, der skal indgå i anagrammet";
inline constexpr const char* anagramListDialogTitle = "Find anagrammer der indeholder ord fra en liste";
inline constexpr const char* anagramListFileLabel = "De ord som skal indgå findes i tekst-filen:";
inline constexpr const char* anagramBrowseButton = "Gennemse";
inline constexpr const char* anagramListFilter = "Ordlister (*.txt)|*.txt|Alle (*.*)|*.*|";
inline constexpr const char* anagramListExtension = "txt";
inline constexpr const char* anagramNoResult = "Kunne ikke finde nogle anagrammer til de(t) ord du angav";
inline constexpr const char* anagramNoResultWithWord =
    "Kunne ikke finde anagrammer der opfyldt betingelserne - Prøv andet givet ord, eller lav om på "
    "de tilladte ordlængder og antal ord\n";
inline constexpr const char* anagramWordNotInPhrase =
    "Ordet du har angivet kan ikke dannes ud fra de ord og bogstaver du ønskede";
inline constexpr const char* anagramErrorCaption = "Anagram fejl";
inline constexpr const char* anagramListFull = "Der er flere ord end der er plads til - max. 2000 i en liste";
inline constexpr const char* anagramListFullCaption = "Ikke alle ord medtaget";
// Our own: the result file or a word list could not be written, read or shown.
inline constexpr const char* anagramWriteFailed = "Kan ikke skrive resultatet til filen %s";
inline constexpr const char* anagramListUnreadable = "Kan ikke læse ordlisten %s";
inline constexpr const char* anagramShowFailed = "Kan ikke vise filen %s - åbn den selv i en teksteditor";

}  // namespace vorkel::texts
