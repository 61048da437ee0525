#include "trust_check.h"

#include <iostream>

#include "render/file_directives.h"

namespace vermora {

bool TrustedForRender(const std::string& set_path, const ParameterSet& set,
                      const std::vector<std::string>& include_dirs, bool trust) {
  const std::vector<FileDirective> found = FindFileDirectives(set, include_dirs);
  if (found.empty()) return true;
  std::cerr << "warning: " << set_path << ": " << FileDirectivesText(found) << "\n";
  if (trust) return true;
  std::cerr
      << "vermora-cli: not rendered; check those lines, then add --trust to render it anyway\n";
  return false;
}

}  // namespace vermora
