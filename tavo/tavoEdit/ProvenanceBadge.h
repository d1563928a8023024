#pragma once
// The small pictures that say where a property or an object lies: a badge per grid row with the
// level's initial on the colour of the file, marked when the short name stands at several
// levels, and an icon per entry of the object list for the standard and the user file.

#include "tavo/material/ObjectView.h"

#include <QIcon>
#include <QPixmap>

#include <string>

inline constexpr int kBadgeSize = 16;

QPixmap ProvenanceBadge(const ViewedRow& row);
QIcon FileIcon(bool inUserFile);

// The badge's tooltip in the editor's language: the level, the holder and the file of the row's
// element, and for a duplicated short name the levels that hold it and the one whose value counts.
std::string ProvenanceTip(const ViewedRow& row);
// "Standarddatei" or "Benutzerdatei", translated.
std::string FileText(bool inUserFile);
// The level's German name, translated.
std::string LevelText(int level);
