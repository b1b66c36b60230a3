#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QListView>
#include <QTest>
#include <QLabel>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "platform/qt/DanishTranslations.h"
#include "platform/qt/FormDialog.h"
#include "tests/platform/qt/QtTestSupport.h"
#include "tests/platform/TempFolder.h"

namespace vorkel {
namespace {

TEST(QtFilter, ConvertsDescriptionPatternPairs) {
  EXPECT_EQ(qtFilter("Kryds Filer (*.ktd)|*.ktd|Alle Filer (*.*)|*.*|"),
            "Kryds Filer (*.ktd);;Alle Filer (*)");
  // Without the trailing bar, too.
  EXPECT_EQ(qtFilter("Skabeloner (*.skb)|*.skb"), "Skabeloner (*.skb)");
  EXPECT_EQ(qtFilter(""), "");
  EXPECT_EQ(qtFilter("|"), "");
}

TEST(QtFilter, GivesQtThePatternsWhenTheDescriptionHidesThem) {
  // Qt reads the patterns from the parentheses of the description.
  EXPECT_EQ(qtFilter("Ordbøger|*.dic|"), "Ordbøger (*.dic)");
  // Several patterns: ';' becomes a space.
  EXPECT_EQ(qtFilter("Kryds og skabeloner|*.ktd;*.skb|"), "Kryds og skabeloner (*.ktd *.skb)");
  // A description naming other patterns than the real ones gets the real ones.
  EXPECT_EQ(qtFilter("Tekst (*.txt)|*.lst|"), "Tekst (*.txt) (*.lst)");
  EXPECT_EQ(qtFilter("|*.ktd|"), "(*.ktd)");
}

class QtUiTest : public ::testing::Test {
 protected:
  QMainWindow window;
  QtUi ui{&window};
};

TEST_F(QtUiTest, QueuesKeyPressesInOrderWhileCapturing) {
  window.show();
  ui.setKeyCapture(true);
  press(&window, Qt::Key_Escape);
  press(&window, Qt::Key_1);
  press(&window, Qt::Key_1, Qt::KeypadModifier);
  press(&window, Qt::Key_0, Qt::KeypadModifier);
  press(&window, Qt::Key_9, Qt::KeypadModifier);
  press(&window, Qt::Key_A);
  press(&window, Qt::Key_Shift);  // a lone modifier is no key message
  press(&window, Qt::Key_Return);

  std::vector<int> got;
  KeyMessage key;
  while (ui.pollKey(key)) got.push_back(key.key);
  // Letters are upper-case: 'a' (97) would read as keypad 1.
  EXPECT_EQ(got, (std::vector<int>{KeyMessage::Escape, '1', 97, 96, 105, 'A', KeyMessage::Enter}));
}

TEST_F(QtUiTest, CapturesOnlyDuringLongWork) {
  window.show();
  KeyMessage key;
  press(&window, Qt::Key_Escape);
  EXPECT_FALSE(ui.pollKey(key)) << "normal typing must reach the widgets";

  // The core hides the cursor (or shows the wait cursor) around long work.
  ui.setCursor(Cursor::Hidden);
  press(&window, Qt::Key_5);
  ui.setCursor(Cursor::Arrow);
  press(&window, Qt::Key_6);
  ASSERT_TRUE(ui.pollKey(key));
  EXPECT_EQ(key.key, '5');
  EXPECT_FALSE(ui.pollKey(key));

  ui.setCursor(Cursor::Wait);
  press(&window, Qt::Key_7);
  ui.setCursor(Cursor::Arrow);
  ASSERT_TRUE(ui.pollKey(key));
  EXPECT_EQ(key.key, '7');
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "Arrow restores the normal cursor";
}

TEST_F(QtUiTest, StatusTextCaptionAndProgressReachTheWindow) {
  ui.setStatusText("Fylder rude 3 – æøå");
  EXPECT_EQ(window.statusBar()->currentMessage(), QString::fromUtf8("Fylder rude 3 – æøå"));
  ui.setCaption("Vorkel - model1.ktd");
  EXPECT_EQ(window.windowTitle(), QString("Vorkel - model1.ktd"));
  ui.showProgress("1234 ord");
  ui.showProgress("1235 ord");
  auto labels = window.statusBar()->findChildren<QLabel*>();
  bool found = false;
  for (QLabel* label : labels) found = found || label->text() == "1235 ord";
  EXPECT_TRUE(found);
  EXPECT_EQ(window.statusBar()->currentMessage(), QString::fromUtf8("Fylder rude 3 – æøå"))
      << "progress does not overwrite the status text";
}

TEST_F(QtUiTest, MessageBoxReturnsTheClickedButtonsAnswer) {
  {
    ModalAnswer answer([](QWidget* modal) { clickButton(modal, QMessageBox::No); });
    EXPECT_EQ(ui.messageBox("Gem ændringer?", "Vorkel", Icon::Question, Buttons::YesNoCancel),
              Answer::No);
    EXPECT_TRUE(answer.acted());
  }
  {
    ModalAnswer answer([](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->text(), QString::fromUtf8("Forsæt?"));
      EXPECT_EQ(box->windowTitle(), QString("Vorkel"));
      EXPECT_EQ(box->icon(), QMessageBox::Critical);
      clickButton(modal, QMessageBox::Retry);
    });
    EXPECT_EQ(ui.messageBox("Forsæt?", "Vorkel", Icon::Stop, Buttons::RetryCancel), Answer::Retry);
  }
}

TEST_F(QtUiTest, StandardButtonsSpeakDanishOnceQtsTranslationsAreLoaded) {
  ASSERT_TRUE(installDanishTranslations(*QCoreApplication::instance()));
  ModalAnswer answer([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box->button(QMessageBox::No)->text(), "&Nej");
    EXPECT_EQ(box->button(QMessageBox::Cancel)->text(), "Annuller");
    clickButton(modal, QMessageBox::Cancel);
  });
  EXPECT_EQ(ui.messageBox("Gem?", "Vorkel", Icon::Question, Buttons::YesNoCancel), Answer::Cancel);
}

