#pragma once
// The single-instance rule: only a lock held by a running instance means "already
// running". Any other trouble with the lock (a folder that cannot be written, a folder or
// a foreign file in the lock's place) must not keep the game from starting.
#include <QLockFile>

namespace tessaron {

// Tries to take lock at once; true only when a running instance holds it.
bool AnotherInstanceRuns(QLockFile& lock);

} // namespace tessaron
