#pragma once
// The drawing program's main window, titled "Penvik" and registered with
// the other programs as class "OWL_Window", so the generator can hand it
// raw crosswords (penvik/HandOverReceiver.h).
//
// On the left the list of every raw crossword handed over or opened (newest
// last); in the middle the selected one as a grid; below it the clue editor:
// a click on a clue cell puts the cursor in its clue, typing writes it, and
// every change is kept in the clue file beside the raw crossword. The file
// menu opens raw crosswords from disk and saves the selected one as PDF or
// SVG for printing on A4.
//
//   PenvikWindow::Setup setup;
//   setup.logPath = ReceiveLog::defaultPath(std::getenv);
//   PenvikWindow window(setup);
//   window.show();

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "penvik/ClueDrafts.h"
#include "penvik/Crossword.h"
#include "penvik/Hyphenation.h"
#include "penvik/HandOverReceiver.h"
#include "penvik/Settings.h"
#include "platform/SystemClock.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QString;
class QPushButton;

namespace vorkel {
class QtWindowEndpoint;
}

namespace penvik {

class GridWidget;

class PenvikWindow : public QMainWindow {
 public:
  struct Setup {
    std::string blockName = SharedBlockName;  // the shared block of the hand-over
    std::string logPath;                      // the receive log
    std::string programFolder;                // where penvik.ini is
    std::vector<std::string> files;           // raw crosswords to open at start
    // Clue drafts for a word ("Foreslå"); none when empty.
    ClueLookup proposals;
    // Told each clue the user typed (the word and the clue, UTF-8), once the
    // field is left, so that it is proposed first next time.
    std::function<void(std::string_view word, std::string_view clue)> learn;
  };

  explicit PenvikWindow(const Setup& setup);
  ~PenvikWindow() override;

  // Reads a raw crossword (and its clues), lists it last and selects it.
  // Problems go to the status bar, or into a message box when `tellUser`.
  void openCrossword(const std::string& path, bool tellUser);

  const CrosswordList& crosswords() const { return list_; }
  // The selected crossword, or nullptr.
  const Crossword* current() const;
  const HandOverReceiver& receiver() const { return receiver_; }
  // The window's registration; nullptr when other programs cannot reach it.
  vorkel::QtWindowEndpoint* messages() { return messages_.get(); }
  GridWidget* grid() { return grid_; }
  QListWidget* list() { return listView_; }
  QLineEdit* clueEdit(Direction d) { return d == Direction::Across ? acrossEdit_ : downEdit_; }
  QAction* action(const QString& text) const;

 private:
  void buildMenus();
  QWidget* buildClueEditor(QWidget* parent);
  void takeReceived();
  void comeForward();
  void showSelected();
  void cellClicked(int column, int row);
  void clueEdited(Direction d, const QString& text);
  void updateClueEditor();
  void openFromDisk();
  void saveAs(bool pdf);
  std::string suggestedExportPath(const std::string& extension) const;
  void report(const QString& message);

  Setup setup_;
  Settings settings_;
  vorkel::SystemClock clock_;
  HandOverReceiver receiver_;
  std::vector<std::string> pendingFiles_;
  bool takePending_ = false;
  CrosswordList list_;
  int currentIndex_ = -1;
  std::optional<std::pair<int, int>> selectedCell_;

  QListWidget* listView_ = nullptr;
  GridWidget* grid_ = nullptr;
  QLabel* cellLabel_ = nullptr;
  // "Foreslå": the next draft for the word of the clue in that direction.
  void propose(Direction d);
  // "Foreslå ledeord": a draft in every clue without text, marked as a
  // draft (italics) until it is accepted ("Godkend") or edited.
  void proposeAllClues();
  void acceptDraft(Direction d);
  void acceptAllDrafts();
  // The proposals for a word that a clue can hold, best first.
  std::vector<QString> fittingProposals(const std::string& word) const;
  // The alternatives under the fields: the proposals for the clue being
  // edited; a click writes one into its field.
  void showAlternatives(const std::optional<ClueKey>& key);
  void takeAlternative(const QString& text);
  // The field was left, or the selection moves on: a clue the user typed
  // into it is learnt.
  void clueFinished(Direction d);
  void cluesFinished();

  QLineEdit* acrossEdit_ = nullptr;
  QLineEdit* downEdit_ = nullptr;
  QPushButton* acrossAccept_ = nullptr;
  QPushButton* downAccept_ = nullptr;
  QLabel* draftsLabel_ = nullptr;
  QListWidget* alternatives_ = nullptr;
  std::optional<ClueKey> alternativesFor_;
  // Danish hyphenation, loaded at the first "Foreslå ledeord".
  std::shared_ptr<const Hyphenation> hyphenation_;
  // What was typed since the field was last left, per direction: the word
  // and the clue as it stands.
  struct TypedClue {
    std::string word;
    QString text;
  };
  std::optional<TypedClue> typed_[2];
  std::unique_ptr<vorkel::QtWindowEndpoint> messages_;
};

}  // namespace penvik
