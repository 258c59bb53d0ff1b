#pragma once
// The pictures the board shows, from the carried resources: the 42 faces in the dark and the
// bright look, the background, the felt of the margins, the two win banners and the button
// icons, each at the resolutions 1 to 3. Nothing is decoded before it is first asked for, or
// handed in by a decoder off the window's thread; only the resolutions the board keeps are
// held, so the pictures of a size left long ago take no memory.
#include "ResourceNames.h"

#include <QImage>
#include <QPixmap>

#include <array>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tessaron {

// Pictures decoded elsewhere, each with its resource path at scale 1.
using DecodedPictures = std::vector<std::pair<std::string, QImage>>;

class BoardPictures {
public:
    // face 1..42; scale 1..3 (see BoardScale::PictureScale); a null picture for anything else.
    const QPixmap& Face(int face, bool bright, int scale) const;
    const QPixmap& Background(int scale) const;
    const QPixmap& Felt(int scale) const;
    // language 0 English, 1 German.
    const QPixmap& WonBanner(int language, int scale) const;
    const QPixmap& ButtonIcon(resources::ButtonIcon icon, resources::ButtonLook look, int scale) const;

    // Of these resource paths (at scale 1), the ones not held at scale.
    std::vector<std::string> Missing(const std::vector<std::string>& paths, int scale) const;
    // Takes pictures decoded at scale (see DecodePictures).
    void Take(DecodedPictures decoded, int scale);
    // Lets go of every resolution but these.
    void KeepOnly(std::initializer_list<int> scales);
    // How many resolutions hold any picture.
    int ScalesHeld() const;

private:
    const QPixmap& Picture(const std::string& path, int scale) const;

    mutable std::array<std::unordered_map<std::string, QPixmap>, resources::MaxPictureScale> held_;
};

// Reads the pictures at these resource paths (at scale 1) at scale, ready to be drawn; any
// thread may call it. A picture that cannot be read is left out.
DecodedPictures DecodePictures(const std::vector<std::string>& paths, int scale);

} // namespace tessaron
