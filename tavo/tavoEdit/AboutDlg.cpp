#include "tavo/tavoEdit/AboutDlg.h"

#include "tavo/outside/VBTWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
  setObjectName("aboutDialog");
  setWindowTitle(QString::fromUtf8("Info über tavoEdit"));
  auto* icon = new QLabel(this);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  auto* text = new QLabel(QString::fromUtf8("tavoEdit Version 1.0"), this);
  text->setObjectName("lblVersion");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText("OK");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addWidget(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);

  VBT_HWNDTranslate("QOR Eingabe", "tavo", "TavoEdit", this);
  // The window manager elides a caption wider than the window: leave room for a title font a
  // little larger than ours and for the title bar's buttons.
  const int captionWidth = QFontMetrics(font()).horizontalAdvance(windowTitle()) * 5 / 4;
  setMinimumWidth(std::max(captionWidth + 180, sizeHint().width()));
}
