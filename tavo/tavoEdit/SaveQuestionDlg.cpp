#include "tavo/tavoEdit/SaveQuestionDlg.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/ChangeTexts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString Translated(const char* text)
{
  return QString::fromStdString(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text));
}

QString Text(const std::string& text)
{
  return QString::fromStdString(text);
}

}  // namespace

// --- construction ---

CSaveQuestionDlg::CSaveQuestionDlg(const std::string& text, const std::vector<ChangeGroup>& changes, QWidget* parent)
    : QDialog(parent)
{
  setObjectName("saveQuestion");
  setWindowTitle(kProgramName);
  auto* icon = new QLabel(this);
  const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(size, size));
  auto* question = new QLabel(Text(text), this);
  question->setObjectName("lblQuestion");
  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addWidget(question, 1);

  m_changes = new QTreeWidget(this);
  m_changes->setObjectName("treeChanges");
  m_changes->setHeaderLabels({Translated("Änderung"), Translated("Vorher"), Translated("Nachher")});
  m_changes->setMinimumSize(640, 260);
  m_changes->hide();
  FillChanges(changes);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel, this);
  m_details = buttons->addButton(Translated("Details…"), QDialogButtonBox::HelpRole);  // does not close
  m_details->setObjectName("btnDetails");
  m_details->setCheckable(true);
  m_details->setEnabled(!changes.empty());
  connect(m_details, &QPushButton::toggled, this, [this](bool shown) {
    m_changes->setVisible(shown);
    adjustSize();
  });
  connect(buttons, &QDialogButtonBox::clicked, this, [this, buttons](QAbstractButton* button) {
    switch (buttons->standardButton(button)) {
      case QDialogButtonBox::Yes: m_answer = CEditorPrompts::Answer::Yes; break;
      case QDialogButtonBox::No: m_answer = CEditorPrompts::Answer::No; break;
      case QDialogButtonBox::Cancel: m_answer = CEditorPrompts::Answer::Cancel; break;
      default: return;
    }
    accept();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_changes, 1);
  layout->addWidget(buttons);
}

// --- public operations ---

CEditorPrompts::Answer CSaveQuestionDlg::Run()
{
  m_answer = CEditorPrompts::Answer::Cancel;
  exec();
  return m_answer;
}

// --- private helpers ---

void CSaveQuestionDlg::FillChanges(const std::vector<ChangeGroup>& changes)
{
  QTreeWidgetItem* sections[2] = {nullptr, nullptr};  // the user's edits, the recalculations
  for (const ChangeGroup& group : changes) {
    QTreeWidgetItem*& section = sections[group.recalculation ? 1 : 0];
    if (!section) {
      section = new QTreeWidgetItem(
          m_changes, {group.recalculation ? Translated("Beim Anzeigen neu berechnet") : Translated("Ihre Änderungen")});
      section->setFirstColumnSpanned(true);
    }
    const std::string title =
        group.recalculation ? ChangeCauseText(ChangeKind::kRecalculation, group.object) : group.object;
    auto* object = new QTreeWidgetItem(section, {Text(title)});
    object->setFirstColumnSpanned(true);
    object->setToolTip(0, Text(group.object));
    for (const ChangeLine& line : group.lines) {
      const bool values = line.kind == ChangeLine::Kind::kAttribute;
      new QTreeWidgetItem(object, {Text(ChangeLineText(line)), values ? Text(ChangeValueText(line.before)) : QString(),
                                   values ? Text(ChangeValueText(line.after)) : QString()});
    }
  }
  m_changes->expandAll();
  m_changes->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}
