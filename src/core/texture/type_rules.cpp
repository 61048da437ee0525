#include "texture/type_rules.h"

namespace vermora {

PigmentGroups PigmentTypeGroups(int type) {
  PigmentGroups g;
  if (type >= 0 && type <= 3) {
    g.row1 = true;
    g.row2 = type >= 1;
    g.row3 = type == 3;
  } else if (type >= 4 && type <= 19) {
    g.colour_map = true;
  } else if (type == 20) {
    g.image_map = true;
  }
  return g;
}

NormalGroups NormalTypeGroups(int type) {
  NormalGroups g;
  if (type >= 1 && type <= 19) {
    g.pattern = true;
    g.depth = true;
  } else if (type == 20) {
    g.bump_map = true;
    g.depth = true;
  }
  return g;
}

}  // namespace vermora
