#pragma once

// The 3-D view's shaders; each fragment shader is its head, kSceneLight and its
// main. Colours are the scene's own values, lit as the
// scene's finishes and lights say (no shadows, one bounce of reflection off
// the sky and the ground).
namespace vermora::app::shaders {

// What the creature and the surroundings share: the lights, sky, ground and
// fog. What the creature mirrors leaves out the grounds' pictures, patterns
// and haze (BACKDROP undefined): Mesa's software OpenGL runs every branch of
// a shader for every pixel, taken or not.
constexpr const char* kSceneLight = R"(
// A row a pattern: (kind, turbulence, stops, triangle wave), its axis, then
// the stops' colours (r g b filter) and their places (at, transmit).
uniform sampler2D patterns;

float Hash(vec3 p) {
  p = fract(p * 0.3183099 + 0.1) * 17.0;
  return fract(p.x * p.y * p.z * (p.x + p.y + p.z));
}

// About 0.5 with the spread of POV-Ray's noise (a standard deviation of
// 0.127, where these corners smoothed give 0.191).
float Noise(vec3 x) {
  vec3 i = floor(x), f = fract(x);
  f = f * f * (3.0 - 2.0 * f);
  float n = mix(mix(mix(Hash(i), Hash(i + vec3(1, 0, 0)), f.x),
                    mix(Hash(i + vec3(0, 1, 0)), Hash(i + vec3(1, 1, 0)), f.x), f.y),
                mix(mix(Hash(i + vec3(0, 0, 1)), Hash(i + vec3(1, 0, 1)), f.x),
                    mix(Hash(i + vec3(0, 1, 1)), Hash(i + vec3(1, 1, 1)), f.x), f.y), f.z);
  return 0.5 + 0.66 * (n - 0.5);
}

vec3 Turbulence(vec3 p) {
  vec3 sum = vec3(0.0);
  float scale = 1.0, weight = 1.0;
  for (int i = 0; i < 3; ++i) {
    vec3 q = p * scale;
    sum += weight * (2.0 * vec3(Noise(q), Noise(q + 31.7), Noise(q + 67.3)) - 1.0);
    scale *= 2.0;
    weight *= 0.5;
  }
  return sum;
}

float Triangle(float v) {
  v = fract(v);
  return v < 0.5 ? 2.0 * v : 2.0 - 2.0 * v;
}

// The pattern's value at p, 0 to 1, as POV-Ray's pattern of that kind has it
// (the noise ones alike in spread, not in shape).
float PatternValue(int kind, vec3 p, vec3 axis) {
  if (kind == 1) return fract(dot(p, axis));
  if (kind == 2) return Triangle(p.x);
  if (kind == 3) return Triangle(length(p.xy));
  if (kind == 4) return fract(length(p));
  if (kind == 5) {
    float s = (sin(p.x) + sin(p.y) + sin(p.z)) / 3.0;
    return s * s;
  }
  if (kind == 6) return fract(atan(p.x, -p.z) / 6.2831853 + 0.5);
  if (kind == 7) return clamp(1.0 - length(p), 0.0, 1.0);
  if (kind == 8) {
    float s = 0.0, f = 1.0;
    for (int i = 0; i < 4; ++i) {
      s += abs(2.0 * Noise(4.0 * f * p) - 1.0) / f;
      f *= 2.0;
    }
    return clamp(0.5 * s, 0.0, 1.0);
  }
  if (kind == 9) return Triangle(p.x + 2.0 * Noise(p));
  return Noise(p);
}

// The colour map at v: colour (r g b filter), and transmit.
vec4 MapColour(int row, float v, out float transmit) {
  int count = int(texelFetch(patterns, ivec2(0, row), 0).z);
  vec4 last = texelFetch(patterns, ivec2(2, row), 0);
  vec4 last_at = texelFetch(patterns, ivec2(10, row), 0);
  transmit = last_at.y;
  if (v <= last_at.x) return last;
  for (int i = 1; i < count; ++i) {
    vec4 c = texelFetch(patterns, ivec2(2 + i, row), 0);
    vec4 at = texelFetch(patterns, ivec2(10 + i, row), 0);
    if (v <= at.x) {
      float k = at.x > last_at.x ? (v - last_at.x) / (at.x - last_at.x) : 1.0;
      transmit = mix(last_at.y, at.y, k);
      return mix(last, c, k);
    }
    last = c;
    last_at = at;
  }
  transmit = last_at.y;
  return last;
}

// The pattern of `row` at the point q of its space: colour (r g b filter), and transmit.
vec4 PatternAt(int row, vec3 q, out float transmit) {
  vec4 head = texelFetch(patterns, ivec2(0, row), 0);
  q += head.y * Turbulence(q);
  float v = PatternValue(int(head.x), q, texelFetch(patterns, ivec2(1, row), 0).xyz);
  if (head.w > 0.5) v = Triangle(v);
  return MapColour(row, v, transmit);
}

uniform vec3 eye;
uniform int light_count;
uniform vec3 light_position[8];
uniform vec3 light_colour[8];
uniform int sky_row;   // of the patterns; -1: the background's colour
uniform mat4 to_sky;   // the directions to the sky pattern's space
uniform vec3 background;
uniform vec4 haze;          // the layers of cloud, and how much they cover
uniform vec2 haze_finish;   // their ambient and diffuse
uniform vec3 haze_light;    // the light on them where the eye looks a little up
uniform float haze_height;  // of the lowest
uniform int ground_count;
uniform vec4 ground_plane[3];   // normal, offset
uniform vec4 ground_colour[3];  // rgb, reflection
uniform vec4 ground_finish[3];  // ambient, diffuse, brilliance
uniform int ground_row[3];      // its pattern's row; -1: its colour
uniform mat4 to_ground[3];      // the world to its pattern's space
uniform int picture_ground;     // the ground the picture lies on; -1: none
uniform bool picture_once;      // clear outside its square, else repeated
uniform sampler2D picture;
uniform float fog_distance;
uniform vec3 fog_colour;
uniform int shadow_count;
uniform mat4 light_space[2];
uniform sampler2DShadow shadow0, shadow1;

// How much of light i reaches p: 0 in its shadow, 1 in the open.
float Reaches(int i, vec3 p) {
  if (i >= shadow_count) return 1.0;
  vec4 c = light_space[i] * vec4(p, 1.0);
  vec3 q = c.xyz / c.w * 0.5 + 0.5;
  if (any(lessThan(q, vec3(0.0))) || any(greaterThan(q, vec3(1.0)))) return 1.0;
  q.z -= 0.0005;
  return i == 0 ? texture(shadow0, q) : texture(shadow1, q);
}

// Light is worked out in the scene's own values, as a scene of gamma 2.2 has
// it; what is written out is that value read as gamma 2.2 and written as sRGB,
// as POV-Ray writes its pictures (nearly the value, but for the darkest).
vec3 Encoded(vec3 c) {
  c = pow(clamp(c, 0.0, 1.0), vec3(2.2));
  return mix(12.92 * c, 1.055 * pow(c, vec3(1.0 / 2.4)) - 0.055, step(0.0031308, c));
}

// The light reaching p on a surface facing n, to a brilliance.
vec3 Diffuse(vec3 p, vec3 n, float brilliance) {
  vec3 sum = vec3(0.0);
  for (int i = 0; i < light_count; ++i) {
    float facing = max(dot(n, normalize(light_position[i] - p)), 0.0);
    sum += light_colour[i] * pow(facing, brilliance) * Reaches(i, p);
  }
  return sum;
}

// What a ray rising along d shows through the layers of cloud: c behind them.
// Their undersides are lit by the lights below, as where the eye looks a
// little up (too far for the shadows).
vec3 Hazed(vec3 c, vec3 d) {
  return d.y > 0.0 ? mix(c, haze.rgb * (haze_finish.x + haze_finish.y * haze_light), haze.a) : c;
}

vec3 Sky(vec3 d) {
  d = normalize(d);
  vec3 c = background;
  float transmit;
  if (sky_row >= 0) c = PatternAt(sky_row, (to_sky * vec4(d, 1.0)).xyz, transmit).rgb;
  return Hazed(c, d);
}

// The nearest ground along the ray but those passed (bit i: ground i), as a
// distance (-1: none).
float HitGround(vec3 from, vec3 d, int passed, out int which) {
  float best = -1.0;
  which = -1;
  for (int i = 0; i < ground_count; ++i) {
    if ((passed & (1 << i)) != 0) continue;
    float towards = dot(ground_plane[i].xyz, d);
    if (abs(towards) < 1e-6) continue;
    float t = (ground_plane[i].w - dot(ground_plane[i].xyz, from)) / towards;
    if (t > 1e-4 && (best < 0.0 || t < best)) {
      best = t;
      which = i;
    }
  }
  return best;
}

vec3 Fogged(vec3 c, float distance) {
  if (fog_distance <= 0.0) return c;
  return mix(fog_colour, c, exp(-distance / fog_distance));
}

// The side of ground i that a ray along d meets.
vec3 GroundNormal(int i, vec3 d) {
  vec3 n = ground_plane[i].xyz;
  return dot(n, d) > 0.0 ? -n : n;
}

// Ground i at p seen along d: its colour, its pattern's or its picture's,
// lit, without what it mirrors; alpha 0 where it is clear (outside a picture
// laid once).
vec4 GroundLit(int i, vec3 p, vec3 d) {
  vec3 base = ground_colour[i].rgb;
#ifdef BACKDROP
  vec3 q = (to_ground[i] * vec4(p, 1.0)).xyz;
  if (i == picture_ground) {
    vec2 uv = picture_once ? q.xy : fract(q.xy);
    if (any(lessThan(uv, vec2(0.0))) || any(greaterThan(uv, vec2(1.0)))) return vec4(0.0);
    base = texture(picture, vec2(uv.x, 1.0 - uv.y)).rgb;  // its top row along y = 1
  } else if (ground_row[i] >= 0) {
    float transmit;
    base = PatternAt(ground_row[i], q, transmit).rgb;
  }
#endif
  vec3 c = base * ground_finish[i].x;
  if (ground_finish[i].y > 0.0)
    c += base * ground_finish[i].y * Diffuse(p, GroundNormal(i, d), ground_finish[i].z);
#ifdef BACKDROP
  // A layer of cloud lies between the eye and what is above it.
  if (p.y > haze_height) c = Hazed(c, normalize(d));
#endif
  return vec4(c, 1.0);
}

// The first ground a ray from `from` along d meets, past those passed (bit i:
// ground i) and where they are clear: which (-1: none), how far along d, and
// its lit colour.
int FirstGround(vec3 from, vec3 d, int passed, out float gone, out vec3 lit) {
  gone = 0.0;
#ifdef BACKDROP
  for (int k = 0; k < 3; ++k) {
#else
  for (int k = 0; k < 1; ++k) {  // what the creature mirrors: no ground is clear
#endif
    int which;
    float t = HitGround(from, d, passed, which);
    if (which < 0) break;
    gone += t;
    from += t * d;
    vec4 c = GroundLit(which, from, d);
    if (c.a > 0.5) {
      lit = c.rgb;
      return which;
    }
    passed |= 1 << which;
  }
  lit = Sky(d);
  return -1;
}

// What a ray from `from` meets away from the creature, fogged, and how far
// along d it meets it (-1: the sky, unfogged). A ground mirrors the sky, and
// behind the creature the other grounds too (a picture behind the sea).
vec3 Surroundings(vec3 from, vec3 d, out float distance) {
  vec3 c;
  int which = FirstGround(from, d, 0, distance, c);
  if (which < 0) {
    distance = -1.0;
    return c;
  }
  if (ground_colour[which].a > 0.0) {
    vec3 p = from + distance * d, mirrored, r = reflect(d, GroundNormal(which, d));
    float far;
#ifdef BACKDROP
    FirstGround(p, r, 1 << which, far, mirrored);
#else
    mirrored = Sky(r);
#endif
    c += ground_colour[which].a * mirrored;
  }
  return Fogged(c, distance * length(d));
}
)";

// Depth alone: the creature's surfaces nearest the lights, for shadows.
constexpr const char* kDepthOnly = R"(#version 330 core
void main() {}
)";

