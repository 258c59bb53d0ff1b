#pragma once
// The file dialog for game and sound files: Qt's own widget dialog, so that it speaks the
// game's language.
#include "shell/PlatformServices.h"

#include <string>

namespace tessaron {

// "Description (*.tsg)|*.tsg|..." in Qt's form "Description (*.tsg);;...", each part's
// patterns shown once.
std::string QtFileDialogFilter(const std::string& filter);

class QtFileDialog final : public FileDialogService {
public:
    std::optional<FileDialogChoice> Show(QWidget* owner, const FileDialogRequest& request) override;
};

} // namespace tessaron
