#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vermora {

// A point or direction in POV-Ray's left-handed world (y up, z into the screen).
struct Vec3 {
  double x = 0, y = 0, z = 0;
};

// A 4x4 affine or projective matrix, column-major as OpenGL takes it:
// m[column * 4 + row]. The default is the identity.
struct Mat4 {
  std::array<double, 16> m = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  double operator()(int row, int column) const { return m[column * 4 + row]; }
  double& operator()(int row, int column) { return m[column * 4 + row]; }
};

Mat4 operator*(const Mat4& a, const Mat4& b);
// The inverse of an affine matrix; the identity for one that cannot be turned back.
Mat4 AffineInverse(const Mat4& m);
Vec3 TransformPoint(const Mat4& t, Vec3 p);
Mat4 Translation(Vec3 offset);
Mat4 Scaling(Vec3 factors);
// POV-Ray's `rotate <x, y, z>` in degrees: about x first, then y, then z.
Mat4 Rotation(Vec3 degrees);

// How a surface takes the light, as its finish says; unset, POV-Ray's defaults.
// Colours are in the scene's own terms (rgb 0..1), as the finish gives them.
struct Surface {
  std::array<float, 3> ambient = {0.1f, 0.1f, 0.1f};
  float diffuse = 0.6f, brilliance = 1;
  float specular = 0, roughness = 0.05f;  // a highlight of size 1 / roughness
  float phong = 0, phong_size = 40;
  float metallic = 0;    // 0 to 1: how much the highlights take the surface's colour
  float reflection = 0;  // 0 to 1: how much of the surroundings it mirrors
  std::array<float, 3> reflection_colour = {0, 0, 0};  // as given: a grey for a number
  bool reflection_metallic = false;  // the mirrored light takes the surface's colour
  // The reflection on a surface of colour `rgb` as amount * mix(white, rgb,
  // tint): a metallic one takes the colour (tint 1), a coloured one as near as
  // it comes to that.
  struct Mirror {
    float amount = 0, tint = 0;
  };
  Mirror MirrorOn(const std::array<float, 3>& rgb) const;
  bool operator==(const Surface&) const = default;
};

// A pigment's pattern and its colour map, which the view follows in the
// pattern's own space. Patterns the view cannot follow are kNoise: a value
// from 0 to 1 that varies as they do, without their shapes.
enum class PatternKind : int {
  kGradient = 1,
  kMarble,
  kWood,
  kOnion,
  kLeopard,
  kRadial,
  kSpherical,
  kGranite,
  kAgate,
  kNoise,
  kPicture  // an image_map: `picture` names its file, and there is no colour map
};

struct Pattern {
  PatternKind kind = PatternKind::kNoise;
  Vec3 axis{0, 1, 0};  // of a gradient
  float turbulence = 0;
  bool triangle_wave = false;  // the map runs to its end at the middle and back
  struct Stop {
    float at = 0;
    std::array<float, 5> colour = {0, 0, 0, 0, 0};  // r g b filter transmit
  };
  std::vector<Stop> map;  // in order of `at`, at most kMaxPatternStops
  // A picture's file as the scene names it, its own name being relative to
  // the renderer's folder. The picture spans the square from <0,0> to <1,1>
  // of the xy plane of the pattern's space, its top row along y = 1; with
  // `once`, what lies outside the square is clear, else it repeats.
  std::string picture;
  bool once = false;
};

inline constexpr size_t kMaxPatternStops = 8;

enum class Primitive { Sphere, Box, Cylinder, Cone, Torus, StandIn };

// One primitive of the scene. Unit primitives: Sphere radius 1 at the origin;
// Box [-1,1]^3; Cylinder radius 1, y from 0 to 1; Cone base radius 1 at y=0,
// top radius `shape` at y=1; Torus major radius 1 in the xz plane, minor radius
// `shape`; StandIn a unit box ([-1,1]^3) for an object the model could not read.
struct Instance {
  Primitive kind = Primitive::Sphere;
  Mat4 transform;   // maps the unit primitive to world space (POV-Ray's left-handed coords)
  float shape = 0;  // Cone: top radius / base radius (<= 1); Torus: minor / major radius; else 0
  std::array<float, 4> colour = {0, 0, 0, 0};  // r g b filter; POV-Ray's black when untextured
  float transmit = 0;                          // light let through unfiltered, 0 to 1
  Surface surface;
  int pattern = -1;    // of SceneModel::patterns, drawn over `colour`; -1: none
  Mat4 pattern_frame;  // maps the pattern's space to world space
  // Of SceneModel::parts: the part it belongs to (the innermost placed copy
  // of a declared object, "JSegment 12") and the group of parts that holds it
  // (the outermost copy below the scene's own statement, "Worm1 3"); -1: none.
  int part = -1, group = -1;
};

