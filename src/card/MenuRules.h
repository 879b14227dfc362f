#pragma once
// Which commands of the card window are enabled, from the operation, the card, the visible section,
// the category flags and the state of the lists.

#include <array>

#include "CardFields.h"
#include "CategoryLabels.h"

namespace card {

enum Operation { kView = 0, kNew = 1, kChange = 2 };

struct MenuInput {
    int operation = kView;
    int card = 0;
    int section = 1;
    CategoryFlags flags;
    std::array<int, kKinds> rows{};       // rows of each list, by kind - 1
    std::array<bool, kKinds> selected{};  // the list has a selected row
    bool printAvailable = false;          // card printing is wired in
};

struct ListCommands {
    bool add = false, edit = false, remove = false;
};

struct MenuState {
    bool help = true, skin = true;
    bool edit = false, remove = false, print = false, html = false;
    bool save = false, cancel = false;
    bool cddb = false, getDir = false, getFolder = false;
    bool close = false;
    bool back = false, forward = false, play = false;
    std::array<ListCommands, kKinds> lists{};  // by kind - 1
};

// The element kind of the list a media section shows (images 3, sounds 5, films 4), 0 elsewhere.
int MediaKindOfSection(int section);

MenuState ComputeMenu(const MenuInput& in);

}  // namespace card
