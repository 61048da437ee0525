#pragma once

namespace vermora {

// Which field groups of the pigment page a pigment type shows.
struct PigmentGroups {
  bool row1 = false;  // colour row 1 and the header above the rows
  bool row2 = false;
  bool row3 = false;
  bool colour_map = false;  // the colour map editor and its "Dflt" button
  bool image_map = false;
  bool operator==(const PigmentGroups&) const = default;
};

// Which field groups of the normal page a normal type shows.
struct NormalGroups {
  bool pattern = false;  // editNTurbulence to editNormalScale
  bool bump_map = false;
  bool depth = false;  // editNormalDepth and its caption; decides the texture's depth text
  bool operator==(const NormalGroups&) const = default;
};

// The change rules of cbPigmentType and cbNormalType. An index outside the
// lists (none chosen, or a file's stray number) shows no group.
PigmentGroups PigmentTypeGroups(int pigment_type);
NormalGroups NormalTypeGroups(int normal_type);

}  // namespace vermora
