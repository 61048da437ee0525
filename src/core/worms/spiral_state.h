#pragma once

#include <string_view>

#include "scene/compose_context.h"

namespace vermora {

// The derived quantities of one SpiralWorm run, all single precision. The path
// advances in steps, T of them to a segment, so the counts and segment numbers
// below are already multiplied by T and count path steps.
struct SpiralSettings {
  float T;           // path steps per written segment (edHTus); a segment every T steps
  float N;           // path steps in the whole worm: segments (EdNumber) times T
  float S;           // path length budget (EdSpace); a step advances by S / N, scaled
  float omega;       // turn of the path's heading per step: EdOmw radians / T
  float L;           // step from which the path descends instead of climbing (the leg)
  float H;           // step at which shrinking turns into growing
  float P;           // step after which the worm splits into two strands
  float delta;       // growth per step of the strands' sideways drift after the split
  float fx, fy, fz;  // shrink over the whole worm per axis, spread over N steps
  float mx, my, mz;  // move factors per axis (0 no move, 1 ordinary, -1 opposite)
  float gx, gy, gz;  // degrees turned over the whole worm per axis, without auto rotation
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
  float i = 1, e = 1;                 // this step; the step that writes the next segment
  float X = 0, Y = 0, Z = 0, Xm = 0;  // position; Xm the second strand's x after the split
  float sx = 1, sy = 1, sz = 1;       // segment scale
  float rx = 0, ry = 0, rz = 0;       // segment rotation, degrees
  float A = 0, D = 0;                 // heading angle; strands' sideways drift
  float Xp = 0, Yp = 0, Zp = 0, Xmp = 0, sxp = 1;  // the previous step's, for connectors
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
