#include <assimp/material.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <assimp/Importer.hpp>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "background/background_rules.h"
#include "common/examples.h"
#include "common/random.h"
#include "compose/composer.h"
#include "model/mesh_export.h"
#include "model/scene_model.h"
#include "params/settings_file.h"
#include "scene/object_count.h"
#include "support/test_support.h"

namespace vermora {
namespace {

namespace fs = std::filesystem;

std::map<Primitive, int> Kinds(const SceneModel& model) {
  std::map<Primitive, int> kinds;
  for (const Instance& i : model.instances) ++kinds[i.kind];
  return kinds;
}

void ExpectBounds(const Bounds& b, Vec3 low, Vec3 high, const std::string& what) {
  ASSERT_FALSE(b.empty) << what;
  for (const auto& [got, want] : {std::pair{b.min, low}, std::pair{b.max, high}}) {
    for (double Vec3::*axis : {&Vec3::x, &Vec3::y, &Vec3::z})
      EXPECT_NEAR(got.*axis, want.*axis, 1e-9) << what;
  }
}

SceneModel Golden(const std::string& name) {
  return ReadSceneModel(test::ReadFile(std::string(VERMORA_GOLDEN_DIR) + "/" + name + ".pov"),
                        &test::Includes());
}

TEST(SceneModelTest, DefaultSetIsTheWheelOfSpiralWorms) {
  const ParameterSet set;
  const SceneModel model = ReadSceneModel(test::Scene(set), &test::Includes());
  ASSERT_EQ(model.error, "");
  EXPECT_EQ(model.stand_ins, 0);
  // 8 worms of 30 segments; POV-Ray's statistics count 240 finite objects too.
  ASSERT_EQ(model.instances.size(), 240u);
  EXPECT_EQ(EstimateObjects(set).objects, 240);
  EXPECT_EQ(Kinds(model)[Primitive::Sphere], 240);
  // The first segment: Bol (radius .5) scaled .983, rotated <-27, 0, 19>,
  // moved to <-0.213, 0.246, 0.301>. Rz(19) Rx(-27) times .983 * .5, by hand.
  const double expected[3][4] = {{0.464722, -0.142576, -0.072646, -0.213},
                                 {0.160017, 0.414071, 0.210980, 0.246},
                                 {0.0, -0.223136, 0.437930, 0.301}};
  const Instance& first = model.instances[0];
  for (int at = 0; at < 12; ++at)
    EXPECT_NEAR(first.transform(at / 4, at % 4), expected[at / 4][at % 4], 2e-6);
  EXPECT_EQ(first.transform(3, 3), 1);
  const std::array<float, 4> cream = {0.9882f, 0.9020f, 0.7882f, 0};
  EXPECT_EQ(first.colour, cream);
  EXPECT_EQ(model.instances.back().colour, cream);
  EXPECT_TRUE(model.camera.read);
  EXPECT_DOUBLE_EQ(model.camera.location.z, -30);
  EXPECT_DOUBLE_EQ(model.camera.direction.z, 1.2);
  EXPECT_DOUBLE_EQ(model.camera.right.x, 1.3);
}

// Each library object as the segment of the SpiralWorm: its primitives, read
// from the declarations in the object library.
TEST(SceneModelTest, LibraryObjectsHaveTheirPrimitives) {
  const Primitive kinds[] = {Primitive::Sphere, Primitive::Box, Primitive::Cylinder,
                             Primitive::Cone, Primitive::Torus};
  const std::pair<const char*, std::array<int, 5>> cases[] = {
      // in the order of `kinds`
      {"Bol", {1, 0, 0, 0, 0}},    {"Doos", {0, 1, 0, 0, 0}},  {"Cone", {0, 0, 0, 1, 0}},
      {"FanCyl", {0, 0, 1, 0, 0}}, {"Torus", {0, 0, 0, 0, 1}}, {"Spik1", {1, 0, 0, 4, 0}},
      {"Spik2", {3, 0, 1, 2, 0}},  {"Spik3", {0, 0, 6, 6, 0}}, {"Spik4", {1, 0, 0, 2, 0}},
      {"Spik6", {10, 0, 0, 0, 0}}, {"Ear", {0, 0, 3, 0, 0}},   {"BallDisk", {1, 0, 1, 0, 0}}};
  for (const auto& [name, counts] : cases) {
    ParameterSet set = test::SpiralOnly();
    set.SetText("edJSegm", std::string("object {") + name + "}");
    SceneModel model = ReadSceneModel(test::Scene(set), &test::Includes());
    ASSERT_EQ(model.error, "") << name;
    EXPECT_EQ(model.stand_ins, 0) << name;
    for (int k = 0; k < 5; ++k)
      EXPECT_EQ(Kinds(model)[kinds[k]], counts[k] * 30) << name << " " << k;  // 30 segments
  }
}

// Small scenes with their instance count and world box worked by hand.
TEST(SceneModelTest, PrimitivesTransformsAndMacrosGiveTheirBoxes) {
  const std::string connect =
      "#macro Connect(SP,SR,EP,ER)\n #local D=vlength(EP-SP);\n #local Rd=SR-ER;\n #if (D > "
      "abs(Rd))\n"
      " #local D2=sqrt(D*D-Rd*Rd);\n cone { "
      "SP+(EP-SP)/D*Rd*(SR)/D,(SR)*D2/D,EP+(EP-SP)/D*Rd*(ER)/D,(ER)*D2/D }\n"
      " #elseif (SR > ER)\n sphere { SP, SR }\n #else\n sphere { EP, ER }\n #end\n#end\n";
  struct Case {
    std::string text;
    size_t count;
    Vec3 low, high;
  };
  const Case cases[] = {
      {"sphere {<1, 2, 3>, 2}", 1, {-1, 0, 1}, {3, 4, 5}},
      {"sphere {0, 1 scale <2, 1, 1> translate -x}", 1, {-3, -1, -1}, {1, 1, 1}},
      {"box {<-1, 0, 0>, <1, 2, .5> rotate 90*y}", 1, {0, 0, -1}, {.5, 2, 1}},
      {"cylinder {<0, 0, 0>, <0, 0, 4>, .5}", 1, {-.5, -.5, 0}, {.5, .5, 4}},
      {"cone {<0, 1, 0>, 0, <0, -1, 0>, 1}", 1, {-1, -1, -1}, {1, 1, 1}},
      {"torus {2, .5 rotate <90, 0, 0>}", 1, {-2.5, -2.5, -.5}, {2.5, 2.5, .5}},
      {"#declare A = union { sphere {0, 1} sphere {2*x, 1} }\nobject {A translate <0, 0, 3>}\n"
       "object {A scale .5 rotate <0, 0, 90>}",
       4,
       {-1, -1, -.5},
       {3, 1.5, 4}},
      {"#declare N = 3; #declare I = 0;\n#while (I < N) sphere {<I*2, 0, 0>, .5} #declare I = I + "
       "1; #end",
       3,
       {-.5, -.5, -.5},
       {4.5, .5, .5}},
      {"blob { threshold .5 sphere {0, 1, 1} sphere {<0, 3, 0>, 2, 1 scale .5} }",
       2,
       {-1, -1, -1},
       {1, 2.5, 1}},
      {connect + "Connect(<0,0,0>, 1, <10,0,0>, 1)", 1, {0, -1, -1}, {10, 1, 1}},
      {connect + "Connect(<0,0,0>, 3, <1,0,0>, 1)", 1, {-3, -3, -3}, {3, 3, 3}},
      {"#declare V = <1, 2, 3>; sphere {<V.z, -V.x, (V.y > 1 ? 5 : 6)>, .5 matrix <1,0,0, 0,1,0, "
       "0,0,1, 1,0,0>}",
       1,
       {3.5, -1.5, 4.5},
       {4.5, -.5, 5.5}},
  };
  for (const Case& c : cases) {
    const SceneModel model = ReadSceneModel(c.text, &test::Includes());
    EXPECT_EQ(model.error, "") << c.text;
    EXPECT_EQ(model.stand_ins, 0) << c.text;
    EXPECT_EQ(model.instances.size(), c.count) << c.text;
    ExpectBounds(model.bounds(), c.low, c.high, c.text);
  }
}

constexpr const char* kStandardIncludes =
    "#include \"vmxpred.inc\"\n#include \"metals.inc\"\n#include \"stones.inc\"\n"
    "#include \"woods.inc\"\n#include \"glass.inc\"\n";

TEST(SceneModelTest, ColoursOfTextures) {
  struct Case {
    const char* texture;
    std::array<float, 4> colour;
  };
  for (const Case& c : {
           Case{"texture {pigment {color red 1 green .5 blue .25}}", {1, .5f, .25f, 0}},
           Case{"pigment {rgb <.1, .2, .3>}", {.1f, .2f, .3f, 0}},
           Case{"texture {pigment {color rgbf <.1, .2, .3, .4>} finish {reflection rgb 1}}",
                {.1f, .2f, .3f, .4f}},
           Case{"pigment {rgb 1}", {1, 1, 1, 0}},
           Case{"pigment {color MediumSeaGreen}", {.258824f, .435294f, .258824f, 0}},  // colors.inc
           Case{"pigment {Apricot}", {1, .3294f, .3294f, 0}},  // vmxpred.inc
           Case{"pigment {checker color rgb <1, 0, 0>, color rgb <0, 0, 1>}", {.5f, 0, .5f, 0}},
           Case{"texture {pigment {marble color_map {[0 color White] [1 color Black]}} scale 2}",
                {.5f, .5f, .5f, 0}},
           Case{"pigment {Jade}", {.05f, .425f, .05f, 0}},     // textures.inc: its map's mean
           Case{"texture {T_Gold_1A}", {1, .675f, .175f, 0}},  // golds.inc: GoldBase - <0, .2, .4>
           Case{"texture {T_Glass1}", {1, 1, 1, .7f}},  // glass_old.inc, declared "deprecated"
           Case{"pigment {color CHSV2RGB(<120, 1, 1>)}",
                {0, 1, 0, 0}},                                          // colors.inc's macro: green
           Case{"texture {pigment {NoSuchName}}", {.7f, .7f, .7f, 0}},  // a grey stands in
       }) {
    const SceneModel model = ReadSceneModel(
        std::string(kStandardIncludes) + "sphere {0, 1 " + c.texture + "}", &test::Includes());
    ASSERT_EQ(model.instances.size(), 1u) << c.texture;
    for (int i = 0; i < 4; ++i)
      EXPECT_NEAR(model.instances[0].colour[i], c.colour[i], 1e-5) << c.texture;
    EXPECT_EQ(model.stand_ins, 0) << c.texture;
  }
  // An inner texture stays; the outer one colours the rest. Untextured is black.
  const SceneModel model = ReadSceneModel(
      "union { sphere {0, 1 pigment {color rgb x}} sphere {x, 1} pigment {color rgb z} } sphere "
      "{y, 1}",
      &test::Includes());
  ASSERT_EQ(model.instances.size(), 3u);
  const std::array<float, 4> red{1, 0, 0, 0}, blue{0, 0, 1, 0}, black{0, 0, 0, 0},
      expected[] = {red, blue, black};
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(model.instances[i].colour, expected[i]) << i;
}

// A finish as POV-Ray reads it: its defaults, what it names, and each amount.
TEST(SceneModelTest, FinishesOfTextures) {
  struct Case {
    const char* texture;
    Surface expected;
  };
  const Surface defaults;
  auto with = [&](auto change) {
    Surface s = defaults;
    change(s);
    return s;
  };
  for (const Case& c : {
           Case{"pigment {rgb 1}", defaults},
           Case{"texture {pigment {rgb 1} finish {ambient rgb <0.2, 0.15, 0.05> diffuse 0.7 phong "
                "0.9 phong_size 40 metallic}}",
                with([](Surface& s) {
                  s.ambient = {.2f, .15f, .05f};
                  s.diffuse = .7f;
                  s.phong = .9f;
                  s.metallic = 1;
                })},
           Case{
               "finish {ambient 0.15 diffuse 0.6 roughness 1/100 specular albedo 0.5 brilliance 3}",
               with([](Surface& s) {
                 s.ambient = {.15f, .15f, .15f};
                 s.roughness = .01f;
                 s.specular = .5f;
                 s.brilliance = 3;
               })},
           Case{"finish {metallic 0.4 reflection {0.1, 0.6 fresnel on} irid {0.3}}",
                with([](Surface& s) {
                  s.metallic = .4f;
                  s.reflection = .6f;
                  s.reflection_colour = {.6f, .6f, .6f};
                })},
           Case{"finish {Shiny reflection 2}",
                with([](Surface& s) {  // declared below; kept in range
                  s.phong = .8f;
                  s.phong_size = 90;
                  s.reflection = 1;
                  s.reflection_colour = {1, 1, 1};
                })},
           Case{"finish {reflection {rgb <0.2, 0.4, 0.6> metallic}}", with([](Surface& s) {
                  s.reflection = .4f;
                  s.reflection_colour = {.2f, .4f, .6f};
                  s.reflection_metallic = true;
                })},
           Case{"texture {Glossy}", with([](Surface& s) { s.phong = .8f; })},
       }) {
    const SceneModel model = ReadSceneModel(
        std::string("#declare Shiny = finish {phong 0.8 phong_size 90}\n"
                    "#declare Glossy = texture {pigment {rgb 1} finish {phong 0.8}}\n"
                    "sphere {0, 1 ") +
            c.texture + "}",
        &test::Includes());
    ASSERT_EQ(model.instances.size(), 1u) << c.texture;
    EXPECT_EQ(model.instances[0].surface, c.expected) << c.texture;
  }
  // An inner finish stays, as an inner texture does; transmit is kept beside the colour.
  const SceneModel model = ReadSceneModel(
      "union {sphere {0, 1 finish {phong 1}} sphere {x, 1 pigment {rgbt <1, 1, 1, 0.7>}} "
      "finish {diffuse 0.9}}",
      &test::Includes());
  ASSERT_EQ(model.instances.size(), 2u);
  EXPECT_EQ(model.instances[0].surface.phong, 1);
  EXPECT_EQ(model.instances[0].surface.diffuse, defaults.diffuse);
  EXPECT_FLOAT_EQ(model.instances[1].surface.diffuse, .9f);
  EXPECT_FLOAT_EQ(model.instances[1].transmit, .7f);
}

// A pigment's pattern and map are kept for the view, placed where the texture
// puts them and moving with the object after it.
TEST(SceneModelTest, PatternsOfPigments) {
  const SceneModel model = ReadSceneModel(
      "#declare T = texture {pigment {gradient x color_map {[1 rgb 1] [0 rgbf <1, 0, 0, 0.5>]} "
      "turbulence 0.3 scale 2}}\n"
      "sphere {0, 1 translate 5*x texture {T} translate y}\n"
      "sphere {0, 1 texture {T}}\n"
      "sphere {0, 1 pigment {leopard color_map {[0 rgb 0] [1 rgb 1]}}}\n"
      "sphere {0, 1 pigment {rgb 1}}",
      &test::Includes());
  ASSERT_EQ(model.instances.size(), 4u);
  ASSERT_EQ(model.patterns.size(), 2u);  // T once
  const Pattern& gradient = model.patterns[0];
  EXPECT_EQ(gradient.kind, PatternKind::kGradient);
  EXPECT_EQ(gradient.axis.x, 1);
  EXPECT_FLOAT_EQ(gradient.turbulence, .3f);
  ASSERT_EQ(gradient.map.size(), 2u);  // in order of place
  EXPECT_EQ(gradient.map[0].colour, (std::array<float, 5>{1, 0, 0, .5f, 0}));
  EXPECT_EQ(model.instances[0].pattern, 0);
  EXPECT_EQ(model.instances[1].pattern, 0);
  EXPECT_EQ(model.patterns[1].kind, PatternKind::kLeopard);
  EXPECT_EQ(model.instances[3].pattern, -1);
  // The pattern's point (1, 0, 0) lies at 2x (its scale), moved up with the
  // object, but not by the translate before the texture.
  const Vec3 at = TransformPoint(model.instances[0].pattern_frame, {1, 0, 0});
  EXPECT_NEAR(at.x, 2, 1e-12);
  EXPECT_NEAR(at.y, 1, 1e-12);
}

// How far the view tints what a surface mirrors with the surface's colour.
TEST(SceneModelTest, ColouredReflectionsTint) {
  struct Case {
    const char* finish;
    float amount, tint;
  };
  for (const Case& c : {
           Case{"reflection 0.5", .5f, 0},                    // the surroundings as they are
           Case{"reflection rgb <0.5, 0.25, 0.05>", .5f, 1},  // in the gold's own colour
           Case{"reflection {0.3 metallic}", .3f, 1},         // POV-Ray's metallic mirror
           Case{"reflection rgb <0.75, 0.5625, 0.4125>", .75f, .5f},  // half way to the gold
       }) {
    const SceneModel model =
        ReadSceneModel("sphere {0, 1 texture {pigment {rgb <1, 0.5, 0.1>} finish {" +
                           std::string(c.finish) + "}}}",
                       &test::Includes());
    ASSERT_EQ(model.instances.size(), 1u) << c.finish;
    const Surface::Mirror mirror = model.instances[0].surface.MirrorOn({1, .5f, .1f});
    EXPECT_NEAR(mirror.amount, c.amount, .01) << c.finish;
    EXPECT_NEAR(mirror.tint, c.tint, .01) << c.finish;
  }
}

// The named textures of POV-Ray's files keep their patterns: declared maps,
// patterns that a pigment gives its colours, the older [from to colour colour]
// maps and layered textures.
TEST(SceneModelTest, PatternsOfNamedTextures) {
  struct Case {
    const char* texture;
    PatternKind kind;
    std::vector<float> stops;  // empty: not checked
  };
  for (const Case& c : {
           Case{"pigment {Jade}", PatternKind::kMarble, {0, .8f, .8f, 1}},
           Case{"texture {T_Wood1}", PatternKind::kWood, {}},
           Case{"pigment {P_Cloud1}", PatternKind::kNoise, {0, .1f, .1f, .5f, .5f, 1.001f}},
           Case{"texture {T_Stone5}", PatternKind::kGranite, {}},
       }) {
    const SceneModel model = ReadSceneModel(
        std::string(kStandardIncludes) + "#include \"skies.inc\"\nsphere {0, 1 " + c.texture + "}",
        &test::Includes());
    ASSERT_EQ(model.instances.size(), 1u) << c.texture;
    const Instance& sphere = model.instances[0];
    ASSERT_GE(sphere.pattern, 0) << c.texture;
    const Pattern& pattern = model.patterns[static_cast<size_t>(sphere.pattern)];
    EXPECT_EQ(pattern.kind, c.kind) << c.texture;
    if (!c.stops.empty()) {
      ASSERT_EQ(pattern.map.size(), c.stops.size()) << c.texture;
      for (size_t i = 0; i < c.stops.size(); ++i)
        EXPECT_FLOAT_EQ(pattern.map[i].at, c.stops[i]) << c.texture << " " << i;
    }
    EXPECT_NE(sphere.colour, (std::array<float, 4>{.7f, .7f, .7f, 0})) << c.texture;
    EXPECT_TRUE(model.notes.empty()) << c.texture << ": " << model.notes[0];
  }
  // Only plain names in the include folders are read, never a path.
  for (const char* name : {"/etc/hostname", "../data/vmxpred.inc", "nosuch.inc"}) {
    const SceneModel model =
        ReadSceneModel("#include \"" + std::string(name) + "\"\nsphere {0, 1}", &test::Includes());
    ASSERT_EQ(model.notes.size(), 1u) << name;
    EXPECT_EQ(model.notes[0], "the include file \"" + std::string(name) + "\" is not read");
  }
}

// Lights, background, sky, fog and ground are read for the view around the creature.
TEST(SceneModelTest, LightsSkyFogAndGround) {
  const SceneModel model = ReadSceneModel(
      "light_source {0*x color red 1.000 green 0.5 blue 0.25 translate <-10, 10, -30>}\n"
      "light_source {<1, 2, 3> rgb 0.6 spotlight point_at 0 radius 10 rotate 90*y}\n"
      "background {color rgb <0.1, 0.2, 0.3>}\n"
      "sky_sphere {pigment {gradient y color_map {[0 rgb <0.5, 0.7, 0.9>] [1 rgb <0.1, 0.3, "
      "0.7>]}} pigment {bozo color_map {[0 rgbt 1] [1 rgbt <1, 1, 1, 0.5>]}}}\n"
      "fog {distance 60 color rgbt <0.05, 0.15, 0.3, 0>}\n"
      "plane {y, -2 texture {pigment {rgb <0.8, 0.7, 0.5>} finish {reflection 0.3}}}\n"
      "plane {y, 900 pigment {rgbt <1, 1, 1, 0.9>}}\n"
      "sphere {0, 1}",
      &test::Includes());
  ASSERT_EQ(model.instances.size(), 1u);
  ASSERT_EQ(model.lights.size(), 2u);
  EXPECT_EQ(model.lights[0].colour, (std::array<float, 3>{1, .5f, .25f}));
  EXPECT_NEAR(model.lights[0].position.x, -10, 1e-12);
  EXPECT_NEAR(model.lights[1].position.x, 3, 1e-12);  // <1, 2, 3> turned about y
  EXPECT_NEAR(model.lights[1].position.z, -1, 1e-12);
  const SceneSurroundings& s = model.surroundings;
  // The gradient's colours, with a quarter of the clouds' white over them.
  const std::array<float, 3> horizon = {.625f, .775f, .925f}, zenith = {.325f, .475f, .775f};
  const std::array<float, 3> up = model.SkyColour({0, 2, 0.002}),
                             level = model.SkyColour({1, 0, 0}),
                             below = model.SkyColour({0, -1, 1});  // the gradient runs up again
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(up[i], zenith[i], 1e-6);
    EXPECT_NEAR(level[i], horizon[i], 1e-6);
    EXPECT_NEAR(below[i], horizon[i] + (zenith[i] - horizon[i]) * (1 - std::sqrt(0.5)), 1e-6);
    EXPECT_NEAR(s.background[i], (horizon[i] + zenith[i]) / 2, 1e-6);
  }
  EXPECT_EQ(s.fog_distance, 60);
  EXPECT_EQ(s.fog_colour, (std::array<float, 3>{.05f, .15f, .3f}));
  // The plane of clouds: a tenth over the sky above the horizon.
  EXPECT_NEAR(s.haze[3], 0.1, 1e-6);
  EXPECT_NEAR(s.haze[0], 1, 1e-6);
  ASSERT_EQ(s.grounds.size(), 1u);  // the clouds' plane is no ground
  EXPECT_EQ(s.grounds[0].offset, -2);
  EXPECT_FLOAT_EQ(s.grounds[0].colour[0], .8f);
  EXPECT_FLOAT_EQ(s.grounds[0].surface.reflection, .3f);
  EXPECT_EQ(model.stand_ins, 0);
}

// A background picture lies on its plane so that it covers the camera's
// view, centred, its bottom left corner towards the view's; a plane mapped
// without a file, or a sky of a picture, keeps a colour rather than black.
TEST(SceneModelTest, BackgroundPictureFillsTheView) {
  ParameterSet set;
  ChoosePictureFile(set, "/maps/dusk sky.png");
  set.SetOn("chkCL1", true);
  const SceneModel model = ReadSceneModel(test::Scene(set), &test::Includes());
  ASSERT_EQ(model.error, "");
  const SceneSurroundings& s = model.surroundings;
  const auto ground = std::find_if(s.grounds.begin(), s.grounds.end(), [&](const auto& g) {
    return g.pattern >= 0 && model.patterns[g.pattern].kind == PatternKind::kPicture;
  });
  ASSERT_NE(ground, s.grounds.end());
  const Pattern& picture = model.patterns[ground->pattern];
  EXPECT_EQ(picture.picture, "/maps/dusk sky.png");
  EXPECT_TRUE(picture.once);
  const Mat4 view = CameraView(model.camera);
  const Mat4 clip = CameraProjection(model.camera, 4.0 / 3, 1, 1e6) * view;
  auto seen = [&](Vec3 corner) {  // where the view shows a point of the picture
    const Vec3 world = TransformPoint(ground->pattern_frame, corner);
    const Vec3 p = TransformPoint(clip, world);
    const double w = -TransformPoint(view, world).z;
    return std::pair{p.x / w, p.y / w};
  };
  const auto [low_x, low_y] = seen({0, 0, 0});
  const auto [high_x, high_y] = seen({1, 1, 0});
  const auto [mid_x, mid_y] = seen({0.5, 0.5, 0});
  EXPECT_LE(low_x, -1);
  EXPECT_LE(low_y, -1);
  EXPECT_NEAR(high_x, -low_x, 1e-9);
  EXPECT_NEAR(high_y, -low_y, 1e-9);
  EXPECT_NEAR(mid_x, 0, 1e-9);
  EXPECT_NEAR(mid_y, 0, 1e-9);
  EXPECT_EQ(s.haze_height, 900);  // the cloud layer the picture lies behind

  const SceneModel unnamed = ReadSceneModel(
      "plane {y, 0 pigment {image_map {png}}}\n"
      "sky_sphere {pigment {image_map {png \"sky.png\"}}}\n"
      "sphere {0, 1 pigment {image_map {png \"skin.png\"}}}",
      &test::Includes());
  ASSERT_EQ(unnamed.surroundings.grounds.size(), 1u);
  EXPECT_EQ(unnamed.surroundings.grounds[0].pattern, -1);
  EXPECT_GT(unnamed.surroundings.grounds[0].colour[0], 0.5);
  EXPECT_EQ(unnamed.surroundings.sky_pattern, -1);
  EXPECT_GT(unnamed.SkyColour({0, 1, 0})[0], 0.5);
  ASSERT_EQ(unnamed.instances.size(), 1u);  // an object of a picture: grey, not black
  EXPECT_EQ(unnamed.instances[0].pattern, -1);
  EXPECT_GT(unnamed.instances[0].colour[0], 0.5);
}

// A banded sky: a triangle-waved gradient, turned on the sky sphere, bright
// along its plane and dark away from it.
TEST(SceneModelTest, SkyPatternFollowsItsWaveAndTurn) {
  const SceneModel model = ReadSceneModel(
      "sky_sphere {pigment {gradient y triangle_wave scale 2 translate -y "
      "color_map {[0 rgb 0] [1 rgb <1, 0.5, 0>]}} rotate 90*z}\n"
      "sphere {0, 1}",
      &test::Includes());
  ASSERT_EQ(model.error, "");
  const struct {
    Vec3 direction;
    float red;
  } cases[] = {
      {{0, 1, 0}, 1}, {{0, -3, 2}, 1}, {{1, 0, 0}, 0}, {{-1, 0, 0}, 0}, {{1, 1, 0}, .29289f}};
  for (const auto& c : cases) {
    const std::array<float, 3> got = model.SkyColour(c.direction);
    EXPECT_NEAR(got[0], c.red, 1e-5) << c.direction.x << " " << c.direction.y;
    EXPECT_NEAR(got[1], c.red / 2, 1e-5);
  }
  EXPECT_NEAR(model.surroundings.background[0], 0.5, 1e-6);  // the map's mean
}

// rand draws POV-Ray's own numbers from each seed, so what a scene scatters
// lies where POV-Ray puts it (the numbers POV-Ray 3.7 writes for seed 12345
// and seed 1).
TEST(SceneModelTest, RandomNumbersAreThoseOfPovray) {
  const SceneModel model = ReadSceneModel(
      "#declare S = seed(12345); #declare T = seed(1);\n"
      "sphere {<rand(S), rand(T), rand(S)>, 1}\n"
      "sphere {<rand(S), rand(T + 0), rand(T)>, 1}",
      &test::Includes());
  ASSERT_EQ(model.instances.size(), 2u);
  auto at = [&](int i) {
    const Mat4& m = model.instances[i].transform;
    return Vec3{m(0, 3), m(1, 3), m(2, 3)};
  };
  const struct {
    double got, want;
  } cases[] = {{at(0).x, 0.466563684509}, {at(0).y, 0.421992875268}, {at(0).z, 0.249070228834},
               {at(1).x, 0.965876042136}, {at(1).y, 0.487121198207},  // T + 0 draws from a copy
               {at(1).z, 0.487121198207}};
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 1e-9);
}