// Per vertex: position and normal of the unit primitive. Per instance: the
// model matrix, the matrix for its normals, the colour and the finish.
constexpr const char* kVertex = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec4 m0;
layout(location = 3) in vec4 m1;
layout(location = 4) in vec4 m2;
layout(location = 5) in vec4 m3;
layout(location = 6) in vec4 n0;  // and the pattern's row in w
layout(location = 7) in vec3 n1;
layout(location = 8) in vec3 n2;
layout(location = 9) in vec4 colour;
layout(location = 10) in vec4 look0;
layout(location = 11) in vec4 look1;
layout(location = 12) in vec4 look2;
layout(location = 13) in vec4 to_pattern0;
layout(location = 14) in vec4 to_pattern1;
layout(location = 15) in vec4 to_pattern2;
uniform mat4 view;
uniform mat4 projection;
out vec3 world;
out vec3 world_normal;
flat out vec4 base;
flat out vec4 finish0;
flat out vec4 finish1;
flat out vec4 finish2;
out vec3 pattern_point;
flat out int pattern_row;
void main() {
  vec4 at = mat4(m0, m1, m2, m3) * vec4(position, 1.0);
  gl_Position = projection * view * at;
  world = at.xyz;
  world_normal = mat3(n0.xyz, n1, n2) * normal;
  pattern_row = int(n0.w);
  pattern_point = vec3(dot(to_pattern0, at), dot(to_pattern1, at), dot(to_pattern2, at));
  base = colour;
  finish0 = look0;
  finish1 = look1;
  finish2 = look2;
}
)";

