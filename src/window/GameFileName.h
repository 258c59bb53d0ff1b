#pragma once
#include <string>

namespace tessaron {

// The origin text of a deal loaded from a file: the file's name without its folder and
// without the ".tsg" extension. A name that does not end in ".tsg" is kept whole.
std::string GameFileOrigin(const std::string& fileTitle);

} // namespace tessaron
