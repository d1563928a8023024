#include "tavo/tavoEdit/CompareDlg.h"

#include "tavo/material/MaterialParameters.h"
#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/CurveChart.h"
#include "tavo/tavoEdit/ProvenanceBadge.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

QString Tr(const char* text)
{
  return QString::fromStdString(Translate(text));
}

QString Q(const std::string& text)
{
  return QString::fromStdString(text);
}

// The parameters of the laws as the object view has them: the recalculated values.
CMaterialParameters ParametersOf(const ObjectView& view)
{
  CMaterialParameters parameters;
  for (const ViewedRow& row : view.rows)
    parameters.Set(row.kurzname, view.values.at(row.kurzname), row.einheit);
  return parameters;
}

QString CellTip(const CompareCell& cell)
{
  QString tip = Q(Translate(cell.longName));
  if (!cell.formula.empty())
    tip += "\n" + Tr("Formel") + ": " + Q(cell.formula);
  tip += "\n" + Q(LevelText(cell.origin.level)) + QString::fromUtf8(" „") + Q(cell.origin.holder) +
         QString::fromUtf8("“, ") + Q(FileText(cell.origin.inUserFile));
  return tip;
}

}  // namespace

const QColor CCompareDlg::kDiffers(255, 236, 160);
const QColor CCompareDlg::kMissing(224, 224, 224);

// --- construction ---

CCompareDlg::CCompareDlg(const CTavoHandler& handler, QWidget* parent) : QDialog(parent), m_handler(handler)
{
  setObjectName("dlgCompare");
  setWindowTitle(Tr("Objekte vergleichen"));
  m_objects = new QListWidget(this);
  m_objects->setObjectName("lstCompareObjects");
  m_table = new QTableWidget(this);
  m_table->setObjectName("tblCompare");
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->verticalHeader()->hide();
  m_chart = new CCurveChart(this);
  m_chart->setObjectName("chartCompare");
  m_law = new QComboBox(this);
  m_law->setObjectName("cbxCompareLaw");
  auto* diagram = new QWidget(this);
  auto* diagramLayout = new QVBoxLayout(diagram);
  diagramLayout->addWidget(m_law, 0, Qt::AlignLeft);
  diagramLayout->addWidget(m_chart, 1);
  m_tabs = new QTabWidget(this);
  m_tabs->setObjectName("tabsCompare");
  m_tabs->addTab(m_table, Tr("Werte"));
  m_tabs->addTab(diagram, Tr("Diagramm"));
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(m_objects);
  splitter->addWidget(m_tabs);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 900});
  auto* close = new QPushButton(Tr("Schließen"), this);
  close->setObjectName("btnCompareClose");
  close->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addLayout(buttons);
  resize(1120, 620);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  connect(m_objects, &QListWidget::itemChanged, this, &CCompareDlg::Refresh);
  connect(m_law, &QComboBox::currentIndexChanged, this, &CCompareDlg::DrawCurves);
}

// --- public operations ---

void CCompareDlg::SetObjects(const std::vector<CMaterialPath>& objects)
{
  const QSignalBlocker quiet(m_objects);
  m_objects->clear();
  for (const CMaterialPath& object : objects)
    AddObject(object);
  Refresh();
}

void CCompareDlg::AddObject(const CMaterialPath& object)
{
  const QString text = Q(object.Text());
  if (!m_objects->findItems(text, Qt::MatchExactly).isEmpty())
    return;
  auto* item = new QListWidgetItem(text, m_objects);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
  item->setCheckState(Qt::Checked);
}

void CCompareDlg::Refresh()
{
  std::vector<ObjectView> views;
  for (int i = 0; i < m_objects->count(); ++i) {
    const QListWidgetItem* item = m_objects->item(i);
    if (item->checkState() != Qt::Checked)
      continue;
    if (const auto path = CMaterialPath::Parse(item->text().toStdString()))
      views.push_back(ViewObject(m_handler, *path));
  }
  m_matrix = BuildCompareMatrix(views);
  FillTable(views);
  m_views = std::move(views);
  OfferLaws();
  DrawCurves();
}

