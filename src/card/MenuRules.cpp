#include "MenuRules.h"

namespace card {

int MediaKindOfSection(int section) {
    switch (section) {
        case 9:
            return 3;
        case 10:
            return 5;
        case 11:
            return 4;
        default:
            return 0;
    }
}

MenuState ComputeMenu(const MenuInput& in) {
    MenuState m;
    const bool viewingSaved = in.operation == kView && in.card > 0;
    const bool editing = in.operation > 0;
    m.edit = m.remove = m.html = viewingSaved;
    m.print = viewingSaved && in.printAvailable;
    m.save = m.cancel = editing;
    m.cddb = in.flags.cddb && editing;
    m.getDir = in.flags.getdir && editing;
    m.getFolder = in.flags.getfolder && editing;
    m.close = in.operation == kView;
    if (const int kind = MediaKindOfSection(in.section)) {
        const bool hasRows = in.rows[kind - 1] > 0;
        m.back = m.forward = hasRows;
        m.play = hasRows && in.selected[kind - 1];
    }
    for (int k = 0; k < kKinds; ++k) {
        m.lists[k].add = editing;
        m.lists[k].edit = m.lists[k].remove = editing && in.selected[k];
    }
    return m;
}

}  // namespace card
