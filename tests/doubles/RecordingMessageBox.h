#pragma once
// A message box that records every box and beep and answers with scripted answers, and the
// pieces a test needs for an ErrorReport that cannot end the test process.
#include "shell/ErrorReport.h"
#include "shell/MessageBoxService.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tessaron {

class RecordingMessageBox final : public MessageBoxService {
public:
    enum class Kind { CriticalOkCancel, CriticalOk, Question, Choice };
    struct Shown {
        Kind BoxKind;
        std::string Title;
        std::string Text;
        std::vector<std::string> Buttons{};  // of a choice
    };

    void Beep() override { ++Beeps; }

    MessageBoxAnswer ShowCriticalOkCancel(const std::string& title, const std::string& text) override
    {
        return Answer({Kind::CriticalOkCancel, title, text});
    }
    MessageBoxAnswer AskOkCancel(const std::string& title, const std::string& text) override
    {
        return Answer({Kind::Question, title, text});
    }
    MessageBoxAnswer Answer(Shown shown)
    {
        Boxes.push_back(std::move(shown));
        if (Answers.empty()) return MessageBoxAnswer::Ok;
        const MessageBoxAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    void ShowCriticalOk(const std::string& title, const std::string& text) override
    {
        Boxes.push_back({Kind::CriticalOk, title, text});
    }

    int AskChoice(const std::string& title, const std::string& text, const std::vector<std::string>& buttons) override
    {
        Boxes.push_back({Kind::Choice, title, text, buttons});
        if (Choices.empty()) return 0;
        const int chosen = Choices.front();
        Choices.pop_front();
        return chosen;
    }

    // Answers of the OK/Cancel boxes and questions in order; OK once they run out.
    std::deque<MessageBoxAnswer> Answers;
    // Answers of the choices in order (-1 Cancel); the first button once they run out.
    std::deque<int> Choices;
    std::vector<Shown> Boxes;
    int Beeps = 0;
};

// Stands in for ending the process: counts how often the program would have ended.
struct RecordingProcessEnd {
    int Count = 0;
    std::function<void()> Hook()
    {
        return [this] { ++Count; };
    }
};

// An ErrorReport wired to recording doubles: boxes in Box, sound stops counted, process
// ends counted. Tests check failure reports through Box.Boxes (title "object.procedure").
struct RecordingErrorReport {
    RecordingErrorReport() = default;
    RecordingErrorReport(const RecordingErrorReport&) = delete;
    RecordingErrorReport& operator=(const RecordingErrorReport&) = delete;

    RecordingMessageBox Box;
    RecordingProcessEnd Ended;
    int SoundStops = 0;
    ErrorReport Errors{Box, [this] { ++SoundStops; }, Ended.Hook()};

    // The titles of the reports shown so far, e.g. "modSubMain.ConvertTimeToDate".
    std::vector<std::string> Titles() const
    {
        std::vector<std::string> titles;
        for (const auto& shown : Box.Boxes) titles.push_back(shown.Title);
        return titles;
    }
};

} // namespace tessaron
