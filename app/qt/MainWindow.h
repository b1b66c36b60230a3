#pragma once
// The generator's main window: the frame titled "Krydsords-vorkel" with the
// grid view as its client, the menu bar built from the command table, the
// status bar with the hints and the lock indicators, dropped files,
// context help (F1, Shift+F1, Esc), the help and about windows, and the
// runs that keep it busy while they poll.
//
//   MainWindow::Setup setup;              // folder, registry, program path
//   MainWindow window(setup);             // start-up steps, then the window
//   window.show();
//
// Every menu item carries its command number (QAction::data()); choosing
// one hands the number to the command dispatcher (app/CommandDispatcher.h).

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>

#include "app/ApplicationContext.h"
#include "app/CommandDispatcher.h"
#include "app/GridView.h"
#include "app/Shell.h"
#include "app/DrawerLink.h"
#include "app/Startup.h"
#include "app/qt/WindowDrawerPorts.h"
#include "app/qt/WindowUi.h"
#include "platform/Registry.h"
#include "platform/SharedBlock.h"
#include "platform/SystemClock.h"
#include "platform/WindowMessages.h"

class QLabel;
class QAction;
class QTextBrowser;

namespace vorkel {

class GridViewWidget;
class QtWindowEndpoint;

class MainWindow : public QMainWindow, public Shell {
 public:
  static constexpr const char* ApplicationName = "Krydsords-vorkel";
  // What other programs find this window by.
  static constexpr const char* WindowClass = "Vorkel";

  struct Setup {
    std::string workFolder;    // the current directory at start-up
    std::string registryPath;  // the registry store file
    std::string programPath;   // what the file type association names
    StartupOptions options;
    std::uint32_t seed = 0;    // 0: from the clock
    bool wizardAtStart = true; // the model wizard opens after the first paint
  };

  explicit MainWindow(const Setup& setup);
  ~MainWindow() override;

  ApplicationContext& context() { return *context_; }
  CommandDispatcher& commands() { return *commands_; }
  GridView& gridModel() { return view_; }
  GridViewWidget* gridView() { return gridView_; }
  MenuId menu() const { return menu_; }
  // The action of a command in the menu bar now shown; nullptr when none.
  QAction* actionOf(int number) const;
  // The help window, once opened.
  QWidget* helpWindow() const { return helpWindow_; }
  QString helpSource() const;

  // --- Shell ---
  void setMenu(MenuId menu) override;
  void showHelp(std::string_view page) override;
  void showAbout() override;
  void closeWindow() override;
  void repaintView() override;
  void setHelpCursor(bool on) override;

  // The recent-files list's choice (what "MRUFILEMESSAGE" carries).
  void chooseRecentFile(int index);
  // The window's registration with the other programs; nullptr when the
  // folder of windows could not be used.
  QtWindowEndpoint* messages() { return messages_.get(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void runCommand(int number);
  void rebuildMenu();
  void afterFirstPaint();
  void updateLockIndicators();
  void saveRecentFiles();
  std::int64_t handleMessage(const WindowMessage& message);

  WindowUi ui_;
  SystemClock clock_;
  Registry registry_;
  std::unique_ptr<ApplicationContext> context_;
  GridView view_;
  // The drawing program's link: its shared block lives as long as the view.
  std::unique_ptr<SharedBlock> block_;
  WindowDrawerPorts drawerPorts_;
  DrawerLink drawer_;
  std::unique_ptr<CommandDispatcher> commands_;
  Setup setup_;
  GridViewWidget* gridView_ = nullptr;
  MenuId menu_ = MenuId::Simple;
  QLabel* locks_[3] = {nullptr, nullptr, nullptr};
  QPointer<QWidget> helpWindow_;
  QTextBrowser* helpBrowser_ = nullptr;
  bool closePending_ = false;
  bool rebuildPending_ = false;
  std::unique_ptr<QtWindowEndpoint> messages_;
};

}  // namespace vorkel
