// A name the parameter table does not hold is a failure that names it, never a
// crash: the lookups throw UnknownParameter and every command reports it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/random.h"
#include "compose/composer.h"
#include "params/parameter_set.h"
#include "scene/animation_inputs.h"
#include "variation/engine.h"

namespace vermora {
namespace {

TEST(UnknownParameterTest, EveryLookupNamesTheUnknownName) {
  ParameterSet set;
  const std::pair<const char*, std::function<void()>> lookups[] = {
      {"Text", [&] { (void)set.Text("EdNumbr"); }},
      {"On", [&] { (void)set.On("EdNumbr"); }},
      {"Index", [&] { (void)set.Index("EdNumbr"); }},
      {"Tag", [&] { (void)set.Tag("EdNumbr"); }},
      {"GridValue", [&] { (void)set.GridValue("EdNumbr"); }},
      {"SetText", [&] { set.SetText("EdNumbr", "3"); }},
      {"SetOn", [&] { set.SetOn("EdNumbr", true); }},
      {"SetIndex", [&] { set.SetIndex("EdNumbr", 1); }},
      {"SetTag", [&] { set.SetTag("EdNumbr", 1); }},
      {"SetGrid", [&] { set.SetGrid("EdNumbr", {}); }},
  };
  for (const auto& [what, lookup] : lookups) {
    try {
      lookup();
      ADD_FAILURE() << what << " took an unknown name";
    } catch (const UnknownParameter& unknown) {
      EXPECT_EQ(unknown.name, "EdNumbr") << what;
      EXPECT_EQ(unknown.message, "unknown parameter EdNumbr") << what;
    }
  }
  EXPECT_EQ(set, ParameterSet());
}

// Reads the design under a name of its own each time a generator asks for a
// ring's animation, as a generator with that name written in it would.
class ReadingAnimation final : public AnimationInputs {
 public:
  ReadingAnimation(const ParameterSet& set, std::string name) : set_(set), name_(std::move(name)) {}
  RingAnimation Ring(const char*) const override {
    (void)set_.Text(name_);
    return {};
  }
  float Freeze(const char*, float count) override { return count; }

 private:
  const ParameterSet& set_;
  std::string name_;
};

TEST(UnknownParameterTest, AComposeWithAMisspeltNameFailsNamingIt) {
  const struct {
    const char* name;
    const char* failure;  // "" for a name the table holds
  } cases[] = {
      {"EdTNumber", ""},
      {"edtnumber", ""},  // names match without regard to case
      {"EdTNumbr", "unknown parameter EdTNumbr"},
      {"edFWShrnk", "unknown parameter edFWShrnk"},
      {"", "unknown parameter "},
  };
  ParameterSet set;  // the default design writes the Wheel's ring of arms
  FixedClock clock(1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ReadingAnimation animation(set, c.name);
    ComposeOptions options;
    options.clock = &clock;
    options.animation = &animation;
    const ComposeResult result = ComposeScene(set, options);
    EXPECT_EQ(result.status.ok() ? "" : result.status.message(), c.failure);
  }
}

TEST(UnknownParameterTest, AnEngineMeetingAMisspeltNameFailsAndChangesNothing) {
  ParameterSet set;
  const ParameterSet before = set;
  FixedClock clock(1);
  Random random;
  EngineResult result = RunEngine(set, {&random, &clock, ""}, [](EngineRun& run) {
    run.set.SetText("EdNumber", "99");
    run.set.SetText("EdSpce", "9");
    return Status::Ok();
  });
  EXPECT_EQ(result.status.message(), "unknown parameter EdSpce");
  EXPECT_EQ(set, before);
}

}  // namespace
}  // namespace vermora