TEST_F(QtUiTest, MessageBoxClosedWithoutAButtonCancels) {
  ModalAnswer answer([](QWidget* modal) { modal->close(); });
  EXPECT_EQ(ui.messageBox("Gem?", "Vorkel", Icon::Question, Buttons::YesNoCancel), Answer::Cancel);
}

TEST_F(QtUiTest, InputBoxReturnsTheTextOrNothingOnCancel) {
  {
    ModalAnswer answer([](QWidget* modal) {
      auto* dialog = qobject_cast<QInputDialog*>(modal);
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->textValue(), QString("gammel"));
      dialog->setTextValue(QString::fromUtf8("blåbær"));
      dialog->accept();
    });
    EXPECT_EQ(ui.inputBox("Ord:", "Tilføj", "gammel"), std::optional<std::string>("blåbær"));
  }
  {
    ModalAnswer answer([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(ui.inputBox("Ord:", "Tilføj", ""), std::nullopt);
  }
}

DialogForm parameterForm() {
  DialogForm form;
  form.id = "parametre";
  form.title = "Parametre";
  form.fields = {{"maxsaml", "25", "Højst samlinger"}, {"navn", "Æble", ""}};
  form.buttons = {"OK", "Gem", "Fortryd"};
  return form;
}

TEST_F(QtUiTest, DialogReturnsTheClickedButtonAndWritesEditsBack) {
  DialogForm form = parameterForm();
  ModalAnswer answer([](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>("maxsaml");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QString("25"));
    edit->setText(QString::fromUtf8("30 ø"));
    auto* button = modal->findChild<QPushButton*>("Gem");
    ASSERT_NE(button, nullptr);
    button->click();
  });
  EXPECT_EQ(ui.showDialog(form), "Gem");
  EXPECT_EQ(form.text("maxsaml"), "30 ø");
  EXPECT_EQ(form.text("navn"), "Æble");
}

TEST_F(QtUiTest, DialogClosedWithEscapeIsTheCancelButtonAndKeepsTheFields) {
  DialogForm form = parameterForm();
  ModalAnswer answer([](QWidget* modal) {
    modal->findChild<QLineEdit*>("maxsaml")->setText("99");
    press(modal, Qt::Key_Escape);
  });
  EXPECT_EQ(ui.showDialog(form), "Fortryd");
  EXPECT_EQ(form.text("maxsaml"), "25");
}