// An include file that places things (our galaxy's sky) is read in the terms
// of the scene that includes it; the shell of stars it places without the sky
// is no part of the creature.
TEST(SceneModelTest, PlacingIncludeFilesReadInTheScenesTerms) {
  auto read = [](const std::string& settings) {
    return ReadSceneModel(settings + "#include \"galaxy.inc\"\nsphere {0, 1}", &test::Includes());
  };
  const SceneModel one = read("#declare galaxy_seed = 1;\n"),
                   two = read("#declare galaxy_seed = 2;\n"),
                   shell = read("#declare galaxy_bg = off;\n");
  for (const SceneModel* m : {&one, &two, &shell}) {
    EXPECT_EQ(m->error, "");
    EXPECT_EQ(m->instances.size(), 1u);
  }
  ASSERT_GE(one.surroundings.sky_pattern, 0);
  EXPECT_NE(one.surroundings.sky_frame.m, two.surroundings.sky_frame.m);  // the seed tilts the band
  EXPECT_EQ(shell.surroundings.sky_pattern, -1);
  // Declared before the include, a colour tints the glow.
  const SceneModel red = read("#declare galaxy_seed = 1; #declare galaxy_colour = <1, 0, 0>;\n");
  const std::array<float, 3> c = red.surroundings.background, w = one.surroundings.background;
  EXPECT_GT(c[0], 2 * c[2]);
  EXPECT_LT(w[0], w[2]);
}

