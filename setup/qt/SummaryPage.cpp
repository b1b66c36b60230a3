#include "setup/qt/SummaryPage.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "setup/InstallerTexts.h"
#include "setup/Wizard.h"

namespace vorkel::setup {

SummaryPage::SummaryPage(QWidget* parent)
    : PageBase(441, 285, texts::summaryCaption, texts::summaryText, true, parent) {
  textArea()->setFixedHeight(82);
  auto* label = new QLabel(QString::fromUtf8(texts::summaryLabel), this);
  label->setObjectName("Label1");
  label->setGeometry(128, 94, 250, 17);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo2");
  memo_->setReadOnly(true);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo_->setGeometry(128, 112, 305, 130);
}

void SummaryPage::load(const Wizard& wizard) {
  memo_->setPlainText(QString::fromUtf8(wizard.summary().c_str()));
}

}  // namespace vorkel::setup
