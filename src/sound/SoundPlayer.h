#pragma once
// The player of the event sounds and the model of the sound settings dialog: for every
// event it knows the chosen file, whether the event's group is switched on and whether
// starting it has failed. Only one sound plays at a time: every start stops the sound
// started before. Failures of the multimedia layer become a message "text (0xCODE)".
#include "shell/ErrorReport.h"
#include "shell/Locale.h"
#include "shell/Registry.h"
#include "sound/MultimediaLayer.h"
#include "sound/SoundService.h"

#include <array>
#include <cstdint>
#include <string>

namespace tessaron {

inline constexpr std::int32_t SoundCount = 10;
using SoundFilePathes = std::array<std::string, SoundCount>;

// Events 0 to 3 form the tile group, 4 to 9 the game group.
inline bool IsTileSound(std::int32_t soundId) { return soundId >= 0 && soundId <= 3; }

// The text number of an event's label ("Tile locked:" for 0).
inline std::int16_t SoundLabelTextNumber(std::int32_t soundId) { return std::int16_t(530 + soundId); }

class SoundPlayer final : public SoundService {
public:
    // Loads the built-in defaults, the chosen files and the options.
    SoundPlayer(MultimediaLayer& media, Registry& settings, const Locale& texts, ErrorReport& errors,
                std::string programFolder);

    // Plays the event's file unless its group is off or its file failed before (an audio
    // system that could not start does not count as the file's failure).
    void SoundStart(std::int32_t soundId) override;
    void SoundStop() override;
    // Stops the last sound and starts this file; true when it started.
    bool SoundStartFilePath(const std::string& filePath);
    void ErrorMessageMCI(std::uint32_t code, const std::string& procedureName);

    // The message of an error code: "text (0xCODE)", the code in upper-case hexadecimal.
    std::string MciErrorText(std::uint32_t code);

    void LoadFilePathDefaults();
    void LoadFilePathes();
    void LoadOptions();

    // Saving from the dialog. fieldTexts are the path fields as the user left them; an
    // invalid path is saved as no sound. A changed file gives its event a new chance.
    void SaveFilePathes(const SoundFilePathes& fieldTexts);
    void SaveOptions(bool soundActiveGame, bool soundActiveTile, bool usePlaySound);

    // While the dialog is displayed, its unsaved fast-start check box decides the path.
    void SetDialogDisplayed(bool displayed);
    void SetDialogUsePlaySound(bool usePlaySound) { dialogUsePlaySound_ = usePlaySound; }

    const SoundFilePathes& FilePathes() const { return filePathes_; }
    const SoundFilePathes& FilePathDefaults() const { return filePathDefaults_; }
    bool SoundStartFailed(std::int32_t soundId) const { return soundStartFailed_.at(std::size_t(soundId)); }
    bool SoundActiveGame() const { return soundActiveGame_; }
    bool SoundActiveTile() const { return soundActiveTile_; }
    bool UsePlaySound() const { return usePlaySound_; }
    std::uint32_t MciDeviceID() const { return mciDeviceID_; }
    bool PlaySoundActive() const { return playSoundActive_; }
    bool DialogDisplayed() const { return dialogDisplayed_; }

    const Locale& Texts() const { return texts_; }
    ErrorReport& Errors() { return errors_; }

private:
    enum class StartResult { Started, Failed, AudioUnavailable };
    StartResult StartFilePath(const std::string& filePath);

    MultimediaLayer& media_;
    Registry& settings_;
    const Locale& texts_;
    ErrorReport& errors_;
    std::string programFolder_;

    SoundFilePathes filePathes_;
    SoundFilePathes filePathDefaults_;
    std::array<bool, SoundCount> soundStartFailed_{};
    bool soundActiveGame_ = true;
    bool soundActiveTile_ = true;
    bool usePlaySound_ = true;
    std::uint32_t mciDeviceID_ = 0;
    bool playSoundActive_ = false;
    bool dialogDisplayed_ = false;
    bool dialogUsePlaySound_ = false;
};

} // namespace tessaron
