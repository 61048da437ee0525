#include "scene/object_library.h"

#include <initializer_list>
#include <string_view>

namespace vermora {
namespace {

struct Predefined {
  const char* name;
  std::initializer_list<const char*> lines;
};

const Predefined kPredefined[] = {
    {"Bol", {"#declare Bol = sphere {<0, 0, 0>, .5 }"}},
    {"Doos", {"#declare Doos = box { <-.5, -.5, -.5>, < .5,  .5,  .5>}"}},
    {"Cone", {"#declare Cone = cone { <0,.5, 0>,  0.0, <0,-.5, 0>, .5 }"}},
    {"FanCyl", {"#declare FanCyl = cylinder { <0, -1, 0>, <0, 0, 0>, 0.5 }"}},
    {"Torus", {"#declare Torus = torus {0.3, 0.2}"}},
    {"Spik1",
     {"#declare Spik1 =  union {", " sphere { <0, 0, 0>, .5}",
      " cone {<0,0,0>,0.15, <1.5,0,0>, 0.005}",
      " cone {<0,0,0>,0.15, <1.5,0,0>, 0.005 rotate <0,0,90>}",
      " cone {<0,0,0>,0.15, <1.5,0,0>, 0.005 rotate <0,0,180>}",
      " cone {<0,0,0>,0.15, <1.5,0,0>, 0.005 rotate <0,0,270>}", "}"}},
    {"Spik2",
     {"#declare Spik2 =  union {", " sphere { <0, 0, 0>, .5}",
      " cylinder { <-2, 0, 0>, <2, 0, 0>, .25}", " cone {<-1.8,0,0>,0.2, <-1.8,2,0>,0.005}",
      " cone {<1.8,0,0>,0.2, <1.8,2,0>,0.005}", " sphere { <-1.65,0,0>, 0.35}",
      " sphere { <1.65,0,0>, 0.35}", "}"}},
    {"Spik3",
     {"#declare SS =  union {", " cylinder { <-2, 0, 0>, <0, 0, 0>, .25 rotate <0,0,-10>}",
      " cylinder { <0, 0, 0>, <2, 0, 0>, .25  rotate <0,0,10>}",
      " cone {<-1.8,0,0>, 0.2 <-1.8,4,0>, 0.005 rotate <0,0,5>}",
      " cone {<1.8,0,0>, 0.2 <1.8,4,0>, 0.005 rotate <0,0,-5>}", " }", "#declare Spik3 = union {",
      " object {SS}", " object {SS rotate <0, 60, 0>}", " object {SS rotate <0, 120,0>}", " }"}},
    {"Spik4",
     {"#declare Spik4 =  union {", " sphere { <0, 0, 0>, .6 }",
      " cone {<0,0,0>,0.1, <-0, 4, 0>, 0.005 rotate <0, 0, -10> translate <0.4,0,0>}",
      " cone {<0,0,0>,0.1, <0, 4, 0>, 0.005 rotate <0, 0, 10> translate <-0.4,0,0>}", "}"}},
    {"Spik6",
     {"#declare Spik6 = union {", " sphere {<0, 0, 0>, 0.5}",
      " sphere {<0, 0, 0>, 0.4 translate <0.15,0,0>}",
      " sphere {<0, 0, 0>, 0.4 translate <-0.15,0,0>}",
      " sphere {<0, 0, 0>, 0.5 scale <2,0.5,0.5>}", " sphere {<0, 0, 0>, 0.4 translate <0,0,0.15>}",
      " sphere {<0, 0, 0>, 0.4 translate <0,0,-0.15>}",
      " sphere {<0, 0, 0>, 0.5 scale <0.5,0.5,2>}",
      " sphere {<0, 0, 0>, 0.4 translate <0,0.15,0.0>}",
      " sphere {<0, 0, 0>, 0.4 translate <0,-0.15,0>}",
      " sphere {<0, 0, 0>, 0.5 scale <0.5,2,0.5>}", "}"}},
    {"Ear",
     {"#declare Ear =  union {", " cylinder { <-1, 0, 0>, <1, 0, 0>, .15}",
      " cylinder { <-1.1, 0, 0>, <-.9, 0, 0>, .5 scale <1, 1, .4>}",
      " cylinder { <.9, 0, 0>, <1.1, 0, 0>, .5 scale <1, 1, .4>}", "}"}},
    {"BallDisk",
     {"#declare BallDisk =  union {", " sphere { <0, 0, 0>, .5}",
      " cylinder { <0, 0.05, 0>, <0, 0, 0>, 1}", "}"}},
};

double NumberOf(const ParamReader& p, const char* name) { return p.Number(name); }

}  // namespace

bool WormUsed(const ParamReader& params, int worm) {
  return params.Index("RadioGroup1") == worm || params.Index("RadioGroup2") == worm;
}

std::string UsedObjectText(const ParamReader& p) {
  std::string joined;
  auto add_if = [&](bool counts, const char* field) {
    if (counts) joined += p.Text(field);
  };
  struct Segments {
    int worm;
    const char *first, *second, *alt;
  };
  for (const Segments& s : {Segments{kSpiralWorm, "edJSegm", "edJSegm2", "chkAltJS"},
                            Segments{kCurlWorm, "edRSegm", "edRSegm2", "chkAltRS"},
                            Segments{kDoubleSpiral, "edDSSegm", "edDSSegm2", "chkAltDSS"},
                            Segments{kFormWorm, "edFWSegm", "edFWSegm2", "chkAltFWS"},
                            Segments{kTwoDWorm, "edTDSegm", "edTDSegm2", "chkAltTDS"}}) {
    const bool used = WormUsed(p, s.worm);
    add_if(used, s.first);
    add_if(used && p.On(s.alt), s.second);
  }
  add_if(p.On("ChkBranchON") && !p.On("ChkWormAsBranch"), "EdPredBranch");
  add_if(p.On("ChkBaseOn") && !p.On("ChkWormAsBase"), "EdPredBase");
  add_if(p.On("ChkTopOn") && !p.On("ChkWormAsTop"), "EdPredTop");
  add_if(p.On("ChkTopHartOn"), "EdTopHart");
  add_if(p.On("chkCoatOn"), "edCoat");
  add_if(p.On("chkHelixOn"), "edHObj");
  add_if(p.On("chkCHuskOn"), "edCHusk");
  add_if(p.On("chkCTopHartOn"), "edCTopHart");
  add_if(NumberOf(p, "edDSNumber") > NumberOf(p, "edSideTrigger"), "edSideObject");
  add_if(p.On("chkRecTD") && !p.On("chkWormAsRec"), "edPredRec");
  add_if(WormUsed(p, kPredefWorm), "EdPWN");
  add_if(WormUsed(p, kWormPredef), "EdWPN");
  add_if(NumberOf(p, "EdTNumber") > NumberOf(p, "EdTentStart") && !p.On("ChkWormAsTent"),
         "EdTentName");
  add_if(p.On("chkTailOn"), "edTail");
  add_if(p.On("ChkTrLinkOn"), "EdTrLink");
  add_if(p.On("ChkTrHeadOn"), "EdTrHead");
  add_if(p.On("chkTSerie"), "edSWPred");
  add_if(p.On("chkTInterval"), "edSWPred");
  return joined;
}

void WriteObjectLibrary(const ParamReader& params, const std::string& also_named,
                        SceneWriter& out) {
  const std::string used = UsedObjectText(params) + also_named;
  for (const Predefined& object : kPredefined) {
    if (used.find(object.name) == std::string::npos) continue;
    for (const char* line : object.lines) out.Line(line);
  }
  if (params.On("chkJConnect") || params.On("chkDSConnect") || params.On("chkTDConnect")) {
    for (const char* line :
         {" ", "#macro Connect(SP,SR,EP,ER)", " #local D=vlength(EP-SP);", " #local Rd=SR-ER;",
          // When one ball holds the other no cone touches both
          // (the root below would be of a negative number): the
          // larger ball alone is their hull.
          " #if (D > abs(Rd))", " #local D2=sqrt(D*D-Rd*Rd);",
          " cone { SP+(EP-SP)/D*Rd*(SR)/D,(SR)*D2/D,EP+(EP-SP)/D*Rd*(ER)/D,(ER)*D2/D }",
          " #elseif (SR > ER)", " sphere { SP, SR }", " #else", " sphere { EP, ER }", " #end",
          "#end ", " "}) {
      out.Line(line);
    }
  }
}

std::string DraggedObjectText(const std::string& object_name) {
  return "object {" + object_name + "}";
}

}  // namespace vermora
