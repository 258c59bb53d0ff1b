#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace tessaron {

class TempFolder {
public:
    TempFolder()
    {
        // A folder that already exists belongs to someone else and must not be removed later.
        std::random_device seed;
        do
            path_ = std::filesystem::temp_directory_path() / ("tessaron-sound-" + std::to_string(seed()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Creates the file (and its folders) with the given contents; returns its full path.
    std::string Write(const std::string& relative, const std::string& contents = "x") const
    {
        const std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << contents;
        return file.string();
    }

private:
    std::filesystem::path path_;
};

} // namespace tessaron
