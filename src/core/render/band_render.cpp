#include "render/band_render.h"

#include <filesystem>

#include "common/file_io.h"
#include "params/working_files.h"
#include "render/job_list.h"

namespace vermora {

PreparedBands PrepareBands(const ParameterSet& set, const RenderSetup& setup, int parts) {
  PreparedBands out;
  if (std::string problem = PictureSizeProblem(set); !problem.empty()) {
    out.status = Status::Error(problem);
    return out;
  }
  out.bands = SplitIntoBands(std::stoi(set.Text("edImageH")), parts);
  std::string scene;
  for (size_t i = 0; i < out.bands.size(); ++i) {
    RenderSetup band = setup;
    const std::string name = "part" + std::to_string(i + 1);
    band.image_name = name + ".png";
    band.messages_name = name + ".out";
    band.rows = out.bands[i];
    // The scene is composed once; the other bands write the same text again.
    PreparedRender prepared = i == 0 ? PrepareRender(set, band) : PrepareRender(scene, set, band);
    if (i == 0) {
      out.warnings = prepared.warnings;
      if (prepared.status.ok()) prepared.status = ReadWholeFile(setup.folder + kSceneFile, scene);
    }
    out.status = prepared.status;
    out.renderer_problem = prepared.renderer_problem;
    if (!out.ready()) return out;
    out.names.push_back(name);
    out.jobs.push_back(std::move(prepared.invocation));
  }
  return out;
}

Status WriteBandJobs(const PreparedBands& bands, const std::string& as_designed,
                     const std::vector<std::string>& include_dirs, const std::string& folder,
                     const std::string& out, std::string& command, std::string& join) {
  JobList jobs(folder);
  for (size_t i = 0; i < bands.jobs.size(); ++i) {
    jobs.AddBand(bands.jobs[i], bands.names[i], bands.bands[i]);
  }
  if (Status s = WriteFileReplacing(folder + kBandSetName, as_designed); !s.ok()) {
    return Status::Error(folder + kBandSetName + ": " + s.message());
  }
  join = "vermora-cli join " + ShellQuote(folder) + " -o " +
         ShellQuote(std::filesystem::absolute(out).string());
  return jobs.Finish(include_dirs, command,
                     "\nThen join the bands into one picture that carries the set "
                     "(set.vmx):\n\n    " +
                         join + "\n");
}

Status ReadyBandsForHosts(const PreparedBands& bands, const std::string& as_designed,
                          const std::vector<std::string>& include_dirs, const std::string& folder,
                          const std::string& hosts, std::vector<std::string>& call) {
  std::string listed, command, join;
  if (Status s = ReadWholeFile(hosts, listed); !s.ok())
    return Status::Error(hosts + ": " + s.message());
  if (Status s =
          WriteBandJobs(bands, as_designed, include_dirs, folder, "joined.png", command, join);
      !s.ok()) {
    return s;
  }
  if (Status s = WriteFileReplacing(folder + "hosts.txt", listed); !s.ok()) return s;
  call = {"sh", "-c", "cd " + ShellQuote(folder) + " && " + command};
  return Status::Ok();
}

}  // namespace vermora
