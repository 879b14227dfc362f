#pragma once
// What a category label file says beyond captions: the three command flags of its CONFIG section,
// the column captions of the element lists, and where the section tabs go once some are hidden.

#include <QString>
#include <QStringList>
#include <vector>

namespace card {

inline constexpr int kFirstTabTop = 284;
inline constexpr int kTabStep = 16;

struct CategoryFlags {
    bool cddb = false;       // the CD lookup is offered
    bool getdir = false;     // the CD folder listing is offered
    bool getfolder = false;  // the folder import of audio tracks is offered
};

// A flag offers its command only when its value is exactly 1.
CategoryFlags ReadCategoryFlags(const QString& labelFile);

// Entries 0 to 9 of a list's column caption table: keys prefix0 .. prefix8 ("lblElementi0"), each text
// as written (a "-" stays "-"), a missing key empty; entry 9 is always empty.
QStringList ReadColumnCaptions(const QString& labelFile, const QString& labelSection,
                               const QString& keyPrefix);

// The top of each tab, or -1 for a hidden one: shown tabs close up from the first top in section order.
std::vector<int> TabTops(const QStringList& tabCaptions);

}  // namespace card