// Lit as POV-Ray lights a finish: ambient, diffuse to a brilliance, phong and
// specular highlights tinted by metallic, the surroundings mirrored by
// reflection; filter and transmit let what is behind through (the second
// output multiplies it). Both sides are lit alike, since a mirrored view turns
// the winding round.
constexpr const char* kFragmentHead = R"(#version 330 core
in vec3 world;
in vec3 world_normal;
flat in vec4 base;     // r g b filter
flat in vec4 finish0;  // transmit diffuse brilliance specular
flat in vec4 finish1;  // roughness phong phong_size metallic
flat in vec4 finish2;  // reflection (255ths; the fraction: its tint), ambient r g b
in vec3 pattern_point;
flat in int pattern_row;
uniform bool headlight;
layout(location = 0, index = 0) out vec4 colour;
layout(location = 0, index = 1) out vec4 behind;
)";
constexpr const char* kFragmentMain = R"(
void main() {
  vec3 n = normalize(world_normal);
  vec3 v = normalize(eye - world);
  if (dot(n, v) < 0.0) n = -n;
  vec3 p = base.rgb;
  float filter_part = base.a, transmit = finish0.x;
  if (pattern_row >= 0) {
    vec4 c = PatternAt(pattern_row, pattern_point, transmit);
    p = c.rgb;
    filter_part = c.a;
  }
  float body_part = clamp(1.0 - filter_part - transmit, 0.0, 1.0);
  vec3 tint = mix(vec3(1.0), p, finish1.w);
  vec3 body = p * finish2.yzw, shine = vec3(0.0);
  for (int i = 0; i < max(light_count, headlight ? 1 : 0); ++i) {
    vec3 from = light_count > 0 ? light_position[i] : eye;
    vec3 lc = light_count > 0 ? light_colour[i] : vec3(1.0);
    vec3 l = normalize(from - world);
    float nl = dot(n, l);
    if (nl <= 0.0) continue;
    if (light_count > 0) lc *= Reaches(i, world);
    body += lc * finish0.y * pow(nl, finish0.z) * p;
    if (finish1.y > 0.0)
      shine += lc * finish1.y * pow(max(dot(reflect(-l, n), v), 0.0), finish1.z) * tint;
    if (finish0.w > 0.0)
      shine += lc * finish0.w * pow(max(dot(n, normalize(l + v)), 0.0),
                                    1.0 / max(finish1.x, 1e-4)) * tint;
  }
  float distance;
  if (finish2.x > 0.0)  // mirrored light, as far as the reflection is coloured like the surface
    shine += floor(finish2.x) / 255.0 * mix(vec3(1.0), p, fract(finish2.x)) *
             Surroundings(world, reflect(-v, n), distance);
  colour = vec4(Encoded(Fogged(body * body_part + shine, length(eye - world))), 1.0);
  behind = vec4(Encoded(filter_part * p + vec3(transmit)), 1.0);
}
)";

