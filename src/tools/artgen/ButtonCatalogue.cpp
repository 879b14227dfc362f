#include "ButtonCatalogue.h"

namespace artgen {

namespace {
// Sizes by place: command bars 48, window tools and views 32, the category bar 64, the OK / Cancel /
// Save keys of dialogs 60 x 21, list commands and the search and spin keys 21 x 21.
const QSize kBar(48, 48), kTool(32, 32), kCategory(64, 64), kKey(60, 21), kSmall(21, 21);
}  // namespace

const QList<ButtonSpec>& imageButtons() {
    static const QList<ButtonSpec> buttons = {
        {"about32", kTool, Glyph::About},
        {"back32", kTool, Glyph::Back},
        {"backup48", kBar, Glyph::Backup},
        {"byall", kTool, Glyph::ByAll},
        {"bydate", kTool, Glyph::ByDate},
        {"bylend", kTool, Glyph::ByLend},
        {"byname", kTool, Glyph::ByName},
        {"byrecent", kTool, Glyph::ByRecent},
        {"bytoreturn", kTool, Glyph::ByToReturn},
        {"byusage", kTool, Glyph::ByUsage},
        {"cancel21", kKey, Glyph::Cancel},
        {"cancel48", kBar, Glyph::Cancel},
        {"cat_books", kCategory, Glyph::Book},
        {"cat_cddata", kCategory, Glyph::DataCd},
        {"cat_dvdfilm", kCategory, Glyph::Dvd},
        {"cat_mp3", kCategory, Glyph::Mp3},
        {"cat_music", kCategory, Glyph::Vinyl},
        {"cat_singers_and_actors", kCategory, Glyph::Star},
        {"cat_stamps", kCategory, Glyph::Stamp},
        {"cat_vhsfilm", kCategory, Glyph::Vhs},
        {"cat_writers", kCategory, Glyph::Quill},
        {"cddb48", kBar, Glyph::CdLookup},
        {"clear", kSmall, Glyph::Clear},
        {"close32", kTool, Glyph::CloseX},
        {"close48", kBar, Glyph::Exit},
        {"delete21", kSmall, Glyph::Delete},
        {"delete48", kBar, Glyph::Delete},
        {"edit21", kSmall, Glyph::Edit},
        {"edit48", kBar, Glyph::Edit},
        {"find", kSmall, Glyph::Find},
        {"first48", kBar, Glyph::First},
        {"forward32", kTool, Glyph::Forward},
        {"getdir48", kBar, Glyph::CdFolders},
        {"getfolder21", kSmall, Glyph::FolderImport},
        {"goto", kBar, Glyph::Globe},
        {"helpbrowser32", kTool, Glyph::Help},
        {"helpcard32", kTool, Glyph::Help},
        {"html48", kBar, Glyph::Html},
        {"importexport48", kBar, Glyph::ImportExport},
        {"last48", kBar, Glyph::Last},
        {"minimize32", kTool, Glyph::Minimize},
        {"new21", kSmall, Glyph::New},
        {"new48", kBar, Glyph::New},
        {"next48", kBar, Glyph::Next},
        {"ok", kKey, Glyph::Check},
        {"play32", kTool, Glyph::Play},
        {"previous48", kBar, Glyph::Previous},
        {"print48", kBar, Glyph::Print},
        {"save21", kKey, Glyph::Save},
        {"save48", kBar, Glyph::Save},
        {"settings48", kBar, Glyph::Settings},
        {"skinbrowser32", kTool, Glyph::Skin},
        {"skincard32", kTool, Glyph::Skin},
        {"spindown", kSmall, Glyph::SpinDown},
        {"spinup", kSmall, Glyph::SpinUp},
    };
    return buttons;
}

QString buttonFileName(const ButtonSpec& spec, ButtonState state) {
    switch (state) {
        case ButtonState::Out:
            return "out_" + spec.name + ".jpg";
        case ButtonState::Over:
            return spec.name == "clear" ? QString("over_Clear.jpg") : "over_" + spec.name + ".jpg";
        case ButtonState::Disabled:
            return "dis_" + spec.name + ".jpg";
    }
    return {};
}

}  // namespace artgen
