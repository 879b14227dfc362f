#pragma once
// The catalogue program's two main windows and how they talk: the browser opens the card window,
// the card window hands back to the browser when it closes, saves or deletes. Neither window knows
// the other; this is the one place that connects them.

namespace browser {
class frmBrowser;
}
namespace card {
class frmScheda;
}

namespace app {

struct AppWindows {
    browser::frmBrowser* browser = nullptr;
    card::frmScheda* card = nullptr;
};

// Start-up steps 8 and 9: the browser created, initialised and shown on the first category; the
// card window created, initialised and hidden. Both live until the program ends.
AppWindows CreateMainWindows();

}  // namespace app
