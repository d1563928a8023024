#include "tavo/outside/VBTWindow.h"

#include "tavo/outside/VBT.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace {

QString Translated(const char* group, const char* module, const char* section, const QString& text)
{
  return QString::fromStdString(VBT_Translate(group, module, section, text.toStdString()));
}

}  // namespace

void VBT_HWNDTranslate(const char* group, const char* module, const char* section, QWidget* window)
{
  if (!window)
    return;
  window->setWindowTitle(Translated(group, module, section, window->windowTitle()));
  for (QLabel* label : window->findChildren<QLabel*>())
    label->setText(Translated(group, module, section, label->text()));
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
    button->setText(Translated(group, module, section, button->text()));
  for (QGroupBox* box : window->findChildren<QGroupBox*>())
    box->setTitle(Translated(group, module, section, box->title()));
}