TEST_F(QtUiTest, LinesAndCheckBoxFieldsShowTheirKindAndWriteBackTheirTexts) {
  DialogForm form;
  form.id = "tvang";
  form.fields = {{"ord", "OST\nKAT", "Ord:", 12, false, DialogField::Kind::Lines},
                 {"brugfil", "1", "ELLER:", 0, false, DialogField::Kind::CheckBox},
                 {"antal", "6", "Antal", 19}};
  form.buttons = {"OK", "Cancel"};
  ModalAnswer answer([](QWidget* modal) {
    auto* lines = modal->findChild<QPlainTextEdit*>("ord");
    auto* box = modal->findChild<QCheckBox*>("brugfil");
    ASSERT_NE(lines, nullptr);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(lines->toPlainText(), QString("OST\nKAT"));
    EXPECT_TRUE(box->isChecked());
    // Typed as a user types: Enter makes a new line, not the default button.
    lines->moveCursor(QTextCursor::End);
    QTest::keyClick(lines, Qt::Key_Return);
    QTest::keyClicks(lines, QString::fromUtf8("ål og mere"));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    modal->findChild<QPushButton*>("OK")->click();
  });
  EXPECT_EQ(ui.showDialog(form), "OK");
  EXPECT_EQ(form.text("ord"), "OST\nKAT\nål o") << "cut at 12 characters";
  EXPECT_EQ(form.text("brugfil"), "0");
  EXPECT_EQ(form.text("antal"), "6");
}

TEST(FormDialog, LabelsFieldsAndOrdersButtons) {
  FormDialog dialog(parameterForm());
  EXPECT_EQ(dialog.windowTitle(), QString("Parametre"));
  auto* layout = dialog.findChild<QFormLayout*>();
  ASSERT_NE(layout, nullptr);
  ASSERT_EQ(layout->rowCount(), 2);
  auto labelText = [&](int row) {
    auto* label = qobject_cast<QLabel*>(layout->itemAt(row, QFormLayout::LabelRole)->widget());
    return label ? label->text() : QString();
  };
  EXPECT_EQ(labelText(0), QString::fromUtf8("Højst samlinger"));
  EXPECT_EQ(labelText(1), QString("navn")) << "a field without a label shows its name";

  QStringList order;
  for (QPushButton* b : dialog.findChildren<QPushButton*>()) order << b->text();
  EXPECT_EQ(order, (QStringList{"OK", "Gem", "Fortryd"}));
  EXPECT_TRUE(dialog.findChild<QPushButton*>("OK")->isDefault());
}

}  // namespace
}  // namespace vorkel

namespace vorkel {
namespace {

// The names a file dialog lists in its folder once the folder is read.
QStringList listedNames(QFileDialog* dialog) {
  auto* model = dialog->findChild<QFileSystemModel*>();
  auto* view = dialog->findChild<QListView*>("listView");
  if (!model || !view) return {};
  QStringList names;
  for (int wait = 0; wait < 200 && names.isEmpty(); ++wait) {
    QTest::qWait(10);
    const QModelIndex root = view->rootIndex();
    for (int r = 0; r < model->rowCount(root); ++r)
      if (!view->isRowHidden(r)) names << model->index(r, 0, root).data().toString();
  }
  names.sort();
  return names;
}

TEST(QtUiFileDialog, FiltersMatchWithoutRegardToCaseAndAllFilesTakesNamesWithoutExtension) {
  testing::TempFolder dir;
  for (const char* name : {"A.SKB", "b.skb", "README"}) dir.write(name, "x");
  QMainWindow window;
  QtUi ui(&window);
  FileDialogData data;
  data.filter = "Skabeloner (*.skb)|*.skb|Alle Filer (*.*)|*.*|";
  data.folder = dir.path();
  QStringList first, all;
  ModalAnswer answer([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    first = listedNames(dialog);
    dialog->selectNameFilter("Alle Filer (*)");
    all = listedNames(dialog);
    dialog->reject();
  });
  EXPECT_FALSE(ui.openFileDialog(data));
  EXPECT_EQ(first, (QStringList{"A.SKB", "b.skb"}));
  EXPECT_EQ(all, (QStringList{"A.SKB", "README", "b.skb"}));
}

}  // namespace
}  // namespace vorkel
