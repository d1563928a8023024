#include "tavo/tavoEdit/FormulaInspector.h"

#include "tavo/material/FormulaMessages.h"
#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/ProvenanceBadge.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString Tr(const char* text)
{
  return QString::fromStdString(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text));
}

QString Q(const std::string& text)
{
  return QString::fromStdString(text);
}

}  // namespace

// --- construction ---

CFormulaInspector::CFormulaInspector(QWidget* parent) : QWidget(parent)
{
  setObjectName("paneFormulaInspector");
  m_title = new QLabel(this);
  m_title->setObjectName("lblInspectorFormula");
  m_title->setTextFormat(Qt::PlainText);
  m_names = new QTableWidget(0, 4, this);
  m_names->setObjectName("tblInspectorNames");
  m_names->setHorizontalHeaderLabels({Tr("Kurzname"), Tr("Wert"), Tr("Zeile"), Tr("Herkunft")});
  m_names->horizontalHeader()->setStretchLastSection(true);
  m_names->verticalHeader()->hide();
  m_names->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_names->setSelectionMode(QAbstractItemView::NoSelection);
  m_names->setFocusPolicy(Qt::NoFocus);
  m_names->setMaximumHeight(130);
  m_problems = new QLabel(this);
  m_problems->setObjectName("lblInspectorProblems");
  m_problems->setStyleSheet("color: #a00000");
  m_problems->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 4, 0, 0);
  layout->addWidget(m_title);
  layout->addWidget(m_names);
  layout->addWidget(m_problems);
  hide();
}

// --- public operations ---

void CFormulaInspector::Show(const FormulaInspection& inspection)
{
  if (inspection.formula.empty()) {
    hide();
    return;
  }
  m_title->setText(
      Tr("Formel von %1: %2 = %3").arg(Q(inspection.shortName), Q(inspection.formula), Q(inspection.value)));
  m_names->setRowCount(0);
  for (const InspectedName& name : inspection.names) {
    const int row = m_names->rowCount();
    m_names->insertRow(row);
    const QString value = Q(name.value) + (name.computed ? " " + Tr("(berechnet)") : QString());
    const QString origin = Q(LevelText(name.level)) + QString::fromUtf8(" „") + Q(name.holder) + QString::fromUtf8("“");
    const QString cells[] = {Q(name.name), value, QString::number(name.row + 1), origin};
    for (int column = 0; column < 4; ++column)
      m_names->setItem(row, column, new QTableWidgetItem(cells[column]));
    if (!name.number)
      m_names->item(row, 1)->setForeground(QColor(160, 0, 0));
  }
  m_names->resizeColumnsToContents();

  QStringList problems;
  if (!inspection.unresolved.empty()) {
    QStringList names;
    for (const std::string& name : inspection.unresolved)
      names << Q(name);
    problems << Tr("Nicht definiert (zählt als 0): %1").arg(names.join(", "));
  }
  for (const CParserWarning& warning : inspection.warnings)
    problems << Q(TranslateFormulaMessage(warning.text));
  problems.removeDuplicates();
  m_problems->setText(problems.join('\n'));
  m_problems->setVisible(!problems.isEmpty());
  show();
}
