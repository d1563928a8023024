#include "tavo/tavoEdit/MergeConflictDlg.h"

#include "tavo/outside/VBT.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString Translated(const char* text)
{
  return QString::fromStdString(VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text));
}

// An absent attribute or element reads as such, not as an empty text.
QString SideText(const std::optional<std::string>& text)
{
  return text ? QString::fromStdString(*text) : Translated("(fehlt)");
}

}  // namespace

// --- construction ---

CMergeConflictDlg::CMergeConflictDlg(const std::string& path, const std::vector<MergeConflict>& conflicts,
                                     QWidget* parent)
    : QDialog(parent)
{
  setObjectName("mergeConflicts");
  setWindowTitle(Translated("Zusammenführen"));
  auto* text = new QLabel(Translated("Hier und in der Datei auf der Festplatte wurde dasselbe verschieden geändert:") +
                              "\n" + QString::fromStdString(path) + "\n" +
                              Translated("Wählen Sie für jede Zeile, welche Fassung gilt."),
                          this);

  m_table = new QTableWidget(static_cast<int>(conflicts.size()), 6, this);
  m_table->setObjectName("tblConflicts");
  m_table->setHorizontalHeaderLabels({Translated("Pfad"), Translated("Attribut"), Translated("Basis"),
                                      Translated("Hier"), Translated("Festplatte"), Translated("Es gilt")});
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setMinimumSize(760, 240);
  for (int row = 0; row < m_table->rowCount(); ++row) {
    const MergeConflict& conflict = conflicts[row];
    const QString cells[] = {
        QString::fromStdString(PathText(conflict.path)),
        conflict.attribute.empty() ? Translated("(Element)") : QString::fromStdString(conflict.attribute),
        SideText(conflict.base), SideText(conflict.ours), SideText(conflict.theirs)};
    for (int column = 0; column < 5; ++column)
      m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    auto* side = new QComboBox(m_table);
    side->setObjectName(QString("cbxSide%1").arg(row));
    side->addItems({Translated("(bitte wählen)"), Translated("Hier"), Translated("Festplatte")});
    connect(side, &QComboBox::currentIndexChanged, this, &CMergeConflictDlg::UpdateOk);
    m_table->setCellWidget(row, 5, side);
    m_sides.push_back(side);
  }
  m_table->resizeColumnsToContents();
  m_table->horizontalHeader()->setStretchLastSection(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setObjectName("btnMergeOk");
  m_ok->setText(Translated("Zusammenführen"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnMergeCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(m_table, 1);
  layout->addWidget(buttons);
  UpdateOk();
}

// --- public operations ---

std::vector<bool> CMergeConflictDlg::Sides() const
{
  std::vector<bool> sides;
  for (const QComboBox* side : m_sides)
    sides.push_back(side->currentIndex() == kTheirs);
  return sides;
}

// --- private helpers ---

void CMergeConflictDlg::UpdateOk()
{
  // Nothing is merged while a conflict has no choice: an unchosen row must not default to a side.
  m_ok->setEnabled(std::none_of(m_sides.begin(), m_sides.end(),
                                [](const QComboBox* side) { return side->currentIndex() == kUnchosen; }));
}
