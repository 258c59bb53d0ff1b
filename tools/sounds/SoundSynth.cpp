// Writes the built-in event sounds Sound00.wav to Sound09.wav into the folder given as
// the only argument (created if needed).
#include "DefaultSounds.h"
#include "WaveWriter.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <output folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (int n = 0; n <= 9; ++n) {
        const std::filesystem::path file = folder / ("Sound0" + std::to_string(n) + ".wav");
        if (!tessaron::sounds::WriteWave(file.string(), tessaron::sounds::DefaultSound(n))) {
            std::cerr << "cannot write " << file.string() << "\n";
            return 1;
        }
    }
    return 0;
}
