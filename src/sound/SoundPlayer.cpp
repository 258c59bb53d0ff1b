#include "sound/SoundPlayer.h"

#include "shell/Failure.h"
#include "shell/TextTools.h"
#include "sound/SoundFiles.h"

#include <cstdio>
#include <utility>

namespace tessaron {
namespace {

constexpr const char* Section = "Sound";
constexpr std::int16_t MciErrorFallbackText = 590;

std::string FilePathKey(std::int32_t soundId) { return "FilePath" + std::to_string(soundId); }

std::string HexUpper(std::uint32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", value);
    return buffer;
}

} // namespace

SoundPlayer::SoundPlayer(MultimediaLayer& media, Registry& settings, const Locale& texts, ErrorReport& errors,
                         std::string programFolder)
    : media_(media), settings_(settings), texts_(texts), errors_(errors), programFolder_(std::move(programFolder))
{
    LoadFilePathDefaults();
    LoadFilePathes();
    LoadOptions();
}

void SoundPlayer::SoundStart(std::int32_t soundId)
{
    Guarded(errors_, SoundObject, "SoundStart", [&] {
        if (soundId < 0 || soundId >= SoundCount)
            Fail(ErrSubscriptOutOfRange);
        // A switched-off group or a failed event leaves the playing sound alone.
        if (IsTileSound(soundId) ? !soundActiveTile_ : !soundActiveGame_)
            return;
        if (soundStartFailed_[std::size_t(soundId)])
            return;
        // An audio system that cannot start is no fault of the file: the event is tried
        // again at its next occasion, when a sound server or a headset may be there.
        if (StartFilePath(filePathes_[std::size_t(soundId)]) == StartResult::Failed)
            soundStartFailed_[std::size_t(soundId)] = true;
    });
}

bool SoundPlayer::SoundStartFilePath(const std::string& filePath)
{
    return StartFilePath(filePath) == StartResult::Started;
}

SoundPlayer::StartResult SoundPlayer::StartFilePath(const std::string& filePath)
{
    StartResult result = StartResult::Failed;
    Guarded(errors_, SoundObject, "SoundStartFilePath", [&] {
        SoundStop();
        if (filePath.empty())
            return;
        const bool fastPathAllowed = dialogDisplayed_ ? dialogUsePlaySound_ : usePlaySound_;
        if (fastPathAllowed && IsWaveFileName(filePath) && media_.PlayWaveFast(filePath)) {
            playSoundActive_ = true;
            result = StartResult::Started;
            return;
        }
        // A refused fast start falls back to a device without a message.
        const MediaOpenResult opened = media_.Open(filePath);
        if (opened.Error == MediaAudioUnavailable) {
            result = StartResult::AudioUnavailable;
            return;
        }
        if (opened.Error != MediaOk) {
            ErrorMessageMCI(opened.Error, "SoundStartFilePath (Open)");
            return;
        }
        mciDeviceID_ = opened.DeviceID;
        const std::uint32_t played = media_.Play(mciDeviceID_);
        if (played == MediaOk) {
            result = StartResult::Started;
            return;
        }
        const bool quiet = played == MediaDeviceNotOpen || played == MediaOutputUnsuitable ||
                           (played == MediaOutputsBusy && !dialogDisplayed_);
        if (!quiet)
            ErrorMessageMCI(played, "SoundStartFilePath (Play)");
        SoundStop();
    });
    return result;
}

void SoundPlayer::SoundStop()
{
    Guarded(errors_, SoundObject, "SoundStop", [&] {
        if (playSoundActive_) {
            media_.StopWaveFast();
            playSoundActive_ = false;
            return;
        }
        if (mciDeviceID_ == 0)
            return;
        const std::uint32_t deviceID = std::exchange(mciDeviceID_, 0u);
        const std::uint32_t closed = media_.Close(deviceID);
        if (closed != MediaOk)
            ErrorMessageMCI(closed, "SoundStop");
    });
}

std::string SoundPlayer::MciErrorText(std::uint32_t code)
{
    const std::optional<std::string> layerText = media_.ErrorText(code);
    const std::string text = layerText ? *layerText : texts_.LoadLocaleString(MciErrorFallbackText);
    return ReplaceSubString(ReplaceSubString("^0 (0x^1)", "^0", text), "^1", HexUpper(code));
}

void SoundPlayer::ErrorMessageMCI(std::uint32_t code, const std::string& procedureName)
{
    Guarded(errors_, SoundObject, "ErrorMessageMCI",
            [&] { errors_.ErrorMessage(MciErrorText(code), procedureName, SoundObject); });
}

void SoundPlayer::LoadFilePathDefaults()
{
    Guarded(errors_, SoundObject, "LoadFilePathDefaults", [&] {
        for (std::int32_t n = 0; n < SoundCount; ++n)
            filePathDefaults_[std::size_t(n)] = FindDefaultSoundFile(programFolder_, n);
    });
}

void SoundPlayer::LoadFilePathes()
{
    Guarded(errors_, SoundObject, "LoadFilePathes", [&] {
        for (std::int32_t n = 0; n < SoundCount; ++n) {
            const std::size_t i = std::size_t(n);
            const std::string value = settings_.LoadRegistryString(Section, FilePathKey(n), filePathDefaults_[i]);
            // A stored file that has gone turns into no sound, without a message.
            filePathes_[i] = value == "-" ? std::string() : VerifySoundFilePath(value);
        }
    });
}

void SoundPlayer::LoadOptions()
{
    Guarded(errors_, SoundObject, "LoadOptions", [&] {
        soundActiveGame_ = settings_.LoadRegistryString(Section, "SoundActiveGame", "1") != "0";
        soundActiveTile_ = settings_.LoadRegistryString(Section, "SoundActiveTile", "1") != "0";
        usePlaySound_ = settings_.LoadRegistryString(Section, "UsePlaySound", "1") != "0";
    });
}

void SoundPlayer::SaveFilePathes(const SoundFilePathes& fieldTexts)
{
    Guarded(errors_, SoundObject, "SaveFilePathes", [&] {
        for (std::int32_t n = 0; n < SoundCount; ++n) {
            const std::size_t i = std::size_t(n);
            const std::string verified = VerifySoundFilePath(fieldTexts[i]);
            if (verified == filePathes_[i])
                continue;
            filePathes_[i] = verified;
            soundStartFailed_[i] = false;
            settings_.SaveRegistryString(Section, FilePathKey(n), verified.empty() ? "-" : verified,
                                         filePathDefaults_[i]);
        }
    });
}

void SoundPlayer::SaveOptions(bool soundActiveGame, bool soundActiveTile, bool usePlaySound)
{
    Guarded(errors_, SoundObject, "SaveOptions", [&] {
        const auto save = [&](const char* key, bool& field, bool value) {
            field = value;
            settings_.SaveRegistryString(Section, key, value ? "1" : "0", "1");
        };
        save("SoundActiveGame", soundActiveGame_, soundActiveGame);
        save("SoundActiveTile", soundActiveTile_, soundActiveTile);
        save("UsePlaySound", usePlaySound_, usePlaySound);
    });
}

void SoundPlayer::SetDialogDisplayed(bool displayed)
{
    dialogDisplayed_ = displayed;
    if (displayed)
        dialogUsePlaySound_ = usePlaySound_;
}

} // namespace tessaron
