#pragma once
// The quick find above the selection lists: a search field and, below it, the hits as the user
// types, each with its whole path and where the hit is. Up and Down walk the hits, Enter or a
// click picks one, Escape closes them; with the field empty the recently opened objects are
// offered. Hits the owner cannot select are shown greyed with the reason. The field only finds
// and offers; the owner selects.

#include "tavo/material/FindIndex.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

class CFindField : public QWidget {
  Q_OBJECT

 public:
  // What the owner tells the field: the index to search (built when asked), why a path cannot be
  // selected ("" when it can), and the recently opened objects' paths.
  struct Owner {
    std::function<const CFindIndex&()> index;
    std::function<std::string(const CMaterialPath&)> blocked;
    std::function<std::vector<std::string>()> recent;
  };

  CFindField(Owner owner, QWidget* popupParent);

  QLineEdit* Edit() const { return m_edit; }
  QListWidget* Results() const { return m_results; }
  // Gives the field the keyboard focus with its text selected, and shows what it finds.
  void Activate();
  void HideResults();

  // How many hits a keystroke shows at most.
  static constexpr std::size_t kShownHits = 50;

 signals:
  void picked(const CMaterialPath& path);
  void compareRequested(const CMaterialPath& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowResults();
  void AddItem(const CMaterialPath& path, const std::string& where);
  void Pick(QListWidgetItem* item);
  void MoveCurrent(int step);
  void PlaceResults();
  void ShowContextMenu(const QPoint& at);
  std::string WhereText(const FindHit& hit) const;

  Owner m_owner;
  QLineEdit* m_edit = nullptr;
  QListWidget* m_results = nullptr;  // a child of the popup parent, laid over it
};
