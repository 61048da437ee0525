#include "model/scene_reader.h"

#include <algorithm>
#include <cmath>

namespace vermora {
namespace model_detail {
namespace {

// Each level of values costs several frames of the stack (many more under a
// sanitizer); our own scenes nest a dozen deep at most.
constexpr int kMaxDepth = 64;
constexpr size_t kMaxMacroCalls = 100;        // calls within calls
constexpr long long kMaxSteps = 100'000'000;  // tokens read, loops and macros counted
constexpr long long kMaxLoops = 1'000'000;    // turns of all #while loops together
constexpr size_t kMaxNotes = 8;

bool Opens(std::string_view w) {
  return w == "#if" || w == "#ifdef" || w == "#ifndef" || w == "#while" || w == "#macro" ||
         w == "#switch" || w == "#for";
}

// Includes our scenes name, which need not be there for the shapes: POV-Ray's
// own, and our galaxy.inc.
bool KnownInclude(std::string_view name) {
  for (std::string_view known :
       {"vmxpred.inc", "colors.inc", "textures.inc", "galaxy.inc", "finish.inc", "metals.inc",
        "woods.inc", "stones.inc", "glass.inc", "golds.inc", "skies.inc", "math.inc",
        "transforms.inc", "functions.inc", "consts.inc", "shapes.inc", "stars.inc"}) {
    if (name == known) return true;
  }
  return false;
}

// A plane of the scene on its own is ground or sea; one mostly transparent
// (a layer of cloud) is left out.
void AddGround(const Shape& shape, SceneSurroundings& surroundings) {
  const Instance& look = shape.plane_look;
  if (shape.planes.size() != 1) return;
  const float clear = look.colour[3] + look.transmit;
  if (clear >= 0.5f) {
    const HalfSpace& layer = shape.planes[0];
    const double height = std::abs(layer.normal.y) > 0.99 ? layer.offset / layer.normal.y : 0;
    surroundings.haze_height =
        surroundings.haze[3] > 0 ? std::min(surroundings.haze_height, height) : height;
    const Surface& f = look.surface;
    surroundings.AddHaze({look.colour[0], look.colour[1], look.colour[2]}, 1 - clear,
                         (f.ambient[0] + f.ambient[1] + f.ambient[2]) / 3, f.diffuse);
    return;
  }
  if (surroundings.grounds.size() >= kMaxGrounds) return;
  SceneSurroundings::Ground ground;
  ground.normal = shape.planes[0].normal;
  ground.offset = shape.planes[0].offset;
  ground.colour = look.colour;
  ground.surface = look.surface;
  ground.pattern = look.pattern;
  ground.pattern_frame = look.pattern_frame;
  surroundings.grounds.push_back(ground);
}

}  // namespace

SceneReader::Deeper::Deeper(SceneReader& r) : r_(r) {
  if (++r_.depth_ > kMaxDepth) {
    --r_.depth_;
    r_.Fail("objects or values nest more than " + std::to_string(kMaxDepth) + " deep");
  }
}

const SceneToken& SceneReader::Raw() {
  if (!cur_valid_) {
    cur_ = LexToken(text_, pos_);
    cur_valid_ = true;
  }
  return cur_;
}

void SceneReader::Advance() {
  const SceneToken& t = Raw();
  if (t.kind == SceneToken::kEnd) return;
  if (t.kind == SceneToken::kSymbol) braces_ += t.text == "{" ? 1 : t.text == "}" ? -1 : 0;
  pos_ = t.end;
  cur_valid_ = false;
  if (++steps_ > kMaxSteps)
    Fail("the scene takes too many steps to read (a loop that does not end?)");
}

const SceneToken& SceneReader::Peek() {
  for (;;) {
    const SceneToken& t = Raw();
    if (t.kind != SceneToken::kWord) return t;
    if (t.text[0] == '#') {
      Directive();
      continue;
    }
    auto macro = macros_.find(t.text);
    if (macro == macros_.end() || Lookup(t.text)) return t;
    Advance();
    const Macro called = macro->second;
    CallMacro(called);
  }
}

SceneToken SceneReader::Take() {
  SceneToken t = Peek();
  if (t.kind == SceneToken::kEnd) Fail("the scene ends too early");
  Advance();
  return t;
}

bool SceneReader::PeekIs(std::string_view symbol) {
  const SceneToken& t = Peek();
  return t.kind == SceneToken::kSymbol && t.text == symbol;
}

bool SceneReader::RawIs(std::string_view symbol) {
  const SceneToken& t = Raw();
  return t.kind == SceneToken::kSymbol && t.text == symbol;
}

void SceneReader::Expect(std::string_view symbol) {
  if (!PeekIs(symbol)) {
    if (Peek().kind == SceneToken::kEnd)
      Fail("the scene ends where '" + std::string(symbol) + "' was expected");
    Unread("'" + std::string(symbol) + "' expected, found '" + std::string(Peek().text) + "'");
  }
  Advance();
}

void SceneReader::SkipComma() {
  if (PeekIs(",")) Advance();
}

std::string SceneReader::Where() { return "line " + std::to_string(LineAt(text_, Raw().begin)); }

void SceneReader::Fail(const std::string& what) { throw ReadFailure(Where() + ": " + what); }
void SceneReader::Unread(const std::string& what) { throw Unreadable(Where() + ": " + what); }

void SceneReader::Note(const std::string& note) {
  if (notes_.size() < kMaxNotes && std::find(notes_.begin(), notes_.end(), note) == notes_.end()) {
    notes_.push_back(note);
  }
}

Value* SceneReader::Lookup(std::string_view name) {
  for (auto frame = frames_.rbegin(); frame != frames_.rend(); ++frame) {
    auto it = frame->locals.find(name);
    if (it != frame->locals.end()) return &it->second;
  }
  auto it = globals_.find(name);
  return it == globals_.end() ? nullptr : &it->second;
}

bool SceneReader::Known(std::string_view name) {
  return Lookup(name) || macros_.find(name) != macros_.end();
}

void SceneReader::SkipBlock() {
  if (!RawIs("{")) Unread("'{' expected");
  const int outside = braces_;
  Advance();
  while (braces_ > outside) {
    if (Raw().kind == SceneToken::kEnd) Fail("the scene ends inside a block");
    Advance();
  }
}

// Passes over a branch not taken, raw. With `to_else` it stops after an #else
// or after an #elseif whose condition holds; else after the matching #end.
void SceneReader::SkipBranch(bool to_else) {
  int depth = 0;
  for (;;) {
    const SceneToken t = Raw();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside #if, #while or #macro");
    Advance();
    if (t.kind != SceneToken::kWord) continue;
    if (Opens(t.text)) {
      ++depth;
    } else if (t.text == "#end") {
      if (depth-- == 0) return;
    } else if (depth == 0 && to_else && t.text == "#else") {
      control_.push_back({Control::kIf});
      return;
    } else if (depth == 0 && to_else && t.text == "#elseif") {
      if (Number() != 0) {
        control_.push_back({Control::kIf});
        return;
      }
    }
  }
}

// #switch (value): on from the first #case or #range that holds, or from its
// #else; a #break passes over the rest up to its #end. One clause runs on into
// the next, as in POV-Ray.
void SceneReader::Switch() {
  const double value = Number();
  control_.push_back({Control::kSwitch});
  SkipToClause(value);
}

bool SceneReader::ClauseHolds(std::string_view clause, double value) {
  if (clause == "#else") return true;
  Expect("(");
  const double low = Number();
  double high = low;
  if (clause == "#range") {
    SkipComma();
    high = Number();
  }
  Expect(")");
  return value >= low && value <= high;
}

void SceneReader::SkipToClause(double value) {
  int depth = 0;
  for (;;) {
    const SceneToken t = Raw();
    if (t.kind == SceneToken::kEnd) Fail("the scene ends inside #switch");
    Advance();
    if (t.kind != SceneToken::kWord) continue;
    if (Opens(t.text)) {
      ++depth;
    } else if (t.text == "#end") {
      if (depth-- == 0) {
        control_.pop_back();
        return;
      }
    } else if (depth == 0 && (t.text == "#case" || t.text == "#range" || t.text == "#else")) {
      if (ClauseHolds(t.text, value)) return;
    }
  }
}

void SceneReader::EndOf() {
  if (control_.empty()) Fail("#end without #if, #while or #macro");
  const Control c = control_.back();
  if (c.kind == Control::kIf || c.kind == Control::kSwitch) {
    control_.pop_back();
  } else if (c.kind == Control::kWhile) {
    pos_ = c.loop_at;
    cur_valid_ = false;
    if (++loops_ > kMaxLoops)
      Fail("#while loops turn more than " + std::to_string(kMaxLoops) + " times");
    if (Number() == 0) {
      control_.pop_back();
      SkipBranch(false);
    }
  } else {
    control_.pop_back();
    if (frames_.empty()) Fail("a macro ends outside a call");
    pos_ = frames_.back().return_at;
    text_ = frames_.back().return_text;
    cur_valid_ = false;
    frames_.pop_back();
  }
}

void SceneReader::CallMacro(const Macro& macro) {
  if (frames_.size() >= kMaxMacroCalls)
    Fail("macros call each other more than " + std::to_string(kMaxMacroCalls) + " deep");
  Deeper deeper(*this);
  Frame frame;
  Expect("(");
  for (size_t i = 0; !PeekIs(")"); ++i) {
    Value v = ParseValue();
    if (i < macro.params.size()) frame.locals[macro.params[i]] = std::move(v);
    SkipComma();
  }
  Advance();
  Enter(std::move(frame), macro.text, macro.body);
}

// Reading goes on at `at` of `text` until its #end, then back here.
void SceneReader::Enter(Frame frame, std::string_view text, size_t at) {
  frame.return_at = pos_;
  frame.return_text = text_;
  frame.braces = braces_;
  frames_.push_back(std::move(frame));
  control_.push_back({Control::kMacro});
  pos_ = at;
  text_ = text;
  cur_valid_ = false;
}

// After a failure: back in the text of the macro call `frames_at` deep (out
// of those called since), with `control_at` directives open.
void SceneReader::BackOutOf(size_t frames_at, size_t control_at) {
  if (frames_.size() > frames_at) {
    pos_ = frames_[frames_at].return_at;
    text_ = frames_[frames_at].return_text;
    braces_ = frames_[frames_at].braces;
    cur_valid_ = false;
    frames_.resize(frames_at);
  }
  control_.resize(control_at);
}

void SceneReader::Declare(bool local) {
  if (Raw().kind == SceneToken::kWord && Raw().text == "deprecated") {  // and its message
    Advance();
    if (Raw().kind == SceneToken::kWord && Raw().text == "once") Advance();
    if (Raw().kind == SceneToken::kString) Advance();
  }
  const SceneToken name = Raw();
  if (name.kind != SceneToken::kWord || name.text[0] == '#')
    Unread("a name expected after #declare");
  Advance();
  std::vector<int> index;
  while (RawIs("[")) {
    Advance();
    index.push_back(static_cast<int>(Number()));
    Expect("]");
  }
  Expect("=");
  Value value;
  const int braces = braces_;
  const size_t frames_at = frames_.size(), control_at = control_.size();
  try {
    value = ParseValue();
  } catch (const Unreadable& u) {
    // A stand-in for whatever the name holds; the rest of the value is passed
    // over up to its ';' or the next directive, out of any macro it called.
    Note(u.what());
    BackOutOf(frames_at, control_at);
    value.kind = Value::kObject;
    value.shape = std::make_shared<Shape>(StandIn());
    for (;;) {
      const SceneToken& t = Raw();
      if (t.kind == SceneToken::kEnd || (t.kind == SceneToken::kWord && t.text[0] == '#')) break;
      if (t.kind == SceneToken::kSymbol && t.text == "}" && braces_ <= braces) break;
      if (t.kind == SceneToken::kSymbol && t.text == ";" && braces_ <= braces) break;
      Advance();
    }
  }
  // A value a macro gives ends at the macro's #end: back in the caller first.
  while (frames_.size() > frames_at && Raw().kind == SceneToken::kWord && Raw().text == "#end" &&
         !control_.empty() && control_.back().kind == Control::kMacro) {
    Advance();
    EndOf();
  }
  if (RawIs(";")) Advance();
  NameMap<Value>& scope = local && !frames_.empty() ? frames_.back().locals : globals_;
  const std::string key(name.text);
  if (index.empty()) {
    if (!local && !frames_.empty()) {
      // An existing local of that name is what the macro sees and changes.
      if (Value* existing = Lookup(key)) {
        *existing = std::move(value);
        return;
      }
    }
    scope[key] = std::move(value);
    return;
  }
  Value* target = Lookup(key);
  for (int i : index) {
    if (!target || target->kind != Value::kArray || i < 0 ||
        i >= static_cast<int>(target->array->size())) {
      Unread("no array element " + key + "[" + std::to_string(i) + "]");
    }
    target = &(*target->array)[static_cast<size_t>(i)];
  }
  *target = std::move(value);
}

// An include file the library holds gives the scene what it declares; one it
// does not is passed over (POV-Ray's own, when they are not installed, say).
void SceneReader::Include(std::string_view name) {
  std::shared_ptr<const IncludedFile> file = includes_ ? includes_->Find(name) : nullptr;
  if (!file) {
    if (!KnownInclude(name)) Note("the include file \"" + std::string(name) + "\" is not read");
    return;
  }
  if (!file->error.empty()) Note(std::string(name) + ": " + file->error);
  if (!file->body.empty()) {
    if (frames_.size() >= kMaxMacroCalls) Fail("include files include each other too deep");
    Frame frame;
    frame.include = true;
    Enter(std::move(frame), file->body, 0);
    included_.push_back(std::move(file));
    return;
  }
  for (const auto& [key, value] : file->values) {
    Value copy = value;
    Import(*file, copy);
    globals_[key] = std::move(copy);
  }
  for (const auto& [key, macro] : file->macros) macros_[key] = macro;
  included_.push_back(std::move(file));
}

int SceneReader::ImportPattern(const IncludedFile& file, int pattern) {
  if (pattern < 0 || pattern >= static_cast<int>(file.patterns.size())) return -1;
  return AddPattern(file.patterns[static_cast<size_t>(pattern)]);
}

// The pattern numbers of a value from an include file, made the scene's own.
void SceneReader::Import(const IncludedFile& file, Value& value) {
  value.pattern = ImportPattern(file, value.pattern);
  if (value.array) {
    auto array = std::make_shared<std::vector<Value>>(*value.array);
    for (Value& element : *array) Import(file, element);
    value.array = std::move(array);
  }
  // Its parts are named in the file's own list: the scene's copies name them anew.
  if (value.shape &&
      std::any_of(value.shape->pieces.begin(), value.shape->pieces.end(), [](const Piece& p) {
        return p.instance.pattern >= 0 || p.instance.part >= 0 || p.instance.group >= 0;
      })) {
    auto shape = std::make_shared<Shape>(*value.shape);
    for (Piece& p : shape->pieces) {
      p.instance.pattern = ImportPattern(file, p.instance.pattern);
      p.instance.part = p.instance.group = -1;
    }
    value.shape = std::move(shape);
  }
}

void SceneReader::TakeDeclarations(IncludedFile& file) {
  file.values = std::move(globals_);
  file.macros = std::move(macros_);
}

void SceneReader::Directive() {
  const SceneToken t = Raw();
  const std::string_view d = t.text;
  Advance();
  if (d == "#declare" || d == "#local") {
    Declare(d == "#local");
  } else if (d == "#if") {
    if (Number() != 0) {
      control_.push_back({Control::kIf});
    } else {
      SkipBranch(true);
    }
  } else if (d == "#ifdef" || d == "#ifndef") {
    Expect("(");
    const SceneToken name = Raw();
    Advance();
    Expect(")");
    if (Known(name.text) == (d == "#ifdef")) {
      control_.push_back({Control::kIf});
    } else {
      SkipBranch(true);
    }
  } else if (d == "#switch") {
    Switch();
  } else if ((d == "#case" || d == "#range" || d == "#else") && !control_.empty() &&
             control_.back().kind == Control::kSwitch) {
    if (d != "#else") ClauseHolds(d, 0);  // on into the next clause: its condition is passed
  } else if (d == "#break") {
    if (control_.empty() || control_.back().kind != Control::kSwitch)
      Fail("#break outside #switch");
    control_.pop_back();
    SkipBranch(false);
  } else if (d == "#else" || d == "#elseif") {
    // The branch taken ends here; pass over the rest up to its #end.
    if (control_.empty() || control_.back().kind != Control::kIf)
      Fail(std::string(d) + " without #if");
    control_.pop_back();
    SkipBranch(false);
  } else if (d == "#while") {
    const size_t at = pos_;
    if (Number() != 0) {
      control_.push_back({Control::kWhile, at});
    } else {
      SkipBranch(false);
    }
  } else if (d == "#end") {
    EndOf();
  } else if (d == "#macro") {
    const SceneToken name = Raw();
    if (name.kind != SceneToken::kWord) Fail("a name expected after #macro");
    Advance();
    Macro macro;
    Expect("(");
    while (!RawIs(")")) {
      if (Raw().kind != SceneToken::kWord) Fail("a parameter name expected in #macro");
      macro.params.emplace_back(Raw().text);
      Advance();
      if (RawIs(",")) Advance();
    }
    Advance();
    macro.body = pos_;
    macro.text = text_;
    macros_[std::string(name.text)] = macro;
    SkipBranch(false);
  } else if (d == "#include") {
    const SceneToken file = Raw();
    Advance();
    Include(file.text);
  } else if (d == "#version") {
    Number();
    if (RawIs(";")) Advance();
  } else if (d == "#undef") {
    const std::string key(Raw().text);
    Advance();
    if (Value* v = Lookup(key)) *v = Value{};
    globals_.erase(key);
  } else if (d == "#debug" || d == "#warning" || d == "#error" || d == "#render" ||
             d == "#statistics") {
    if (Raw().kind == SceneToken::kString) Advance();
  } else if (d == "#default") {
    SkipBlock();
  } else {
    Unread("the directive " + std::string(d) + " is not read");
  }
}

void SceneReader::Read(SceneModel& model) {
  Shape scene;
  try {
    for (;;) {
      const SceneToken& t = Peek();
      if (t.kind == SceneToken::kEnd) break;
      try {
        if (t.kind == SceneToken::kSymbol && t.text == ";") {
          Advance();
        } else if (t.kind == SceneToken::kWord && t.text == "camera") {
          Advance();
          ParseCamera(model.camera);
        } else if (t.kind == SceneToken::kWord && IsObjectWord(t.text)) {
          placed_ = true;
          scene_statement_ = true;
          Shape shape = ParseObject();
          if (shape.pieces.empty()) AddGround(shape, model.surroundings);
          // What an include file places (a shell of stars) is no part of the creature.
          const bool included =
              std::any_of(frames_.begin(), frames_.end(), [](const Frame& f) { return f.include; });
          if (!included) Append(scene, std::move(shape));
        } else if (t.kind == SceneToken::kWord && t.text == "light_source") {
          placed_ = true;
          Advance();
          ParseLight(model.lights);
        } else if (t.kind == SceneToken::kWord &&
                   (t.text == "background" || t.text == "sky_sphere" || t.text == "fog")) {
          placed_ = true;
          const std::string word(t.text);
          Advance();
          ParseSurroundings(word, model.surroundings);
        } else if (t.kind == SceneToken::kWord) {
          const std::string word(t.text);
          Advance();
          if (!RawIs("{")) Fail("cannot read '" + word + "'");
          SkipBlock();
          bool ignored = false;
          for (std::string_view skipped :
               {"global_settings", "media", "atmosphere", "rainbow", "photons", "radiosity"}) {
            ignored = ignored || word == skipped;
          }
          if (!ignored) {
            Note("'" + word + "' is not read");
            Append(scene, StandIn());
          }
        } else {
          Fail("cannot read '" + std::string(t.text) + "'");
        }
      } catch (const Unreadable& u) {
        // Outside any object: the statement is passed over.
        Note(u.what());
        if (Raw().kind == SceneToken::kEnd) break;
        Advance();
      }
    }
    if (!control_.empty()) Fail("the scene ends inside #if, #while or #macro");
  } catch (const ReadFailure& f) {
    model.error = f.what();
  } catch (const std::bad_alloc&) {
    model.error = "not enough memory to read the scene";
  }
  model.instances.reserve(scene.pieces.size());
  size_t unplaced = 0;
  for (Piece& p : scene.pieces) {
    // Arithmetic out of range (a division by zero, say) leaves nothing to show.
    const bool finite =
        std::all_of(p.instance.transform.m.begin(), p.instance.transform.m.end(),
                    [](double v) { return std::isfinite(v) && std::abs(v) < 1e150; });
    if (!finite) {
      ++unplaced;
      continue;
    }
    model.stand_ins += p.instance.kind == Primitive::StandIn;
    model.instances.push_back(p.instance);
  }
  if (unplaced)
    Note(std::to_string(unplaced) + " objects are left out: their place or size is out of range");
  model.notes = notes_;
  model.patterns = std::move(patterns_);
  model.parts = std::move(parts_);
  model.object_names = std::move(object_names_);
}

}  // namespace model_detail

SceneModel ReadSceneModel(std::string_view scene_text, IncludeLibrary* includes) {
  SceneModel model;
  try {
    model_detail::SceneReader reader(scene_text, includes);
    reader.Read(model);
  } catch (const std::exception& e) {
    model.error = e.what();
  }
  return model;
}

}  // namespace vermora
