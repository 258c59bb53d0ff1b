#pragma once
// Platform services the windows use besides the core's own interfaces. Each has a real
// implementation in the platform layer and a recording double under tests/.
#include <cstdint>
#include <optional>
#include <string>

class QWidget;

namespace tessaron {

struct FileDialogRequest {
    std::string Title;
    std::string Filter;            // "Description (*.tsg)|*.tsg"
    std::string InitialFileName;   // full path or empty
    std::string DefaultExtension;  // ".tsg" for saving, else empty
    bool Save = false;
    bool FileMustExist = false;
    bool PathMustExist = false;
    bool OverwritePrompt = false;
};

struct FileDialogChoice {
    std::string FileName;   // the chosen full path
    std::string FileTitle;  // the chosen name without its folder
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // Nothing when the user cancelled.
    virtual std::optional<FileDialogChoice> Show(QWidget* owner, const FileDialogRequest& request) = 0;
};

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Hands a web or mailto link to the desktop. Like the classic shell call: a value above
    // 32 on success, 32 or less is an error code.
    virtual std::int32_t StartApplication(const std::string& link) = 0;
    // The system's text for an error code, or "" when there is none.
    virtual std::string SystemMessageText(std::int32_t code) = 0;
};

// Where the program is installed and what it is.
struct ProgramInfo {
    std::string Title = "Tessaron";
    std::string ProgramFolder;   // the folder of the executable (its "Sounds" folder is beside it)
    std::int32_t VersionMajor = TESSARON_VERSION_MAJOR;
    std::int32_t VersionMinor = TESSARON_VERSION_MINOR;
    std::int32_t VersionRevision = TESSARON_VERSION_PATCH;
};

} // namespace tessaron
