#pragma once
// The drawing program's window texts, in one place.

#include <QString>

namespace penvik::texts {

inline const QString fileMenu = QStringLiteral("&Filer");
inline const QString open = QStringLiteral("&Åbn...");
inline const QString savePdf = QStringLiteral("Gem som &PDF...");
inline const QString saveSvg = QStringLiteral("Gem som &SVG...");
inline const QString exit = QStringLiteral("&Afslut");
inline const QString helpMenu = QStringLiteral("&Hjælp");
inline const QString about = QStringLiteral("&Om Penvik");

inline const QString openHint = QStringLiteral("Åbn råkryds fra disken");
inline const QString savePdfHint =
    QStringLiteral("Gem krydsordet og løsningen som PDF til udskrift på A4");
inline const QString saveSvgHint =
    QStringLiteral("Gem krydsordet og løsningen som SVG-billeder i A4");
inline const QString exitHint = QStringLiteral("Forlad Penvik");

inline const QString openTitle = QStringLiteral("Åbn råkryds");
inline const QString rawFilter = QStringLiteral("Råkryds (x*_*.*);;Alle filer (*)");
inline const QString savePdfTitle = QStringLiteral("Gem som PDF");
inline const QString pdfFilter = QStringLiteral("PDF-filer (*.pdf)");
inline const QString saveSvgTitle = QStringLiteral("Gem som SVG");
inline const QString svgFilter = QStringLiteral("SVG-billeder (*.svg)");

inline const QString listTitle = QStringLiteral("Modtagne og åbnede råkryds");
inline const QString noCrossword = QStringLiteral(
    "Intet krydsord endnu.\nVorkel sender hvert nyt krydsord hertil; "
    "med Filer, Åbn kan du også hente et råkryds fra disken.");
inline const QString clueBox = QStringLiteral("Ledeord");
inline const QString clueHelp =
    QStringLiteral("Klik på et skraveret felt for at skrive dets ledeord.");
inline const QString clueCell = QStringLiteral("Ledefelt i kolonne %1, række %2");
inline const QString startsNothing = QStringLiteral("Feltet starter intet ord.");
inline const QString across = QStringLiteral("Vandret →");
inline const QString down = QStringLiteral("Lodret ↓");
inline const QString unreadable = QStringLiteral(" (kan ikke læses)");
inline const QString propose = QStringLiteral("Foreslå");
inline const QString proposeHint =
    QStringLiteral("Skriv et forslag til ledeordet; tryk igen for det næste");
inline const QString noWordToPropose = QStringLiteral("Ordet er ikke helt udfyldt.");
inline const QString noProposal = QStringLiteral("Intet forslag til %1.");
inline const QString clueMenu = QStringLiteral("&Ledeord");
inline const QString proposeAll = QStringLiteral("&Foreslå ledeord");
inline const QString proposeAllHint = QStringLiteral(
    "Skriv et udkast i hvert ledefelt uden ledeord; skrevne ledeord bliver stående");
inline const QString acceptAll = QStringLiteral("&Godkend alle udkast");
inline const QString acceptAllHint = QStringLiteral("Gør alle krydsordets udkast til ledeord");
inline const QString accept = QStringLiteral("Godkend");
inline const QString alternatives = QStringLiteral("Forslag");
// A clue too long for its box on paper: column, row, "vandret"/"lodret", the text.
inline const QString unfitClue = QStringLiteral(
    "Ledeordet i kolonne %1, række %2 (%3) er for langt til sit felt, også ved 5,5 punkt: %4");
inline const QString acrossWord = QStringLiteral("vandret");
inline const QString downWord = QStringLiteral("lodret");
inline const QString alternativesHint =
    QStringLiteral("Forslag til ledeordet der skrives i; klik på et for at tage det");
inline const QString acceptHint =
    QStringLiteral("Gør udkastet til et ledeord; at rette i det gør det samme");
inline const QString draftsWritten = QStringLiteral("%1 udkast skrevet, %2 ord uden forslag.");
inline const QString draftsLeft =
    QStringLiteral("%1 udkast (kursiv) venter på at blive godkendt eller rettet.");

inline const QString errorCaption = QStringLiteral("Penvik");
inline const QString chooseFirst = QStringLiteral("Vælg først et krydsord, der kan læses.");
inline const QString received = QStringLiteral("Modtaget fra Vorkel: %1");
inline const QString saved = QStringLiteral("Gemt: %1");
inline const QString savedTwo = QStringLiteral("Gemt: %1 og %2");
inline const QString orphans =
    QStringLiteral("%1 ord begynder ved kanten og har intet ledefelt.");
inline const QString unreachable =
    QStringLiteral("Vorkel kan ikke nå dette vindue: %1");
inline const QString aboutText = QStringLiteral(
    "Penvik %1\n\nTegneprogrammet til Vorkel: tager imod råkryds, lader dig skrive "
    "ledeord og gemmer krydsordet som PDF eller SVG til udskrift.");

}  // namespace penvik::texts
