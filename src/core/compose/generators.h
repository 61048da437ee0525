#pragma once

#include <span>

#include "scene/compose_context.h"

namespace vermora {

using Generator = void (*)(ComposeContext&);

// The worm generators in worm-choice order (SpiralWorm first, TorusSpline last),
// with the identifier each declares. `write` is null for a worm not yet built.
struct WormGenerator {
  const char* identifier;
  Generator write;
};
std::span<const WormGenerator> WormGenerators();

// The compound things in composer order, each with its switch and identifier.
struct ThingGenerator {
  const char* switch_name;
  const char* identifier;
  Generator write;
};
std::span<const ThingGenerator> ThingGenerators();

// Writes the background at the end of every scene.
Generator BackgroundWriter();

}  // namespace vermora
