#include "window/BoardLayouts.h"

#include "ResourceNames.h"
#include "board/BoardGeometry.h"
#include "board/PlayerLayouts.h"
#include "layouts/LayoutChoice.h"
#include "layouts/PlayerLayoutFolder.h"
#include "layouts/frmLayouts.h"
#include "shell/Services.h"
#include "shell/StringTable.h"
#include "shell/TextTools.h"
#include "window/BoardAccessibility.h"
#include "window/BoardCompanions.h"
#include "window/BoardWidgets.h"
#include "window/BoardSurface.h"
#include "window/BoardWindowPlace.h"

#include <QWidget>

namespace tessaron {

namespace {
constexpr std::int16_t UnknownLayoutText = 955;
} // namespace

BoardLayouts::BoardLayouts(LayoutWiring wiring) : w_(wiring), current_(&catalog_.Classic())
{
    Guarded(w_.Shared.Errors, BoardObject, "PlayerLayouts", [this] {
        const QString folder = PlayerLayoutFolder();
        const int stringBase = w_.Shared.Texts.GetLocale() == 1 ? GermanStringBase : EnglishStringBase;
        const std::string refused = PlayerLayoutsRefusedText(
            AddPlayerLayouts(catalog_, ReadPlayerLayoutFiles(folder), stringBase), folder.toStdString(), stringBase);
        if (!refused.empty()) w_.Shared.MessageBox.ShowCriticalOk(w_.Shared.Program.Title, refused);
    });
}

void BoardLayouts::UseAtStart(const std::optional<std::string>& startKey)
{
    const Layout* layout = StoredLayout(w_.Shared.Settings, catalog_);
    if (startKey) {
        ForgetSavedGame();
        layout = catalog_.Find(*startKey);
        if (!layout)
            w_.Shared.MessageBox.ShowCriticalOk(
                w_.Shared.Program.Title,
                ReplaceSubString(w_.Shared.Texts.LoadLocaleString(UnknownLayoutText), "^0", *startKey));
    }
    Use(layout ? *layout : catalog_.Classic());
}

QRectF BoardLayouts::Extent() const { return w_.Controls.Scale().Extent(); }

void BoardLayouts::ForgetSavedGame()
{
    w_.Shared.Settings.SaveRegistryString(BoardSection, "Game", "", "");
    w_.Shared.Settings.SaveRegistryString(BoardSection, "GameOrigin", "", "");
}

bool BoardLayouts::Choose(QWidget* owner)
{
    Registry& settings = w_.Shared.Settings;
    LayoutChoice choice{current_->Key, LoadNewLayoutEveryGame(settings)};
    if (!w_.Companions.ChooseLayout(owner, catalog_, choice)) return false;
    SaveNewLayoutEveryGame(settings, choice.NewLayoutEveryGame);
    const Layout* chosen = catalog_.Find(choice.Key);
    Use(chosen ? *chosen : *current_);
    return true;
}

void BoardLayouts::PickForNewGame()
{
    const Layout& next =
        NewGameLayout(catalog_, *current_, LoadNewLayoutEveryGame(w_.Shared.Settings), w_.Shared.Random);
    if (&next != current_) Use(next);
}

bool BoardLayouts::UseKey(const std::string& key)
{
    const Layout* layout = catalog_.Find(key);
    if (layout) Use(*layout);
    return layout != nullptr;
}

void BoardLayouts::Use(const Layout& layout)
{
    BoardWidgets& controls = w_.Controls;
    const QSizeF extentBefore = controls.Scale().Extent().size();
    current_ = &layout;
    // The tile steps in board units: a picture less its edge.
    w_.Geometry.CreateTileRelations(layout.Places, float(resources::TileFaceWidth - resources::TileEdge),
                                    float(resources::TileFaceHeight - resources::TileEdge));
    controls.PlaceTiles(w_.Geometry);
    w_.Speech.LayoutChanged();
    w_.Companions.UseLayout(layout);
    Registry& settings = w_.Shared.Settings;
    if (StoredLayout(settings, catalog_) != &layout) {
        SaveStoredLayout(settings, layout.Key);
        // The saved game was dealt on the places of the layout before: a run that ends
        // without saving (Cancel while the new deal is built) must not resume it on these.
        ForgetSavedGame();
    }
    // At start-up the window takes its size and places the board itself.
    if (!controls.WasShown()) return;
    // A window of its own size grows or shrinks with the board, which keeps its scale, as far
    // as the screen allows: a wide layout gets a wide window. The scale is the player's until
    // they resize the window, so a layout the screen made smaller does not shrink the next.
    QWidget& window = *controls.Surface()->window();
    if (!(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const double factor = controls.Scale().Factor();
        const QSizeF extent = controls.Scale().Extent().size();
        if (window.size() == sizeLeft_ && wantedFactor_ > factor) {
            // The surface's room beyond the board was the screen's doing: the board alone.
            const QSize chrome = window.size() - controls.Surface()->size();
            window.resize(chrome + (extent * wantedFactor_).toSize());
        } else {
            wantedFactor_ = factor;
            window.resize(window.size() + ((extent - extentBefore) * factor).toSize());
        }
        FitToScreen(window);
        sizeLeft_ = window.size();
    }
    controls.PlaceControls();
}

} // namespace tessaron