// Every example set reads without stand-ins, to as many objects as POV-Ray
// 3.7 counts in its statistics ("Finite Objects"), which the estimate meets
// where it is exact. The torus spline's arcs are counted as their cylinders.
TEST(SceneModelTest, ExamplesReadAsPovRayCountsThem) {
  const std::map<std::string, size_t> povray = {
      {"ammonite", 221},         {"coral-wheel", 400},  {"curled-fern", 2415},
      {"drifting-medusa", 1000}, {"dune-wing", 720},    {"fossil-trilobite", 720},
      {"golden-tendril", 400},   {"marble-twist", 150}, {"peacock-plume", 600},
      {"pearl-rosette", 606},    {"ringed-horn", 60},   {"sea-anemone", 735},
      {"sea-serpent", 70},       {"star-spores", 200}};
  std::vector<std::string> warnings;
  const std::vector<Example> examples = ReadExamples(VERMORA_DATA_DIR, warnings);
  ASSERT_EQ(examples.size(), povray.size() + 1);
  for (const Example& e : examples) {
    ParameterSet set;
    ASSERT_TRUE(LoadSettings(e.set_path, set).ok()) << e.name;
    const SceneModel model = ReadSceneModel(test::Scene(set), &test::Includes());
    EXPECT_EQ(model.error, "") << e.name;
    EXPECT_EQ(model.stand_ins, 0) << e.name;
    EXPECT_TRUE(model.notes.empty())
        << e.name << ": " << (model.notes.empty() ? "" : model.notes[0]);
    if (e.name == "golden-knot") {  // the arcs: cylinders with balls at their joints
      std::map<Primitive, int> kinds = Kinds(model);
      EXPECT_EQ(kinds[Primitive::Cylinder] + kinds[Primitive::Sphere],
                static_cast<int>(model.instances.size()))
          << e.name;
      EXPECT_GT(kinds[Primitive::Sphere], kinds[Primitive::Cylinder] / 2) << e.name;
      EXPECT_GT(model.instances.size(), 48u) << e.name;
      continue;
    }
    ASSERT_TRUE(povray.count(e.name)) << e.name;
    EXPECT_EQ(model.instances.size(), povray.at(e.name)) << e.name;
    const double estimate = EstimateObjects(set).objects;
    if (e.name != "sea-anemone" && e.name != "ammonite" && e.name != "curled-fern" &&
        e.name != "pearl-rosette") {
      EXPECT_EQ(estimate, static_cast<double>(model.instances.size())) << e.name;
    }
  }
}

