#include "tavo/tavoEdit/EditorPrompts.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/CopyDlg.h"
#include "tavo/tavoEdit/MergeConflictDlg.h"
#include "tavo/tavoEdit/SaveQuestionDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

CEditorPrompts::Answer CDialogPrompts::Ask(QWidget* parent, const std::string& text, Buttons buttons, bool question)
{
  QMessageBox box(question ? QMessageBox::Question : QMessageBox::Information, kProgramName,
                  QString::fromStdString(text), QMessageBox::NoButton, parent);
  QAbstractButton* merge = nullptr;
  switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Buttons::YesNoDefaultNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Buttons::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case Buttons::YesNoMerge:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      merge = box.addButton(QString::fromStdString(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", "Zusammenführen")),
                            QMessageBox::AcceptRole);
      break;
  }
  box.exec();
  if (merge && box.clickedButton() == merge)
    return Answer::Merge;
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
  }
}

CEditorPrompts::Answer CDialogPrompts::AskWithChanges(QWidget* parent, const std::string& text,
                                                      const std::vector<ChangeGroup>& changes)
{
  CSaveQuestionDlg question(text, changes, parent);
  return question.Run();
}

std::optional<std::string> CDialogPrompts::AskSaveFile(QWidget* parent, const std::string& title,
                                                       const std::string& proposedName, const std::string& filter)
{
  QFileDialog dialog(parent, QString::fromStdString(title), QDir::currentPath(), QString::fromStdString(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("txt");
  dialog.selectFile(QString::fromStdString(proposedName));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

bool CDialogPrompts::RunCopyDialog(CCopyDlg& dialog)
{
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::vector<bool>> CDialogPrompts::ChooseMergeSides(QWidget* parent, const std::string& path,
                                                                  const std::vector<MergeConflict>& conflicts)
{
  CMergeConflictDlg dialog(path, conflicts, parent);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return dialog.Sides();
}
