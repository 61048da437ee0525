#pragma once

#include <string_view>

#include "scene/compose_context.h"

namespace vermora {

// The derived quantities of one SpiralWorm run, all single precision.
struct SpiralSettings {
  float T, N, S, omega, L, H, P, delta;
  float fx, fy, fz, mx, my, mz, gx, gy, gz;
  bool auto_rot, alt_segment, merge, connect, mirrored;
  // Attachment triggers, already multiplied by T.
  float branch_trigger, bubble_start, bubble_end, husk_start, husk_end;
  // Attachment values read once per run, so a bad text warns once.
  float bubble_waves, bubble_amplitude, bubble_center;
  float helix_radius, helix_turns, helix_rx, helix_ry, helix_rz;
  bool husk, helix;
  float last;  // the step bound, cut once for all levels
  // Texture texts written with every husk, bubble and helix object (views of
  // the set, which stays unchanged while the scene is written).
  std::string_view husk_texture, bubble_texture, helix_texture;
};

// The path state of one level (reset at the start of every level).
struct SpiralPath {
  float i = 1, e = 1;
  float X = 0, Y = 0, Z = 0, Xm = 0;
  float sx = 1, sy = 1, sz = 1;
  float rx = 0, ry = 0, rz = 0;
  float A = 0, D = 0;
  float Xp = 0, Yp = 0, Zp = 0, Xmp = 0, sxp = 1;
  float step = 0;  // the last step length, continued by the top stacks
  // Attachment state.
  float next_branch = 0;
  float bx = 1, by = 1, bz = 1, bxp = 1, byp = 1, bzp = 1;
  float phase = 0;
  float qx = 0, qy = 0, qz = 0;
  bool in_bubble = false;
};

// One SpiralWorm run: its settings, the level being written and its path.
struct SpiralRun {
  ComposeContext& ctx;
  SpiralSettings s;
  int level = 0;
  bool branch_mode = false;
  bool branched = false;  // a level W1 exists
  SpiralPath path;
};

}  // namespace vermora