// The golden scenes read to POV-Ray 3.7's "Finite Objects" count, where it
// counts primitives: it counts a merge, a blob or a torus spline's cut tori as
// one object each, the model their parts.
TEST(SceneModelTest, GoldenScenesReadAsPovRayCountsThem) {
  const std::pair<const char*, size_t> cases[] = {
      {"anemone_default", 305},
      {"anemone_extras", 450},
      {"cluster_default", 150},
      {"cluster_scale_rotate", 30},
      {"curl_default", 81},
      {"double_default", 400},
      {"fan_extras", 292},
      {"form_default", 50},
      {"horn_default", 120},
      {"horn_extras", 967},
      {"hull_default", 70},
      {"hull_extras", 531},
      {"predef_and_wormpredef", 12},
      {"spiral_base", 48},
      {"spiral_branches", 1092},
      {"spiral_bubbles", 12},
      {"spiral_everything_split", 506},
      {"spiral_helix", 60},
      {"spiral_husk", 12},
      {"spiral_only", 30},
      {"spiral_split_connect_alt", 179},
      {"spiral_top", 120},
      {"spiral_top_heart", 13},
      {"spiral_tween_growing", 35},
      {"trilobyt_default", 120},
      {"trilobyt_extras", 894},
      {"twod_default", 50},
      {"wheel_waves_way_alternate", 452},
      // Counted by their parts: 10 blob spheres; merged worms of the sets.
      {"form_blob", 10},
      {"form_alt_merge", 35},
      {"curl_husk_heart_alt", 39},
      {"double_side_connect_alt", 101},
      {"twod_predef_ring", 92},
      {"twod_recursion_connect", 4823},
  };
  for (const auto& [name, count] : cases) {
    const SceneModel model = Golden(name);
    EXPECT_EQ(model.error, "") << name;
    EXPECT_EQ(model.stand_ins, 0) << name;
    EXPECT_EQ(model.instances.size(), count) << name;
  }
  // The torus spline through <0,0,0>, <2,2,1>, <.5,1,2> of tube .1: arcs of
  // cylinders that pass through its points, balls filling their joints.
  const SceneModel torus = Golden("torus_default");
  ASSERT_GT(torus.instances.size(), 10u);
  EXPECT_EQ(Kinds(torus)[Primitive::Cylinder] + Kinds(torus)[Primitive::Sphere],
            static_cast<int>(torus.instances.size()));
  for (Vec3 point : {Vec3{0, 0, 0}, Vec3{2, 2, 1}, Vec3{.5, 1, 2}}) {
    double nearest = 1e9;
    for (const Instance& i : torus.instances) {
      for (double along : {0.0, 1.0}) {
        const Vec3 p = TransformPoint(i.transform, {0, along, 0});
        nearest = std::min(nearest, std::hypot(p.x - point.x, p.y - point.y, p.z - point.z));
      }
    }
    EXPECT_LT(nearest, 0.15) << point.x << " " << point.y << " " << point.z;
  }
}