// The surroundings behind the creature, one triangle over the whole viewport:
// each pixel's ray meets the ground (and sets the depth there) or the sky.
constexpr const char* kBackdropVertex = R"(#version 330 core
out vec2 ndc;
void main() {
  vec2 corner = vec2(float((gl_VertexID & 1) * 4 - 1), float((gl_VertexID & 2) * 2 - 1));
  ndc = corner;
  gl_Position = vec4(corner, 0.0, 1.0);
}
)";

constexpr const char* kBackdropHead = R"(#version 330 core
#define BACKDROP
in vec2 ndc;
uniform mat4 unproject;  // clip space to the world
uniform mat4 project;    // the world to clip space
layout(location = 0, index = 0) out vec4 colour;
layout(location = 0, index = 1) out vec4 behind;
)";
constexpr const char* kBackdropMain = R"(
void main() {
  vec4 near_point = unproject * vec4(ndc, -1.0, 1.0);
  vec4 far_point = unproject * vec4(ndc, 1.0, 1.0);
  vec3 d = normalize(far_point.xyz / far_point.w - near_point.xyz / near_point.w);
  float t;
  vec3 c = Surroundings(eye, d, t);
  behind = vec4(0.0);
  if (t < 0.0) {
    colour = vec4(Encoded(fog_distance > 0.0 ? fog_colour : c), 1.0);
    gl_FragDepth = 1.0;
    return;
  }
  colour = vec4(Encoded(c), 1.0);
  vec4 clip = project * vec4(eye + t * d, 1.0);
  gl_FragDepth = clamp(0.5 * clip.z / clip.w + 0.5, 0.0, 1.0);
}
)";

}  // namespace vermora::app::shaders
