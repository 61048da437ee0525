#pragma once

// The reader behind ReadSceneModel: a small interpreter of the scene language
// as far as our scenes use it. It walks the text with one cursor; directives
// (#declare, #if, #while, #macro) and macro calls are carried out as the
// cursor meets them, so a macro's body is read where it stands in the text.

#include <array>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/include_library.h"
#include "model/scene_model.h"
#include "model/scene_tokens.h"

namespace vermora::model_detail {

// The colour of a texture the reader cannot follow (a picture, a word it does not know).
inline constexpr std::array<double, 5> kUnreadColour = {0.7, 0.7, 0.7, 0, 0};

struct Piece {
  Instance instance;
  bool coloured = false;  // a texture of its own, which an outer one leaves alone
  bool finished = false;  // a finish of its own, likewise
};

// Points p with normal . p <= offset.
struct HalfSpace {
  Vec3 normal;
  double offset = 0;
};

struct Shape {
  std::vector<Piece> pieces;
  // For a plane, or a union of planes: the region is the union of these.
  std::vector<HalfSpace> planes;
  // How planes alone look (a ground, a sea): colour, transmit and finish.
  Instance plane_look;
};

struct Value {
  enum Kind {
    kNone,
    kNumber,
    kVector,
    kArray,
    kObject,
    kTexture,
    kFinish,
    kColourMap,
    kString
  } kind = kNone;
  std::array<double, 5> v = {0, 0, 0, 0, 0};  // a number in v[0]; a colour is r g b filter transmit
  int size = 1;                               // components of a vector
  std::shared_ptr<std::vector<Value>> array;
  std::shared_ptr<const Shape> shape;
  bool known_colour = true;  // a texture whose colour could be read
  int pattern = -1;          // a texture's pattern, with its placement
  Mat4 pattern_transform;
  // A pigment's pattern still without colours (P_WoodGrain1A), or a colour
  // map's stops: what a pigment naming it completes.
  std::shared_ptr<const Pattern> unmapped;
  Surface surface;        // a finish, or a texture's finish
  bool finished = false;  // a texture with a finish
  std::string text;
};

struct Macro {
  std::vector<std::string> params;
  size_t body = 0;        // where its body starts in `text`
  std::string_view text;  // the scene's, or an include file's that the library keeps
};

// The scene cannot be read at all: the reading stops with this message.
struct ReadFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// This object cannot be read: it becomes a stand-in.
struct Unreadable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Names looked up by a view of the scene text, without a copy.
struct NameHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <typename T>
using NameMap = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;

// What an include file declares, as a scene that includes it takes it over.
struct IncludedFile {
  std::string text;  // the file's text, which its macros read
  // Empty unless the file places things (a sky sphere, say): then it is read
  // again in each scene that includes it, where the scene's own declarations
  // hold, as this text, its own ending a macro's body.
  std::string body;
  NameMap<Value> values;
  NameMap<Macro> macros;
  std::vector<Pattern> patterns;  // the values' pattern numbers count in here
  std::string error;              // why the reading stopped early, if it did
};

class SceneReader {
 public:
  // `includes` (may be null) gives what the files the scene includes declare.
  SceneReader(std::string_view text, IncludeLibrary* includes) : text_(text), includes_(includes) {}
  void Read(SceneModel& model);
  // What the include file `name` declares, as `#include` gives it.
  void Include(std::string_view name);
  // After Read: the values and macros the text declared, for an include file
  // (its patterns are the model's).
  void TakeDeclarations(IncludedFile& file);
  bool Placed() const { return placed_; }  // Read met a statement that places something

 private:
  struct Frame {  // one macro call
    NameMap<Value> locals;
    size_t return_at = 0;
    std::string_view return_text;
    int braces = 0;
    bool include = false;  // an included file's text, not a macro's
  };
  struct Control {
    enum Kind { kIf, kWhile, kMacro, kSwitch } kind;
    size_t loop_at = 0;  // a while: where its condition starts
  };
  struct Colour {
    std::array<double, 5> rgbft = {0, 0, 0, 0, 0};
    bool known = false;
    Surface surface;
    bool finished = false;                    // the surface was given
    int pattern = -1;                         // of patterns_
    Mat4 pattern_transform;                   // the pattern's own placement within the texture
    std::shared_ptr<const Pattern> unmapped;  // a pattern without its colours yet
    bool layered = false;                     // a texture, which a further one lies over
    Mat4 before;  // the object's transforms before its texture: not the texture's
  };
  class Deeper {  // bounds the recursion of objects, values and macros
   public:
    explicit Deeper(SceneReader& r);
    ~Deeper() { --r_.depth_; }