// Whatever the text, the reader returns: an error or stand-ins, never a crash.
TEST(SceneModelTest, BadInputGivesAnErrorOrStandIns) {
  const std::string scene = test::Scene(ParameterSet());
  std::string garbage;
  std::mt19937 random(7);
  for (int i = 0; i < 4000; ++i) garbage += static_cast<char>(random() % 256);
  std::string doubling = "#declare A0 = sphere {0, 1}\n";
  for (int i = 1; i <= 24; ++i) {
    doubling += "#declare A" + std::to_string(i) + " = union {object {A" + std::to_string(i - 1) +
                "} object {A" + std::to_string(i - 1) + " translate x}}\n";
  }
  doubling += "object {A24}";
  struct Case {
    std::string name, text;
    bool error;
    int stand_ins;
  };
  const Case cases[] = {
      {"empty", "", false, 0},
      {"truncated", scene.substr(0, scene.size() / 2), true, 0},
      {"unclosed", "union { sphere {0, 1}", true, 0},
      {"user include", "#include \"mine.inc\"\nobject {MyThing scale 2}", false, 1},
      {"unknown keyword", "sphere {0, 1 wobble 3} sphere {x, 1}", false, 1},
      {"unknown object", "lathe {linear_spline 2, <0,0>, <1,1>} sphere {0, 1}", false, 1},
      {"deep nesting", "#declare X = " + std::string(100000, '('), true, 0},
      {"deep unions",
       [] {
         std::string s;
         for (int i = 0; i < 5000; ++i) s += "union {";
         return s;
       }(),
       true, 0},
      {"deep signs", "#declare X = " + std::string(100000, '-') + "1;", true, 0},
      {"deep transforms",
       [] {
         std::string s = "sphere {0, 1 ";
         for (int i = 0; i < 5000; ++i) s += "transform {";
         return s;
       }(),
       true, 0},
      {"many dimensions", "#declare A = array[1][1][1][1][1][1][1][1];", false, 0},
      {"huge array", "#declare A = array[100000][100000][100000];", false, 0},
      {"out of range", "sphere {<1/0, 0, 0>, 1} sphere {0, 1e200}", false, 0},
      {"endless loop", "#while (1) #end", true, 0},
      {"endless macro", "#macro M() M() #end M()", true, 0},
      {"too many objects", doubling, true, 0},
      {"garbage bytes", garbage, true, 0},
      {"stray #end", "#end sphere {0, 1}", true, 0},
  };
  for (const Case& c : cases) {
    const SceneModel model = ReadSceneModel(c.text, &test::Includes());
    EXPECT_EQ(!model.error.empty(), c.error) << c.name << ": " << model.error;
    EXPECT_EQ(model.stand_ins, c.stand_ins) << c.name;
  }
  // The stand-in keeps the transform written after the unknown name.
  const SceneModel standin =
      ReadSceneModel("#include \"mine.inc\"\nobject {MyThing scale 2}", &test::Includes());
  ASSERT_EQ(standin.instances.size(), 1u);
  EXPECT_EQ(standin.instances[0].kind, Primitive::StandIn);
  ExpectBounds(standin.bounds(), {-2, -2, -2}, {2, 2, 2}, "stand-in");
  EXPECT_FALSE(standin.notes.empty());
}

// Points a person places in the default camera's view: the picture's right
// edge is half `right` across at `direction`'s distance.
TEST(SceneModelTest, CameraMatricesMapAsPovRaySees) {
  SceneCamera camera = ReadSceneModel(test::Scene(ParameterSet()), &test::Includes()).camera;
  const Mat4 clip = CameraProjection(camera, 4.0 / 3, 1, 100) * CameraView(camera);
  struct Case {
    Vec3 world;
    double x, y;  // normalized device coordinates
  };
  for (const Case& c :
       {Case{{0, 0, 0}, 0, 0}, Case{{16.25, 0, 0}, 1, 0}, Case{{0, -12.5, 0}, 0, -1},
        Case{{-8.125, 6.25, 0}, -.5, .5}, Case{{16.25, 0, 30}, .5, 0}}) {
    const Vec3 p = TransformPoint(clip, c.world);
    const double w = -TransformPoint(CameraView(camera), c.world).z;
    EXPECT_NEAR(p.x / w, c.x, 1e-9) << c.world.x;
    EXPECT_NEAR(p.y / w, c.y, 1e-9) << c.world.y;
  }
  // look_at turns the camera, keeping lengths and left-handedness; angle sets
  // the direction's length from right's.
  camera =
      ReadSceneModel("camera {location <0, 0, -10> right <2, 0, 0> look_at <10, 0, -10> angle 90}",
                     &test::Includes())
          .camera;
  EXPECT_NEAR(camera.direction.x, 1, 1e-12);
  EXPECT_NEAR(camera.right.z, -2, 1e-12);
  EXPECT_NEAR(camera.up.y, 1, 1e-12);
}

