#include "GridTestSupport.h"

#include "tests/support/QtTestApplication.h"

#include <QApplication>
#include <QVBoxLayout>

int CRecordingGrid::Count(const std::string& hook) const
{
  return int(std::count_if(calls.begin(), calls.end(), [&](const Call& call) { return call.hook == hook; }));
}

void GridDialogTest::SetUp()
{
  dialog = std::make_unique<QDialog>();
  auto* layout = new QVBoxLayout(dialog.get());
  const auto add = [&](auto* widget, const char* name) {
    widget->setObjectName(name);
    layout->addWidget(widget);
    return widget;
  };
  before = add(new QLineEdit("vorher"), "edtBefore");
  grid = add(new CRecordingGrid, "gridProperties");
  add(new QPushButton(QString()), "btnNoText")->setAutoDefault(false);
  after = add(new QPushButton("Weiter"), "btnAfter");
  after->setAutoDefault(false);

  grid->SetupGrid(4, 5, 1, 0);
  const char* headers[] = {"Kurz", "Typ", "Formel", "Dim", "Wert"};
  const int weights[] = {20, 5, 40, 10, 20};
  for (int col = 0; col < 5; ++col) {
    grid->SetHeaderText(0, col, headers[col]);
    grid->SetColumnWeight(col, weights[col]);
  }
  grid->SetColumnVisible(3, false, false);
  for (int row = 1; row < 4; ++row) {
    grid->SetCellType(row, 1, 3);
    grid->SetCellText(row, 0, "k" + std::to_string(row));
    grid->SetCellText(row, 2, "f" + std::to_string(row));
    grid->SetCellReadOnly(row, 2, true);
    grid->SetCellText(row, 3, "d" + std::to_string(row));
    grid->SetCellText(row, 4, std::to_string(row) + ".5");
  }
  dialog->resize(480, 300);
  dialog->show();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
  grid->FitColumns();
  before->setFocus(Qt::OtherFocusReason);
  grid->calls.clear();
}

void GridDialogTest::TearDown()
{
  grid->SetOwnerHandler({});  // the handlers of the tests capture their locals
  dialog.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GridDialogTest::FocusCell(int row, int col)
{
  grid->SelectCell(row, col);
  ASSERT_EQ(QApplication::focusWidget(), grid);
  ASSERT_EQ(grid->GetFocusCell(), CCellID(row, col));
}

void GridDialogTest::Key(QKeyCombination key)
{
  QWidget* target = QApplication::focusWidget();
  ASSERT_NE(target, nullptr);
  QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void GridDialogTest::Type(const QString& text)
{
  for (const QChar c : text)
    QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

QString GridDialogTest::FocusName() const
{
  const QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus->objectName() : QStringLiteral("<none>");
}

void GridDialogTest::Walk(const std::vector<Step>& steps)
{
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE("step " + std::to_string(i) + ": " + QKeySequence(step.key).toString().toStdString());
    if (step.key == kClick)
      Click(step.at.IsValid() ? step.at.row : step.focus.row, step.at.IsValid() ? step.at.col : step.focus.col);
    else
      Key(step.key);
    const CCellID focus = grid->GetFocusCell();
    EXPECT_EQ(focus, step.focus) << "focus cell (" << focus.row << ", " << focus.col << ")";
    EXPECT_EQ(grid->IsEditing(), step.editing);
    EXPECT_EQ(FocusName().toStdString(), step.focusedWidget);
    if (step.text != nullptr) {
      EXPECT_EQ(grid->IsEditing() ? Editor()->text() : Text(focus.row, focus.col), step.text);
    }
  }
}
