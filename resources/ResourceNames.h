#pragma once
// Names and sizes of the pictures the game carries as Qt resources. Load them with
// QImage/QPixmap(QString::fromStdString(...)). The art tool writes its files under
// resources/ with the same names (the part after ":/"), so both sides agree.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace tessaron::resources {

constexpr int TileFaceCount = 42;
constexpr int TileFaceWidth = 40;   // including the 4-pixel edge on the left
constexpr int TileFaceHeight = 56;  // including the 4-pixel edge at the bottom
constexpr int TileEdge = 4;

constexpr int BackgroundWidth = 580;
constexpr int BackgroundHeight = 474;
// The felt at the background's edge, for the margins of a window wider or taller than the board.
constexpr unsigned BackgroundEdgeRgb = 0x0c2c20;
// A square of that felt with its grain, which repeats without a seam; the margins are woven
// of it, so they go on from the background's edge.
constexpr int FeltSize = 64;

// Language index 0 English, 1 German.
constexpr int LanguageCount = 2;
constexpr std::array<int, LanguageCount> WonBannerWidth{444, 533};
constexpr std::array<int, LanguageCount> WonBannerHeight{141, 133};
constexpr int HallOfFameTitleWidth = 400;
constexpr int HallOfFameTitleHeight = 60;

constexpr int ButtonIconSize = 16;
enum class ButtonIcon { RedoNextMove, RemoveTiles, RemoveTile, UndoLastMove };
enum class ButtonLook { Normal, Pressed, Disabled };
constexpr std::array<ButtonIcon, 4> ButtonIcons{ButtonIcon::RedoNextMove, ButtonIcon::RemoveTiles,
                                                ButtonIcon::RemoveTile, ButtonIcon::UndoLastMove};
constexpr std::array<ButtonLook, 3> ButtonLooks{ButtonLook::Normal, ButtonLook::Pressed,
                                                ButtonLook::Disabled};

// Every picture is carried at 1, 2 and 3 device pixels per unit; the larger ones are named
// with Qt's "@2x"/"@3x" suffix, which also gives them their device pixel ratio on loading.
constexpr int MaxPictureScale = 3;
constexpr std::array<int, MaxPictureScale> PictureScales{1, 2, 3};

// The resolution to draw with at this many device pixels per unit: the next whole one up,
// so a picture is only ever scaled down; the largest carried beyond that.
inline int PictureScaleFor(double devicePixelsPerUnit)
{
    // A little slack so 2.0000001 from a rounded window size still picks 2.
    const int scale = int(std::ceil(devicePixelsPerUnit - 1e-3));
    return std::clamp(scale, 1, MaxPictureScale);
}

// ":/images/x.png" at scale 2 -> ":/images/x@2x.png"; scale 1 is the plain name.
inline std::string ScaledPath(const std::string& path, int scale)
{
    if (scale <= 1) return path;
    const std::size_t dot = path.rfind('.');
    return path.substr(0, dot) + "@" + std::to_string(scale) + "x" + path.substr(dot);
}

// The sizes a desktop entry asks for, and the large master.
constexpr std::array<int, 9> ProgramIconSizes{16, 22, 24, 32, 48, 64, 128, 256, 512};

namespace detail {
inline const char* LanguageSuffix(int language) { return language == 1 ? "de" : "en"; }
inline std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}
} // namespace detail

// face 1..42; bright is the look of a selected tile.
inline std::string TileFacePath(bool bright, int face)
{
    return std::string(":/images/tiles/") + (bright ? "bright/" : "dark/") +
           detail::TwoDigits(face) + ".png";
}

inline std::string BackgroundPath() { return ":/images/background.png"; }

inline std::string FeltPath() { return ":/images/felt.png"; }

inline std::string WonBannerPath(int language)
{
    return std::string(":/images/banners/won-") + detail::LanguageSuffix(language) + ".png";
}

inline std::string HallOfFameTitlePath(int language)
{
    return std::string(":/images/halloffame/title-") + detail::LanguageSuffix(language) + ".png";
}

inline std::string ButtonIconName(ButtonIcon icon)
{
    switch (icon) {
    case ButtonIcon::RedoNextMove: return "redo-next-move";
    case ButtonIcon::RemoveTiles: return "remove-tiles";
    case ButtonIcon::RemoveTile: return "remove-tile";
    case ButtonIcon::UndoLastMove: return "undo-last-move";
    }
    return {};
}

inline std::string ButtonLookName(ButtonLook look)
{
    switch (look) {
    case ButtonLook::Normal: return "normal";
    case ButtonLook::Pressed: return "pressed";
    case ButtonLook::Disabled: return "disabled";
    }
    return {};
}

inline std::string ButtonIconPath(ButtonIcon icon, ButtonLook look)
{
    return ":/images/buttons/" + ButtonIconName(icon) + "-" + ButtonLookName(look) + ".png";
}

// size is one of ProgramIconSizes.
inline std::string ProgramIconPath(int size)
{
    return ":/images/icons/tessaron-" + std::to_string(size) + ".png";
}

} // namespace tessaron::resources
