#include "setup/InstallerTexts.h"

namespace vorkel::setup::texts {

ButtonTexts buttons(int language) {
  switch (language) {
    case 6: return {"&Fortsæt >", "&Afbryd", "< &Tilbage", "&Afslut", "&Fortsæt", "&Afslut"};
    case 7:
      return {"&Weiter >", "&Abbrechen", "< &Zurück", "&Beenden", "&Fortsetzen >", "&Abbrechen"};
    case 10:
      return {"&Próximo >", "&Cancelar", "< &Atrás", "&Terminar", "&Reanudar", "&Salir"};
    default: return {"&Next >", "&Cancel", "< &Back", "&Finish", "&Resume", "E&xit Setup"};
  }
}

std::string notEnoughSpace(int language) {
  switch (language) {
    case 6:
      return "Der er ikke nok plads på det angivne drev, til at installere de valgte "
             "programmer.\n\nVælg derfor kompakt installation, eller angiv et drev med mere fri "
             "plads.";
    case 7:
      return "Es gibt nicht genügend Speicherplatz auf Ihrer Festplatte. Wählen Sie deshalb die "
             "kompakte Installation oder richten Sie auf Ihrer Festplatte mehr Speicherkapazität "
             "ein.";
    case 10:
      return "No existe el espacio suficiente en el disco duro para los programas. Utilice la "
             "instalación compacto, o seleccione otro disco duro con mayor espacio.";
    default:
      return "There is not enough space on the selected drive to install the programs. Use "
             "compact installation instead, or select another drive with more space.";
  }
}

std::string noProgramChosen(int language) {
  switch (language) {
    case 6:
      return "Du skal vælge mindst et program, som du vil installere inden du kan gå videre.";
    case 7:
      return "Sie müssen mindestens ein Programm oder mehr auswählen, um die Installation "
             "fortzuführen.";
    case 10:
      return "Ud. deberá elegir uno o varios programas para la instalación antes de continuar.";
    default:
      return "You have to choose to install one or more programs, before you can continue.";
  }
}

std::string refusalCaption(int language, bool noProgram) {
  if (language == 6) return "Plindra ";
  return noProgram ? "PLINDRA " : "PLINDRA";
}

std::string copyFailed(int language, std::string_view source, std::string_view destination) {
  const std::string s(source), d(destination);
  switch (language) {
    case 6:
      return "Installationen må desværre afbrydes, da det ikke er muligt at kopiere fra " + s +
             " til " + d + ".";
    case 7:
      return "Die Installation muß leider abgebrochen werden, da ein Kopierfehler aufgetreten "
             "ist.";
    case 10:
      return "El programa de instalación ha sido interrumpido. Es imposible copiar de " + s +
             " para " + d + ".";
    default:
      return "Setup has to stop. Unfortunately it is not possible to copy from " + s + " to " +
             d + ".";
  }
}

const char* copyFailedCaption(int language) {
  switch (language) {
    case 6: return "Advarsel";
    case 7: return "Warnung";
    case 10: return "Alerta";
    default: return "Warning";
  }
}

std::string overwriteQuestion(int language, std::string_view subject) {
  const std::string s(subject);
  switch (language) {
    case 6: return "Vil du overskrive de ændringer du har lavet til ordforrådet " + s + "?";
    case 7: return "Möchten Sie die Änderungen für das Wörterbuch " + s + "?";
    case 10: return "Desea sustituir los cambios que Ud. ha debo en el diccionario " + s + "?";
    default:
      return "Do you want to overwrite the changes, that you have made to the dictionary " + s +
             "?";
  }
}

const LanguageEntry* languageEntries(int language) {
  static constexpr LanguageEntry danish[4] = {
      {"Dansk", 6}, {"Engelsk", 9}, {"Tysk", 7}, {"Spansk", 10}};
  static constexpr LanguageEntry german[4] = {
      {"Deutsch", 7}, {"Englisch", 9}, {"Spanisch", 10}, {"Dänisch", 6}};
  static constexpr LanguageEntry spanish[4] = {
      {"Castellano", 10}, {"Inglés", 9}, {"Alemán", 7}, {"Danés", 6}};
  static constexpr LanguageEntry english[4] = {
      {"English", 9}, {"German", 7}, {"Spanish", 10}, {"Danish", 6}};
  switch (language) {
    case 6: return danish;
    case 7: return german;
    case 10: return spanish;
    default: return english;
  }
}

}  // namespace vorkel::setup::texts
