#pragma once
// A multimedia layer that plays nothing but remembers what it was asked, in order, and
// what would be audible now. Tests script its answers: a refused fast start, an error
// on open, play or close, and the texts of error codes.
#include "sound/MultimediaLayer.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessaron {

class FakeMultimedia final : public MultimediaLayer {
public:
    MediaOpenResult Open(const std::string& filePath) override
    {
        Calls.push_back("Open " + filePath);
        if (OpenError != MediaOk)
            return {OpenError, 0};
        const std::uint32_t id = nextDeviceID_++;
        openDevices_[id] = filePath;
        return {MediaOk, id};
    }

    std::uint32_t Play(std::uint32_t deviceID) override
    {
        Calls.push_back("Play " + std::to_string(deviceID));
        if (PlayError != MediaOk)
            return PlayError;
        const auto found = openDevices_.find(deviceID);
        if (found == openDevices_.end())
            return MediaDeviceNotOpen;
        Audible = found->second;
        audibleDevice_ = deviceID;
        return MediaOk;
    }

    std::uint32_t Close(std::uint32_t deviceID) override
    {
        Calls.push_back("Close " + std::to_string(deviceID));
        if (openDevices_.erase(deviceID) == 1 && audibleDevice_ == deviceID) {
            Audible.reset();
            audibleDevice_ = 0;
        }
        return CloseError;
    }

    std::optional<std::string> ErrorText(std::uint32_t code) override
    {
        const auto found = ErrorTexts.find(code);
        if (found == ErrorTexts.end())
            return std::nullopt;
        return found->second;
    }

    bool PlayWaveFast(const std::string& filePath) override
    {
        Calls.push_back("PlayWaveFast " + filePath);
        if (!AcceptFastStart)
            return false;
        Audible = filePath;
        audibleDevice_ = 0;
        fastAudible_ = true;
        return true;
    }

    void StopWaveFast() override
    {
        Calls.push_back("StopWaveFast");
        if (fastAudible_)
            Audible.reset();
        fastAudible_ = false;
    }

    std::size_t OpenDeviceCount() const { return openDevices_.size(); }

    bool AcceptFastStart = true;
    std::uint32_t OpenError = MediaOk;
    std::uint32_t PlayError = MediaOk;
    std::uint32_t CloseError = MediaOk;
    std::map<std::uint32_t, std::string> ErrorTexts;

    std::vector<std::string> Calls;
    std::optional<std::string> Audible; // the file that would be heard now

private:
    std::uint32_t nextDeviceID_ = 1;
    std::map<std::uint32_t, std::string> openDevices_;
    std::uint32_t audibleDevice_ = 0;
    bool fastAudible_ = false;
};

} // namespace tessaron
