#pragma once

#include <functional>
#include <string>

#include "common/status.h"
#include "params/parameter_set.h"

namespace vermora {

inline constexpr const char* kFormatMark = "Quorel 0.9";

// The whole parameter set as settings-file text: the format mark, "chkAnim"
// first, then every parameter in table order, each line ending in CR LF.
std::string SettingsText(const ParameterSet& set);

// Writes SettingsText to `path`. The old file is replaced only once the new one
// is completely written, so a failed save never destroys the previous set.
Status SaveSettings(const std::string& path, const ParameterSet& set);

// The refresh that runs after a load (colour map strip, colour and type rules,
// swatches); the pieces that own those rules fill it in.
using LoadRefresh = std::function<void(ParameterSet&)>;

// Applies the lines of a settings, texture or background file to `set`.
// A wrong format mark changes nothing but still refreshes and fails with the
// format message; a line without "|", a bad grid or a bad integer ends the load
// with lines before it applied and no refresh.
Status LoadSettingsText(const std::string& text, ParameterSet& set,
                        const LoadRefresh& refresh = {});
Status LoadSettings(const std::string& path, ParameterSet& set, const LoadRefresh& refresh = {});

}  // namespace vermora
