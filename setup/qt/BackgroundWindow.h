#pragma once
// The full-screen backdrop behind the pages: navy, borderless, with the
// title band "PLINDRA" along its top.

#include <QMainWindow>

namespace vorkel::setup {

class BackgroundWindow : public QMainWindow {
 public:
  explicit BackgroundWindow(QWidget* parent = nullptr);
};

}  // namespace vorkel::setup
