#pragma once
// The text form of a kept game position, stored beside "Game" and "GameOrigin" (which stay
// as they are) under "Board":
//   "Progress"      "RemovedCount,RemovedCountMax,PeekMode,HintUsed,SelectedTile1,SelectedTile2;"
//                   followed by the removal list up to the larger mark, comma-separated
//                   ("4,6,0,0,12,0;88,114,89,101,7,9").
//   "ProgressTime"  the clock's elapsed time as "hhnnss".
//   "ProgressShuffles"  absent (or empty) when no shuffle was made, so a progress kept before
//                   shuffles were kept reads as it did; else ShufflesDone followed by one
//                   "|RemovedCount,<presence><faces>" per shuffle in the order made, where
//                   presence is 144 characters "1" (in play) or "0" and faces the 144
//                   characters of the faces laid out, in the deal's record form (at most
//                   144 shuffles).
// A stored progress is all or nothing: any damage, or a position the rules would not allow
// from the deal, refuses it as a whole and the deal starts from the full board.
#include "board/BoardGeometry.h"
#include "board/GameProgress.h"
#include "board/TileTypes.h"
#include "shell/Registry.h"

#include <optional>
#include <string>

namespace tessaron {

std::string EncodeProgress(const GameProgress& progress);
// "" without shuffles.
std::string EncodeProgressShuffles(const GameProgress& progress);
// Whole seconds, "hhnnss"; times of a day or more are not kept (the clock shows no days).
std::string EncodeProgressTime(double gameTime);
// The progress the texts describe on the deal faces, or nothing when any is damaged or the
// position is not one play could reach.
std::optional<GameProgress> DecodeProgress(const std::string& progress, const std::string& time,
                                           const BoardGeometry& geometry, const TileArray& faces,
                                           const std::string& shuffles = {});

// At close: stores the progress, or removes a stored one when given nothing or a position
// with nothing to keep. Each value is written, and its failure reported, on its own. True
// when a progress is kept.
bool SaveGameProgress(Registry& settings, const std::optional<GameProgress>& progress);
// At start: the stored progress on the resumed deal faces, or nothing.
std::optional<GameProgress> LoadGameProgress(const Registry& settings, const BoardGeometry& geometry,
                                             const TileArray& faces);

} // namespace tessaron
