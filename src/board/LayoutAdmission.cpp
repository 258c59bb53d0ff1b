#include "board/LayoutAdmission.h"

#include "board/BoardGeometry.h"
#include "board/GameCreator.h"
#include "board/RandomSource.h"
#include "shell/ErrorReport.h"

#include <algorithm>

namespace tessaron {

namespace {

// A sound layout builds its relations without a failure; should one occur all the same,
// the trial builds no deal and the layout is not admitted.
class SilentBox final : public MessageBoxService {
public:
    void Beep() override {}
    MessageBoxAnswer ShowCriticalOkCancel(const std::string&, const std::string&) override { return MessageBoxAnswer::Ok; }
    void ShowCriticalOk(const std::string&, const std::string&) override {}
};

} // namespace

LayoutTrial TryLayout(const Layout& layout, std::int32_t deals, std::uint64_t firstSeed)
{
    SilentBox box;
    ErrorReport errors(box, [] {}, [] {});
    BoardGeometry geometry(errors);
    geometry.CreateTileRelations(layout.Places, 36.0f, 52.0f);
    LayoutTrial trial;
    for (std::int32_t deal = 0; deal < deals; ++deal) {
        SeededRandomSource random(firstSeed + std::uint64_t(deal));
        GameCreator creator(geometry, random, errors);
        TileArray faces{};
        const bool built = creator.GameCreateWithin(faces, TrialAttemptLimit);
        const std::int32_t attempts = built ? creator.LastAttemptCount() : TrialAttemptLimit;
        trial.DealsBuilt += built ? 1 : 0;
        trial.Attempts += attempts;
        trial.WorstAttempts = std::max(trial.WorstAttempts, attempts);
    }
    return trial;
}

bool IsAdmitted(const LayoutTrial& trial, std::int32_t deals)
{
    return trial.DealsBuilt == deals && trial.MeanAttempts(deals) <= AdmittedMeanAttempts;
}

} // namespace tessaron
