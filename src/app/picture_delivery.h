#pragma once

#include <QString>
#include <string>

namespace vermora::app {

// Puts a rendered picture where the user asked for it: a PNG first gets
// `set_text` (the set it was rendered from) in its chunk, and `target` is
// replaced only once the new picture is whole beside it. Empty on success,
// else what went wrong in the user's words.
QString DeliverPicture(const std::string& image_path, const std::string& set_text,
                       const QString& target);

}  // namespace vermora::app
