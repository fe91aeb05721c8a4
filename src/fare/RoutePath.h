#pragma once

#include <QString>

#include <cstdint>

namespace fare {

// The folder text with "/" appended when it is not empty and does not already end in "/".
// The empty folder stays empty, so file names are then relative to the working folder.
QString FolderWithSeparator(const QString &folder);

// The route key: the route number as entered, read as a number and written in decimal without
// leading zeros or sign. "00123" gives "123", "" and "000" give "0". Reading stops at the first
// character that is not a digit, so any text gives a key.
QString RouteKey(const QString &routeNo);

// <fare folder>/<route key>.hy3
QString FareFilePath(const QString &fareFolder, const QString &routeNo);

// The section number from the section digits as entered: the leading digits read as a number,
// 0 when there are none (an empty section). Very long digit runs give a number above 300.
int SectionFromText(const QString &sectionText);

// The starting section actually used: 0 (and anything below) becomes 1, above 300 becomes 300.
int16_t NormalizeSection(int section);

} // namespace fare
