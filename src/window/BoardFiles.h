#pragma once
// Load game... and Save game...: the file dialogs, reading and writing a game file (the 156
// bytes of a classic game, a layout's key besides on any other layout). The bytes are decoded
// and encoded by the core; a rejected file changes nothing, and a file of another layout
// switches the board to it.
#include "shell/Services.h"

#include <functional>
#include <string>

class QWidget;

namespace tessaron {

class BoardLayouts;
class Play;

class BoardFiles {
public:
    BoardFiles(Services& services, Play& play, BoardLayouts& layouts, QWidget& owner);

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
    BoardLayouts& layouts_;
    QWidget& owner_;
    std::string fileDialogFilter_;
    std::string fileOpenTitle_;
    std::string fileSaveTitle_;
};

} // namespace tessaron
