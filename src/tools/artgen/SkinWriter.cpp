#include "SkinWriter.h"

#include "ButtonCatalogue.h"
#include "ButtonPainter.h"
#include "ChromePainter.h"
#include "SkinIcons.h"
#include "WindowArt.h"

namespace artgen {

void writeSkin(PictureWriter& out, const SkinStyle& style) {
    const QString dir = "img/skins/" + style.name + "/";
    for (const FramePiece& piece : framePieces(style)) out.jpg(dir + piece.fileName, piece.image);
    out.jpg(dir + "browser.jpg", browserBackground(style));
    out.jpg(dir + "card.jpg", cardBackground(style));
    out.jpg(dir + "preview.jpg", skinPreview(style));
    out.jpg(dir + "arr_up.jpg", arrowUpPicture(style));
    out.gif(dir + "separator48.gif", separatorPicture(style), style.body);

    // The message dialogs show their icon in a 60 x 57 picture; the card menu has 16 x 16 icons.
    out.gif(dir + "msg_critical.gif", transparentIcon(Glyph::Critical, 60, 57, 46, style), style.body);
    out.gif(dir + "msg_info.gif", transparentIcon(Glyph::Info, 60, 57, 46, style), style.body);
    out.gif(dir + "msg_exclamation.gif", transparentIcon(Glyph::Warning, 60, 57, 46, style), style.body);
    const struct {
        const char* name;
        Glyph glyph;
    } menu[] = {{"gif_new.gif", Glyph::New},
                {"gif_edit.gif", Glyph::Edit},
                {"gif_print.gif", Glyph::Print},
                {"gif_designer.gif", Glyph::Designer},
                {"gif_delete.gif", Glyph::Delete}};
    for (const auto& icon : menu)
        out.gif(dir + icon.name, transparentIcon(icon.glyph, 16, 16, 16, style), style.body);

    for (const ButtonSpec& spec : imageButtons())
        for (ButtonState state : {ButtonState::Out, ButtonState::Over, ButtonState::Disabled})
            out.jpg(dir + buttonFileName(spec, state), paintButton(spec, state, style));
}

}  // namespace artgen
