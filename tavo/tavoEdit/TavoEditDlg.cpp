#include "tavo/tavoEdit/TavoEditDlg.h"

#include "tavo/material/DiskMerge.h"
#include "tavo/material/TavoHandler.h"
#include "tavo/outside/FailureReasons.h"
#include "tavo/outside/VBT.h"
#include "tavo/outside/VBTWindow.h"
#include "tavo/tavoEdit/AboutDlg.h"
#include "tavo/tavoEdit/EditorPrompts.h"
#include "tavo/tavoEdit/ObjectListModel.h"
#include "tavo/tavoEdit/StressStrainPane.h"
#include "tavo/tavoEdit/TavoGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char* const kListNames[4] = {"cbxKategorie", "cbxUnterkategorie", "cbxNorm", "cbxObjekt"};  // 1000-1003

QPushButton* Button(const char* text, const char* objectName, QWidget* parent)
{
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(objectName);
  button->setAutoDefault(false);  // Enter presses nothing
  return button;
}

}  // namespace

// --- construction ---

CTavoEditDlg::CTavoEditDlg(CTavoHandler& handler, CEditorPrompts& prompts, const StartValues& start, QWidget* parent)
    : QDialog(parent), m_handler(handler), m_prompts(prompts), m_start(start)
{
  setObjectName("tavoEditDialog");
  setWindowTitle(QString::fromUtf8("QO-TAVO  Material Editor[*]"));  // [*]: unsaved changes
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setWindowFlag(Qt::WindowMinimizeButtonHint);
  CreateControls();
}

CTavoEditDlg::~CTavoEditDlg() = default;

void CTavoEditDlg::CreateControls()
{
  auto* selectionRow = new QHBoxLayout;
  selectionRow->addWidget(new QLabel(QString::fromUtf8("Gewähltes Objekt:"), this));
  for (int level = 0; level < kLevelCount; ++level) {
    m_lists[level] = new QComboBox(this);
    m_lists[level]->setObjectName(kListNames[level]);
    // Sized by the character count of the longest entry (FillList), not by shaping every entry:
    // a code holds thousands of objects.
    m_lists[level]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_lists[level]->setMinimumContentsLength(kShortestListWidth);
    selectionRow->addWidget(m_lists[level], 1);
  }
  m_objectList = new CObjectListModel(this);
  m_lists[kObjekt]->setModel(m_objectList);
  for (int level = 0; level < kLevelCount; ++level)
    connect(m_lists[level], &QComboBox::activated, this, [this, level] { OnSelChange(static_cast<Level>(level)); });

  m_save = Button("Geänderte Werte speichern", "btnSaveChanges", this);     // 1010
  m_copy = Button("Kopie erstellen", "btnCopyObject", this);                // 1007
  m_delete = Button("Aus Materialdatei löschen", "btnDeleteObject", this);  // 1011
  m_priority = new QLineEdit(this);                                         // 1012
  m_priority->setObjectName("edtPriority");
  m_priority->setMaximumWidth(80);
  m_priority->installEventFilter(this);
  auto* actionRow = new QHBoxLayout;
  actionRow->addWidget(m_save);
  actionRow->addWidget(m_copy);
  actionRow->addWidget(m_delete);
  CreateHistoryControls(actionRow);
  actionRow->addWidget(CreateExportButton());
  actionRow->addStretch(1);
  actionRow->addWidget(new QLabel(QString::fromUtf8("Priorität:"), this));
  actionRow->addWidget(m_priority);
  connect(m_save, &QPushButton::clicked, this, &CTavoEditDlg::OnSaveChanges);
  auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
  save->setContext(Qt::WindowShortcut);
  connect(save, &QShortcut::activated, this, &CTavoEditDlg::OnSaveChanges);
  connect(m_copy, &QPushButton::clicked, this, &CTavoEditDlg::OnCopyObject);
  connect(m_delete, &QPushButton::clicked, this, &CTavoEditDlg::OnDeleteObject);

  m_grid = new CTavoGrid(this);  // 1004
  connect(m_grid, &CTavoGrid::edited, this, [this] {
    m_gridEdited = true;  // Ctrl+Z takes this edit back first
    UpdateHistoryState();
  });

  m_protocol = Button("Protokoll der Materialdatei", "btnProtocol", this);  // 1019
  m_help = Button("Hilfe", "btnHelp", this);                                // 9
  m_close = Button("Schließen", "btnClose", this);                          // 2
  auto* closingRow = new QHBoxLayout;
  closingRow->addWidget(m_protocol);
  closingRow->addStretch(1);
  closingRow->addWidget(m_help);
  closingRow->addWidget(m_close);
  connect(m_protocol, &QPushButton::clicked, this, &CTavoEditDlg::OnProtocol);
  connect(m_help, &QPushButton::clicked, this, &CTavoEditDlg::OnHelp);
  connect(m_close, &QPushButton::clicked, this, &CTavoEditDlg::OnCancel);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::WindowShortcut);
  connect(f1, &QShortcut::activated, this, &CTavoEditDlg::OnHelp);
  // Linux windows have no system menu to hold the about box: Shift+F1 and the context menu do.
  auto* shiftF1 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), this);
  shiftF1->setContext(Qt::WindowShortcut);
  connect(shiftF1, &QShortcut::activated, this, &CTavoEditDlg::OnAbout);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateFindField());
  layout->addLayout(selectionRow);
  layout->addLayout(actionRow);
  layout->addWidget(WithStressStrainPane(m_grid, m_prompts, this, CreateGridPanels()), 1);
  layout->addLayout(closingRow);
  resize(1480, 700);
}

