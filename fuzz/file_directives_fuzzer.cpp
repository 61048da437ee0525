// Feeds any text to the check for file uses. It must return, and a plain
// "#fopen" on a line of its own after a text that opens no comment and no
// string must always be found, whatever white space or bytes came before.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "render/file_directives.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vermora;
  const std::string text(reinterpret_cast<const char*>(data), size);
  (void)FindFileDirectivesIn("EdInc1", text, {});
  if (text.find_first_of("/\"") == std::string::npos &&
      FindFileDirectivesIn("EdInc1", text + "\n#fopen F \"x\" write", {}).empty()) {
    std::abort();
  }
  return 0;
}
