#include "tavo/tavoEdit/FindField.h"

#include "tavo/outside/VBT.h"
#include "tavo/tavoEdit/ProvenanceBadge.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include <algorithm>

namespace {

constexpr int kPathRole = Qt::UserRole;  // the item's path text

std::string Translate(const std::string& text)
{
  return VBT_Translate("QOR Eingabe", "tavo", "TavoEdit", text);
}

QString Tr(const char* text)
{
  return QString::fromStdString(Translate(text));
}

// "Beton › Normalbeton › EC2 › C30/37", the levels above the object as their lists show them.
QString PathText(const CMaterialPath& path)
{
  QStringList names;
  for (int level = 0; level < path.Depth(); ++level)
    names << QString::fromStdString(level < 3 ? Translate(path.Names()[level]) : path.Names()[level]);
  return names.join(QString::fromUtf8(" › "));
}

}  // namespace

// --- construction ---

CFindField::CFindField(Owner owner, QWidget* popupParent) : QWidget(popupParent), m_owner(std::move(owner))
{
  setObjectName("findField");
  m_edit = new QLineEdit(this);
  m_edit->setObjectName("edtFind");
  m_edit->setPlaceholderText(Tr("Suchen: Kategorie, Norm, Objekt, Kurzname, Name (Strg+F)"));
  m_edit->setClearButtonEnabled(true);
  m_edit->installEventFilter(this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_edit);

  m_results = new QListWidget(popupParent);
  m_results->setObjectName("lstFindResults");
  m_results->setFocusPolicy(Qt::NoFocus);  // typing stays in the field
  m_results->setContextMenuPolicy(Qt::CustomContextMenu);
  m_results->setFrameShape(QFrame::Box);
  m_results->hide();
  connect(m_edit, &QLineEdit::textEdited, this, &CFindField::ShowResults);
  connect(m_results, &QListWidget::itemClicked, this, &CFindField::Pick);
  connect(m_results, &QListWidget::customContextMenuRequested, this, &CFindField::ShowContextMenu);
}

// --- public operations ---

void CFindField::Activate()
{
  m_edit->setFocus(Qt::ShortcutFocusReason);
  m_edit->selectAll();
  ShowResults();
}

void CFindField::HideResults()
{
  m_results->hide();
}

// --- handlers ---

bool CFindField::eventFilter(QObject* watched, QEvent* event)
{
  if (watched == m_edit && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Down: MoveCurrent(1); return true;
      case Qt::Key_Up: MoveCurrent(-1); return true;
      case Qt::Key_Return:
      case Qt::Key_Enter: Pick(m_results->isVisible() ? m_results->currentItem() : nullptr); return true;
      case Qt::Key_Escape:  // closes the hits, never the editor
        HideResults();
        return true;
      default: break;
    }
  }
  if (watched == m_edit && event->type() == QEvent::FocusIn)
    ShowResults();
  if (watched == m_edit && event->type() == QEvent::FocusOut && !m_results->underMouse())
    HideResults();
  return QWidget::eventFilter(watched, event);
}

// --- private helpers ---

void CFindField::ShowResults()
{
  m_results->clear();
  const std::string query = m_edit->text().trimmed().toStdString();
  if (query.empty()) {
    for (const std::string& text : m_owner.recent())
      if (const auto path = CMaterialPath::Parse(text); path && path->NamesObject())
        AddItem(*path, Translate("zuletzt geöffnet"));
  } else {
    const FindResult result = m_owner.index().Find(query, kShownHits);
    for (const FindHit& hit : result.hits)
      AddItem(hit.path, WhereText(hit));
    if (result.total > result.hits.size()) {
      auto* more =
          new QListWidgetItem(Tr("… und %1 weitere Treffer; genauer suchen").arg(result.total - result.hits.size()));
      more->setFlags(Qt::NoItemFlags);
      m_results->addItem(more);
    }
    if (result.hits.empty()) {
      auto* none = new QListWidgetItem(Tr("Nichts gefunden"));
      none->setFlags(Qt::NoItemFlags);
      m_results->addItem(none);
    }
  }
  if (m_results->count() == 0) {
    HideResults();
    return;
  }
  MoveCurrent(0);
  PlaceResults();
  m_results->show();
  m_results->raise();
}

void CFindField::AddItem(const CMaterialPath& path, const std::string& where)
{
  auto* item = new QListWidgetItem(PathText(path) + QString::fromUtf8("    — ") + QString::fromStdString(where));
  item->setData(kPathRole, QString::fromStdString(path.Text()));
  if (const std::string reason = m_owner.blocked(path); !reason.empty()) {
    item->setFlags(Qt::ItemIsSelectable);  // shown, but neither enabled nor picked
    item->setToolTip(QString::fromStdString(reason));
    item->setText(item->text() + " (" + QString::fromStdString(reason) + ")");
  }
  m_results->addItem(item);
}

void CFindField::Pick(QListWidgetItem* item)
{
  if (!item || !(item->flags() & Qt::ItemIsEnabled))
    return;
  const auto path = CMaterialPath::Parse(item->data(kPathRole).toString().toStdString());
  if (!path)
    return;
  HideResults();
  emit picked(*path);
}

void CFindField::MoveCurrent(int step)
{
  const int count = m_results->count();
  int row = step == 0 ? -1 : m_results->currentRow();
  for (int tries = 0; tries < count; ++tries) {
    row = step >= 0 ? row + 1 : row - 1;
    if (row < 0 || row >= count)
      return;
    if (m_results->item(row)->flags() & Qt::ItemIsEnabled) {
      m_results->setCurrentRow(row);
      return;
    }
  }
}

void CFindField::PlaceResults()
{
  QWidget* parent = m_results->parentWidget();
  const QPoint below = m_edit->mapTo(parent, QPoint(0, m_edit->height()));
  const int rows = std::min(m_results->count(), 14);
  const int width = std::clamp(m_edit->width(), 640, 960);
  m_results->setGeometry(below.x(), below.y(), std::min(width, parent->width() - below.x()),
                         rows * m_results->sizeHintForRow(0) + 2 * m_results->frameWidth());
}

void CFindField::ShowContextMenu(const QPoint& at)
{
  QListWidgetItem* item = m_results->itemAt(at);
  if (!item || !(item->flags() & Qt::ItemIsEnabled))
    return;
  const auto path = CMaterialPath::Parse(item->data(kPathRole).toString().toStdString());
  if (!path)
    return;
  QMenu menu(this);
  QAction* open = menu.addAction(Tr("Öffnen"));
  QAction* compare = menu.addAction(Tr("Mit dem gezeigten Objekt vergleichen..."));
  compare->setObjectName("actFindCompare");
  QAction* chosen = menu.exec(m_results->viewport()->mapToGlobal(at));
  if (chosen == open)
    Pick(item);
  else if (chosen == compare)
    emit compareRequested(*path);
}

std::string CFindField::WhereText(const FindHit& hit) const
{
  const std::string level = LevelText(hit.Level());
  switch (hit.what) {
    case FindHit::kLevelName: return Translate("Name") + " (" + level + ")";
    case FindHit::kShortName:
      return Translate("Kurzname") + " " + hit.text + (hit.Level() < 4 ? " (" + level + ")" : "");
    case FindHit::kLongName:
      return Translate("Name") + " „" + hit.text + "“ (" + hit.shortName + (hit.Level() < 4 ? ", " + level : "") + ")";
  }
  return "";
}
