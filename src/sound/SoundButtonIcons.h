#pragma once
// The pictures of the sound dialog's buttons, drawn by code so they look alike on every
// platform and style.
#include <QIcon>

namespace tessaron {

enum class SoundButtonPicture { Undo, Default, Play, Stop };

QIcon SoundButtonIcon(SoundButtonPicture picture);

} // namespace tessaron
