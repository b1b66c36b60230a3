#pragma once
// Simple mode: the model wizard, the clean-up of the output folder, and the
// simple menu's runs, each of which hands its crosswords to the drawing
// program.
//
//   SimpleMode simple(context, drawer);         // drawer: app/DrawerLink.h
//   simple.wizard();                             // "Lav dine første krydsord "
//   simple.runFiveToDrawer();                    // "&Lav 5 og gå til Penviken"
//
// The wizard and the clean-up dialog are humble forms (platform/Ui.h); a
// front-end shows them as the pictures and buttons they describe (the form
// ids "wizard" and "oprydning", field and button names below).

#include <array>
#include <functional>
#include <string>

namespace vorkel {

class ApplicationContext;
class HandOver;

// A stock model of the wizard and the clean-up dialog.
struct StockModel {
  int picture;          // the wizard's picture (button name "102" .. "107")
  const char* caption;  // under the picture
  const char* templateName;
  const char* pattern;  // its raw crosswords' names in the output folder
  bool anagrams;        // the picture opens the anagram finder after loading
};

// In the wizard's order (pictures 102..107).
const std::array<StockModel, 6>& stockModels();

class SimpleMode {
 public:
  // Form ids, field names and button names, for front-ends and tests.
  static constexpr const char* WizardId = "wizard";
  static constexpr const char* CountField = "antal";  // an editable choice of "1" .. "9"
  static constexpr const char* CancelButton = "Afbryd";
  static constexpr const char* CleanUpId = "oprydning";
  static constexpr const char* FolderField = "mappe";
  static constexpr const char* TotalField = "ialt";

  SimpleMode(ApplicationContext& context, HandOver& drawer) : context_(context), drawer_(drawer) {}

  // The model wizard. After a picture: its template is loaded and the
  // window captioned with it; then `openAnagrams` runs (picture 105) or a
  // hand-over run makes the chosen number of crosswords. True when a
  // picture was chosen.
  bool wizard(const std::function<void()>& openAnagrams);

  // "&Slet/Ryd op...": the clean-up dialog until OK or Fortryd.
  void cleanUp();

  // The simple menu's runs; the kind of attempt follows edit mode (letters
  // typed into the grid are kept while it is on).
  void runFiveToDrawer();   // "&Lav 5 og gå til Penviken"
  void runFiveHundred();    // "&Gem 500 i ...."
  void runOneAndShow();     // "&Stop og vis hver eneste"
  void goToDrawer();        // "Gå til Penvik"

  // The hand-over run of `count` crosswords (count in its low four bits),
  // with the automatic path first, the status text around it.
  void handOverRun(int count);

  // The number of raw crosswords of a pattern ("*.0??" for all) in the
  // output folder: normal files only (not read-only, not hidden).
  int countRawCrosswords(const std::string& pattern) const;

 private:
  bool kindWithLetters() const;

  ApplicationContext& context_;
  HandOver& drawer_;
};

}  // namespace vorkel
