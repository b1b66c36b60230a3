#include "setup/qt/CustomSetupPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStandardItemModel>

#include "setup/InstallerTexts.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

namespace {
QString qs(const char* text) { return QString::fromUtf8(text); }

// The language boxes by group: solver (main, help, dictionary), generator
// (main, help), drawer (main, help), with their labels.
struct BoxPlace {
  int group;
  const char* label;
  LanguageBox box;
};
constexpr BoxPlace kBoxes[7] = {
    {0, texts::customMainLanguage, LanguageBox::SolverMain},
    {0, texts::customHelpLanguage, LanguageBox::SolverHelp},
    {0, texts::customDictionaryLanguage, LanguageBox::SolverDictionary},
    {1, texts::customMainLanguage, LanguageBox::GeneratorMain},
    {1, texts::customHelpLanguage, LanguageBox::GeneratorHelp},
    {2, texts::customMainLanguage, LanguageBox::DrawerMain},
    {2, texts::customHelpLanguage, LanguageBox::DrawerHelp}};
}  // namespace

CustomSetupPage::CustomSetupPage(QWidget* parent)
    : PageBase(542, 401, texts::customCaption, texts::customText, true, parent) {
  textArea()->setFixedHeight(20);
  const int tops[3] = {30, 152, 226};
  const int heights[3] = {118, 70, 70};
  const char* names[3] = {"cbXRundel", "cbXVorkel", "cbXPenvik"};
  for (int g = 0; g < 3; ++g) {
    programs_[g] = new QCheckBox(qs(texts::customPrograms[g]), this);
    programs_[g]->setObjectName(names[g]);
    programs_[g]->setGeometry(128, tops[g] + 4, 80, 20);
    groups_[g] = new QGroupBox(this);
    groups_[g]->setGeometry(210, tops[g], 324, heights[g]);
    connect(programs_[g], &QCheckBox::toggled, this, [this] { if (!loading_) emit edited(); });
  }
  solverCompact_ = new QCheckBox(qs(texts::customCompact), groups_[0]);
  solverCompact_->setLayoutDirection(Qt::RightToLeft);
  solverCompact_->setGeometry(8, 8, 170, 20);
  connect(solverCompact_, &QCheckBox::toggled, this, [this] { if (!loading_) emit edited(); });
  // The generator's and the drawer's compact boxes are not shown.

  int row[3] = {1, 0, 0};
  for (int i = 0; i < 7; ++i) {
    const BoxPlace& p = kBoxes[i];
    const int y = 10 + 26 * row[p.group]++;
    auto* l = new QLabel(qs(p.label), groups_[p.group]);
    l->setGeometry(8, y + 2, 160, 18);
    languages_[i] = new QComboBox(groups_[p.group]);
    languages_[i]->setGeometry(174, y, 140, 22);
    for (const auto& entry : texts::languageEntries) languages_[i]->addItem(qs(entry.name));
    connect(languages_[i], &QComboBox::currentIndexChanged, this, [this, i] {
      if (loading_) return;
      movedBox_ = i;
      emit edited();
    });
  }

  auto* neededLabel = new QLabel(qs(texts::spaceNeededLabel), this);
  neededLabel->setGeometry(218, 308, 150, 17);
  needed_ = new QLabel(this);
  needed_->setObjectName("lbSizeNeeded");
  needed_->setGeometry(384, 308, 100, 17);
  auto* availableLabel = new QLabel(qs(texts::spaceAvailableLabel), this);
  availableLabel->setGeometry(218, 328, 150, 17);
  available_ = new QLabel(this);
  available_->setObjectName("lbSizeAvailable");
  available_->setGeometry(384, 328, 100, 17);
}

void CustomSetupPage::load(const Wizard& wizard) {
  loading_ = true;
  const ProgramChecks& c = wizard.checks();
  const MediumContents medium = wizard.medium();
  const bool checked[3] = {c.solver, c.generator, c.drawer};
  const bool onMedium[3] = {medium.solver, medium.generator, medium.drawer};
  for (int g = 0; g < 3; ++g) {
    // A program the medium lacks cannot be chosen.
    programs_[g]->setEnabled(onMedium[g]);
    programs_[g]->setChecked(checked[g]);
    groups_[g]->setEnabled(checked[g]);
  }
  solverCompact_->setChecked(c.solverCompact);
  for (int i = 0; i < 7; ++i) {
    // Entries the medium has no program or help for are shown but disabled.
    if (auto* model = qobject_cast<QStandardItemModel*>(languages_[i]->model()))
      for (int row = 0; row < model->rowCount(); ++row)
        model->item(row)->setEnabled(wizard.languageOffered(kBoxes[i].box, row));
    languages_[i]->setCurrentIndex(wizard.languageIndex(kBoxes[i].box));
  }
  needed_->setText(QString::fromUtf8(wizard.spaceNeededText().c_str()));
  available_->setText(QString::fromUtf8(wizard.spaceAvailableText().c_str()));
  loading_ = false;
}

void CustomSetupPage::store(Wizard& wizard) {
  ProgramChecks c;
  c.solver = programs_[0]->isChecked();
  c.generator = programs_[1]->isChecked();
  c.drawer = programs_[2]->isChecked();
  c.solverCompact = solverCompact_->isChecked();
  wizard.setChecks(c);
  // The box the user moved goes first, so its partners follow it; a linked
  // partner still showing the old entry must not be passed on after it and
  // undo the choice.
  if (movedBox_ >= 0)
    wizard.setLanguageIndex(kBoxes[movedBox_].box, languages_[movedBox_]->currentIndex());
  movedBox_ = -1;
  for (int i = 0; i < 7; ++i)
    if (!isLinked(kBoxes[i].box) && languages_[i]->currentIndex() != wizard.languageIndex(kBoxes[i].box))
      wizard.setLanguageIndex(kBoxes[i].box, languages_[i]->currentIndex());
}

}  // namespace vorkel::setup