// The matrices put a ball where POV-Ray draws it: a tiny render of a bright
// ball on black through each camera, its centre beside the projected one.
TEST(SceneModelTest, CameraMatricesPlaceABallWherePovRayDrawsIt) {
  const std::string dir = test::MakeTempFolder();
  struct Case {
    std::string camera;
    Vec3 ball;
  };
  const Case cases[] = {
      {"location <0, 0, -30> direction <0, 0, 1.2> right <1.3, 0, 0> look_at <0, 0, 0>", {8, 4, 0}},
      {"location <20, 10, -20> up <0, 1.5, 0> right <2, 0, 0> look_at <1, 2, 3>", {-2, -1, 4}},
      {"location <0, 30, 0> sky <0, 0, 1> look_at <0, 0, 0> angle 60", {5, 0, -4}},
  };
  for (const Case& c : cases) {
    const std::string scene = "camera {" + c.camera + "}\nbackground {rgb 0}\nsphere {<" +
                              std::to_string(c.ball.x) + ", " + std::to_string(c.ball.y) + ", " +
                              std::to_string(c.ball.z) +
                              ">, 2 pigment {rgb 1} finish {ambient 1 diffuse 0}}\n";
    std::ofstream(dir + "ball.pov") << scene;
    const test::ShellRun run = test::Shell("cd " + dir + " && " + test::kPovray +
                                           " +Iball.pov +Oball.bmp +FB +W32 +H24 -D -V +A0.1 2>&1");
    ASSERT_EQ(run.code, 0) << run.output;
    const test::Picture picture = test::ReadBmp(dir + "ball.bmp");
    ASSERT_GT(picture.Differing(), 0) << c.camera;
    const auto [x, y] = picture.CentreOfDiffering();
    const SceneCamera camera = ReadSceneModel(scene, &test::Includes()).camera;
    const Mat4 view = CameraView(camera);
    const Vec3 clip = TransformPoint(CameraProjection(camera, 4.0 / 3, 1, 100) * view, c.ball);
    const double w = -TransformPoint(view, c.ball).z;
    EXPECT_NEAR(x, (clip.x / w + 1) / 2, 0.04) << c.camera;
    EXPECT_NEAR(y, (1 - clip.y / w) / 2, 0.04) << c.camera;
  }
  std::filesystem::remove_all(dir);
}

// A unit mesh encloses its primitive's volume, its triangles facing out.
TEST(SceneModelTest, UnitMeshesEncloseTheirVolume) {
  struct Case {
    Primitive kind;
    float shape;
    double volume;
  };
  const double pi = 3.14159265358979;
  for (const Case& c : {Case{Primitive::Sphere, 0, 4 * pi / 3}, Case{Primitive::Box, 0, 8},
                        Case{Primitive::StandIn, 0, 8}, Case{Primitive::Cylinder, 0, pi},
                        Case{Primitive::Cone, 0, pi / 3}, Case{Primitive::Cone, .5f, pi * 1.75 / 3},
                        Case{Primitive::Torus, .25f, 2 * pi * pi * .0625}}) {
    const Mesh mesh = UnitMesh(c.kind, c.shape, 64);
    ASSERT_EQ(mesh.positions.size(), mesh.normals.size());
    double volume = 0;  // the divergence theorem over the triangles
    for (size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
      const float* a = &mesh.positions[3 * mesh.indices[i]];
      const float* b = &mesh.positions[3 * mesh.indices[i + 1]];
      const float* d = &mesh.positions[3 * mesh.indices[i + 2]];
      volume += (a[0] * (b[1] * d[2] - b[2] * d[1]) - a[1] * (b[0] * d[2] - b[2] * d[0]) +
                 a[2] * (b[0] * d[1] - b[1] * d[0])) /
                6;
    }
    EXPECT_NEAR(volume, c.volume, c.volume * 0.01) << static_cast<int>(c.kind) << " " << c.shape;
  }
  EXPECT_EQ(UnitMesh(Primitive::Sphere, 0, 1).indices.size(),
            UnitMesh(Primitive::Sphere, 0, 3).indices.size());
}

// The scene model reads every scene a user's set composes to: no object of our
// own vocabulary becomes a stand-in.
TEST(ModelOfUserSets, EveryComposedObjectIsRead) {
  int read = 0;
  for (std::uint32_t seed = 1; seed <= 120; ++seed) {
    const ComposeResult composed = ComposeScene(test::UserSet(seed));
    if (!composed.status.ok()) continue;  // refused with a message, as the render tests check
    const SceneModel model = ReadSceneModel(composed.scene, &test::Includes());
    EXPECT_TRUE(model.error.empty()) << "set " << seed << ": " << model.error;
    EXPECT_EQ(model.stand_ins, 0) << "set " << seed << ": "
                                  << (model.notes.empty() ? "" : model.notes.front());
    read += model.error.empty();
  }
  EXPECT_GT(read, 60);
}

// The ground of the background is left out as its plane is, not shown as a box.
TEST(ModelOfUserSets, TheGroundIsNoPartOfTheCreature) {
  ParameterSet set;
  set.SetOn("chkHFOn", true);
  set.SetText("edHFName", "land.png");
  const ComposeResult composed = ComposeScene(set);
  ASSERT_NE(composed.scene.find("height_field {"), std::string::npos);
  const SceneModel model = ReadSceneModel(composed.scene, &test::Includes());
  EXPECT_EQ(model.stand_ins, 0);
  EXPECT_EQ(model.instances.size(), 240u);
}

struct ReadBack {
  size_t triangles = 0;
  Bounds bounds;
  double volume = 0;  // signed: positive when the triangles face out, right-handed
  std::vector<aiColor4D> diffuse;
};

ReadBack Import(const std::string& path) {
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(path, 0);
  ReadBack r;
  EXPECT_NE(scene, nullptr) << path << ": " << importer.GetErrorString();
  if (!scene) return r;
  for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
    const aiMesh* mesh = scene->mMeshes[m];
    for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
      r.bounds.Add({mesh->mVertices[v].x, mesh->mVertices[v].y, mesh->mVertices[v].z});
    }
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
      const aiFace& face = mesh->mFaces[f];
      if (face.mNumIndices != 3) continue;
      ++r.triangles;
      const aiVector3D a = mesh->mVertices[face.mIndices[0]], b = mesh->mVertices[face.mIndices[1]],
                       c = mesh->mVertices[face.mIndices[2]];
      r.volume += (a * (b ^ c)) / 6;
    }
  }
  for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
    aiColor4D colour;
    if (scene->mMaterials[i]->Get(AI_MATKEY_COLOR_DIFFUSE, colour) == AI_SUCCESS)
      r.diffuse.push_back(colour);
  }
  return r;
}

bool HasColour(const ReadBack& r, float red, float green, float blue) {
  for (const aiColor4D& c : r.diffuse) {
    if (std::abs(c.r - red) < 1e-3 && std::abs(c.g - green) < 1e-3 && std::abs(c.b - blue) < 1e-3)
      return true;
  }
  return false;
}