struct Bounds {
  Vec3 min, max;
  bool empty = true;
  void Add(Vec3 p);
};

// The camera as the scene left it: `look_at` and `angle` already turned
// direction, right and up as POV-Ray turns them; `look_at` and `angle` are the
// values read (angle 0 when not given).
struct SceneCamera {
  Vec3 location{0, 0, 0}, direction{0, 0, 1}, right{1.33, 0, 0}, up{0, 1, 0}, sky{0, 1, 0},
      look_at{0, 0, 1};
  double angle = 0;
  bool read = false;  // the scene had a camera
};

// A point light of the scene (spotlights and area lights as points too).
struct SceneLight {
  Vec3 position;
  std::array<float, 3> colour = {1, 1, 1};
};

inline constexpr size_t kMaxSceneLights = 8;  // the view lights with the first ones

// What lies behind the creature: the background colour, or a sky sphere's
// pattern over the directions of the sky; the planes of the ground or the
// sea; a depth fog.
inline constexpr size_t kMaxGrounds = 3;

struct SceneSurroundings {
  std::array<float, 3> background = {0, 0, 0};  // or the sky's mean colour
  int sky_pattern = -1;                         // of SceneModel::patterns; -1: no sky sphere's
  Mat4 sky_frame;                               // maps the pattern's space to the directions
  struct Ground {
    Vec3 normal{0, 1, 0};
    double offset = 0;  // points p with normal . p = offset
    std::array<float, 4> colour = {0, 0, 0, 0};
    Surface surface;
    int pattern = -1;    // of SceneModel::patterns, drawn over `colour` (a picture, say)
    Mat4 pattern_frame;  // maps the pattern's space to world space
  };
  std::vector<Ground> grounds;  // at most kMaxGrounds, the first ones the scene places
  // Thin layers over the sky above the horizon (clouds): their colour, and how
  // much of the sky they cover (0 to 1).
  std::array<float, 4> haze = {0, 0, 0, 0};
  // How the layers are lit: ambient, and diffuse from the lights below them.
  std::array<float, 2> haze_finish = {1, 0};
  void AddHaze(const std::array<float, 3>& colour, float cover, float ambient = 1,
               float diffuse = 0);
  // The height of the lowest layer: what a ray rising through it meets above
  // lies behind the haze too (a picture far away, say).
  double haze_height = 0;
  double fog_distance = 0;  // 0: no fog
  std::array<float, 3> fog_colour = {0, 0, 0};
};

struct SceneModel {
  std::vector<Instance> instances;
  SceneCamera camera;
  std::vector<SceneLight> lights;
  SceneSurroundings surroundings;
  std::vector<Pattern> patterns;
  // Parts: the `copy`th copy of the declared object_names[name].
  struct Part {
    int name = 0, copy = 0;
  };
  std::vector<Part> parts;
  std::vector<std::string> object_names;
  std::string PartName(int part) const;  // "JSegment 12"; "" for none
  int stand_ins = 0;
  std::vector<std::string> notes;  // what became a stand-in, and why (a few lines)
  std::string error;               // empty when the scene was read
  Bounds bounds() const;           // world-space box of all instances
  // The colour seen looking along `direction` (no ground): the sky's pattern
  // there, else the background's, without the haze.
  std::array<float, 3> SkyColour(Vec3 direction) const;
};

// The largest number of instances a model holds; a bigger scene gives an error.
inline constexpr size_t kMaxModelInstances = 1'000'000;

class IncludeLibrary;

// Reads scene text as the composer writes it into primitives. Never throws.
// The files the scene includes are taken from `includes` (may be null: the
// names they would declare are then unknown, and their colours a grey).
SceneModel ReadSceneModel(std::string_view scene_text, IncludeLibrary* includes = nullptr);

// The world box of one instance (exact for its unit primitive).
Bounds InstanceBounds(const Instance& instance);

// The camera as OpenGL matrices. The view maps POV-Ray world coordinates to an
// eye space with x along `right`, y along `up`, looking down -z along
// `direction` (so it mirrors, POV-Ray's world being left-handed: cull with care).
// The projection spreads |right| across the picture's width and |up| across
// its height, as POV-Ray does whatever the picture's size; `aspect`
// (width / height) stands in for a right or up of zero length.
Mat4 CameraView(const SceneCamera& camera);
Mat4 CameraProjection(const SceneCamera& camera, double aspect, double near, double far);

// Triangle mesh of a unit primitive, triangles counter-clockwise seen from
// outside (right-handed reading of the coordinates), normals per vertex.
// `detail` is the segments around (at least 3).
struct Mesh {
  std::vector<float> positions, normals;  // x y z per vertex
  std::vector<uint32_t> indices;          // three per triangle
};
Mesh UnitMesh(Primitive kind, float shape, int detail);

}  // namespace vermora
