#pragma once
// Load game... and Save game...: the file dialogs, reading and writing the 156 bytes of a
// game file. The bytes are decoded and encoded by the core; a rejected file changes nothing.
#include "shell/Services.h"

#include <functional>
#include <string>

class QWidget;

namespace tessaron {

class Play;

class BoardFiles {
public:
    BoardFiles(Services& services, Play& play, QWidget& owner);

    // The dialogs' titles, filter and messages in the current language.
    void SetupLocale();
    // Asks for a file and starts the deal it holds (Load game...); the reading and the start
    // run through run, as the player's other operations do.
    void LoadGame(const std::function<void(const std::function<void()>&)>& run);
    // Asks for a file and writes the deal on the board to it (Save game...).
    void SaveGame();

private:
    void GameFileLoad(const std::string& filePath, const std::string& origin);
    void GameFileSave(const std::string& filePath);

    Services& services_;
    Play& play_;
    QWidget& owner_;
    std::string fileDialogFilter_;
    std::string fileOpenTitle_;
    std::string fileSaveTitle_;
    std::string fileInvalidText_;
};

} // namespace tessaron