// The default creature written in each format and read back: all its
// triangles, inside the model's box with z negated and filling it up to the
// facets' depth, and its colours where the format has them.
TEST(MeshExportTest, FilesReadBackWithTheModelsTrianglesAndBox) {
  const SceneModel model = ReadSceneModel(test::Scene(ParameterSet()),
                                          &test::Includes());  // its 240 spheres: SceneModelTest
  const Bounds world = model.bounds();
  const std::string dir = test::MakeTempFolder();
  for (const char* name : {"creature.glb", "creature.obj", "creature.stl"}) {
    const std::string path = dir + name;
    MeshCounts counts;
    MeshPlacement placement;
    placement.z_up = std::string(name) == "creature.stl";
    ASSERT_TRUE(ExportMesh(model, path, 12, &counts, placement).ok()) << name;
    EXPECT_EQ(counts.objects, 240u);
    EXPECT_EQ(counts.triangles, 240u * UnitMesh(Primitive::Sphere, 0, 12).indices.size() / 3)
        << name;
    const ReadBack r = Import(path);
    EXPECT_EQ(r.triangles, counts.triangles) << name;
    const double inside = 1e-4, facets = 0.02;  // a 12-gon's chord lies within 3.5% of radius .5
    // Right-handed: y up with z negated, or for STL z up (y and z swapped), as slicers take it.
    const bool stl = std::string(name) == "creature.stl";
    const double low[3] = {world.min.x, stl ? world.min.z : world.min.y,
                           stl ? world.min.y : -world.max.z},
                 high[3] = {world.max.x, stl ? world.max.z : world.max.y,
                            stl ? world.max.y : -world.min.z};
    const double got_low[3] = {r.bounds.min.x, r.bounds.min.y, r.bounds.min.z};
    const double got_high[3] = {r.bounds.max.x, r.bounds.max.y, r.bounds.max.z};
    for (int i = 0; i < 3; ++i) {
      EXPECT_GE(got_low[i], low[i] - inside) << name << " axis " << i;
      EXPECT_LE(got_low[i], low[i] + facets) << name << " axis " << i;
      EXPECT_LE(got_high[i], high[i] + inside) << name << " axis " << i;
      EXPECT_GE(got_high[i], high[i] - facets) << name << " axis " << i;
    }
    EXPECT_GT(r.volume, 0) << name;
    EXPECT_TRUE(std::string(name) == "creature.stl" || HasColour(r, .9882f, .902f, .7882f)) << name;
  }
  EXPECT_TRUE(fs::exists(dir + "creature.mtl"));
  fs::remove_all(dir);
}

// What a slicer is given: admesh finds every shell closed, each edge paired,
// the normals as the triangles face, and the size as --scale says.
TEST(MeshExportTest, StlForASlicerIsClosedUpright) {
  const std::string dir = test::MakeTempFolder();
  for (const char* example : {"golden-knot", "star-spores", "ammonite"}) {
    const std::string stl = dir + example + ".stl";
    const test::ShellRun made =
        test::Cli(std::string("mesh -q --seed 7 --scale 10 \"") + VERMORA_DATA_DIR + "/examples/" +
                  example + ".vmx\" -o " + stl);
    ASSERT_EQ(made.code, 0) << made.output;
    const test::ShellRun checked = test::Shell("admesh \"" + stl + "\"");
    ASSERT_EQ(checked.code, 0) << checked.output;
    for (const char* clean : {"Total disconnected facets        :     0                   0",
                              "Edges fixed           :     0", "Normals fixed         :     0",
                              "Backwards edges       :     0", "Degenerate facets     :     0"}) {
      EXPECT_NE(checked.output.find(clean), std::string::npos) << example << ": " << clean;
    }
    // Upright: the model's height (y) is the file's z, ten times over.
    ParameterSet set;
    ASSERT_TRUE(
        LoadSettings(std::string(VERMORA_DATA_DIR) + "/examples/" + example + ".vmx", set).ok());
    const FixedClock seven(7);
    ComposeOptions options;
    options.clock = &seven;
    const Bounds world =
        ReadSceneModel(ComposeScene(set, options).scene, &test::Includes()).bounds();
    const ReadBack r = Import(stl);
    EXPECT_NEAR(r.bounds.max.z - r.bounds.min.z, 10 * (world.max.y - world.min.y),
                0.05 * 10 * (world.max.y - world.min.y))
        << example;
  }
  fs::remove_all(dir);
}

// For printing, --union merges the objects into one solid: admesh finds it
// closed and clean, the walls that lay inside are gone (less volume than the
// objects' sum, one shell where they touch), and it fills the same box.
TEST(MeshExportTest, UnionIsOneClosedSolidWithoutInnerWalls) {
  const std::string dir = test::MakeTempFolder();
  struct Case {
    const char* example;
    int shells;  // at most: the wheel is one piece; spores (a ball and its 4 spines) 40
  };
  for (const Case& c : {Case{"coral-wheel", 1}, Case{"star-spores", 40}}) {
    const std::string set = std::string("--seed 4 --detail 8 \"") + VERMORA_DATA_DIR +
                            "/examples/" + c.example + ".vmx\"";
    const std::string plain = dir + c.example + ".stl", merged = dir + c.example + "-union.stl";
    for (const std::string& command :
         {"mesh -q " + set + " -o " + plain, "mesh -q --union " + set + " -o " + merged}) {
      const test::ShellRun made = test::Cli(command);
      ASSERT_EQ(made.code, 0) << command << "\n" << made.output;
    }
    const test::ShellRun checked = test::Shell("admesh \"" + merged + "\"");
    ASSERT_EQ(checked.code, 0) << checked.output;
    for (const char* clean : {"Total disconnected facets        :     0                   0",
                              "Edges fixed           :     0", "Normals fixed         :     0",
                              "Backwards edges       :     0", "Degenerate facets     :     0"}) {
      EXPECT_NE(checked.output.find(clean), std::string::npos) << c.example << ": " << clean << "\n"
                                                               << checked.output;
    }
    const size_t parts = checked.output.find("Number of parts       :");
    ASSERT_NE(parts, std::string::npos) << checked.output;
    const int shells = std::atoi(checked.output.c_str() + parts + 24);
    EXPECT_GE(shells, 1) << c.example;
    EXPECT_LE(shells, c.shells) << c.example;
    const ReadBack objects = Import(plain), solid = Import(merged);
    EXPECT_GT(solid.volume, 0) << c.example;
    EXPECT_LT(solid.volume, 0.95 * objects.volume) << c.example;
    const double low[3] = {objects.bounds.min.x, objects.bounds.min.y, objects.bounds.min.z},
                 high[3] = {objects.bounds.max.x, objects.bounds.max.y, objects.bounds.max.z},
                 got_low[3] = {solid.bounds.min.x, solid.bounds.min.y, solid.bounds.min.z},
                 got_high[3] = {solid.bounds.max.x, solid.bounds.max.y, solid.bounds.max.z};
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(got_low[i], low[i], 1e-4) << c.example << " axis " << i;
      EXPECT_NEAR(got_high[i], high[i], 1e-4) << c.example << " axis " << i;
    }
  }
  // Only an STL holds one solid.
  const test::ShellRun refused = test::Cli(std::string("mesh -q --union \"") + VERMORA_DATA_DIR +
                                           "/examples/ammonite.vmx\" -o " + dir + "a.glb");
  EXPECT_TRUE(test::Says(refused, 1, "--union writes one solid as an STL"));
  EXPECT_FALSE(fs::exists(dir + "a.glb"));
  fs::remove_all(dir);
}

// The Khronos validator finds nothing to say of our .glb files: no error, no
// warning, and no extension declared that is not used.
TEST(MeshExportTest, GlbFilesPassTheKhronosValidator) {
  const std::string dir = test::MakeTempFolder();
  std::string files;
  for (const char* example : {"golden-knot", "drifting-medusa", "peacock-plume", "star-spores"}) {
    ParameterSet set;
    ASSERT_TRUE(
        LoadSettings(std::string(VERMORA_DATA_DIR) + "/examples/" + example + ".vmx", set).ok());
    const std::string path = dir + example + ".glb";
    ASSERT_TRUE(ExportMesh(ReadSceneModel(test::Scene(set), &test::Includes()), path, 8).ok())
        << example;
    files += " \"" + path + "\"";
  }
  const test::ShellRun judged =
      test::Shell(std::string("node \"") + VERMORA_GLTF_VALIDATOR + "\"" + files);
  EXPECT_EQ(judged.code, 0) << judged.output;
  size_t clean = 0;
  for (size_t at = 0;
       (at = judged.output.find("errors 0 warnings 0 infos 0", at)) != std::string::npos; ++at) {
    ++clean;
  }
  EXPECT_EQ(clean, 4u) << judged.output;
  fs::remove_all(dir);
}

