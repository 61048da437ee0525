#pragma once

// The creatures the scene tests share: each worm and thing alone and with its
// extras. tests/core/compose/gallery_test.cpp holds each one's golden file and picture.

#include <initializer_list>

#include "params/parameter_set.h"
#include "support/test_support.h"

namespace vermora::test {

enum Worm {
  kSpiral = 0,
  kCurl = 1,
  kDouble = 2,
  kPredef = 3,
  kWormPredef = 4,
  kForm = 5,
  kTwoD = 6,
  kTorus = 7
};

inline ParameterSet With(ParameterSet set, std::initializer_list<const char*> on,
                         std::initializer_list<std::pair<const char*, const char*>> texts = {}) {
  for (const char* name : on) set.SetOn(name, true);
  for (const auto& [name, text] : texts) set.SetText(name, text);
  return set;
}

// One worm alone, the Wheel off.
inline ParameterSet Alone(int worm) {
  ParameterSet set = SpiralOnly();
  set.SetIndex("RadioGroup1", worm);
  return set;
}

// ---- the worms

inline ParameterSet SpiralSplit() {
  return With(SpiralOnly(), {"chkJConnect", "chkAltJS"}, {{"edSplitTrig", "20"}});
}
inline ParameterSet SpiralTween() {
  ParameterSet set =
      With(SpiralOnly(), {"chkMinPlusOn"},
           {{"edHTus", "2"}, {"EdRotFacY", "360"}, {"EdShTrig", "10"}, {"edSplitTrig", "25"}});
  set.SetOn("ChkARot", false);
  return set;
}
inline ParameterSet CurlVariation() {
  return With(Alone(kCurl), {"chkAltRS", "chkRMerge", "ChkXOffset", "chkCHuskOn", "chkCTopHartOn"},
              {{"EdRNumber", "12"},
               {"EdScaleFactor", "2"},
               {"edCHuskST", "3"},
               {"edCHuskET", "5"},
               {"edCTHScale", "1.5"},
               {"EdPostScaleX", "1.0"}});
}
inline ParameterSet DoubleVariation() {
  return With(
      Alone(kDouble), {"chkSOOn", "chkAltDSS", "chkDSConnect", "chkDMerge"},
      {{"edDSNumber", "20"}, {"edDSEndScale", "0.5"}, {"edXDev", "4"}, {"edSideTrigger", "5"}});
}
inline ParameterSet FormVariation() {
  return With(Alone(kForm), {"chkAltFWS", "chkFMerge"},
              {{"edFWNumber", "10"}, {"edFWShrink", "1"}, {"edFWZTrans", "2"}});
}
inline ParameterSet TwoDVariation() {
  ParameterSet set = With(Alone(kTwoD), {"chkRecTD", "chkAltTDS", "chkTDConnect", "chkTDMerge"},
                          {{"edTDNumber", "12"},
                           {"edRecLevel", "2"},
                           {"edRecNumber", "3"},
                           {"edRecTrigger", "4"},
                           {"edTDDevY", "2"}});
  set.SetOn("chkTDAutoRot", false);
  return set;
}
inline ParameterSet TwoDPredefRing() {
  ParameterSet set = With(TwoDVariation(), {}, {{"edRecNumber", "1"}, {"edRecLevel", "1"}});
  set.SetOn("chkWormAsRec", false);
  return set;
}
inline ParameterSet TorusSixNoStart() {
  ParameterSet set = With(Alone(kTorus), {}, {{"edSTVX", "0"}, {"edSTVZ", "0"}});
  set.SetIndex("ScrAN", 6);
  return set;
}
// The first worm PredefWorm, the alternate WormPredef.
inline ParameterSet PredefAndWormPredef() {
  ParameterSet set = Alone(kPredef);
  set.SetOn("ChkAlternate", true);  // switching it on chooses item 1
  set.SetIndex("RadioGroup2", kWormPredef);
  return set;
}

// ---- SpiralWorm attachments, on a short worm

inline ParameterSet Short() { return With(SpiralOnly(), {}, {{"EdNumber", "12"}}); }
inline ParameterSet Branches() {
  return With(Short(), {"ChkBranchON"}, {{"edBRLevel", "2"}, {"EdBranchTrigger", "4"}});
}
inline ParameterSet BaseRing() { return With(Short(), {"ChkBaseOn"}); }
inline ParameterSet TopStacks() { return With(Short(), {"ChkTopOn"}); }
inline ParameterSet TopHeart() { return With(Short(), {"ChkTopHartOn"}, {{"edTHScale", "1.50"}}); }
inline ParameterSet Bubbles() {
  return With(Short(), {}, {{"EdBBScaleSt", "3"}, {"EdBBScEnd", "9"}});
}
inline ParameterSet Husk() {
  return With(Short(), {"chkCoatOn"}, {{"edCoatST", "8"}, {"edCoatET", "12"}});
}
inline ParameterSet Helix() {
  return With(Short(), {"chkHelixOn"}, {{"edHTus", "4"}, {"edHRotY", "5"}});
}
// Every attachment at once on a worm that splits, with predefined objects.
inline ParameterSet Everything() {
  ParameterSet set =
      With(Branches(), {"ChkBaseOn", "ChkTopOn", "ChkTopHartOn", "chkCoatOn", "chkHelixOn"});
  for (const char* off : {"ChkWormAsBranch", "ChkWormAsBase", "ChkWormAsTop"})
    set.SetOn(off, false);
  // Typed after the switches, which reset them as they come on and off.
  return With(set, {},
              {{"edBRLevel", "2"},
               {"edCoatST", "150"},
               {"edCoatET", "160"},
               {"edHTus", "1"},
               {"edSplitTrig", "6"},
               {"EdBBScaleSt", "2"},
               {"EdBBScEnd", "10"}});
}

// ---- the things

// The default set with the Wheel off and one thing on, built from a short
// SpiralWorm of `segments` so the goldens stay readable.
inline ParameterSet OnlyThing(const char* thing_switch, const char* segments = "5") {
  return With(SpiralOnly(), {thing_switch}, {{"EdNumber", segments}});
}
inline ParameterSet Fan() { return With(SpiralOnly(), {"ChkFanOn"}); }
// A Fan with every extra: links, tail, head, tentacles, second worms, scramble.
inline ParameterSet FanWithExtras() {
  return With(Fan(),
              {"ChkTrLinkOn", "chkTailOn", "ChkTrHeadOn", "ChkTentacle", "chkTSerie",
               "chkTInterval", "chkScrambleS", "chkScrambleR"},
              {{"edSWTrig", "3"},
               {"edSWETrig", "5"},
               {"IntTrigger", "4"},
               {"EdTentGrow", "0.5"},
               {"EdKropDegrees", "90"},
               {"EdTScaleFactorY", "0.5"}});
}
// A Wheel with the waves, the straight way, predefined tentacles and a second worm.
inline ParameterSet WheelVariation() {
  ParameterSet set = With(
      ParameterSet{}, {"ChkWave", "ChkSymScale", "chkSpiralWay", "ChkTentacle", "ChkAlternate"});
  set.SetOn("ChkWormAsTent", false);
  set.SetIndex("RadioGroup2", kCurl);
  // The way's switch copied the member count in.
  return With(set, {}, {{"edTNumberSpace", "1"}, {"EdKropDegrees", "40"}, {"EdTentNumber", "1"}});
}
// A thing with a tail, a head, second worms in a series and at intervals,
// scrambling and CurlWorm as the alternate worm.
inline ParameterSet WithExtras(const char* thing, std::initializer_list<const char*> more = {}) {
  ParameterSet set = With(OnlyThing(thing), {"chkTailOn", "ChkTrHeadOn", "chkScrambleS",
                                             "chkScrambleR", "ChkAlternate"});
  set = With(set, more, {{"edSWTrig", "3"}, {"edSWETrig", "5"}, {"IntTrigger", "4"}});
  set.SetIndex("RadioGroup2", kCurl);
  return set;
}
inline ParameterSet AnemoneWithExtras() {
  return With(WithExtras("ChkAnemoneOn", {"chkTSerie", "chkTInterval", "ChkXTrans"}), {},
              {{"EdANumber", "12"}, {"EdRadFactor", "2"}});
}
inline ParameterSet TrilobytWithExtras() {
  return WithExtras("ChkTrilobyt", {"ChkTrLinkOn", "chkMirrorS"});
}
inline ParameterSet ScaledTurningCluster() {
  return With(OnlyThing("ChkClusterOn"), {"ChkCScaleOn", "ChkCRotXOn", "chkCRotYOn", "chkCRotZOn"},
              {{"EdCNumber", "6"}, {"edCScaleMaxY", "2"}});
}

}  // namespace vermora::test