   private:
    SceneReader& r_;
  };

  // The cursor (scene_reader.cpp).
  const SceneToken& Raw();
  void Advance();
  const SceneToken& Peek();  // the next token once directives and macro calls are carried out
  SceneToken Take();
  bool PeekIs(std::string_view symbol);
  bool RawIs(std::string_view symbol);
  void Expect(std::string_view symbol);
  void SkipComma();
  void Directive();
  void SkipBranch(bool to_else);
  void Switch();
  void SkipToClause(double value);
  bool ClauseHolds(std::string_view clause, double value);
  void EndOf();
  void CallMacro(const Macro& macro);
  void Enter(Frame frame, std::string_view text, size_t at);
  void Declare(bool local);
  void BackOutOf(size_t frames_at, size_t control_at);
  int ImportPattern(const IncludedFile& file, int pattern);
  void Import(const IncludedFile& file, Value& value);
  void SkipBlock();  // from a '{', raw
  [[noreturn]] void Fail(const std::string& what);
  [[noreturn]] void Unread(const std::string& what);
  std::string Where();
  void Note(const std::string& note);
  Value* Lookup(std::string_view name);
  bool Known(std::string_view name);

  // Values (reader_values.cpp).
  Value ParseValue();
  Value Expression(int level = 0);
  Value Unary();
  Value Primary();
  Value Postfix(Value v);
  Value VectorLiteral();
  Value ArrayLiteral();
  Value Function(std::string_view name);
  Value Random();
  double Number();
  Vec3 Vector();
  std::array<double, 5> ColourValue();
  bool StartsColour(const SceneToken& t);

  // Objects (reader_objects.cpp).
  bool IsObjectWord(std::string_view word);
  Shape ParseObject();
  std::shared_ptr<const Shape> ParseObjectShared();
  // The inside of an object's braces. `named` receives the shape of
  // `object {Name}` (only the kind "object" sets it).
  void ObjectBody(std::string_view kind, Shape& shape, Mat4& m, Colour& colour, bool in_blob,
                  std::shared_ptr<const Shape>* named, std::string* named_as);
  // The pieces of a copy of the declared `name` belong to it: as their part,
  // where they have none yet, and as their group.
  void Label(Shape& shape, const std::string& name);
  bool Modifier(Mat4& m, Colour& colour, std::string_view kind);
  Colour ParseTexture();
  void Layer(Colour& under, const Colour& over);
  void ScanPigment(std::vector<std::array<double, 5>>& colours, bool& unknown, Colour& finish);
  bool ReadPicture(Pattern& pattern);
  void ColourMap(Pattern& pattern, std::vector<std::array<double, 5>>& colours);
  int AddPattern(const Pattern& pattern);
  void ParseFinish(Surface& surface);
  void ParseCamera(SceneCamera& camera);
  // light_source, background, sky_sphere and fog (reader_surroundings.cpp).
  void ParseLight(std::vector<SceneLight>& lights);
  void ParseSurroundings(std::string_view word, SceneSurroundings& surroundings);
  void Append(Shape& to, const Shape& from);  // fails past kMaxModelInstances
  void Append(Shape& to, Shape&& from);
  void Finish(Shape& shape, const Mat4& m, const Colour& colour);
  Shape StandIn();
  Shape Intersection(std::vector<Shape>& parts, bool difference);

  std::string_view text_;
  size_t pos_ = 0;
  SceneToken cur_;
  bool cur_valid_ = false;
  int braces_ = 0;
  int depth_ = 0;
  int parens_ = 0;  // comparisons count only inside parentheses
  long long steps_ = 0;
  long long loops_ = 0;
  size_t total_pieces_ = 0;
  NameMap<Value> globals_;
  NameMap<Macro> macros_;
  std::vector<Frame> frames_;
  std::vector<Control> control_;
  std::vector<std::string> notes_;
  std::vector<Pattern> patterns_;
  std::map<std::vector<float>, int> pattern_ids_;  // the same pattern once
  std::vector<SceneModel::Part> parts_;
  std::vector<std::string> object_names_;
  NameMap<int> object_ids_;       // of object_names_
  std::vector<int> copies_;       // of each of object_names_ so far
  bool scene_statement_ = false;  // the next object is one of the scene's own statements
  bool placed_ = false;
  IncludeLibrary* includes_;
  std::vector<std::shared_ptr<const IncludedFile>> included_;  // keeps their macros' text
};

}  // namespace vermora::model_detail