// A pattern's colours ride on the vertices (glTF's COLOR_0, OBJ's vertex
// colours) over a white material: red at the foot of this gradient, blue at its top.
TEST(MeshExportTest, PatternsGiveVertexColours) {
  const SceneModel model = ReadSceneModel(
      "sphere {0, 1 pigment {gradient y color_map {[0 rgb <1, 0, 0>] [1 rgb <0, 0, 1>]} "
      "scale 2.01 translate -y} translate 5*y}",
      &test::Includes());
  const std::string dir = test::MakeTempFolder();
  for (const char* name : {"p.glb", "p.obj"}) {
    ASSERT_TRUE(ExportMesh(model, dir + name, 16).ok()) << name;
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(dir + name, 0);
    ASSERT_NE(scene, nullptr) << name;
    const aiMesh* mesh = nullptr;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
      if (scene->mMeshes[m]->mNumVertices) mesh = scene->mMeshes[m];
    }
    ASSERT_TRUE(mesh && mesh->HasVertexColors(0)) << name;
    unsigned top = 0, foot = 0;
    for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
      if (mesh->mVertices[v].y > mesh->mVertices[top].y) top = v;
      if (mesh->mVertices[v].y < mesh->mVertices[foot].y) foot = v;
    }
    EXPECT_NEAR(mesh->mColors[0][top].b, 1, 0.02) << name;
    EXPECT_NEAR(mesh->mColors[0][top].r, 0, 0.02) << name;
    EXPECT_NEAR(mesh->mColors[0][foot].r, 1, 0.02) << name;
    aiColor4D base;
    ASSERT_EQ(scene->mMaterials[mesh->mMaterialIndex]->Get(AI_MATKEY_COLOR_DIFFUSE, base),
              AI_SUCCESS);
    EXPECT_EQ(base, aiColor4D(1, 1, 1, 1)) << name;
  }
  fs::remove_all(dir);
}

// A metal's finish goes into glTF as metallic, its highlight's size as roughness.
TEST(MeshExportTest, FinishesGiveMetallicAndRoughness) {
  const SceneModel model = ReadSceneModel(
      "sphere {0, 1 texture {pigment {rgb <1, .78, .35>} finish {phong 0.9 phong_size 40 "
      "metallic}}}\n"
      "sphere {3*x, 1 pigment {rgb <1, .78, .35>}}",
      &test::Includes());
  const std::string path = test::MakeTempFolder() + "m.glb";
  MeshCounts counts;
  ASSERT_TRUE(ExportMesh(model, path, 12, &counts).ok());
  EXPECT_EQ(counts.materials, 2u);  // one colour, two finishes
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(path, 0);
  ASSERT_NE(scene, nullptr);
  std::vector<std::pair<float, float>> got;
  for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
    if (std::string(scene->mMaterials[i]->GetName().C_Str()).rfind("colour_", 0) != 0)
      continue;  // the importer's own default
    float metallic = -1, roughness = -1;
    scene->mMaterials[i]->Get(AI_MATKEY_METALLIC_FACTOR, metallic);
    scene->mMaterials[i]->Get(AI_MATKEY_ROUGHNESS_FACTOR, roughness);
    got.emplace_back(metallic, roughness);
  }
  std::sort(got.begin(), got.end());
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0], (std::pair<float, float>{0, 1}));  // no highlight: matte
  EXPECT_FLOAT_EQ(got[1].first, 1);
  EXPECT_NEAR(got[1].second, 0.22, 0.01);  // a phong_size of 40 is a small, sharp highlight
  fs::remove_all(fs::path(path).parent_path());
}

// A node for each placed copy of a declared object, segments under their
// worm, as Blender's outliner shows a glTF; an object for each in an OBJ.
TEST(MeshExportTest, PartsBecomeNodesAndObjects) {
  const SceneModel model = ReadSceneModel(
      "#declare Seg = sphere {0, 1}\n"
      "#declare Worm = union {object {Seg translate x} object {Seg translate 2*x pigment {rgb x}} "
      "object {Seg translate 3*x}}\n"
      "union {object {Worm rotate 10*y} object {Worm rotate 20*y}}\n"
      "sphere {0, 1}",
      &test::Includes());
  ASSERT_EQ(model.error, "");
  const std::string dir = test::MakeTempFolder();
  MeshCounts counts;
  ASSERT_TRUE(ExportMesh(model, dir + "w.glb", 8, &counts).ok());
  EXPECT_EQ(counts.parts, 6u);
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(dir + "w.glb", 0);
  ASSERT_NE(scene, nullptr);
  const aiNode* root = scene->mRootNode;
  while (root->mNumChildren == 1 && root->mNumMeshes == 0) root = root->mChildren[0];
  std::vector<std::string> tree;
  std::function<void(const aiNode*, std::string)> walk = [&](const aiNode* node, std::string at) {
    at += node->mName.C_Str();
    tree.push_back(at + " " + std::to_string(node->mNumMeshes));
    for (unsigned c = 0; c < node->mNumChildren; ++c) walk(node->mChildren[c], at + "/");
  };
  walk(root, "");
  EXPECT_EQ(tree, (std::vector<std::string>{
                      "creature 1",  // the lone sphere
                      "creature/Worm 1 0", "creature/Worm 1/Worm 1/Seg 1 1",
                      "creature/Worm 1/Worm 1/Seg 2 1", "creature/Worm 1/Worm 1/Seg 3 1",
                      "creature/Worm 2 0", "creature/Worm 2/Worm 2/Seg 1 1",
                      "creature/Worm 2/Worm 2/Seg 2 1", "creature/Worm 2/Worm 2/Seg 3 1"}));
  ASSERT_TRUE(ExportMesh(model, dir + "w.obj", 8).ok());
  std::vector<std::string> objects;
  std::istringstream obj(test::ReadFile(dir + "w.obj"));
  for (std::string line; std::getline(obj, line);) {
    if (line.rfind("o ", 0) == 0) objects.push_back(line.substr(2));
  }
  EXPECT_EQ(objects,
            (std::vector<std::string>{"creature", "Worm_1/Seg_1", "Worm_1/Seg_2", "Worm_1/Seg_3",
                                      "Worm_2/Seg_1", "Worm_2/Seg_2", "Worm_2/Seg_3"}));
  fs::remove_all(dir);
}

TEST(MeshExportTest, MirroredObjectsFaceOutAndColoursGetMaterials) {
  const SceneModel model = ReadSceneModel(
      "sphere {<3, 0, 0>, 1 scale <-1, 1, 1> pigment {color rgb x}}\n"
      "cone {0, 1, y, .5 scale <1, -2, 1> pigment {color rgb z}}\n"
      "torus {1, .2 rotate 30*x pigment {color rgb x}}",
      &test::Includes());
  ASSERT_EQ(model.error, "");
  const std::string dir = test::MakeTempFolder();
  for (const char* name : {"m.glb", "m.obj"}) {
    MeshCounts counts;
    ASSERT_TRUE(ExportMesh(model, dir + name, 32, &counts).ok()) << name;
    EXPECT_EQ(counts.materials, 2u) << name;
    const ReadBack r = Import(dir + name);
    EXPECT_EQ(MeshTriangles(model, 32), r.triangles) << name;  // what the window asks with
    const double pi = 3.14159265358979;
    const double volume = 4 * pi / 3 + 2 * pi * 1.75 / 3 + 2 * pi * pi * .04;
    EXPECT_NEAR(r.volume, volume, volume * .02) << name;
    EXPECT_TRUE(HasColour(r, 1, 0, 0)) << name;
    EXPECT_TRUE(HasColour(r, 0, 0, 1)) << name;
  }
  fs::remove_all(dir);
}

TEST(MeshExportTest, RefusesWhatItCannotWrite) {
  const SceneModel model = ReadSceneModel("sphere {0, 1}", &test::Includes());
  const std::string dir = test::MakeTempFolder();
  for (const std::string& path : {dir + "x.ply", dir + "no/such/folder/x.stl", dir + "glb"})
    EXPECT_FALSE(ExportMesh(model, path, 8).ok()) << path;
  EXPECT_FALSE(ExportMesh(SceneModel{}, dir + "empty.glb", 8).ok());
  MeshFormat format;
  EXPECT_TRUE(MeshFormatFor("A.GLB", format));
  EXPECT_EQ(format, MeshFormat::kGlb);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace vermora
