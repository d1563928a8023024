#pragma once
// Translation of a whole window in place: its title and its child widgets' texts.

class QWidget;

void VBT_HWNDTranslate(const char* group, const char* module, const char* section, QWidget* window);
