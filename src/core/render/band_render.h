#pragma once

#include <string>
#include <vector>

#include "common/status.h"
#include "params/parameter_set.h"
#include "render/render_command.h"
#include "render/row_bands.h"

namespace vermora {

// Beside the bands of a job list: which rows each is ("part1 1 32" a line),
// and the set the joined picture carries.
inline constexpr const char* kBandListName = "parts.txt";
inline constexpr const char* kBandSetName = "set.vmx";

// A still split into bands of rows, every band a renderer call of its own on
// the one scene, so the bands can render side by side or on other hosts.
struct [[nodiscard]] PreparedBands {
  Status status = Status::Ok();  // a size or compose failure
  std::string renderer_problem;  // a missing or unusable renderer
  std::vector<std::string> warnings;
  std::vector<RowBand> bands;
  std::vector<std::string> names;      // "part1" ...: the band's picture is NAME.png
  std::vector<RenderInvocation> jobs;  // one a band; the picture at image_path

  bool ready() const { return status.ok() && renderer_problem.empty(); }
};

// Writes the scene of `set` once into setup.folder (as one render would) and
// builds the call of each of at most `parts` bands (see SplitIntoBands):
// pictures part1.png ... and messages part1.out ... beside the scene.
PreparedBands PrepareBands(const ParameterSet& set, const RenderSetup& setup, int parts);

// Writes the bands as a job list for GNU Parallel into `folder` (the one they
// were prepared in), with `as_designed` as its set. `command` gets the
// command that renders them, run in `folder`; `join` the vermora-cli line
// that joins what comes back into `out`.
Status WriteBandJobs(const PreparedBands& bands, const std::string& as_designed,
                     const std::vector<std::string>& include_dirs, const std::string& folder,
                     const std::string& out, std::string& command, std::string& join);

// Readies the bands to render on the hosts the file `hosts` names (GNU
// Parallel's --sshloginfile): their job list and hosts.txt in `folder`.
// `call` gets the program and arguments that render them: our own command in
// a shell, every name in it quoted; the hosts are read by GNU Parallel only.
Status ReadyBandsForHosts(const PreparedBands& bands, const std::string& as_designed,
                          const std::vector<std::string>& include_dirs, const std::string& folder,
                          const std::string& hosts, std::vector<std::string>& call);

}  // namespace vermora
