#include "sound/SoundFontSearch.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace tessaron {
namespace {

// Relative to the root, in order of preference.
constexpr const char* KnownFonts[] = {
    "usr/share/sounds/sf2/default-GM.sf2",
    "usr/share/sounds/sf3/default-GM.sf3",
    "etc/alternatives/default-GM.sf2",
    "etc/alternatives/default-GM.sf3",
    "usr/share/sounds/sf2/FluidR3_GM.sf2",
    "usr/share/sounds/sf3/MuseScore_General.sf3",
    "usr/share/sounds/sf3/FluidR3Mono_GM.sf3",
    "usr/share/sounds/sf2/TimGM6mb.sf2",
    "usr/share/soundfonts/default.sf2",
    "usr/share/soundfonts/FluidR3_GM.sf2",
};

constexpr const char* FontFolders[] = {
    "usr/share/sounds/sf2",
    "usr/share/sounds/sf3",
    "usr/share/soundfonts",
    "usr/local/share/soundfonts",
};

// A file, or a link that leads to one (a dangling alternative does not count).
bool IsFontFile(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool HasFontExtension(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension == ".sf2" || extension == ".sf3";
}

std::string AnyFontIn(const std::filesystem::path& folder)
{
    std::error_code error;
    std::vector<std::filesystem::path> fonts;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (HasFontExtension(entry->path()) && IsFontFile(entry->path()))
            fonts.push_back(entry->path());
    if (fonts.empty())
        return {};
    return std::min_element(fonts.begin(), fonts.end())->string();
}

} // namespace

std::string FindSoundFont(const std::filesystem::path& root)
{
    for (const char* known : KnownFonts) {
        const std::filesystem::path font = root / known;
        if (IsFontFile(font))
            return font.string();
    }
    for (const char* folder : FontFolders) {
        std::string font = AnyFontIn(root / folder);
        if (!font.empty())
            return font;
    }
    return {};
}

} // namespace tessaron
