#pragma once
// The platform's file dialog for loading and saving game files.
#include "shell/PlatformServices.h"

#include <string>

namespace tessaron {

// "Description (*.tsg)|*.tsg|..." in Qt's form "Description (*.tsg);;...".
std::string QtFileDialogFilter(const std::string& filter);

class QtFileDialog final : public FileDialogService {
public:
    std::optional<FileDialogChoice> Show(QWidget* owner, const FileDialogRequest& request) override;
};

} // namespace tessaron
