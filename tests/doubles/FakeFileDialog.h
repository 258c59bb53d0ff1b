#pragma once
// A file dialog that records each request and answers with the test's choice, or a cancel.
#include "shell/PlatformServices.h"

#include <optional>
#include <vector>

namespace tessaron {

class FakeFileDialog final : public FileDialogService {
public:
    std::optional<FileDialogChoice> Show(QWidget* /*owner*/, const FileDialogRequest& request) override
    {
        Requests.push_back(request);
        return Choice;
    }

    std::optional<FileDialogChoice> Choice;  // nothing: the user cancels
    std::vector<FileDialogRequest> Requests;
};

} // namespace tessaron