// --- public operations ---

void CTavoEditDlg::OnInitDialog()
{
  VBT_HWNDTranslate("QOR Eingabe", "tavo", "TavoEdit", this);
  if (m_copy->text() != QString::fromUtf8("Kopie erstellen"))
    m_help->hide();
  setWindowIcon(QApplication::windowIcon());
  m_protocol->setVisible(m_start.qorMode);
  m_grid->qorMode = m_start.qorMode;
  m_grid->InitGrid();

  m_handler.SetTrestle64(m_start.trestle64);
  m_handler.EnsureStandardOpen(true);
  m_handler.EnsureUserOpen(true);
  // The files as read are the bases of a later merge with the disk; each costs its size in memory.
  RememberBases(m_handler);
  MarkContents();

  FillList(kKategorie, m_handler.ListLevel({}), true);
  m_lists[kKategorie]->setCurrentIndex(0);
  OnSelChange(kKategorie);

  SelectStart(kKategorie, m_start.kat);
  SelectStart(kUnterkategorie, m_start.ukat);
  SelectStart(kNorm, m_start.norm);
  SelectStart(kObjekt, m_start.objekt);
  UpdateObjectData(false);
  UpdateHistoryState();

  m_remembering = true;
  if (!m_handler.StandardOpenError().empty() || !m_handler.UserOpenError().empty())
    QTimer::singleShot(0, this, &CTavoEditDlg::ReportOpenErrors);
}

void CTavoEditDlg::UpdateObjectData(bool saveAndValidate)
{
  if (saveAndValidate) {
    m_grid->ExchangeRowData(true);
    StoreObject();
    m_priorityText = m_priority->text().toStdString();
  } else {
    m_grid->ExchangeRowData(false);
    m_priority->setText(QString::fromStdString(m_priorityText));
  }
}

void CTavoEditDlg::ReportOpenErrors()
{
  for (const std::string* error : {&m_handler.StandardOpenError(), &m_handler.UserOpenError()})
    if (!error->empty())
      m_prompts.Ask(this,
                    Translate("Die Materialdatei konnte nicht geöffnet werden und wird nicht gespeichert:\n") +
                        VBT_TranslateReasons(*error),
                    CEditorPrompts::Buttons::Ok, false);
}

void CTavoEditDlg::OnAbout()
{
  CAboutDlg about(this);
  about.exec();
}

// --- handlers and hooks ---

void CTavoEditDlg::accept() {}

void CTavoEditDlg::reject()
{
  OnCancel();
}

void CTavoEditDlg::closeEvent(QCloseEvent* event)
{
  if (!m_closed)
    OnCancel();
  if (m_closed)
    event->accept();
  else
    event->ignore();
}

void CTavoEditDlg::contextMenuEvent(QContextMenuEvent* event)
{
  // Where the platform offers no system menu, the about box is reached from here.
  QMenu menu(this);
  QAction* about = menu.addAction(QString::fromStdString(Translate("Inf&o über tavoEdit...")));
  about->setObjectName("actAbout");
  about->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
  if (menu.exec(event->globalPos()) == about)
    OnAbout();
}

bool CTavoEditDlg::eventFilter(QObject* watched, QEvent* event)
{
  if (watched == m_priority && event->type() == QEvent::FocusOut)
    OnPriorityChanged();
  return QDialog::eventFilter(watched, event);
}

// --- private helpers ---

std::string CTavoEditDlg::Translate(const std::string& text) const
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

void CTavoEditDlg::MarkContents()
{
  // Nothing is serialised here: the closing questions compute a fingerprint only for a file that
  // was written since.
  m_standardMark = CContentMark(m_handler.StandardFile());
  m_userMark = CContentMark(m_handler.UserFile());
}
