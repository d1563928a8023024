#include "tavo/tavoEdit/CopyDlg.h"

#include "tavo/outside/VBTWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* ReadOnlyField(const char* objectName, QWidget* parent)
{
  auto* field = new QLineEdit(parent);
  field->setObjectName(objectName);
  field->setReadOnly(true);
  return field;
}

QString Q(const std::string& text)
{
  return QString::fromStdString(text);
}

}  // namespace

CCopyDlg::CCopyDlg(QWidget* parent) : QDialog(parent)
{
  setObjectName("copyDialog");
  setWindowTitle(QString::fromUtf8("Neuer Eintrag"));
  m_kategorie = ReadOnlyField("edtKategorie", this);            // 1013
  m_unterkategorie = ReadOnlyField("edtUnterkategorie", this);  // 1014
  m_norm = ReadOnlyField("edtNorm", this);                      // 1015
  m_objekt = ReadOnlyField("edtObjekt", this);                  // 1016
  m_newName = new QLineEdit(this);                              // 1017
  m_newName->setObjectName("edtNewName");
  m_intoUserFile = new QCheckBox(QString::fromUtf8("Erzeugen in der Benutzer Datenbank"), this);  // 1018
  m_intoUserFile->setObjectName("chkUserFile");
  m_priorityLabel = new QLabel(QString::fromUtf8("Priorität:"), this);
  m_priority = new QLineEdit(this);  // 1019
  m_priority->setObjectName("edtPriority");

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QString::fromUtf8("OK"), QDialogButtonBox::AcceptRole);  // 1
  ok->setObjectName("btnOk");
  QPushButton* cancel = buttons->addButton(QString::fromUtf8("Abbrechen"), QDialogButtonBox::RejectRole);  // 2
  cancel->setObjectName("btnCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &CCopyDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CCopyDlg::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8("Zu kopierendes Objekt:"), this), 0, 0, 1, 4);
  layout->addWidget(m_kategorie, 1, 0);
  layout->addWidget(m_unterkategorie, 1, 1);
  layout->addWidget(m_norm, 1, 2);
  layout->addWidget(m_objekt, 1, 3);
  layout->addWidget(new QLabel(QString::fromUtf8("Neuer Name:"), this), 2, 0);
  layout->addWidget(m_newName, 2, 1, 1, 3);
  layout->addWidget(m_intoUserFile, 3, 0, 1, 2);
  layout->addWidget(m_priorityLabel, 3, 2, Qt::AlignRight);
  layout->addWidget(m_priority, 3, 3);
  layout->addWidget(buttons, 4, 0, 1, 4);
  setMinimumWidth(560);
}

void CCopyDlg::OnInitDialog()
{
  FieldsToControls();
  VBT_HWNDTranslate("QOR Eingabe", "tavo", "CCopytDlg", this);
  if (!qorMode) {
    intoUserFile = 1;
    priorityText.clear();
    m_intoUserFile->hide();
    m_priority->hide();
  }
  FieldsToControls();
  m_newName->setFocus();
}

void CCopyDlg::accept()
{
  ControlsToFields();
  QDialog::accept();
}

void CCopyDlg::FieldsToControls()
{
  m_kategorie->setText(Q(kategorieName));
  m_unterkategorie->setText(Q(unterkategorieName));
  m_norm->setText(Q(normName));
  m_objekt->setText(Q(objektName));
  m_newName->setText(Q(newName));
  m_priority->setText(Q(priorityText));
  m_intoUserFile->setChecked(intoUserFile != 0);
}

void CCopyDlg::ControlsToFields()
{
  newName = m_newName->text().toStdString();
  priorityText = m_priority->text().toStdString();
  intoUserFile = m_intoUserFile->isChecked() ? 1 : 0;
}
