#include "sound/SoundFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tessaron {
namespace {

std::filesystem::path PathFromUtf8(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& ending)
{
    if (text.size() < ending.size())
        return false;
    return std::equal(ending.begin(), ending.end(), text.end() - std::ptrdiff_t(ending.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace

bool HasSoundFileExtension(const std::string& filePath)
{
    return std::any_of(std::begin(SoundFileExtensions), std::end(SoundFileExtensions),
                       [&](const char* extension) { return EndsWithIgnoringCase(filePath, extension); });
}

bool IsWaveFileName(const std::string& filePath) { return EndsWithIgnoringCase(filePath, ".wav"); }

bool SoundFileExists(const std::string& filePath)
{
    if (filePath.empty())
        return false;
    std::error_code error;
    const auto status = std::filesystem::status(PathFromUtf8(filePath), error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::string VerifySoundFilePath(const std::string& filePath)
{
    if (filePath.empty() || !HasSoundFileExtension(filePath) || !SoundFileExists(filePath))
        return {};
    return filePath;
}

std::string CompleteSoundFilePath(const std::string& pathWithoutExtension)
{
    for (const char* extension : SoundFileExtensions) {
        std::string candidate = pathWithoutExtension + extension;
        if (SoundFileExists(candidate))
            return candidate;
    }
    return {};
}

std::string FindDefaultSoundFile(const std::string& programFolder, std::int32_t soundId)
{
    const std::string name = "Sound" + std::string(soundId < 10 ? "0" : "") + std::to_string(soundId);
    const std::filesystem::path program = PathFromUtf8(programFolder);
    const std::filesystem::path folders[] = {
        program / "Sounds",
        (program / ".." / "share" / "tessaron" / "Sounds").lexically_normal(),
    };
    for (const auto& folder : folders) {
        std::string found = CompleteSoundFilePath(Utf8FromPath(folder / name));
        if (!found.empty())
            return found;
    }
    return {};
}

} // namespace tessaron