// --- private helpers ---

void CCompareDlg::FillTable(const std::vector<ObjectView>& views)
{
  m_table->clear();
  m_table->setColumnCount(int(views.size()) + 1);
  m_table->setRowCount(int(m_matrix.rows.size()));
  QStringList headers{Tr("Kurzname")};
  for (const ObjectView& view : views)
    headers << Q(view.path.Names().back());
  m_table->setHorizontalHeaderLabels(headers);
  for (int column = 1; column <= int(views.size()); ++column)
    m_table->horizontalHeaderItem(column)->setToolTip(Q(views[std::size_t(column - 1)].path.Text()));

  for (int r = 0; r < int(m_matrix.rows.size()); ++r) {
    const CompareRow& row = m_matrix.rows[std::size_t(r)];
    auto* name = new QTableWidgetItem(Q(row.shortName));
    if (row.partial) {
      QFont italic = name->font();
      italic.setItalic(true);
      name->setFont(italic);
      name->setToolTip(Tr("Nicht alle Objekte haben diese Zeile"));
    } else if (row.differs) {
      name->setToolTip(Tr("Die Werte unterscheiden sich"));
    }
    m_table->setItem(r, 0, name);
    for (int column = 1; column <= int(row.cells.size()); ++column) {
      const CompareCell& cell = row.cells[std::size_t(column - 1)];
      QString text = QString::fromUtf8("—");
      if (cell.present)
        text = Q(cell.value) + (cell.unit.empty() || cell.unit == "-" ? QString() : " " + Q(cell.unit)) +
               (cell.formula.empty() ? QString() : QString::fromUtf8("  ƒ"));
      auto* item = new QTableWidgetItem(text);
      if (cell.present)
        item->setToolTip(CellTip(cell));
      if (!cell.present)
        item->setBackground(kMissing);
      else if (row.differs)
        item->setBackground(kDiffers);
      m_table->setItem(r, column, item);
    }
    if (row.differs)
      name->setBackground(kDiffers);
  }
  m_table->resizeColumnsToContents();
}

void CCompareDlg::OfferLaws()
{
  const QSignalBlocker quiet(m_law);
  const QString chosen = m_law->currentData().toString();
  m_law->clear();
  m_law->addItem(Tr("Alle Gesetze"), QString());
  for (const StressStrainLaw& law : StressStrainLaws()) {
    const bool applies = std::any_of(m_views.begin(), m_views.end(), [&](const ObjectView& view) {
      const auto laws = LawsOfKinds(ParametersOf(view));
      return std::find(laws.begin(), laws.end(), &law) != laws.end();
    });
    if (applies)
      m_law->addItem(Tr(law.title), QString(law.id));
  }
  const int kept = m_law->findData(chosen);
  m_law->setCurrentIndex(kept > 0 ? kept : std::min(1, m_law->count() - 1));
}

void CCompareDlg::DrawCurves()
{
  const std::string only = m_law->currentData().toString().toStdString();
  std::vector<NamedCurve> curves;
  for (const ObjectView& view : m_views) {
    const CMaterialParameters parameters = ParametersOf(view);
    for (const StressStrainLaw* law : LawsOfKinds(parameters)) {
      if (!only.empty() && only != law->id)
        continue;
      if (DrawnLaw drawn = DrawLaw(*law, parameters); drawn.curve)
        curves.push_back({std::move(*drawn.curve), Q(view.path.Names().back()) + ": " + Tr(law->title)});
    }
  }
  // Labels of every object's points would cover the curves; the legend and the hover name them.
  m_chart->ShowCurves(curves, false);
  m_tabs->setTabEnabled(1, m_law->count() > 1);
}
