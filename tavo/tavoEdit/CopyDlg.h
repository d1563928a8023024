#pragma once
// "Neuer Eintrag": asks for the name of a copy and, in QOR mode, its priority and its file. It
// only collects the values; the editor checks the name and makes the copy.

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;

class CCopyDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CCopyDlg(QWidget* parent = nullptr);

  // Set by the editor before the dialog runs, read after it.
  std::string kategorieName, unterkategorieName, normName, objektName;
  std::string newName;
  std::string priorityText;
  int intoUserFile = 0;
  bool qorMode = false;

  // Fields into the controls, translation, and the normal mode's fixed answers.
  void OnInitDialog();
  void accept() override;

 private:
  void FieldsToControls();
  void ControlsToFields();

  QLineEdit* m_kategorie;
  QLineEdit* m_unterkategorie;
  QLineEdit* m_norm;
  QLineEdit* m_objekt;
  QLineEdit* m_newName;
  QCheckBox* m_intoUserFile;
  QLabel* m_priorityLabel;
  QLineEdit* m_priority;
};
