#include "compose/composer.h"

#include "common/file_io.h"
#include "compose/generators.h"
#include "scene/compose_context.h"
#include "scene/header.h"
#include "scene/object_library.h"

namespace vermora {
namespace {

struct SegmentKind {
  int worm;
  const char *name, *field, *name2, *field2, *alt;
};

constexpr SegmentKind kSegments[] = {
    {kSpiralWorm, "JSegment", "edJSegm", "JSegment2", "edJSegm2", "chkAltJS"},
    {kCurlWorm, "RSegment", "edRSegm", "RSegment2", "edRSegm2", "chkAltRS"},
    {kDoubleSpiral, "DSSegment", "edDSSegm", "DSSegment2", "edDSSegm2", "chkAltDSS"},
    {kFormWorm, "FWSegment", "edFWSegm", "FWSegment2", "edFWSegm2", "chkAltFWS"},
    {kTwoDWorm, "TDSegment", "edTDSegm", "TDSegment2", "edTDSegm2", "chkAltTDS"},
};

void WriteSegments(ComposeContext& ctx) {
  for (const SegmentKind& s : kSegments) {
    if (!WormUsed(ctx.params, s.worm)) continue;
    ctx.out.Line(std::string("#declare ") + s.name + " = " + ctx.TypedObject(s.field));
    ctx.out.Line(" ");
    if (ctx.params.On(s.alt)) {
      ctx.out.Line(std::string("#declare ") + s.name2 + " = " + ctx.TypedObject(s.field2));
      ctx.out.Line(" ");
    }
  }
}

void WriteWormObject(ComposeContext& ctx, const char* head, const char* choice, const char* close) {
  ctx.out.Line(head);
  const int worm = ctx.params.Index(choice);
  if (worm >= 0 && worm < static_cast<int>(WormGenerators().size())) {
    ctx.out.Line(std::string("  ") + WormGenerators()[worm].identifier);
  }
  if (ctx.params.On("ChkTextureOverWorm")) ctx.out.Line("  ", ctx.params.Text("EdThingTexture"));
  ctx.out.Line(close);
  ctx.out.Line(" ");
}

// A thing is placed only once its generator exists, so the scene never names
// an undeclared object.
bool ThingBuilt(const ThingGenerator& thing, const ParamReader& params) {
  return thing.write != nullptr && params.On(thing.switch_name);
}

// A worm object with nothing in it stops POV-Ray; such a choice (possible in
// a loaded file) is refused before anything is written.
void CheckWormChoices(const ParamReader& params) {
  const int worms = static_cast<int>(WormGenerators().size());
  auto chosen = [&](const char* choice) {
    const int worm = params.Index(choice);
    return worm >= 0 && worm < worms;
  };
  if (!chosen("RadioGroup1")) {
    throw CommandError{
        "No worm is chosen for Worm1: choose one in RadioGroup1 on the General page"};
  }
  if (params.On("ChkAlternate") && !chosen("RadioGroup2")) {
    throw CommandError{
        "ChkAlternate is on but no alternate worm is chosen: choose one in RadioGroup2 on the "
        "General "
        "page"};
  }
}

void ComposeBody(ComposeContext& ctx) {
  ctx.out.Line(" ");
  WriteSegments(ctx);
  const auto worms = WormGenerators();
  for (size_t i = 0; i < worms.size(); ++i) {
    if (worms[i].write && WormUsed(ctx.params, static_cast<int>(i))) worms[i].write(ctx);
  }
  WriteWormObject(ctx, " #declare Worm1 = object {", "RadioGroup1", "   }");
  if (ctx.params.On("ChkAlternate"))
    WriteWormObject(ctx, " #declare Worm2 = object {", "RadioGroup2", "  }");

  bool any_thing = false;
  for (const ThingGenerator& thing : ThingGenerators()) {
    if (ThingBuilt(thing, ctx.params)) thing.write(ctx);
  }
  for (const ThingGenerator& thing : ThingGenerators()) {
    if (!ThingBuilt(thing, ctx.params)) continue;
    any_thing = true;
    ctx.out.Line(std::string("object {") + thing.identifier);
    WriteFinalPlacement(ctx);
  }
  if (!any_thing) {
    ctx.out.Line("object {Worm1");
    WriteFinalPlacement(ctx);
  }
  if (auto background = BackgroundWriter()) background(ctx);
}

// Room for the object library: more than all its objects and the macro.
constexpr size_t kLibraryRoom = 8192;

void FillObjectLibrary(ComposeContext& ctx) {
  SceneWriter library;
  WriteObjectLibrary(ctx.params, ctx.objects_named, library);
  ctx.out.FillGap(library.text());
}

void Compose(ComposeContext& ctx) {
  CheckWormChoices(ctx.params);
  WriteHeader(ctx);
  // The library goes here, but it declares what the declarations after it
  // name, so it is written once they are (also when a failure ends them).
  ctx.out.OpenGap(kLibraryRoom);
  try {
    ComposeBody(ctx);
  } catch (const CommandError&) {
    FillObjectLibrary(ctx);
    throw;
  }
  FillObjectLibrary(ctx);
}

// Writes the scene into `buffer`, emptied first; its memory is kept. With
// `front`, the scene is the buffer from byte *front on (not moved to its start).
ComposeResult ComposeInto(const ParameterSet& set, const ComposeOptions& options,
                          std::string buffer, size_t* front = nullptr) {
  ComposeResult result;
  Diagnostics diagnostics;
  SceneWriter out(options.max_scene_bytes);
  out.Adopt(std::move(buffer));
  Random own_random;
  SystemClock system_clock;
  StillLife still;
  ComposeContext ctx{ParamReader(set, diagnostics),
                     out,
                     options.random ? *options.random : own_random,
                     options.clock ? *options.clock : system_clock,
                     options.animation ? *options.animation : still,
                     options.pov31};
  try {
    // A bad integer or an unknown parameter name (an UnknownParameter is a
    // CommandError) ends the scene where it stood, reported as the failure.
    ctx.alternation_switch = ComposeContext::AnyAlternationSwitch(ctx.params);
    Compose(ctx);
  } catch (const CommandError& error) {
    result.status = Status::Error(error.message);
  }
  result.scene = front ? out.TakeBuffer(*front) : out.Take();
  result.warnings = std::move(diagnostics.warnings);
  result.switched_off = std::move(ctx.switched_off);
  return result;
}

// Scene text of up to this size is kept for the thread's next scene file.
constexpr size_t kSpareBytes = size_t{64} << 20;

}  // namespace

ComposeResult ComposeScene(const ParameterSet& set, const ComposeOptions& options) {
  return ComposeInto(set, options, {});
}

Status ComposeSceneToFile(const ParameterSet& set, const std::string& path,
                          std::vector<std::string>* warnings, const ComposeOptions& options,
                          std::vector<std::string>* switched_off, FileUse use) {
  // Each thread keeps the memory of its last scene file for the next: every
  // 4 KB of fresh memory costs a page fault on first touch, and for a large
  // scene those faults took longer than writing the scene's text.
  thread_local std::string spare;
  size_t front = 0;
  ComposeResult result = ComposeInto(set, options, std::move(spare), &front);
  if (warnings) *warnings = std::move(result.warnings);
  if (switched_off) *switched_off = std::move(result.switched_off);
  // A refused scene writes nothing: the old file stays whole.
  Status written = result.status.ok()
                       ? WriteFileReplacing(path, std::string_view(result.scene).substr(front), use)
                       : result.status;
  if (result.scene.capacity() <= kSpareBytes) spare = std::move(result.scene);
  return written;
}

void ApplySwitchesTurnedOff(const std::vector<std::string>& switched_off, ParameterSet& set) {
  for (const std::string& name : switched_off) set.SetOn(name, false);
}

Status ExportScene(const ParameterSet& set, const std::string& path, bool pov31,
                   std::vector<std::string>* warnings, std::vector<std::string>* switched_off,
                   const Clock* clock) {
  if (!pov31) {
    if (std::string refusal = Pov22Refusal(set); !refusal.empty()) return Status::Error(refusal);
  }
  ComposeOptions options;
  options.pov31 = pov31;
  options.clock = clock;
  return ComposeSceneToFile(set, path, warnings, options, switched_off, FileUse::kKept);
}

std::string Pov22Refusal(const ParameterSet& set) {
  const char* second_line = "\nMacros are only supported in Pov-Ray 3.1";
  if (set.On("chkJConnect") || set.On("chkDSConnect") || set.On("chkTDConnect")) {
    return std::string("ConnectObjects is on !") + second_line;
  }
  if (set.Index("RadioGroup1") == kTorusSpline || set.Index("RadioGroup2") == kTorusSpline) {
    return std::string("TorusSpline is on !") + second_line;
  }
  return {};
}

}  // namespace vermora
