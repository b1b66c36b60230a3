#include "setup/InstallerTexts.h"

namespace vorkel::setup::texts {

std::string copyFailed(std::string_view source, std::string_view destination) {
  return "Installationen må desværre afbrydes, da det ikke er muligt at kopiere fra " +
         std::string(source) + " til " + std::string(destination) + ".";
}

std::string programMissing(std::string_view program, std::string_view source) {
  return "Installationen må desværre afbrydes, da programmet " + std::string(program) +
         " ikke findes på installationsmediet (" + std::string(source) + ").";
}

std::string overwriteQuestion(std::string_view subject) {
  return "Vil du overskrive de ændringer du har lavet til ordforrådet " + std::string(subject) +
         "?";
}

}  // namespace vorkel::setup::texts
